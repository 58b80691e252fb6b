#include "engine/noxmethodstate.h"

#include "engine/noxmethod.h"
#include "engine/noxmethodinterface.h"
#include "engine/noxsnapshotcontext.h"

#include <QMutexLocker>

#include <algorithm>
#include <cmath>
#include <limits>

namespace Nox {

namespace {

enum CacheBit : unsigned {
    CacheDominant3 = 1u << 0,
    CacheChartTendance = 1u << 1,
    CacheCompteurME = 1u << 2,
    CacheBlocksSignal = 1u << 3,
    CacheDoubleConfirmed = 1u << 4,
    CacheDetectionFlags = 1u << 5,
};

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

/// Runs `f` when the scope ends, also when a method threw: the proposal is published and the
/// caches cleared whatever the method did.
template<typename F>
struct AtScopeEnd {
    F f;
    ~AtScopeEnd() { f(); }
};
template<typename F>
AtScopeEnd(F) -> AtScopeEnd<F>;

// Least-squares slope of (x, y) points; a non-finite slope counts as 0.
struct Fit {
    double slope = 0.0;
    double intercept = 0.0;
};

template<typename Y>
Fit leastSquares(int firstPosition, int count, Y y)
{
    double sx = 0, sy = 0, sxy = 0, sxx = 0;
    for (int i = 0; i < count; ++i) {
        const double x = firstPosition + i;
        const double v = y(i);
        sx += x;
        sy += v;
        sxy += x * v;
        sxx += x * x;
    }
    Fit fit;
    const double k = count;
    fit.slope = (k * sxy - sx * sy) / (k * sxx - sx * sx);
    if (!std::isfinite(fit.slope)) {
        fit.slope = 0.0;
    }
    // The means are taken in single precision, as the chart lines always were.
    const float meanY = float(sy / k);
    const float meanX = float(sx / k);
    fit.intercept = double(meanY) - double(meanX) * fit.slope;
    if (!std::isfinite(fit.intercept)) {
        fit.intercept = 0.0;
    }
    return fit;
}

} // namespace

// A view of the profit curve: the stored closed part followed by the points of the open gap,
// computed from the prefix sums of the records' numbers.
struct NoxMethodState::Curve {
    const QList<int> *closed = nullptr;
    const QList<int> *numbersPrefix = nullptr;
    int consumed = 0; // records consumed by the closed part
    int openPoints = 0;
    int base = 0; // credits of the closed part

