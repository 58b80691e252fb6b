// The single-number methods that count the history: hot numbers, the law of the third, the
// recency order, the series absence, repeated numbers, absences, final digits and the sector
// trend.

#include "methods/methodeespace.h"
#include "methods/methodegp.h"
#include "methods/methodeloidutiers.h"
#include "methods/methodenumstries.h"
#include "methods/methodesections.h"
#include "methods/methodetendancesecteur.h"
#include "methods/methodeterminaison.h"
#include "methods/methodetop.h"
#include "methods/methodetriplette.h"

#include "core/noxmethodcontext.h"
#include "methods/noxroulettetable.h"
#include "methods/noxwheel.h"

#include <QMutex>
#include <QStringList>

#include <algorithm>

namespace Nox {

namespace {

using T = NoxRouletteTable;

NoxMethodParameter intParameter(const QString &name, int value, int minimum, int maximum)
{
    NoxMethodParameter p = NoxMethodParameter::named(name, value);
    p.minimum = minimum;
    p.maximum = maximum;
    return p;
}

int intValue(const NoxMethodParameterList &parameters, const QString &name, int current, int minimum,
             int maximum)
{
    for (const NoxMethodParameter &p : parameters) {
        if (p.name == name && !p.value.isNone()) {
            return std::clamp(p.value.toInt(), minimum, maximum);
        }
    }
    return current;
}

void playWithZero(NoxMethod &method, QList<int> numbers)
{
    if (numbers.isEmpty()) {
        method.clearProposal();
        return;
    }
    T::addUnique(numbers, 0);
    method.setProposal(T::numberItems(numbers));
}

} // namespace

// --- Hot numbers ------------------------------------------------------------------------------

MethodeTop::MethodeTop(const QString &name)
    : NoxMethod(NoxMethodType::plein, NoxMethodSubType::aqua2, name)
{
    setBlockPercentage(75);
    setParameter(13);
}

void MethodeTop::record(int value, int position)
{
    if (position < m_recorded || value < 0 || value > 36) {
        return;
    }
    ++m_counts[value];
    m_lastPosition[value] = position;
    m_recorded = position + 1;
}

void MethodeTop::commit(const NoxMethodContext &context)
{
    record(T::lastValue(context), context.count() - 1);
}

void MethodeTop::process(const NoxMethodContext &context)
{
    record(T::lastValue(context), context.count() - 1);
    QList<int> seen;
    for (int n = 0; n <= 36; ++n) {
        if (m_counts[n] > 0) {
            seen << n;
        }
    }
    if (seen.size() <= 11) {
        clearProposal();
        return;
    }
    std::sort(seen.begin(), seen.end(), [this](int a, int b) {
        if (m_counts[a] != m_counts[b]) {
            return m_counts[a] > m_counts[b];
        }
        if (m_lastPosition[a] != m_lastPosition[b]) {
            return m_lastPosition[a] > m_lastPosition[b];
        }
        return a < b;
    });
    QList<int> numbers;
    int taken = 0;
    for (int n : seen) {
        if (taken >= parameter() - 1) {
            break;
        }
        numbers << n;
        taken += n != 0 ? 1 : 0;
    }
    playWithZero(*this, numbers);
}

bool MethodeTop::rollback(int, const NoxMethodContext &context)
{
    m_counts.fill(0);
    m_lastPosition.fill(-1);
    m_recorded = 0;
    for (int i = 0; i < context.count(); ++i) {
        record(context.valueAt(i), i);
    }
    return true;
}

void MethodeTop::reset(const NoxMethodContext &)
{
    m_counts.fill(0);
    m_lastPosition.fill(-1);
    m_recorded = 0;
    clearProposal();
}

NoxMethodParameterList MethodeTop::parameters() const
{
    return {intParameter(QStringLiteral("NbMaxNumsToPlay"), parameter(), 1, 35)};
}

void MethodeTop::setParameters(const NoxMethodParameterList &parameters)
{
    setParameter(intValue(parameters, QStringLiteral("NbMaxNumsToPlay"), parameter(), 1, 35));
}

// --- Law of the third -------------------------------------------------------------------------

MethodeLoiDuTiers::MethodeLoiDuTiers(const QString &name, int mode)
    : NoxMethod(NoxMethodType::plein, NoxMethodSubType::green1, name)
    , m_mode(mode)
{
    setBlockPercentage(90);
}

void MethodeLoiDuTiers::process(const NoxMethodContext &context)
{
    const int n = context.count();
    if (n <= 36) {
        clearProposal();
        return;
    }
    const int g = (n - 37) % m_nbPlays;
    std::array<int, 37> counts{};
    for (int i = n - g - 37; i <= n - g - 1; ++i) {
        const int v = context.valueAt(i);
        if (v >= 0 && v <= 36) {
            ++counts[size_t(v)];
        }
    }
    QList<int> numbers;
    for (int x = 0; x <= 36; ++x) {
        const int c = counts[size_t(x)];
        if ((m_mode == 1 && c == 0) || (m_mode == 2 && c == 1) || (m_mode == 3 && c >= 2)) {
            numbers << x;
        }
    }
    setProposal(T::numberItems(numbers));
}

NoxMethodParameterList MethodeLoiDuTiers::parameters() const
{
    return {intParameter(QStringLiteral("NbPlays"), m_nbPlays, 1, 37)};
}

void MethodeLoiDuTiers::setParameters(const NoxMethodParameterList &parameters)
{
    m_nbPlays = intValue(parameters, QStringLiteral("NbPlays"), m_nbPlays, 1, 37);
}

// --- Recency order ----------------------------------------------------------------------------

MethodeNumsTries::MethodeNumsTries(const QString &name, int mode)
    : NoxMethod(NoxMethodType::plein, NoxMethodSubType::aqua2, name)
    , m_mode(mode)
{
    setBlockPercentage(75);
}

void MethodeNumsTries::moveToFront(int value)
{
    if (value < 0 || value > 36 || (!m_order.isEmpty() && m_order.first() == value)) {
        return;
    }
    m_order.removeOne(value);
    m_order.prepend(value);
}

void MethodeNumsTries::commit(const NoxMethodContext &context)
{
    moveToFront(T::lastValue(context));
}

void MethodeNumsTries::process(const NoxMethodContext &context)
{
    moveToFront(T::lastValue(context));
    if (m_order.size() > 24) {
        for (int x = 0; x <= 36; ++x) {
            if (!m_order.contains(x)) {
                m_order << x;
            }
        }
    }
    QList<int> numbers;
    if (m_mode == 0 && m_order.size() >= 13) {
        numbers = m_order.mid(0, 13);
    } else if (m_mode == 1 && m_order.size() > 24) {
        numbers = m_order.mid(13, 12);
    } else if (m_mode == 2 && m_order.size() > 24) {
        numbers = m_order.mid(25, 12);
    }
    playWithZero(*this, numbers);
}

bool MethodeNumsTries::rollback(int, const NoxMethodContext &context)
{
    m_order.clear();
    for (int i = 0; i < context.count(); ++i) {
        moveToFront(context.valueAt(i));
        if (m_order.size() > 24) {
            for (int x = 0; x <= 36; ++x) {
                if (!m_order.contains(x)) {
                    m_order << x;
                }
            }
        }
    }
    return true;
}

void MethodeNumsTries::reset(const NoxMethodContext &)
{
    m_order.clear();
    clearProposal();
}

// --- Series absence ---------------------------------------------------------------------------

namespace {
/// The parsed series, shared by every method built from the same text.
std::shared_ptr<const std::vector<quint64>> parsedSeries(const QString &text)
{
    static QMutex mutex;
    static QString cachedText;
    static std::weak_ptr<const std::vector<quint64>> cached;
    QMutexLocker lock(&mutex);
    if (auto series = cached.lock(); series && cachedText == text) {
        return series;
    }
    auto series = std::make_shared<std::vector<quint64>>();
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        quint64 mask = 0;
        for (QStringView piece : line.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            bool ok = false;
            const int n = piece.trimmed().toInt(&ok);
            if (ok && n >= 0 && n <= 36) {
                mask |= quint64(1) << n;
            }
        }
        if (mask) {
            series->push_back(mask);
        }
    }
    cachedText = text;
    cached = series;
    return series;
}
} // namespace

