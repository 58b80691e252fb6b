// The single-number methods driven by constant tables indexed by the last result or by wheel
// position: numerology, the MARS sets, the repeating sectors of the "Logs" methods, the unhit
// sectors and the ring trackers.

#include "methods/methodelogs15.h"
#include "methods/methodelogs19.h"
#include "methods/methodemars.h"
#include "methods/methodemars2.h"
#include "methods/methodenumerologie.h"
#include "methods/methodesector.h"
#include "methods/methodethorp.h"
#include "methods/noxsectorrepeattracker.h"

#include "core/noxmethodcontext.h"
#include "methods/noxroulettetable.h"
#include "methods/noxwheel.h"

#include <QStringList>

namespace Nox {

namespace {

using T = NoxRouletteTable;

/// Plays the row in stored order without duplicates, then zero when it is missing.
void playRow(NoxMethod &method, const QList<int> &row)
{
    QList<int> numbers;
    for (int n : row) {
        if (n >= 0) {
            T::addUnique(numbers, n);
        }
    }
    T::addUnique(numbers, 0);
    method.setProposal(T::numberItems(numbers));
}

} // namespace

// --- Numerology -------------------------------------------------------------------------------

MethodeNumerologie::MethodeNumerologie(const QString &name)
    : NoxMethod(NoxMethodType::plein, NoxMethodSubType::green1, name)
{
    setBlockPercentage(80);
}

void MethodeNumerologie::process(const NoxMethodContext &context)
{
    static const QList<int> rows[6] = {
        {35, 3, 26, 0, 32, 15, 19, 4, 21, 2, 25, 17, 34},
        {24, 16, 33, 1, 20, 14, 31},
        {19, 4, 21, 2, 25, 17, 34, 20, 14, 31, 9, 22, 18, 29},
        {36, 11, 30, 8, 23, 10, 5, 28, 12, 35, 3, 26, 0, 32},
        {32, 15, 19, 4, 21, 2, 25, 22, 18, 29, 7, 28, 12, 35},
        {8, 23, 10, 5, 24, 16, 33, 25, 17, 34, 6, 27, 13, 36},
    };
    const int v = T::lastValue(context);
    if (v < 0) {
        clearProposal();
        return;
    }
    // The repeated digit sum r (1..9); r and 11 - r share a row.
    const int r = v == 0 ? 0 : 1 + (v - 1) % 9;
    const int index = r <= 1 ? r : std::min(r, 11 - r);
    playRow(*this, rows[index]);
}

// --- MARS -------------------------------------------------------------------------------------

QList<int> MethodeMars::row(int number)
{
    static const QList<int> rows[37] = {
        {0, 2, 28, 1, 27, 9, 10, 13, 14, 26, 32, 3, 15},   {1, 27, 36, 3, 25, 0, 13, 24, 10, 14, 16, 20, 33},
        {2, 28, 35, 4, 26, 0, 9, 14, 23, 21, 25, 17},      {3, 34, 36, 1, 5, 15, 24, 13, 22, 0, 26, 35, 12},
        {4, 35, 33, 2, 6, 16, 23, 14, 21, 2, 15, 19},      {5, 32, 34, 7, 3, 17, 22, 20, 15, 10, 23, 24, 16},
        {6, 31, 33, 4, 8, 18, 21, 16, 19, 17, 34, 27, 13}, {7, 30, 32, 5, 9, 11, 20, 17, 26, 28, 29, 12, 18},
        {8, 29, 31, 6, 10, 12, 19, 25, 18, 30, 23, 11},    {9, 0, 30, 7, 14, 26, 28, 2, 11, 31, 22, 18, 6},
        {10, 0, 29, 8, 13, 25, 27, 1, 12, 5, 23, 24, 9},   {11, 20, 26, 17, 28, 7, 30, 9, 32, 36, 8, 13},
        {12, 19, 25, 18, 27, 8, 29, 10, 31, 3, 35, 7, 28}, {13, 0, 24, 10, 15, 1, 36, 3, 27, 6, 11, 31},
        {14, 0, 23, 9, 16, 2, 35, 28, 4, 20, 31, 1, 3},    {15, 22, 24, 17, 13, 3, 34, 5, 36, 19, 32, 0, 4},
        {16, 21, 23, 14, 18, 4, 33, 6, 35, 24, 5, 1},      {17, 20, 22, 11, 15, 5, 32, 7, 34, 25, 2, 6},
        {18, 19, 21, 12, 16, 6, 31, 8, 33, 22, 29, 7, 9},  {19, 12, 18, 25, 21, 8, 31, 6, 29, 15, 4, 32, 21},
        {20, 11, 17, 22, 26, 7, 32, 5, 30, 1, 14, 31, 33}, {21, 16, 18, 19, 23, 6, 4, 31, 33, 2, 25, 12},
        {22, 15, 17, 20, 24, 5, 34, 3, 32, 9, 18, 31, 29}, {23, 14, 16, 0, 21, 2, 35, 4, 33, 8, 10, 5, 30},
        {24, 13, 15, 0, 22, 3, 36, 1, 34, 5, 16, 10, 33},  {25, 12, 27, 1, 19, 0, 8, 10, 29, 2, 17, 21, 34},
        {26, 11, 28, 2, 20, 9, 30, 7, 0, 32, 3, 35},       {27, 1, 25, 12, 36, 0, 10, 13, 29, 6, 34, 2},
        {28, 2, 26, 11, 35, 0, 9, 14, 30, 12, 7, 29, 26},  {29, 8, 10, 0, 31, 12, 25, 27, 19, 7, 28, 18, 22},
        {30, 7, 9, 0, 32, 11, 26, 20, 28, 8, 23, 36, 27},  {31, 6, 8, 29, 33, 18, 19, 21, 12, 14, 9, 20, 22},
        {32, 5, 7, 30, 34, 17, 20, 11, 22, 0, 15, 19, 26}, {33, 4, 6, 31, 35, 16, 21, 18, 23, 1, 24, 10},
        {34, 3, 5, 32, 36, 15, 22, 17, 24, 6, 25, 27},     {35, 2, 4, 28, 33, 0, 14, 23, 16, 3, 12, 26, 10},
        {36, 1, 3, 34, 27, 13, 15, 0, 24, 11, 30, 26},
    };
    return number >= 0 && number <= 36 ? rows[number] : QList<int>();
}

MethodeMars::MethodeMars(const QString &name)
    : NoxMethod(NoxMethodType::plein, NoxMethodSubType::green1, name)
{
    setBlockPercentage(80);
}

void MethodeMars::process(const NoxMethodContext &context)
{
    const int v = T::lastValue(context);
    if (v < 0) {
        clearProposal();
        return;
    }
    playRow(*this, row(v));
}

MethodeMars2::MethodeMars2(const QString &name)
    : NoxMethod(NoxMethodType::plein, NoxMethodSubType::green1, name)
{
    setBlockPercentage(80);
}

void MethodeMars2::process(const NoxMethodContext &context)
{
    const int v = T::lastValue(context);
    if (v < 0 || m_hold != 0) {
        return;
    }
    playRow(*this, MethodeMars::row(v));
}

void MethodeMars2::commit(const NoxMethodContext &context)
{
    // Every coup that does not win moves the counter on, a coup without a bet too: a fresh
    // method waits for the counter to go round before it chooses its first row.
    if (T::lastWins(*this, context, true)) {
        m_hold = 0;
    } else if (++m_hold > kMaxHold) {
        m_hold = 0;
    }
}

bool MethodeMars2::rollback(int, const NoxMethodContext &)
{
    return false;
}

void MethodeMars2::reset(const NoxMethodContext &)
{
    m_hold = 0;
    clearProposal();
}

// --- Repeating sectors ------------------------------------------------------------------------

NoxSectorRepeatTracker::NoxSectorRepeatTracker(int halfWidth, int releaseThreshold)
    : m_releaseThreshold(releaseThreshold)
{
    for (size_t s = 0; s < kCentres.size(); ++s) {
        const int p = NoxWheel::position(kCentres[s]);
        QList<int> &numbers = m_sectors[s];
        numbers << kCentres[s];
        for (int i = 1; i <= halfWidth; ++i) {
            numbers << NoxWheel::at(p - i) << NoxWheel::at(p + i);
        }
    }
}

void NoxSectorRepeatTracker::record(int value, bool keep)
{
    for (size_t s = 0; s < m_state.size(); ++s) {
        Sector &sector = m_state[s];
        if (m_sectors[s].contains(value)) {
            ++sector.hits;
            if (sector.coolDown == 0 && !sector.gaps.isEmpty() && sector.gap == 0 &&
                sector.gaps.last() == 0) {
                sector.coolDown = 2; // the third hit in a row
            }
            // Only the latest gap is ever read: keep one.
            sector.gaps = {sector.gap};
            sector.gap = 0;
        } else {
            ++sector.gap;
            sector.coolDown = 0;
        }
        if (sector.coolDown > 0) {
            --sector.coolDown;
        }
    }
    if (m_selected >= 0 && m_state[size_t(m_selected)].gap >= m_releaseThreshold) {
        m_released = true;
    }
    if (keep && !m_released) {
        return;
    }
    m_selected = -1;
    for (size_t s = 0; s < m_state.size(); ++s) {
        const Sector &sector = m_state[s];
        const bool twice =
            !sector.gaps.isEmpty() && sector.gaps.last() == 0 && sector.coolDown <= 0 && sector.gap == 0;
        if (twice && (m_selected < 0 || sector.hits > m_state[size_t(m_selected)].hits)) {
            m_selected = int(s);
        }
    }
}

void NoxSectorRepeatTracker::clear()
{
    m_state.fill(Sector());
    m_selected = -1;
    m_released = false;
}

namespace {
/// Whether a bet stood on the last result and lost it (zero winning with the zero option).
bool lostLast(const NoxMethod &method, const NoxMethodContext &context)
{
    return !method.itemsToPlay().isEmpty() && !T::lastWins(method, context, true);
}
} // namespace

MethodeLogs15::MethodeLogs15(const QString &name)
    : NoxMethod(NoxMethodType::plein, NoxMethodSubType::green1, name)
    , m_tracker(7, 4)
{
    setBlockPercentage(80);
}

void MethodeLogs15::process(const NoxMethodContext &context)
{
    if (context.count() == 0 || m_tracker.selected() < 0) {
        clearProposal();
        return;
    }
    m_tracker.acknowledge();
    setProposal(T::numberItems(m_tracker.sector(m_tracker.selected())));
    setCenterNumber(m_tracker.centre());
}

void MethodeLogs15::commit(const NoxMethodContext &context)
{
    const int v = T::lastValue(context);
    if (v >= 0) {
        m_tracker.record(v, lostLast(*this, context));
    }
}

bool MethodeLogs15::rollback(int, const NoxMethodContext &)
{
    return false;
}

void MethodeLogs15::reset(const NoxMethodContext &)
{
    m_tracker.clear();
    clearProposal();
}

MethodeLogs19::MethodeLogs19(const QString &name, bool inverse)
    : NoxMethod(NoxMethodType::plein, NoxMethodSubType::green1, name)
    , m_tracker(9, 3)
    , m_inverse(inverse)
{
    setBlockPercentage(80);
}

void MethodeLogs19::process(const NoxMethodContext &context)
{
    if (context.count() == 0 || m_tracker.selected() < 0) {
        clearProposal();
        return;
    }
    m_tracker.acknowledge();
    const QList<int> &sector = m_tracker.sector(m_tracker.selected());
    if (!m_inverse) {
        setProposal(T::numberItems(sector));
        setCenterNumber(m_tracker.centre());
        return;
    }
    QList<int> outside;
    for (int x = 0; x <= 36; ++x) {
        if (!sector.contains(x)) {
            outside << x;
        }
    }
    setProposal(T::numberItems(outside));
    setCenterNumber(NoxWheel::neighbour(m_tracker.centre(), -19));
}

void MethodeLogs19::commit(const NoxMethodContext &context)
{
    const int v = T::lastValue(context);
    if (v < 0) {
        return;
    }
    const bool stood = !itemsToPlay().isEmpty();
    const bool lost = lostLast(*this, context);
    m_tracker.record(v, m_inverse ? stood && !lost : lost);
}

bool MethodeLogs19::rollback(int, const NoxMethodContext &)
{
    return false;
}

void MethodeLogs19::reset(const NoxMethodContext &)
{
    m_tracker.clear();
    clearProposal();
}

// --- Unhit sectors ----------------------------------------------------------------------------

const std::array<std::array<int, 5>, 37> &MethodeSector::sectors()
{
    static const auto table = [] {
        std::array<std::array<int, 5>, 37> t{};
        for (int r = 0; r < 37; ++r) {
            for (int i = 0; i < 5; ++i) {
                t[size_t(r)][size_t(i)] = NoxWheel::at(r + 1 + i);
            }
        }
        return t;
    }();
    return table;
}

MethodeSector::MethodeSector(const QString &name)
    : NoxMethod(NoxMethodType::plein, NoxMethodSubType::green1, name)
{
    setBlockPercentage(80);
    // Bets once fewer than eight sectors are left unhit.
    setParameter(8);
}

void MethodeSector::process(const NoxMethodContext &context)
{
    const int v = T::lastValue(context);
    if (v < 0) {
        clearProposal();
        return;
    }
    int open = 37;
    if (m_pause < 1) {
        open = 0;
        for (size_t r = 0; r < 37; ++r) {
            const auto &sector = sectors()[r];
            if (std::find(sector.begin(), sector.end(), v) != sector.end()) {
                m_hit[r] = true;
            }
            open += m_hit[r] ? 0 : 1;
        }
        if (open == 0) {
            m_pause = 2;
            m_hit.fill(false);
            open = 37;
        }
    }
    if (open >= parameter() || m_pause >= 1) {
        clearProposal();
        return;
    }
    QList<int> numbers;
    for (size_t r = 0; r < 37; ++r) {
        if (!m_hit[r]) {
            for (int n : sectors()[r]) {
                T::addUnique(numbers, n);
            }
        }
    }
    setProposal(T::numberItems(numbers));
}

void MethodeSector::commit(const NoxMethodContext &context)
{
    if (T::lastWins(*this, context, true)) {
        m_hit.fill(false);
        m_pause = 2;
        clearProposal();
    }
    if (m_pause > 0) {
        --m_pause;
    }
}

bool MethodeSector::rollback(int, const NoxMethodContext &)
{
    return false;
}

void MethodeSector::reset(const NoxMethodContext &)
{
    m_hit.fill(false);
    m_pause = 0;
    clearProposal();
}

QList<QVariantMap> MethodeSector::details() const
{
    QStringList numbers;
    for (const auto &sector : sectors()) {
        for (int n : sector) {
            numbers << QString::number(n);
        }
    }
    return {QVariantMap{{QStringLiteral("data"), numbers.join(QLatin1Char(','))}}};
}

// --- Ring trackers ----------------------------------------------------------------------------

const MethodeThorp::Table &MethodeThorp::decisionTable(int k)
{
    static const auto tables = [] {
        std::array<Table, 6> t{};
        // A ring is played once it has missed six times in a row, while at that run length it has
        // missed at most once more than it came out.
        for (auto &table : t) {
            for (size_t r = 6; r < 30; ++r) {
                table[r][0] = 1;
                table[r][1] = 1;
            }
        }
        const quint8 first[30] = {0, 0, 0, 0, 0, 1, 1, 0, 1, 1, 1, 1, 0, 1, 0,
                                  0, 1, 0, 0, 1, 1, 1, 0, 0, 0, 1, 1, 0, 1, 0};
        std::copy(std::begin(first), std::end(first), t[0][0].begin());
        t[2][0][0] = 1;
        t[4][0][0] = 1;
        return t;
    }();
    return tables[size_t(k)];
}

MethodeThorp::MethodeThorp(const QString &name)
    : NoxMethod(NoxMethodType::plein, NoxMethodSubType::green1, name)
{
    setBlockPercentage(80);
}

namespace {
bool inRing(int reference, int k, int value)
{
    const int p = NoxWheel::position(reference);
    for (int o = 6 * k + 1; o <= 6 * k + 6; ++o) {
        if (NoxWheel::at(p + o) == value) {
            return true;
        }
    }
    return false;
}
} // namespace

void MethodeThorp::commit(const NoxMethodContext &context)
{
    const int n = context.count();
    if (n < 2) {
        return;
    }
    const int reference = context.valueAt(n - 2);
    const int f = context.valueAt(n - 1);
    for (int k = 0; k < 6; ++k) {
        Tracker &t = m_trackers[size_t(k)];
        int &counter = t.counters[size_t(t.run)];
        if (inRing(reference, k, f)) {
            counter = std::max(0, counter - 1);
            t.run = 0;
        } else {
            counter = std::min(29, counter + 1);
            t.run = std::min(29, t.run + 1);
        }
    }
}

void MethodeThorp::process(const NoxMethodContext &context)
{
    const int v = T::lastValue(context);
    if (v < 0) {
        clearProposal();
        return;
    }
    const int p = NoxWheel::position(v);
    QList<int> numbers;
    for (int k = 0; k < 6; ++k) {
        const Tracker &t = m_trackers[size_t(k)];
        if (decisionTable(k)[size_t(t.run)][size_t(t.counters[size_t(t.run)])]) {
            for (int o = 6 * k + 1; o <= 6 * k + 6; ++o) {
                numbers << NoxWheel::at(p + o);
            }
        }
    }
    if (!numbers.isEmpty()) {
        T::addUnique(numbers, 0);
    }
    setProposal(T::numberItems(numbers));
}

bool MethodeThorp::rollback(int, const NoxMethodContext &)
{
    return false;
}

void MethodeThorp::reset(const NoxMethodContext &)
{
    m_trackers.fill(Tracker());
    clearProposal();
}

QList<QVariantMap> MethodeThorp::details() const
{
    QList<QVariantMap> rows;
    for (int k = 0; k < 6; ++k) {
        const Tracker &t = m_trackers[size_t(k)];
        QStringList counters;
        for (int c : t.counters) {
            counters << QString::number(c);
        }
        rows << detailRow({{QStringLiteral("Ring"), k},
                           {QStringLiteral("Run"), t.run},
                           {QStringLiteral("Counters"), counters.join(QLatin1Char(','))}});
    }
    return rows;
}

} // namespace Nox
