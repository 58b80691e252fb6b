#include "methods/methodefavoris.h"

#include "core/noxlogging.h"
#include "core/noxmethodstate.h"
#include "methods/noxwheel.h"

#include <QSet>

#include <functional>
#include <mutex>

namespace Nox {

namespace {

// Fills the holes of at most `hole` numbers between numbers of `covered`, scanning `order`
// from its second position (not circular).
void fillHoles(const std::array<int, 37> &order, int hole, QSet<int> &covered,
               const std::function<void(int)> &add)
{
    for (int i = 1; i < 37; ++i) {
        if (covered.contains(order[size_t(i)]) || !covered.contains(order[size_t(i - 1)])) {
            continue;
        }
        int l = 0;
        while (i + l < 37 && l <= hole && !covered.contains(order[size_t(i + l)])) {
            ++l;
        }
        if (l <= hole && i + l < 37) {
            for (int k = 0; k < l; ++k) {
                covered.insert(order[size_t(i + k)]);
                add(order[size_t(i + k)]);
            }
        }
    }
}

std::array<int, 37> orderFromTen()
{
    std::array<int, 37> order{};
    const int start = NoxWheel::position(10);
    for (int i = 0; i < 37; ++i) {
        order[size_t(i)] = NoxWheel::at(start + i);
    }
    return order;
}

} // namespace

MethodeFavoris::MethodeFavoris(const QString &name)
    : NoxMethod(NoxMethodType::automatic, NoxMethodSubType::none, name)
{
    setBlockPercentage(85);
}

NoxMethodParameterList MethodeFavoris::parameters() const
{
    using P = NoxMethodParameter;
    QStringList fetiches;
    for (int n : m_fetiches) {
        fetiches << QString::number(n);
    }
    return {P::named(QStringLiteral("numerosFetiches"), fetiches.join(QLatin1Char(','))),
            P::named(QStringLiteral("couvrirDoublon"), m_couvrirDoublon),
            P::named(QStringLiteral("nbVoisinsDoublon"), m_nbVoisinsDoublon),
            P::named(QStringLiteral("nbHistorique"), m_nbHistorique),
            P::named(QStringLiteral("jouerHistorique"), m_jouerHistorique),
            P::named(QStringLiteral("jouerFetiches"), m_jouerFetiches),
            P::named(QStringLiteral("jouerAvecMethode"), m_jouerAvecMethode),
            P::named(QStringLiteral("useBoucheTrou"), m_useBoucheTrou),
            P::named(QStringLiteral("tailleTrou"), m_tailleTrou),
            P::named(QStringLiteral("useVoisinsHistorique"), m_useVoisinsHistorique)};
}

void MethodeFavoris::setParameters(const NoxMethodParameterList &parameters)
{
    const QPair<const char *, bool *> flags[] = {
        {"couvrirDoublon", &m_couvrirDoublon}, {"jouerHistorique", &m_jouerHistorique},
        {"jouerFetiches", &m_jouerFetiches},   {"jouerAvecMethode", &m_jouerAvecMethode},
        {"useBoucheTrou", &m_useBoucheTrou},   {"useVoisinsHistorique", &m_useVoisinsHistorique}};
    const QPair<const char *, int *> counts[] = {{"nbVoisinsDoublon", &m_nbVoisinsDoublon},
                                                 {"nbHistorique", &m_nbHistorique},
                                                 {"tailleTrou", &m_tailleTrou}};
    for (const NoxMethodParameter &p : parameters) {
        if (p.name == u"numerosFetiches") {
            m_fetiches.clear();
            for (const QString &piece : p.value.toString().split(QLatin1Char(','), Qt::SkipEmptyParts)) {
                bool ok = false;
                const int n = piece.trimmed().toInt(&ok);
                if (ok && n >= 0 && n <= 36 && !m_fetiches.contains(n)) {
                    m_fetiches << n;
                }
            }
            continue;
        }
        for (const auto &[key, field] : flags) {
            if (p.name == QLatin1String(key)) {
                *field = p.value.toBool();
            }
        }
        for (const auto &[key, field] : counts) {
            if (p.name == QLatin1String(key)) {
                *field = std::max(0, p.value.toInt());
            }
        }
    }
}

QList<int> MethodeFavoris::compute(const QList<int> &values, const QList<NoxMethodState *> &states,
                                   int playModeMask) const
{
    QSet<int> methodNumbers;
    for (const NoxMethodState *s : states) {
        if (s->method() == this || !s->isActive() || !s->numberMode()) {
            continue;
        }
        const NoxMethodProposal p = s->proposal();
        const int flags = s->playModeFlags() | (p.inBlock ? 8 : 0) | (p.inDominantBlock ? 16 : 0);
        if ((flags & playModeMask) == playModeMask) {
            for (int n : p.coveredNumbers) {
                methodNumbers.insert(n);
            }
        }
    }
    QList<int> result;
    if (methodNumbers.isEmpty() && m_jouerAvecMethode) {
        return result;
    }
    const auto add = [&result](int n) {
        if (n >= 0 && n <= 36 && !result.contains(n)) {
            result.append(n);
        }
    };
    if (m_jouerFetiches) {
        for (int n : m_fetiches) {
            add(n);
            qCDebug(lcNoxMethods).noquote() << QStringLiteral("Ajout fetiche %1").arg(n);
        }
    }
    if (m_couvrirDoublon && !values.isEmpty()) {
        const int v = values.last();
        add(v);
        for (int j = 0; j < m_nbVoisinsDoublon; j += 2) {
            add(NoxWheel::neighbour(v, -(j / 2 + 1)));
            add(NoxWheel::neighbour(v, j / 2 + 1));
        }
    }
    if (m_jouerHistorique) {
        QSet<int> taken;
        for (qsizetype i = values.size() - 1; i >= 0 && taken.size() < m_nbHistorique; --i) {
            const int v = values.at(i);
            if (taken.contains(v)) {
                continue;
            }
            taken.insert(v);
            add(v);
            if (m_useVoisinsHistorique) {
                add(NoxWheel::neighbour(v, -1));
                add(NoxWheel::neighbour(v, 1));
            }
        }
    }
    if (m_useBoucheTrou) {
        fillHoles(NoxWheel::kOrder, m_tailleTrou, methodNumbers, add);
        fillHoles(orderFromTen(), m_tailleTrou, methodNumbers, add);
    }
    return result;
}

void MethodeFavoris::updateSelection(const QList<int> &values, const QList<NoxMethodState *> &states,
                                     int playModeMask)
{
    std::lock_guard lock(mutex());
    QList<NoxBetItemID> items;
    for (int n : compute(values, states, playModeMask)) {
        items.append(NoxBetItemID(n));
    }
    setProposal(items);
}

} // namespace Nox
