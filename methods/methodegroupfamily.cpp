// The group-bet families: mirrors, followers, quarters, hot groups, cycles and recent groups of
// columns, dozens, sixains and transversales.

#include "methods/methodecolhot.h"
#include "methods/methodecolmir.h"
#include "methods/methodecolsuiv.h"
#include "methods/methodedouzhot.h"
#include "methods/methodedouzmir.h"
#include "methods/methodedouzsuiv.h"
#include "methods/methodeecarttr.h"
#include "methods/methodemirs1s2.h"
#include "methods/methodemirt1t2.h"
#include "methods/methodequartierstr.h"
#include "methods/methodespeedwaysix.h"
#include "methods/methodesuiveusesix.h"
#include "methods/methodesuiveusetr.h"

#include "core/noxmethodcontext.h"
#include "methods/noxroulettetable.h"

#include <QStringList>

namespace Nox {

namespace {

using T = NoxRouletteTable;

/// How far back the mirrors look.
constexpr int kMirrorDistance = 10;

/// The value ten coups back, -1 when the history is too short.
int mirrorValue(const NoxMethodContext &context)
{
    const int n = context.count();
    return n >= kMirrorDistance ? context.valueAt(n - kMirrorDistance) : -1;
}

/// Of three groups (columns or dozens): k alone, or the two others in turn.
QList<NoxBetItemID> thirds(int k, bool alone, NoxBetItemID (*item)(int))
{
    if (alone) {
        return {item(k)};
    }
    return {item((k + 1) % 3), item((k + 2) % 3)};
}

void mirrorThirds(NoxMethod &method, const NoxMethodContext &context, bool inverse, int (*group)(int),
                  NoxBetItemID (*item)(int))
{
    const int k = group(mirrorValue(context));
    if (k < 0) {
        method.clearProposal();
        return;
    }
    method.setProposal(thirds(k, inverse, item));
}

/// Half of a group family: the items of even index (k = 0) or of odd index (k = 1).
QList<NoxBetItemID> half(int parity, int count, NoxBetItemID (*item)(int))
{
    QList<NoxBetItemID> items;
    for (int i = parity; i < count; i += 2) {
        items.append(item(i));
    }
    return items;
}

void mirrorHalves(NoxMethod &method, const NoxMethodContext &context, bool inverse, int (*group)(int),
                  int count, NoxBetItemID (*item)(int))
{
    const int g = group(mirrorValue(context));
    if (g < 0) {
        method.clearProposal();
        return;
    }
    const int parity = g % 2;
    method.setProposal(half(inverse ? parity : 1 - parity, count, item));
}

void follow(NoxMethod &method, const NoxMethodContext &context, bool inverse, int (*group)(int),
            NoxBetItemID (*item)(int))
{
    const int n = context.count();
    int i = n - 1;
    while (i >= 0 && group(context.valueAt(i)) < 0) {
        --i;
    }
    if (n <= 1 || i < 0) {
        method.clearProposal();
        return;
    }
    const int k = group(context.valueAt(i));
    if (inverse) {
        method.setProposal(thirds(k, false, item));
        return;
    }
    for (--i; i >= 0; --i) {
        const int j = group(context.valueAt(i));
        if (j >= 0 && j != k) {
            method.setProposal({item(k), item(j)});
            return;
        }
    }
    method.clearProposal();
}

void hotProcess(NoxMethod &method, const NoxMethodContext &context, bool inverse, int &counter,
                int (*group)(int), NoxBetItemID (*item)(int))
{
    const int n = context.count();
    if (n <= 2) {
        method.clearProposal();
        return;
    }
    if (counter > 0) {
        return; // the current choice runs on
    }
    const int m = group(context.valueAt(n - 1));
    const int o = group(context.valueAt(n - 2));
    const int r = group(context.valueAt(n - 3));
    if (m < 0 || o < 0 || r < 0) {
        method.clearProposal();
        return;
    }
    if (m == o && o == r) {
        counter = 1;
        method.clearProposal();
        return;
    }
    counter = 3;
    const int u = o == r ? o : m;
    method.setProposal(thirds(u, !inverse, item));
}

/// After the win test: a zero gives the coup back, then one coup of the run is used.
void hotCountDown(int &counter, int value)
{
    if (counter > 0 && value == 0) {
        ++counter;
    }
    if (counter > 0) {
        --counter;
    }
}

/// The group follower: walk back to the latest win, stop at the first repeated group.
void followGroups(NoxMethod &method, const NoxMethodContext &context, int start, int limit, int (*group)(int),
                  NoxBetItemID (*item)(int))
{
    QList<NoxBetItemID> list;
    const int n = context.count();
    for (int i = n - 1; i >= std::max(start, 0); --i) {
        const int g = group(context.valueAt(i));
        if (g < 0) {
            continue;
        }
        const qsizetype k = list.indexOf(item(g));
        if (k >= 0) {
            list.remove(0, k);
            break;
        }
        list.prepend(item(g));
        if (list.size() >= limit) {
            break;
        }
    }
    method.setProposal(list);
}

void followCommit(const NoxMethod &method, const NoxMethodContext &context, int &start)
{
    const int v = T::lastValue(context);
    if (v > 0 && T::lastWins(method, context, false)) {
        start = context.count() - 1;
    }
}

QString joined(const std::array<int, 12> &values)
{
    QStringList parts;
    for (int v : values) {
        parts << QString::number(v);
    }
    return parts.join(QLatin1Char(','));
}

} // namespace

// --- Mirrors ----------------------------------------------------------------------------------

MethodeColMir::MethodeColMir(const QString &name, bool inverse)
    : NoxMethod(NoxMethodType::col, NoxMethodSubType::orangecol7, name)
    , m_inverse(inverse)
{
    setBlockPercentage(85);
}

void MethodeColMir::process(const NoxMethodContext &context)
{
    mirrorThirds(*this, context, m_inverse, &T::column, &T::columnItem);
}

MethodeDouzMir::MethodeDouzMir(const QString &name, bool inverse)
    : NoxMethod(NoxMethodType::douz, NoxMethodSubType::pinkdouz8, name)
    , m_inverse(inverse)
{
    setBlockPercentage(85);
}

void MethodeDouzMir::process(const NoxMethodContext &context)
{
    mirrorThirds(*this, context, m_inverse, &T::dozen, &T::dozenItem);
}

MethodeMirS1S2::MethodeMirS1S2(const QString &name, bool inverse)
    : NoxMethod(NoxMethodType::sixain, NoxMethodSubType::pinksixt9, name)
    , m_inverse(inverse)
{
    setBlockPercentage(85);
}

void MethodeMirS1S2::process(const NoxMethodContext &context)
{
    mirrorHalves(*this, context, m_inverse, &T::sixain, 6, &T::sixainItem);
}

MethodeMirT1T2::MethodeMirT1T2(const QString &name, bool inverse)
    : NoxMethod(NoxMethodType::trans, NoxMethodSubType::greentrans10, name)
    , m_inverse(inverse)
{
    setBlockPercentage(85);
}

void MethodeMirT1T2::process(const NoxMethodContext &context)
{
    mirrorHalves(*this, context, m_inverse, &T::transversale, 12, &T::transItem);
}

// --- Followers --------------------------------------------------------------------------------

MethodeColSuiv::MethodeColSuiv(const QString &name, bool inverse)
    : NoxMethod(NoxMethodType::col, NoxMethodSubType::orangecol7, name)
    , m_inverse(inverse)
{
    setBlockPercentage(85);
}

void MethodeColSuiv::process(const NoxMethodContext &context)
{
    follow(*this, context, m_inverse, &T::column, &T::columnItem);
}

MethodeDouzSuiv::MethodeDouzSuiv(const QString &name, bool inverse)
    : NoxMethod(NoxMethodType::douz, NoxMethodSubType::pinkdouz8, name)
    , m_inverse(inverse)
{
    setBlockPercentage(85);
}

void MethodeDouzSuiv::process(const NoxMethodContext &context)
{
    follow(*this, context, m_inverse, &T::dozen, &T::dozenItem);
}

// --- Transversale quarters --------------------------------------------------------------------

MethodeQuartiersTr::MethodeQuartiersTr(const QString &name, bool inverse)
    : NoxMethod(NoxMethodType::trans, NoxMethodSubType::greentrans10, name)
    , m_inverse(inverse)
{
    setBlockPercentage(90);
}

void MethodeQuartiersTr::process(const NoxMethodContext &context)
{
    const int n = context.count();
    const auto quarter = [](int v) {
        return v >= 1 && v <= 36 ? ((v - 1) / 3) % 4 : -1;
    };
    const int a = n >= 2 ? quarter(context.valueAt(n - 1)) : -1;
    const int b = n >= 2 ? quarter(context.valueAt(n - 2)) : -1;
    if (a < 0 || b < 0 || a == b) {
        clearProposal();
        return;
    }
    QList<NoxBetItemID> items;
    for (int t = 0; t < 12; ++t) {
        const bool theirs = t % 4 == a || t % 4 == b;
        if (theirs == m_inverse) {
            items.append(T::transItem(t));
        }
    }
    setProposal(items);
}

// --- Hot column and dozen ---------------------------------------------------------------------

MethodeColHot::MethodeColHot(const QString &name, bool inverse)
    : NoxMethod(NoxMethodType::col, NoxMethodSubType::orangecol7, name)
    , m_inverse(inverse)
{
    setBlockPercentage(85);
}

void MethodeColHot::process(const NoxMethodContext &context)
{
    hotProcess(*this, context, m_inverse, m_counter, &T::column, &T::columnItem);
}

void MethodeColHot::commit(const NoxMethodContext &context)
{
    if (T::lastWins(*this, context, true)) {
        m_counter = 0;
    }
    hotCountDown(m_counter, T::lastValue(context));
}

bool MethodeColHot::rollback(int, const NoxMethodContext &)
{
    return false;
}

void MethodeColHot::reset(const NoxMethodContext &)
{
    m_counter = 0;
    clearProposal();
}

MethodeDouzHot::MethodeDouzHot(const QString &name, bool inverse)
    : NoxMethod(NoxMethodType::douz, NoxMethodSubType::pinkdouz8, name)
    , m_inverse(inverse)
{
    setBlockPercentage(85);
}

void MethodeDouzHot::process(const NoxMethodContext &context)
{
    hotProcess(*this, context, m_inverse, m_counter, &T::dozen, &T::dozenItem);
}

void MethodeDouzHot::commit(const NoxMethodContext &context)
{
    const int v = T::lastValue(context);
    if (T::lastWins(*this, context, false) != m_inverse || (v == 0 && context.countsZero())) {
        m_counter = 0;
    }
    hotCountDown(m_counter, v);
}

bool MethodeDouzHot::rollback(int, const NoxMethodContext &)
{
    return false;
}

void MethodeDouzHot::reset(const NoxMethodContext &)
{
    m_counter = 0;
    clearProposal();
}

// --- Transversale cycles ----------------------------------------------------------------------

MethodeEcartTr::MethodeEcartTr(const QString &name)
    : NoxMethod(NoxMethodType::trans, NoxMethodSubType::greentrans10, name)
{
    setBlockPercentage(85);
}

void MethodeEcartTr::process(const NoxMethodContext &context)
{
    QList<NoxBetItemID> items;
    if (context.count() > 0) {
        for (int t = 0; t < 12; ++t) {
            if (m_counts[size_t(t)] == kCycleLengths[size_t(t)]) {
                items.append(T::transItem(t));
            }
        }
    }
    setProposal(items);
}

void MethodeEcartTr::commit(const NoxMethodContext &context)
{
    const int out = T::transversale(T::lastValue(context));
    for (size_t t = 0; t < 12; ++t) {
        if (int(t) == out) {
            m_counts[t] = m_counts[t] == kCycleLengths[t] ? 0 : m_counts[t] + 1;
            m_gaps[t] = 0;
        } else if (m_counts[t] == kCycleLengths[t]) {
            ++m_gaps[t];
        }
    }
}

bool MethodeEcartTr::rollback(int, const NoxMethodContext &)
{
    return false;
}

void MethodeEcartTr::reset(const NoxMethodContext &)
{
    m_counts.fill(0);
    m_gaps.fill(0);
    clearProposal();
}

QList<QVariantMap> MethodeEcartTr::details() const
{
    return {QVariantMap{{QStringLiteral("ValidNbTrans"), joined(kCycleLengths)},
                        {QStringLiteral("ValidNbCurrentTrans"), joined(m_counts)},
                        {QStringLiteral("ValidNbEcartTrans"), joined(m_gaps)}}};
}

// --- Recent sixains ---------------------------------------------------------------------------

MethodeSpeedwaySix::MethodeSpeedwaySix(const QString &name)
    : NoxMethod(NoxMethodType::sixain, NoxMethodSubType::pinksixt9, name)
{
    setBlockPercentage(75);
}

void MethodeSpeedwaySix::process(const NoxMethodContext &context)
{
    const int n = context.count();
    QList<NoxBetItemID> items;
    if (n >= 4) {
        for (int i = n - 1; i >= n - 3; --i) {
            const int s = T::sixain(context.valueAt(i));
            if (s >= 0 && !items.contains(T::sixainItem(s))) {
                items.prepend(T::sixainItem(s));
            }
        }
    }
    setProposal(items);
}

// --- Group followers --------------------------------------------------------------------------

MethodeSuiveuseSix::MethodeSuiveuseSix(const QString &name)
    : NoxMethod(NoxMethodType::sixain, NoxMethodSubType::pinksixt9, name)
{
    setBlockPercentage(75);
}

void MethodeSuiveuseSix::process(const NoxMethodContext &context)
{
    followGroups(*this, context, m_start, 5, &T::sixain, &T::sixainItem);
}

void MethodeSuiveuseSix::commit(const NoxMethodContext &context)
{
    followCommit(*this, context, m_start);
}

bool MethodeSuiveuseSix::rollback(int, const NoxMethodContext &context)
{
    return m_start < context.count() - 1;
}

void MethodeSuiveuseSix::reset(const NoxMethodContext &)
{
    m_start = -1;
    clearProposal();
}

MethodeSuiveuseTr::MethodeSuiveuseTr(const QString &name)
    : NoxMethod(NoxMethodType::trans, NoxMethodSubType::greentrans10, name)
{
    setBlockPercentage(75);
}

void MethodeSuiveuseTr::process(const NoxMethodContext &context)
{
    followGroups(*this, context, m_start, 11, &T::transversale, &T::transItem);
}

void MethodeSuiveuseTr::commit(const NoxMethodContext &context)
{
    followCommit(*this, context, m_start);
}

bool MethodeSuiveuseTr::rollback(int, const NoxMethodContext &context)
{
    return m_start < context.count() - 1;
}

void MethodeSuiveuseTr::reset(const NoxMethodContext &)
{
    m_start = -1;
    clearProposal();
}

} // namespace Nox