MethodeGP::MethodeGP(const QString &name, const QString &series, bool inverse)
    : NoxMethod(NoxMethodType::plein, NoxMethodSubType::whiteplein0, name)
    , m_series(parsedSeries(series))
    , m_inverse(inverse)
{
    setBlockPercentage(85);
}

qsizetype MethodeGP::seriesCount() const
{
    return qsizetype(m_series->size());
}

void MethodeGP::select(const NoxMethodContext &context)
{
    // The absence of a series: how many values, from the last one back, are not in it. The
    // newest values are copied once as bits; a series absent beyond them falls back on the
    // latest position of each of its numbers.
    const int n = context.count();
    constexpr int kRecent = 64;
    std::array<quint64, kRecent> recent{};
    const int depth = std::min(n, kRecent);
    for (int k = 0; k < depth; ++k) {
        const int v = context.valueAt(n - 1 - k);
        recent[size_t(k)] = v >= 0 && v <= 36 ? quint64(1) << v : 0;
    }
    std::array<int, 37> last;
    bool lastKnown = false;
    const auto latestOf = [&](quint64 mask) {
        if (!lastKnown) {
            last.fill(-1);
            for (int i = 0; i < n; ++i) {
                const int v = context.valueAt(i);
                if (v >= 0 && v <= 36) {
                    last[size_t(v)] = i;
                }
            }
            lastKnown = true;
        }
        int latest = -1;
        for (int x = 0; x <= 36; ++x) {
            if (mask & (quint64(1) << x)) {
                latest = std::max(latest, last[size_t(x)]);
            }
        }
        return latest;
    };
    int best = -1;
    m_selected = -1;
    quint64 chosen = 0;
    for (size_t s = 0; s < m_series->size(); ++s) {
        const quint64 mask = (*m_series)[s];
        int absence = 0;
        while (absence < depth && !(recent[size_t(absence)] & mask)) {
            ++absence;
        }
        if (absence == kRecent) {
            absence = n - 1 - latestOf(mask);
        }
        if (absence > best) {
            best = absence;
            m_selected = int(s);
            chosen = mask;
        }
    }
    QList<int> numbers;
    if (best >= 14) {
        numbers << 0;
        for (int x = 1; x <= 36; ++x) {
            if (bool(chosen & (quint64(1) << x)) == m_inverse) {
                numbers << x;
            }
        }
    }
    setProposal(T::numberItems(numbers));
}