    [[nodiscard]] int size() const { return int(closed->size()) + openPoints; }
    [[nodiscard]] int at(int i) const
    {
        const int k = int(closed->size());
        if (i < k) {
            return closed->at(i);
        }
        const int record = consumed + (i - k) + 1;
        return base - numbersPrefix->at(record);
    }
};

NoxMethodState::NoxMethodState(NoxMethod *method, const NoxStatisticsProfile *profile)
    : m_method(method)
    , m_profile(profile ? profile : &NoxStatisticsProfile::profileA())
    , m_numberMode(method->type() == NoxMethodType::plein)
    , m_nbBlockDom(method->defaultNbBlockDom())
    , m_ecartNotif(method->defaultEcartNotif())
    , m_resultCount(m_profile->resultCount)
    , m_pleinPayout(m_profile->pleinPayout)
    , m_shortTermWindow(m_profile->shortTermWindow)
{
    recomputeBlocks();
    publish();
}

NoxMethodState::~NoxMethodState() = default;

template<typename T, typename F>
T NoxMethodState::cached(unsigned bit, T &slot, F compute) const
{
    QMutexLocker lock(&m_method->mutex());
    if ((m_cacheValid.load(std::memory_order_relaxed) & bit) == 0) {
        slot = compute();
        m_cacheValid.fetch_or(bit, std::memory_order_relaxed);
    }
    return slot;
}

// ---------------------------------------------------------------------------------------------
// Per-state operations

void NoxMethodState::processValue(int value, NoxSnapshotContext &context)
{
    QMutexLocker lock(&m_method->mutex());
    const AtScopeEnd finish{[this] {
        finishOperation();
    }};
    const bool zero = zeroOption();
    int size = 0;
    if (numberMode()) {
        const QList<int> &covered = m_method->coveredNumbers();
        size = int(covered.size()) + (zero && !covered.isEmpty() && !covered.contains(0) ? 1 : 0);
    } else {
        const QList<NoxBetItemID> &items = m_method->itemsToPlay();
        size = int(items.size()) + (zero && !items.contains(NoxBetItemID::N0) ? 1 : 0);
    }
    // Coups in which the method proposed nothing do not exist for its statistics.
    if (size > 0) {
        appendRecord(value, context.count() - 1);
    }
    runMethod(context, true);
}

void NoxMethodState::appendRecord(int value, int position)
{
    const QList<int> &covered = m_method->coveredNumbers();
    const bool zero = zeroOption();
    const bool coversZero = zero || covered.contains(0);
    const bool win = covered.contains(value) || (zero && value == 0);
    const bool neutral = !win && m_profile->neutralZero && value == 0 && !coversZero;
    const int gap = win ? m_openGap : 0;
    const bool inBlock = win && m_blockMin <= gap && gap <= m_blockMax;
    const bool active = isActive();

    bool stop = false;
    if (win && active) {
        if ((m_signalMask & SignalBlocks) && gap <= m_blockMax && !m_gaps.isEmpty() &&
            m_gaps.last() > m_blockMax) {
            stop = true;
        }
        if ((m_signalMask & SignalBlocDominantConfirme) && dominantLevelLocked(1) > 0) {
            stop = true;
        }
        if (m_useNotif && gap >= m_ecartNotif) {
            stop = true;
        }
    }

    NoxCoupRecord rec;
    rec.value = value;
    rec.numbers = int(covered.size()) + (zero && !covered.isEmpty() && !covered.contains(0) ? 1 : 0);
    rec.tendency = kNaN;
    rec.gap = gap;
    rec.flags = (win ? NoxCoupRecord::Win : 0u) | (inBlock ? NoxCoupRecord::InBlock : 0u) |
                (active ? NoxCoupRecord::Active : 0u) | (neutral ? NoxCoupRecord::NeutralZero : 0u);
    // Trend analysis and the profit sign look at the curve before this coup.
    if (trendSignal()) {
        rec.flags |= NoxCoupRecord::TendencySignal;
    }
    {
        const Curve withOpen = curve(true);
        if (withOpen.size() > 0 && withOpen.at(withOpen.size() - 1) > 0) {
            rec.flags |= NoxCoupRecord::ProfitPositive;
        }
    }

    m_history.append(rec);
    m_positions.append(position);
    accountRecord(rec);

    NoxCoupRecord &stored = m_history.last();
    stored.tendency = tendencyOfCurve();
    if (std::isnan(stored.tendency) || stored.tendency <= threshold()) {
        stored.flags &= ~unsigned(NoxCoupRecord::TendencySignal);
    }

    recomputeBlocks();
    if (win && m_blockMin <= gap && gap <= m_blockMax && m_doms.contains(gap)) {
        stored.flags |= NoxCoupRecord::DominantWin;
    }
    if (dominantLevelLocked(1) > 0) {
        stored.flags |= NoxCoupRecord::DominantConfirmed;
    }
    if (stop) {
        m_active.store(false);
    }
}

void NoxMethodState::popRecord()
{
    const NoxCoupRecord rec = m_history.takeLast();
    m_positions.removeLast();
    m_numbersPrefix.removeLast();
    m_winsPrefix.removeLast();
    m_neutralPrefix.removeLast();
    if (rec.isWin()) {
        const int gap = m_gaps.takeLast();
        m_winRecords.removeLast();
        m_gapMaxPrefix.removeLast();
        const std::size_t bucket = std::size_t(std::min(gap, kHistogramCap));
        --m_buckets[bucket];
        while (m_histogramSize > 0 && m_buckets[std::size_t(m_histogramSize - 1)] == 0) {
            --m_histogramSize;
        }
        m_closedCurve.resize(m_closedCurve.size() - (gap + 2));
        m_curveConsumed -= gap + 1;
        m_openGap = gap;
    } else if (!rec.isNeutral()) {
        --m_openGap;
    }
    recomputeBlocks();
}

void NoxMethodState::unplayValue(int value, NoxSnapshotContext &context)
{
    QMutexLocker lock(&m_method->mutex());
    const AtScopeEnd finish{[this] {
        finishOperation();
    }};
    const int length = context.count();
    // The record belongs to the removed coup only if it was made at that coup's position: a
    // method that proposed nothing then keeps its older records.
    if (!m_history.isEmpty() && m_positions.last() == length && m_history.last().value == value) {
        popRecord();
    }
    if (auto *iface = dynamic_cast<NoxMethodInterface *>(m_method.get())) {
        if (!iface->rollback(value, context)) {
            // Rebuilt as the history was played: every commit sees the proposal made for its
            // coup, the first one included.
            context.setCount(0);
            iface->reset(context);
            iface->process(context);
            for (int i = 1; i <= length; ++i) {
                context.setCount(i);
                iface->commit(context);
                iface->process(context);
            }
        }
        context.setCount(length);
        iface->process(context);
    }
}

void NoxMethodState::resetState(bool deactivate, NoxSnapshotContext &context)
{
    QMutexLocker lock(&m_method->mutex());
    const AtScopeEnd finish{[this] {
        finishOperation();
    }};
    m_history.clear();
    m_positions.clear();
    clearDerived();
    if (deactivate) {
        m_active.store(false);
    }
    recomputeBlocks();
    if (auto *iface = dynamic_cast<NoxMethodInterface *>(m_method.get())) {
        iface->reset(context);
        iface->process(context);
    }
}

void NoxMethodState::refreshState(NoxSnapshotContext &context)
{
    QMutexLocker lock(&m_method->mutex());
    const AtScopeEnd finish{[this] {
        finishOperation();
    }};
    runMethod(context, false);
}

void NoxMethodState::runMethod(NoxSnapshotContext &context, bool commit)
{
    if (auto *iface = dynamic_cast<NoxMethodInterface *>(m_method.get())) {
        if (commit) {
            iface->commit(context);
        }
        iface->process(context);
    }
}

void NoxMethodState::finishOperation()
{
    publish();
    clearCache();
}

void NoxMethodState::publish()
{
    QMutexLocker lock(&m_method->mutex());
    NoxMethodProposal p;
    p.items = m_method->itemsToPlay();
    p.coveredNumbers = m_method->coveredNumbers();
    p.centerNumber = m_method->centerNumber();
    p.inBlock = m_blockMin <= m_openGap && m_openGap <= m_blockMax;
    p.inDominantBlock = p.inBlock && m_doms.contains(m_openGap);
    p.neutralZeroProfile = m_profile->neutralZero;
    p.coversZero = zeroOption() || p.coveredNumbers.contains(0);
    QMutexLocker publishLock(&m_publishLock);
    m_published = std::move(p);
}

NoxMethodProposal NoxMethodState::proposal() const
{
    QMutexLocker lock(&m_publishLock);
    return m_published;
}

// ---------------------------------------------------------------------------------------------
// Blocks

void NoxMethodState::recomputeBlocks()
{
    const int size = m_histogramSize;
    const int wins = int(m_gaps.size());
    const int target = wins * m_method->blockPercentage() / 100 + 1;
    // No block is wider than the histogram: a huge dominant count (a damaged setting) must not
    // make this loop run for billions of widths or overflow start + maxWidth.
    const int maxWidth = std::clamp(m_nbBlockDom, 4, kHistogramCap + 1);

    int start = 0;
    int end = -1;
    int best = -1;
    bool reached = false;
    for (int w = 1; w <= maxWidth && !reached; ++w) {
        for (int s = 0; s + w <= size; ++s) {
            int sum = 0;
            for (int b = s; b < s + w; ++b) {
                sum += m_buckets[std::size_t(b)];
            }
            if (sum > best || sum >= target) {
                if (sum > best) {
                    best = sum;
                }
                start = s;
                end = s + w - 1;
            }
        }
        reached = best >= target;
    }
    if (!reached) {
        end = start + maxWidth;
    }
    if (m_useCustomBlock) {
        start = std::min(m_customBlockMin, m_customBlockMax);
        end = std::min(m_customBlockMax, size - 1);
    }
    m_blockMin = std::max(0, start);
    m_blockMax = std::min(size - 1, end);

    m_doms.clear();
    for (int n = 0; n < m_nbBlockDom; ++n) {
        int pick = -1;
        for (int b = m_blockMin; b <= m_blockMax; ++b) {
            if (m_doms.contains(b)) {
                continue;
            }
            if (pick < 0 || m_buckets[std::size_t(b)] > m_buckets[std::size_t(pick)]) {
                pick = b;
            }
        }
        if (pick < 0) {
            break;
        }
        m_doms.append(pick);
    }
    if (m_profile->cutBlockAtDominant && !m_doms.isEmpty()) {
        m_blockMax = *std::max_element(m_doms.cbegin(), m_doms.cend());
    }
}

bool NoxMethodState::gapIsDominant(int gap) const
{
    return m_blockMin <= gap && gap <= m_blockMax && m_doms.contains(gap);
}

int NoxMethodState::dominantLevelLocked(int maximum) const
{
    if (m_gaps.size() < 3) {
        return 0;
    }
    int level = 0;
    int run = 0;
    for (qsizetype i = m_gaps.size() - 1; i >= 0; --i) {
        if (gapIsDominant(m_gaps.at(i))) {
            if (++run == 3) {
                break;
            }
            continue;
        }
        if (level == 0) {
            if (run != 2) {
                break;
            }
            level = 1;
        } else if (run == 2) {
            ++level;
        }
        run = 0;
        if (level >= maximum) {
            break;
        }
    }
    return std::min(level, maximum);
}

// ---------------------------------------------------------------------------------------------
// Profit curve and tendency

NoxMethodState::Curve NoxMethodState::curve(bool repeatedOpenGap) const
{
    Curve c;
    c.closed = &m_closedCurve;
    c.numbersPrefix = &m_numbersPrefix;
    c.consumed = m_curveConsumed;
    c.base = int(m_gaps.size()) * (m_pleinPayout + 1);
    const int remaining = int(m_history.size()) - m_curveConsumed;
    const int first = std::min(m_openGap + 1, remaining);
    c.openPoints = first;
    if (repeatedOpenGap) {
        // The open gap is walked a second time over whatever records the first walk left
        // (there are some only when neutral zeros shortened the gap counts).
        c.openPoints += std::min(m_openGap + 1, remaining - first);
    }
    return c;
}

double NoxMethodState::tendencyOfCurve() const
{
    const Curve c = curve(false);
    const int n = c.size();
    if (n < m_profile->tendencyMinPoints || n == 0) {
        return kNaN;
    }
    const int k = std::min(m_profile->tendencyWindow, n);
    const int first = n - k;
    const Fit fit = leastSquares(first + 1, k, [&](int i) { return double(c.at(first + i)); });
    return m_profile->tendencyFactor * fit.slope;
}

bool NoxMethodState::trendSignal() const
{
    const Curve c = curve(true);
    const int n = c.size();
    const int a = n < 60 ? m_profile->trendWindow : 30;
    if (a <= 0 || n < a || n < 2 * a - 1) {
        return false;
    }
    const int first1 = n - a; // 0-based index of the first point of line 1
    const Fit line1 = leastSquares(first1 + 1, a, [&](int i) { return double(c.at(first1 + i)); });
    if (!(line1.slope > 0)) {
        return false;
    }
    const int b = std::min(a, n - a);
    const int first2 = first1 - b;
    const Fit line2 = leastSquares(first2 + 1, b, [&](int i) { return double(c.at(first2 + i)); });
    if (!(line2.slope > 0)) {
        return false;
    }
    const double at2 = line2.intercept + line2.slope * (n - a - 1);
    const double at1 = line1.intercept + line1.slope * (n - a);
    if (std::abs(at2 - at1) > 65) {
        return false;
    }
    return c.at(n - 1) >= m_profile->trendProfitThreshold;
}

QList<int> NoxMethodState::profitCurve(bool repeatedOpenGap) const
{
    QMutexLocker lock(&m_method->mutex());
    const Curve c = curve(repeatedOpenGap);
    QList<int> points;
    points.reserve(c.size());
    for (int i = 0; i < c.size(); ++i) {
        points.append(c.at(i));
    }
    return points;
}

void NoxMethodState::clearDerived()
{
    m_numbersPrefix = {0};
    m_winsPrefix = {0};
    m_neutralPrefix = {0};
    m_gaps.clear();
    m_winRecords.clear();
    m_gapMaxPrefix.clear();
    m_openGap = 0;
    m_buckets.fill(0);
    m_histogramSize = 0;
    m_closedCurve.clear();
    m_curveConsumed = 0;
}

void NoxMethodState::accountRecord(const NoxCoupRecord &rec)
{
    const bool win = rec.isWin();
    m_numbersPrefix.append(m_numbersPrefix.last() + rec.numbers);
    m_winsPrefix.append(m_winsPrefix.last() + (win ? 1 : 0));
    m_neutralPrefix.append(m_neutralPrefix.last() + (rec.isNeutral() ? 1 : 0));
    if (!win) {
        if (!rec.isNeutral()) {
            ++m_openGap;
        }
        return;
    }
    const int gap = rec.gap;
    m_gaps.append(gap);
    m_winRecords.append(int(m_numbersPrefix.size()) - 2);
    m_gapMaxPrefix.append(std::max(gap, m_gapMaxPrefix.isEmpty() ? 0 : m_gapMaxPrefix.last()));
    const int bucket = std::min(gap, kHistogramCap);
    ++m_buckets[std::size_t(bucket)];
    m_histogramSize = std::max(m_histogramSize, bucket + 1);
    m_openGap = 0;
    // The closed gap consumes gap + 1 records (a count that skips neutral zeros, so it never
    // runs past the records), then the win is credited.
    const int step = m_pleinPayout + 1;
    const int credits = int(m_gaps.size()) - 1;
    for (int j = m_curveConsumed + 1; j <= m_curveConsumed + gap + 1; ++j) {
        m_closedCurve.append(credits * step - m_numbersPrefix.at(j));
    }
    m_curveConsumed += gap + 1;
    m_closedCurve.append((credits + 1) * step - m_numbersPrefix.at(m_curveConsumed));
}

void NoxMethodState::rebuildDerived()
{
    clearDerived();
    for (const NoxCoupRecord &rec : std::as_const(m_history)) {
        accountRecord(rec);
    }
    recomputeBlocks();
}

// ---------------------------------------------------------------------------------------------
// Options

bool NoxMethodState::setActive(bool active)
{
    const bool changed = m_active.exchange(active) != active;
    if (changed) {
        clearCache();
    }
    return changed;
}

bool NoxMethodState::setPlayModeFlag(int bit, bool on)
{
    int old = m_playModeFlags.load();
    int flags = on ? (old | bit) : (old & ~bit);
    while (!m_playModeFlags.compare_exchange_weak(old, flags)) {
        flags = on ? (old | bit) : (old & ~bit);
    }
    return old != flags;
}

bool NoxMethodState::setZeroOption(bool on)
{
    const bool changed = m_zeroOption.exchange(on) != on;
    if (changed) {
        publish();
        clearCache();
    }
    return changed;
}

bool NoxMethodState::setNumberMode(bool on)
{
    return m_numberMode.exchange(on) != on;
}

#define NOX_STATE_GETTER(type, name, member)                                                                 \
    type NoxMethodState::name() const                                                                        \
    {                                                                                                        \
        QMutexLocker lock(&m_method->mutex());                                                               \
        return member;                                                                                       \
    }

NOX_STATE_GETTER(int, nbBlockDom, m_nbBlockDom)
NOX_STATE_GETTER(bool, useNotif, m_useNotif)
NOX_STATE_GETTER(int, ecartNotif, m_ecartNotif)
NOX_STATE_GETTER(bool, useCustomBlock, m_useCustomBlock)
NOX_STATE_GETTER(int, customBlockMin, m_customBlockMin)
NOX_STATE_GETTER(int, customBlockMax, m_customBlockMax)
NOX_STATE_GETTER(double, tendencyOffset, m_tendencyOffset)
NOX_STATE_GETTER(double, ratioMargin, m_ratioMargin)
NOX_STATE_GETTER(int, shortTermWindow, m_shortTermWindow)
NOX_STATE_GETTER(int, signalMask, m_signalMask)
NOX_STATE_GETTER(const NoxStatisticsProfile *, profile, m_profile)
NOX_STATE_GETTER(int, historyLength, int(m_history.size()))
NOX_STATE_GETTER(QList<NoxCoupRecord>, history, m_history)
NOX_STATE_GETTER(int, ecart, m_openGap)
NOX_STATE_GETTER(int, nbWins, int(m_gaps.size()))
NOX_STATE_GETTER(int, neutralZeros, m_neutralPrefix.last())
NOX_STATE_GETTER(int, numbersSum, m_numbersPrefix.last())
NOX_STATE_GETTER(int, ecartMax, m_gapMaxPrefix.isEmpty() ? 0 : m_gapMaxPrefix.last())
NOX_STATE_GETTER(QList<int>, doms, m_doms)
NOX_STATE_GETTER(int, blockMin, m_blockMin)
NOX_STATE_GETTER(int, blockMax, m_blockMax)
NOX_STATE_GETTER(bool, inBlock, m_blockMin <= m_openGap && m_openGap <= m_blockMax)
NOX_STATE_GETTER(bool, inDominantBlock, gapIsDominant(m_openGap))

#undef NOX_STATE_GETTER

// Setters that change a block input recompute the block at once.
template<typename T>
static bool assignChanged(T &member, T value)
{
    if (member == value) {
        return false;
    }
    member = value;
    return true;
}

bool NoxMethodState::setNbBlockDom(int count)
{
    QMutexLocker lock(&m_method->mutex());
    if (!assignChanged(m_nbBlockDom, count < 0 ? m_method->defaultNbBlockDom() : count)) {
        return false;
    }
    recomputeBlocks();
    finishOperation();
    return true;
}

bool NoxMethodState::setUseNotif(bool on)
{
    QMutexLocker lock(&m_method->mutex());
    const bool changed = assignChanged(m_useNotif, on);
    clearCache();
    return changed;
}

bool NoxMethodState::setEcartNotif(int threshold)
{
    QMutexLocker lock(&m_method->mutex());
    const bool changed =
        assignChanged(m_ecartNotif, threshold < 0 ? m_method->defaultEcartNotif() : threshold);
    clearCache();
    return changed;
}

bool NoxMethodState::setUseCustomBlock(bool on)
{
    QMutexLocker lock(&m_method->mutex());
    if (!assignChanged(m_useCustomBlock, on)) {
        return false;
    }
    recomputeBlocks();
    finishOperation();
    return true;
}

bool NoxMethodState::setCustomBlockMin(int gap)
{
    QMutexLocker lock(&m_method->mutex());
    bool changed = assignChanged(m_customBlockMin, gap);
    if (m_customBlockMax < gap) {
        changed = assignChanged(m_customBlockMax, gap) || changed;
    }
    if (changed) {
        recomputeBlocks();
        finishOperation();
    }
    return changed;
}

bool NoxMethodState::setCustomBlockMax(int gap)
{
    QMutexLocker lock(&m_method->mutex());
    bool changed = assignChanged(m_customBlockMax, gap);
    if (m_customBlockMin > gap) {
        changed = assignChanged(m_customBlockMin, gap) || changed;
    }
    if (changed) {
        recomputeBlocks();
        finishOperation();
    }
    return changed;
}

bool NoxMethodState::setTendencyOffset(double offset)
{
    QMutexLocker lock(&m_method->mutex());
    const bool changed = assignChanged(m_tendencyOffset, offset);
    clearCache();
    return changed;
}

void NoxMethodState::setRatioMargin(double margin)
{
    QMutexLocker lock(&m_method->mutex());
    m_ratioMargin = margin;
    clearCache();
}

bool NoxMethodState::setShortTermWindow(int window)
{
    QMutexLocker lock(&m_method->mutex());
    // A negative window (a damaged setting) would index the prefix sums out of range.
    const bool changed = assignChanged(m_shortTermWindow, std::max(0, window));
    clearCache();
    return changed;
}

bool NoxMethodState::setSignalMask(int mask)
{
    QMutexLocker lock(&m_method->mutex());
    const bool changed = assignChanged(m_signalMask, mask);
    clearCache();
    return changed;
}

void NoxMethodState::setProfile(const NoxStatisticsProfile *profile)
{
    QMutexLocker lock(&m_method->mutex());
    m_profile = profile ? profile : &NoxStatisticsProfile::profileA();
    m_resultCount = m_profile->resultCount;
    m_pleinPayout = m_profile->pleinPayout;
    // The payout shapes the stored profit curve and the cut option the block.
    rebuildDerived();
    finishOperation();
}

void NoxMethodState::setScoreSignalFlags(bool ratio, bool tendency)
{
    m_ratioSignal.store(ratio);
    m_tendencySignal.store(tendency);
}

// ---------------------------------------------------------------------------------------------
// Statistics

NoxCoupRecord NoxMethodState::record(int index) const
{
    QMutexLocker lock(&m_method->mutex());
    if (index < 0) {
        index = int(m_history.size()) + index;
    }
    return index >= 0 && index < m_history.size() ? m_history.at(index) : NoxCoupRecord{};
}

int NoxMethodState::windowLength() const
{
    return std::min(m_shortTermWindow, int(m_history.size()));
}

int NoxMethodState::winsInLast(int k) const
{
    const int n = int(m_history.size());
    return m_winsPrefix.at(n) - m_winsPrefix.at(n - k);
}

int NoxMethodState::neutralsInLast(int k) const
{
    const int n = int(m_history.size());
    return m_neutralPrefix.at(n) - m_neutralPrefix.at(n - k);
}

double NoxMethodState::threshold() const
{
    return m_profile->tendencyThreshold + m_tendencyOffset;
}

double NoxMethodState::ecartMoyen() const
{
    QMutexLocker lock(&m_method->mutex());
    const double wins = double(m_gaps.size());
    const double mean = (double(m_history.size()) - wins) / (wins + 1);
    return mean > 0 ? mean : 1.0;
}

double NoxMethodState::ecartMoyenCt() const
{
    QMutexLocker lock(&m_method->mutex());
    const int k = windowLength();
    const double wins = winsInLast(k);
    const double mean = (k - wins) / (wins + 1);
    return mean > 0 ? mean : 1.0;
}

double NoxMethodState::winRatio() const
{
    QMutexLocker lock(&m_method->mutex());
    const int counted = int(m_history.size()) - m_neutralPrefix.last();
    return counted == 0 ? 0.0 : double(m_gaps.size()) / counted * 100.0;
}

double NoxMethodState::shortTermWinRatio() const
{
    QMutexLocker lock(&m_method->mutex());
    const int k = windowLength();
    const int counted = k - neutralsInLast(k);
    return counted == 0 ? 0.0 : double(winsInLast(k)) / counted * 100.0;
}

int NoxMethodState::shortTermWins() const
{
    QMutexLocker lock(&m_method->mutex());
    return winsInLast(windowLength());
}

double NoxMethodState::nbNumMoyen() const
{
    QMutexLocker lock(&m_method->mutex());
    return m_history.isEmpty() ? 0.0 : double(m_numbersPrefix.last()) / double(m_history.size());
}

double NoxMethodState::ratioTheorique() const
{
    QMutexLocker lock(&m_method->mutex());
    const double mean = m_history.isEmpty() ? 0.0 : double(m_numbersPrefix.last()) / double(m_history.size());
    return m_resultCount == 0 ? 0.0 : mean / m_resultCount * 100.0;
}

QList<int> NoxMethodState::gapList(bool withOpenGap) const
{
    QMutexLocker lock(&m_method->mutex());
    QList<int> gaps = m_gaps;
    if (withOpenGap) {
        gaps.append(m_openGap);
    }
    return gaps;
}

QList<int> NoxMethodState::ecarts(bool withOpenGap) const
{
    QMutexLocker lock(&m_method->mutex());
    QList<int> histogram(m_buckets.begin(), m_buckets.begin() + m_histogramSize);
    if (withOpenGap) {
        const int bucket = std::min(m_openGap, kHistogramCap);
        if (bucket >= histogram.size()) {
            histogram.resize(bucket + 1, 0);
        }
        ++histogram[bucket];
    }
    return histogram;
}

double NoxMethodState::tendencyThreshold() const
{
    QMutexLocker lock(&m_method->mutex());
    return threshold();
}

double NoxMethodState::tendanceValue() const
{
    QMutexLocker lock(&m_method->mutex());
    return m_history.isEmpty() ? kNaN : m_history.last().tendency;
}

NoxTendance NoxMethodState::tendanceOf(double x) const
{
    if (std::isnan(x)) {
        return NoxTendance::none;
    }
    const double o = m_tendencyOffset;
    const double t = m_profile->tendencyThreshold;
    if (x > o + t) {
        return NoxTendance::up;
    }
    if (x > o) {
        return NoxTendance::inter;
    }
    if (x > o - t) {
        return NoxTendance::mid;
    }
    return NoxTendance::down;
}

NoxTendance NoxMethodState::tendance() const
{
    QMutexLocker lock(&m_method->mutex());
    return m_history.isEmpty() ? NoxTendance::none : tendanceOf(m_history.last().tendency);
}

double NoxMethodState::tendancePercent() const
{
    QMutexLocker lock(&m_method->mutex());
    const double x = m_history.isEmpty() ? kNaN : m_history.last().tendency;
    if (std::isnan(x)) {
        return 0.5;
    }
    const double t = m_profile->tendencyThreshold;
    return std::clamp((x - m_tendencyOffset + 2 * t) / (4 * t), 0.0, 1.0);
}

QPair<int, int> NoxMethodState::chartTendance() const
{
    return cached(CacheChartTendance, m_cacheChartTendance, [this]() -> QPair<int, int> {
        if (m_history.isEmpty()) {
            return {0, 0};
        }
        const NoxCoupRecord &newest = m_history.last();
        const double x = newest.tendency;
        if (std::isnan(x) || x <= threshold()) {
            return {0, 0};
        }
        const int n = int(m_history.size());
        if (newest.has(NoxCoupRecord::TendencySignal)) {
            int wins = 0;
            for (int i = n - 1, seen = 0; i >= 0 && seen < m_shortTermWindow; --i, ++seen) {
                const NoxCoupRecord &r = m_history.at(i);
                if (!r.has(NoxCoupRecord::TendencySignal)) {
                    break;
                }
                wins += r.isWin() ? 1 : 0;
            }
            return {int(NoxTendance::up), wins};
        }
        int wins = 0;
        for (int i = n - 1; i >= 0; --i) {
            const NoxCoupRecord &r = m_history.at(i);
            if (std::isnan(r.tendency) || r.tendency <= m_tendencyOffset) {
                break;
            }
            if (r.isWin()) {
                if (wins == 14) {
                    break;
                }
                ++wins;
            }
        }
        if (wins >= 6) {
            return {int(NoxTendance::inter), wins - 5};
        }
        if (wins == 5) {
            return {int(NoxTendance::mid), 0};
        }
        return {0, 0};
    });
}

QList<NoxTendance> NoxMethodState::gapTendances() const
{
    QMutexLocker lock(&m_method->mutex());
    QList<NoxTendance> levels;
    levels.reserve(m_gaps.size());
    int first = 0;
    for (qsizetype w = 0; w < m_winRecords.size(); ++w) {
        const int last = m_winRecords.at(w);
        double sum = 0;
        for (int r = first; r <= last; ++r) {
            sum += m_history.at(r).tendency;
        }
        levels.append(tendanceOf(sum / (m_gaps.at(w) + 1)));
        first = last + 1;
    }
    return levels;
}

int NoxMethodState::blocksSignalLevel() const
{
    return cached(CacheBlocksSignal, m_cacheBlocksSignal, [this] {
        if (m_openGap > m_blockMax) {
            return 0;
        }
        int level = 0;
        for (qsizetype i = m_gaps.size() - 1; i >= 0 && level < 3; --i) {
            if (m_gaps.at(i) <= m_blockMax) {
                break;
            }
            ++level;
        }
        return level;
    });
}

bool NoxMethodState::doubleSignal() const
{
    QMutexLocker lock(&m_method->mutex());
    const qsizetype n = m_history.size();
    return n >= 2 && m_history.at(n - 1).isWin() && m_history.at(n - 2).isWin();
}

bool NoxMethodState::doubleConfirmedSignal() const
{
    return cached(CacheDoubleConfirmed, m_cacheDoubleConfirmed, [this] {
        qsizetype i = m_history.size() - 1;
        int skipped = 0;
        while (i >= 0 && !m_history.at(i).isWin()) {
            ++skipped;
            --i;
        }
        if (i < 0 || skipped >= m_blockMax) {
            return false;
        }
        int run = 0;
        while (i >= 0 && m_history.at(i).isWin()) {
            ++run;
            --i;
        }
        return run % 3 == 0;
    });
}

int NoxMethodState::dominantConfirmationLevel(int maximum) const
{
    if (maximum != 3) {
        QMutexLocker lock(&m_method->mutex());
        return dominantLevelLocked(maximum);
    }
    return cached(CacheDominant3, m_cacheDominant3, [this] { return dominantLevelLocked(3); });
}

int NoxMethodState::compteurMECount() const
{
    return cached(CacheCompteurME, m_cacheCompteurME, [this] {
        int r = 0;
        int w = 0;
        const double t = threshold();
        for (qsizetype i = m_history.size() - 1, seen = 0; i >= 0 && seen < m_shortTermWindow; --i, ++seen) {
            const NoxCoupRecord &rec = m_history.at(i);
            if (std::isnan(rec.tendency) || rec.tendency <= t) {
                break;
            }
            const int n = r + w;
            w = rec.isWin() ? 1 : 0;
            if (!rec.has(NoxCoupRecord::ProfitPositive)) {
                break;
            }
            r = n;
        }
        return r;
    });
}

bool NoxMethodState::counterSignal() const
{
    QMutexLocker lock(&m_method->mutex());
    if (m_history.isEmpty()) {
        return false;
    }
    const NoxCoupRecord &newest = m_history.last();
    if (!newest.has(NoxCoupRecord::ProfitPositive) || std::isnan(newest.tendency) ||
        newest.tendency <= threshold()) {
        return false;
    }
    return shortTermWinRatio() - ratioTheorique() >= m_ratioMargin;
}

int NoxMethodState::detectionFlags() const
{
    return cached(CacheDetectionFlags, m_cacheDetectionFlags, [this] {
        int flags = 0;
        if (m_blockMin <= m_openGap && m_openGap <= m_blockMax) {
            flags |= DetectInBlock;
            if (m_doms.contains(m_openGap)) {
                flags |= DetectInDominantBlock;
            }
        }
        if (shortTermWinRatio() - ratioTheorique() >= m_ratioMargin) {
            flags |= DetectRatioSignal;
        }
        if (!m_history.isEmpty()) {
            const NoxCoupRecord &newest = m_history.last();
            flags |= (newest.has(NoxCoupRecord::ProfitPositive) ? DetectProfitPositive : 0) |
                     (newest.isWin() ? DetectNewestWin : 0);
        }
        return flags;
    });
}

} // namespace Nox