void MethodeGP::process(const NoxMethodContext &) {}

void MethodeGP::commit(const NoxMethodContext &context)
{
    if (context.count() >= 14) {
        select(context);
    }
}

bool MethodeGP::rollback(int, const NoxMethodContext &context)
{
    select(context);
    return true;
}

void MethodeGP::reset(const NoxMethodContext &)
{
    m_selected = -1;
    clearProposal();
}

// --- Repeated numbers -------------------------------------------------------------------------

MethodeTriplette::MethodeTriplette(const QString &name, int repeat, int neighbours, int maxNumbers)
    : NoxMethod(NoxMethodType::plein, NoxMethodSubType::green1, name)
    , m_repeat(repeat)
    , m_neighbours(neighbours)
    , m_maxNumbers(maxNumbers)
{
    setBlockPercentage(85);
    setParameter(maxNumbers);
}

void MethodeTriplette::process(const NoxMethodContext &context)
{
    const int n = context.count();
    if (n < 3) {
        clearProposal();
        return;
    }
    // Occurrences among positions 0..d, kept while d walks back.
    std::array<int, 37> counts{};
    for (int i = 0; i < n; ++i) {
        const int v = context.valueAt(i);
        if (v >= 0 && v <= 36) {
            ++counts[size_t(v)];
        }
    }
    const int p = parameter();
    const int limit = std::max(p, m_maxNumbers);
    QList<int> list;
    for (int d = n - 1; d >= 0 && list.size() < limit; --d) {
        const int v = context.valueAt(d);
        if (v < 0 || v > 36) {
            continue;
        }
        if (counts[size_t(v)] >= m_repeat) {
            T::addUnique(list, v);
        }
        --counts[size_t(v)];
    }
    if (m_neighbours > 0) {
        QList<int> around;
        for (int x : std::as_const(list)) {
            for (int i = 1; i <= m_neighbours / 2 && list.size() + around.size() < p; ++i) {
                for (int side : {-i, i}) {
                    const int y = NoxWheel::neighbour(x, side);
                    if (list.size() + around.size() < p && !list.contains(y) && !around.contains(y)) {
                        around << y;
                    }
                }
            }
        }
        list << around;
    }
    setProposal(T::numberItems(list));
}

NoxMethodParameterList MethodeTriplette::parameters() const
{
    NoxMethodParameterList list{intParameter(QStringLiteral("NbMaxNumsToPlay"), parameter(), 1, 35)};
    if (m_neighbours >= 0) {
        list << intParameter(QStringLiteral("NbVoisins"), m_neighbours, 0, 35);
    }
    return list;
}

void MethodeTriplette::setParameters(const NoxMethodParameterList &parameters)
{
    setParameter(intValue(parameters, QStringLiteral("NbMaxNumsToPlay"), parameter(), 1, 35));
    if (m_neighbours >= 0) {
        m_neighbours = intValue(parameters, QStringLiteral("NbVoisins"), m_neighbours, 0, 35);
    }
}

// --- Absences, final digits and sector trend (rules of this code base) ------------------------

MethodeEspace::MethodeEspace(const QString &name)
    : NoxMethod(NoxMethodType::plein, NoxMethodSubType::green1, name)
{
    setBlockPercentage(75);
}

void MethodeEspace::process(const NoxMethodContext &context)
{
    const int n = context.count();
    if (n < 37) {
        clearProposal();
        return;
    }
    std::array<bool, 37> seen{};
    for (int i = n - 37; i < n; ++i) {
        const int v = context.valueAt(i);
        if (v >= 0 && v <= 36) {
            seen[size_t(v)] = true;
        }
    }
    QList<int> absent;
    for (int x = 1; x <= 36; ++x) {
        if (!seen[size_t(x)]) {
            absent << x;
        }
    }
    playWithZero(*this, absent.size() <= 18 ? absent : QList<int>());
}

MethodeTerminaison::MethodeTerminaison(const QString &name)
    : NoxMethod(NoxMethodType::plein, NoxMethodSubType::green1, name)
{
    setBlockPercentage(80);
}

void MethodeTerminaison::process(const NoxMethodContext &context)
{
    std::array<int, 10> counts{};
    int best = -1;
    int seen = 0;
    for (int i = context.count() - 1; i >= 0 && seen < 10; --i) {
        const int v = context.valueAt(i);
        if (v <= 0) {
            continue;
        }
        ++seen;
        // Walking back, a digit takes the lead only by counting strictly more: the most recent
        // digit keeps it on a tie.
        if (++counts[size_t(v % 10)] > (best >= 0 ? counts[size_t(best)] : 0)) {
            best = v % 10;
        }
    }
    QList<int> numbers;
    for (int x = best; best >= 0 && x <= 36; x += 10) {
        if (x > 0) {
            numbers << x;
        }
    }
    playWithZero(*this, numbers);
}

MethodeTendanceSecteur::MethodeTendanceSecteur(const QString &name, bool inverse)
    : NoxMethod(NoxMethodType::plein, NoxMethodSubType::whiteplein0, name)
    , m_inverse(inverse)
{
    setBlockPercentage(85);
}

void MethodeTendanceSecteur::process(const NoxMethodContext &context)
{
    const int n = context.count();
    if (n < 12) {
        clearProposal();
        return;
    }
    std::array<int, 4> counts{};
    std::array<int, 4> latest{-1, -1, -1, -1};
    for (int i = n - 12; i < n; ++i) {
        const int v = context.valueAt(i);
        if (v > 0) {
            const int s = MethodeSections::sectionOf(v);
            ++counts[size_t(s)];
            latest[size_t(s)] = i;
        }
    }
    int chosen = 0;
    for (int s = 1; s < 4; ++s) {
        const int c = counts[size_t(s)];
        const int b = counts[size_t(chosen)];
        const bool better = m_inverse ? c < b : c > b;
        if (better || (c == b && latest[size_t(s)] > latest[size_t(chosen)])) {
            chosen = s;
        }
    }
    playWithZero(*this, MethodeSections::section(chosen));
}

} // namespace Nox
