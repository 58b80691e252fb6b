#include "core/noxmethodstate.h"

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"
#include "core/noxmethodmetrics.h"
#include "core/noxsnapshotcontext.h"

#include <QMutexLocker>
#include <QVarLengthArray>

#include <algorithm>
#include <bit>
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
    CacheMetrics = 1u << 6,
};

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr qint32 kNaNCode = std::numeric_limits<qint32>::min();
constexpr qint32 kExceptionCode = kNaNCode + 1;

/// k·Σx² − (Σx)² over k consecutive positions, as the least-squares fit computes it (an exact
/// integer).
double windowDenominator(qint64 k)
{
    return double(k * k * (k * k - 1) / 12);
}

/// A coded tendency (not the exception code) back as the fit gave it.
double decodeWith(qint32 code, int factor, double denominator)
{
    if (code == kNaNCode) {
        return kNaN;
    }
    double slope = double(code) / denominator;
    if (!std::isfinite(slope)) {
        slope = 0.0;
    }
    return factor * slope;
}

/// The number of elements of a sorted list below `value`.
qsizetype lowerBound(const NoxChunkedList<int> &list, int value)
{
    qsizetype lo = 0;
    qsizetype hi = list.size();
    while (lo < hi) {
        const qsizetype mid = lo + (hi - lo) / 2;
        if (list.at(mid) < value) {
            lo = mid + 1;
        } else {
            hi = mid;
        }
    }
    return lo;
}

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
    qint64 numerator = 0; ///< k·Σxy − Σx·Σy, the slope's exact numerator
};

/// The fit of `count` integer points y[0..count) at positions firstPosition, firstPosition + 1...
/// The sums are exact integers, so they are taken in 64 bits and converted once: the result
/// is the very same double as summing in double precision (every partial sum stays far below
/// 2^53), for a fraction of the cost.
Fit leastSquares(int firstPosition, int count, const int *y)
{
    // Σy and Σi·y are walked; Σx, Σx² and Σxy follow in closed form (x = f + i).
    qint64 isy = 0;
    qint64 isiy = 0;
    for (int i = 0; i < count; ++i) {
        isy += y[i];
        isiy += qint64(i) * y[i];
    }
    const qint64 f = firstPosition;
    const qint64 k = count;
    const qint64 isx = k * f + k * (k - 1) / 2;
    const qint64 isxx = k * f * f + f * k * (k - 1) + (k - 1) * k * (2 * k - 1) / 6;
    const qint64 isxy = f * isy + isiy;
    const double sx = double(isx);
    const double sy = double(isy);
    const double sxy = double(isxy);
    const double sxx = double(isxx);
    Fit fit;
    fit.numerator = k * isxy - isx * isy;
    const double dk = double(count);
    fit.slope = (dk * sxy - sx * sy) / (dk * sxx - sx * sx);
    if (!std::isfinite(fit.slope)) {
        fit.slope = 0.0;
    }
    // The means are taken in single precision, as the chart lines always were.
    const float meanY = float(sy / dk);
    const float meanX = float(sx / dk);
    fit.intercept = double(meanY) - double(meanX) * fit.slope;
    if (!std::isfinite(fit.intercept)) {
        fit.intercept = 0.0;
    }
    return fit;
}

} // namespace

// A view of the profit curve: the closed part (its newest points are stored) followed by the
// points of the open gap, computed from the prefix sums of the records' numbers.
struct NoxMethodState::Curve {
    const NoxMethodState *state = nullptr;
    int closedSize = 0;
    int tailStart = 0; // the first closed point kept in the state's closed tail
    int consumed = 0;  // records consumed by the closed part
    int openPoints = 0;
    int base = 0; // credits of the closed part

    [[nodiscard]] int size() const { return closedSize + openPoints; }
    /// Points [first, first + count) into out, walked in order (the windows the fits read).
    void copy(int first, int count, int *out) const
    {
        int i = first;
        const int end = first + count;
        const int closedEnd = std::min(end, closedSize);
        for (; i < closedEnd && i < tailStart; ++i) {
            *out++ = at(i); // older than the stored tail: recomputed
        }
        if (i < closedEnd) {
            out = std::copy(state->m_closedTail.constData() + (i - tailStart),
                            state->m_closedTail.constData() + (closedEnd - tailStart), out);
            i = closedEnd;
        }
        // An open point's record is never older than the consumed ones: its prefix sum is in
        // the numbers tail, in order.
        const int *prefix =
            state->m_numbersTail.constData() + (consumed - state->m_curveConsumed) + (i - closedSize) + 1;
        for (; i < end; ++i) {
            *out++ = base - *prefix++;
        }
    }
    [[nodiscard]] int at(int i) const
    {
        if (i < closedSize) {
            if (i >= tailStart) {
                return state->m_closedTail.at(i - tailStart);
            }
            // Older than every window reads: recomputed.
            return state->closedPoints(closedSize - i).first();
        }
        const int record = consumed + (i - closedSize) + 1;
        return base - state->numbersPrefixAt(record);
    }
};

NoxMethodState::NoxMethodState(NoxMethod *method, const NoxStatisticsProfile *profile)
    : m_method(method)
    , m_interface(dynamic_cast<NoxMethodInterface *>(method))
    , m_profile(profile ? profile : &NoxStatisticsProfile::profileA())
    , m_numberMode(method->type() == NoxMethodType::plein)
    , m_nbBlockDom(method->defaultNbBlockDom())
    , m_ecartNotif(method->defaultEcartNotif())
    , m_resultCount(m_profile->resultCount)
    , m_pleinPayout(m_profile->pleinPayout)
    , m_shortTermWindow(m_profile->shortTermWindow)
{
    clearDerived();
    resetTendencyCoding();
    recomputeBlocks();
    publish();
}

NoxMethodState::~NoxMethodState() = default;

template<typename T, typename F>
T NoxMethodState::cached(unsigned bit, T &slot, F compute) const
{
    QMutexLocker lock(&m_method->mutex());
    unsigned word = m_cacheValid.load(std::memory_order_acquire);
    if ((word & bit) == 0) {
        slot = compute();
        // Marked valid only if no clearCache() came in between (it changes the generation).
        m_cacheValid.compare_exchange_strong(word, word | bit, std::memory_order_acq_rel);
    }
    return slot;
}

void NoxMethodState::clearCache()
{
    unsigned word = m_cacheValid.load(std::memory_order_relaxed);
    while (!m_cacheValid.compare_exchange_weak(word, (word & ~kValidMask) + kGenerationStep,
                                               std::memory_order_acq_rel)) {
    }
}

std::shared_ptr<const NoxMethodMetrics> NoxMethodState::metrics() const
{
    return cached(CacheMetrics, m_cacheMetrics,
                  [this] { return std::make_shared<const NoxMethodMetrics>(*this); });
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
    // A win closes the open gap; accountRecord() keeps it in m_gaps.
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

    static_assert(NoxCoupRecord::DominantConfirmed <= 0xffu, "the flags are stored in a byte");
    const int numbers = int(covered.size()) + (zero && !covered.isEmpty() && !covered.contains(0) ? 1 : 0);
    unsigned flags = (win ? NoxCoupRecord::Win : 0u) | (inBlock ? NoxCoupRecord::InBlock : 0u) |
                     (active ? NoxCoupRecord::Active : 0u) | (neutral ? NoxCoupRecord::NeutralZero : 0u);
    // Trend analysis and the profit sign look at the curve before this coup. A win closes
    // the open gap and moves the stored tails, so its trend is read now; after a loss that
    // curve can still be read, and it is analysed only if the tendency turns out high.
    const Curve before = curve(true);
    bool trend = win && trendSignal(before);
    if (before.size() > 0 && before.at(before.size() - 1) > 0) {
        flags |= NoxCoupRecord::ProfitPositive;
    }

    // A value is a roulette number or a baccarat result and a method covers at most the 37
    // numbers and the zero option: both fit the packed fields.
    Q_ASSERT(value >= std::numeric_limits<qint16>::min() && value <= std::numeric_limits<qint16>::max());
    Q_ASSERT(numbers >= 0 && numbers <= 0xff);
    m_records.append(PackedRecord{qint16(value), quint8(numbers), quint8(flags)});
    m_tendencyCodes.append(kNaNCode);
    const int index = int(m_records.size()) - 1;
    if (m_positionRuns.isEmpty() ||
        m_positionRuns.last().second + (index - m_positionRuns.last().first) != position) {
        m_positionRuns.append({index, position});
    }
    accountRecord(index);

    qint64 numerator = 0;
    int window = 0;
    const double tendency = tendencyOfCurve(&numerator, &window);
    storeTendency(index, tendency, numerator, window);
    // The trend signal counts only under a high tendency.
    if (!std::isnan(tendency) && tendency > threshold()) {
        trend = trend || (!win && trendSignal(before));
        if (trend) {
            flags |= NoxCoupRecord::TendencySignal;
        }
    }

    if (win) {
        // Only a win changes the histogram and the win count the block is made of.
        recomputeBlocks();
    }
    if (win && m_blockMin <= gap && gap <= m_blockMax && m_doms.contains(gap)) {
        flags |= NoxCoupRecord::DominantWin;
    }
    if (dominantLevelLocked(1) > 0) {
        flags |= NoxCoupRecord::DominantConfirmed;
    }
    m_records.last().flags = quint8(flags);
    if (m_newestTailValid) {
        if (m_newestTail.size() >= 2 * m_newestTailCapacity) {
            m_newestTail.remove(0, m_newestTail.size() - m_newestTailCapacity);
        }
        m_newestTail.append(recordAt(index));
    }
    if (stop) {
        m_active.store(false);
    }
}

void NoxMethodState::popRecord()
{
    const qsizetype index = m_records.size() - 1;
    const PackedRecord rec = m_records.last();
    if (rec.flags & NoxCoupRecord::Win) {
        const int gap = m_gaps.last();
        m_gaps.removeLast();
        m_winRecords.removeLast();
        if (m_gapMeans.size() > m_gaps.size()) {
            m_gapMeans.resize(m_gaps.size());
        }
        if (gap == m_gapMax) {
            m_gapMax = 0;
            for (qsizetype w = 0; w < m_gaps.size(); ++w) {
                m_gapMax = std::max(m_gapMax, m_gaps.at(w));
            }
        }
        const std::size_t bucket = std::size_t(std::min(gap, kHistogramCap));
        --m_buckets[bucket];
        while (m_histogramSize > 0 && m_buckets[std::size_t(m_histogramSize - 1)] == 0) {
            --m_histogramSize;
        }
        // The gap's records go back to the open part (their sums are recomputed while the
        // popped record still exists) and its points leave the closed part.
        restoreNumbersTail(gap + 1);
        m_closedSize -= gap + 2;
        m_closedTail.resize(std::max(qsizetype(0), m_closedTail.size() - (gap + 2)));
        const int needed = std::min(m_closedSize, closedTailCapacity());
        if (m_closedTail.size() < needed) {
            m_closedTail = closedPoints(needed);
        }
        m_openGap = gap;
    } else if (!(rec.flags & NoxCoupRecord::NeutralZero)) {
        --m_openGap;
    }
    if (rec.flags & NoxCoupRecord::NeutralZero) {
        --m_neutralCount;
    }
    // The short-term window moves one record back.
    countInWindow(index, -1);
    if (index >= m_shortTermWindow) {
        countInWindow(index - m_shortTermWindow, 1);
    }
    m_numbersTail.removeLast();
    if (m_tendencyCodes.last() == kExceptionCode) {
        m_tendencyExceptions.remove(index);
    }
    m_records.removeLast();
    m_tendencyCodes.removeLast();
    if (m_newestTailValid && !m_newestTail.isEmpty()) {
        m_newestTail.removeLast();
    }
    if (m_positionRuns.last().first == index) {
        m_positionRuns.removeLast();
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
    if (!m_records.isEmpty() &&
        m_positionRuns.last().second + int(m_records.size() - 1 - m_positionRuns.last().first) == length &&
        m_records.last().value == value) {
        popRecord();
    }
    if (NoxMethodInterface *iface = m_interface) {
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
    m_records.clear();
    m_tendencyCodes.clear();
    m_tendencyExceptions.clear();
    resetTendencyCoding();
    m_positionRuns.clear();
    clearDerived();
    if (deactivate) {
        m_active.store(false);
    }
    recomputeBlocks();
    if (NoxMethodInterface *iface = m_interface) {
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
    if (NoxMethodInterface *iface = m_interface) {
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
    // Only publish() writes the copy, always under the method mutex held here: it can be
    // compared without the publish lock. An unchanged proposal is not written again.
    if (p == m_published) {
        return;
    }
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
    // Window sums from prefix sums of the histogram: prefix[b] = buckets[0..b).
    std::array<int, kHistogramCap + 2> prefix{};
    for (int b = 0; b < size; ++b) {
        prefix[std::size_t(b) + 1] = prefix[std::size_t(b)] + m_buckets[std::size_t(b)];
    }
    for (int w = 1; w <= maxWidth && !reached; ++w) {
        for (int s = 0; s + w <= size; ++s) {
            const int sum = prefix[std::size_t(s + w)] - prefix[std::size_t(s)];
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
    c.state = this;
    c.closedSize = m_closedSize;
    c.tailStart = m_closedSize - int(m_closedTail.size());
    c.consumed = m_curveConsumed;
    c.base = int(m_gaps.size()) * (m_pleinPayout + 1);
    const int remaining = int(m_records.size()) - m_curveConsumed;
    const int first = std::min(m_openGap + 1, remaining);
    c.openPoints = first;
    if (repeatedOpenGap) {
        // The open gap is walked a second time over whatever records the first walk left
        // (there are some only when neutral zeros shortened the gap counts).
        c.openPoints += std::min(m_openGap + 1, remaining - first);
    }
    return c;
}

double NoxMethodState::tendencyOfCurve(qint64 *numerator, int *window) const
{
    const Curve c = curve(false);
    const int n = c.size();
    if (n < m_profile->tendencyMinPoints || n == 0) {
        return kNaN;
    }
    const int k = std::min(m_profile->tendencyWindow, n);
    const int first = n - k;
    QVarLengthArray<int, 64> points(k);
    c.copy(first, k, points.data());
    const Fit fit = leastSquares(first + 1, k, points.data());
    if (numerator && window) {
        // The slope's integer numerator, for the coded storage.
        *numerator = fit.numerator;
        *window = k;
    }
    return m_profile->tendencyFactor * fit.slope;
}

void NoxMethodState::resetTendencyCoding()
{
    m_codeFactor = m_profile->tendencyFactor;
    m_codeWindow = m_profile->tendencyWindow;
}

double NoxMethodState::decodeTendency(qint32 code) const
{
    return decodeWith(code, m_codeFactor, windowDenominator(m_codeWindow));
}

double NoxMethodState::tendencyAt(qsizetype index) const
{
    const qint32 code = m_tendencyCodes.at(index);
    return code == kExceptionCode ? m_tendencyExceptions.value(index, kNaN) : decodeTendency(code);
}

void NoxMethodState::storeTendency(qsizetype index, double tendency, qint64 numerator, int window)
{
    qint32 code = kNaNCode;
    if (!std::isnan(tendency)) {
        code = kExceptionCode;
        if (window == m_codeWindow && m_codeFactor == m_profile->tendencyFactor &&
            numerator > kExceptionCode && numerator <= std::numeric_limits<qint32>::max()) {
            const auto candidate = qint32(numerator);
            if (std::bit_cast<quint64>(decodeTendency(candidate)) == std::bit_cast<quint64>(tendency)) {
                code = candidate;
            }
        }
        if (code == kExceptionCode) {
            m_tendencyExceptions.insert(index, tendency);
        }
    }
    m_tendencyCodes[index] = code;
}

bool NoxMethodState::trendSignal(const Curve &c) const
{
    const int n = c.size();
    const int a = n < 60 ? m_profile->trendWindow : 30;
    if (a <= 0 || n < a || n < 2 * a - 1) {
        return false;
    }
    // Line 1 fits the newest a points, line 2 the b points before them: both read one copy.
    const int first1 = n - a; // 0-based index of the first point of line 1
    const int b = std::min(a, n - a);
    const int first2 = first1 - b;
    QVarLengthArray<int, 128> points(a + b);
    c.copy(first2, a + b, points.data());
    const Fit line1 = leastSquares(first1 + 1, a, points.data() + b);
    if (!(line1.slope > 0)) {
        return false;
    }
    const Fit line2 = leastSquares(first2 + 1, b, points.data());
    if (!(line2.slope > 0)) {
        return false;
    }
    const double at2 = line2.intercept + line2.slope * (n - a - 1);
    const double at1 = line1.intercept + line1.slope * (n - a);
    if (std::abs(at2 - at1) > 65) {
        return false;
    }
    return points[a + b - 1] >= m_profile->trendProfitThreshold;
}

QList<int> NoxMethodState::profitCurve(bool repeatedOpenGap) const
{
    QMutexLocker lock(&m_method->mutex());
    const Curve c = curve(repeatedOpenGap);
    QList<int> points = closedPoints(m_closedSize);
    points.reserve(c.size());
    for (int i = m_closedSize; i < c.size(); ++i) {
        points.append(c.at(i));
    }
    return points;
}

int NoxMethodState::numbersPrefixAt(qsizetype records) const
{
    if (records >= m_curveConsumed) {
        return m_numbersTail.at(records - m_curveConsumed);
    }
    int prefix = m_numbersTail.first();
    for (qsizetype j = m_curveConsumed; j > records; --j) {
        prefix -= m_records.at(j - 1).numbers;
    }
    return prefix;
}

int NoxMethodState::closedTailCapacity() const
{
    // The trend lines read up to two windows back, the tendency one window.
    return 2 * std::max({m_profile->trendWindow, 30, m_profile->tendencyWindow}) + 2;
}

QList<int> NoxMethodState::closedPoints(int count) const
{
    // Walks the closed gaps from the newest: gap w consumed the records after `cur - gap - 1`
    // up to `cur`, one point per record at w credits, then the win's point at w + 1 credits.
    count = std::clamp(count, 0, m_closedSize);
    QList<int> points;
    points.reserve(count);
    const int step = m_pleinPayout + 1;
    int cur = m_curveConsumed;
    int prefix = numbersPrefixAt(cur);
    for (qsizetype w = m_gaps.size() - 1; w >= 0 && points.size() < count; --w) {
        const int gap = m_gaps.at(w);
        points.append((int(w) + 1) * step - prefix);
        for (int j = cur; j > cur - gap - 1 && points.size() < count; --j) {
            points.append(int(w) * step - prefix);
            prefix -= m_records.at(j - 1).numbers;
        }
        cur -= gap + 1;
    }
    std::reverse(points.begin(), points.end());
    return points;
}

void NoxMethodState::consumeNumbersTail(int records)
{
    m_numbersTail.remove(0, records);
    m_curveConsumed += records;
}

void NoxMethodState::restoreNumbersTail(int records)
{
    for (int k = 0; k < records; ++k) {
        --m_curveConsumed;
        m_numbersTail.prepend(m_numbersTail.first() - m_records.at(m_curveConsumed).numbers);
    }
}

void NoxMethodState::clearDerived()
{
    m_newestTailValid = false;
    m_newestTail.clear();
    m_gapMeans.clear();
    m_numbersTail = {0};
    m_neutralCount = 0;
    m_windowWins = 0;
    m_windowNeutrals = 0;
    m_gaps.clear();
    m_winRecords.clear();
    m_gapMax = 0;
    m_openGap = 0;
    m_buckets.fill(0);
    m_histogramSize = 0;
    m_closedSize = 0;
    m_closedTail.clear();
    m_curveConsumed = 0;
}

void NoxMethodState::accountRecord(qsizetype index)
{
    const PackedRecord &rec = m_records.at(index);
    const bool win = (rec.flags & NoxCoupRecord::Win) != 0;
    const bool neutral = (rec.flags & NoxCoupRecord::NeutralZero) != 0;
    // The short-term window moves one record on.
    countInWindow(index, 1);
    if (index >= m_shortTermWindow) {
        countInWindow(index - m_shortTermWindow, -1);
    }
    m_numbersTail.append(m_numbersTail.last() + rec.numbers);
    m_neutralCount += neutral ? 1 : 0;
    if (!win) {
        if (!neutral) {
            ++m_openGap;
        }
        return;
    }
    // The win closes the open gap (the gap it was recorded with).
    const int gap = m_openGap;
    m_gaps.append(gap);
    m_winRecords.append(int(index));
    m_gapMax = std::max(gap, m_gapMax);
    const int bucket = std::min(gap, kHistogramCap);
    ++m_buckets[std::size_t(bucket)];
    m_histogramSize = std::max(m_histogramSize, bucket + 1);
    m_openGap = 0;
    // The closed gap consumes gap + 1 records (a count that skips neutral zeros, so it never
    // runs past the records), then the win is credited.
    const int step = m_pleinPayout + 1;
    const int credits = int(m_gaps.size()) - 1;
    for (int j = m_curveConsumed + 1; j <= m_curveConsumed + gap + 1; ++j) {
        m_closedTail.append(credits * step - numbersPrefixAt(j));
    }
    consumeNumbersTail(gap + 1);
    m_closedTail.append((credits + 1) * step - numbersPrefixAt(m_curveConsumed));
    m_closedSize += gap + 2;
    const int capacity = closedTailCapacity();
    if (m_closedTail.size() > 2 * capacity) {
        m_closedTail.remove(0, m_closedTail.size() - capacity);
    }
}

void NoxMethodState::rebuildDerived()
{
    clearDerived();
    for (qsizetype i = 0; i < m_records.size(); ++i) {
        accountRecord(i);
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
NOX_STATE_GETTER(int, historyLength, int(m_records.size()))
NOX_STATE_GETTER(int, ecart, m_openGap)
NOX_STATE_GETTER(int, nbWins, int(m_gaps.size()))
NOX_STATE_GETTER(int, neutralZeros, m_neutralCount)
NOX_STATE_GETTER(int, numbersSum, m_numbersTail.last())
NOX_STATE_GETTER(int, ecartMax, m_gapMax)
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
    recountWindow();
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
    if (m_records.isEmpty()) {
        resetTendencyCoding();
    }
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

NoxCoupRecord NoxMethodState::recordAt(qsizetype index) const
{
    const PackedRecord &packed = m_records.at(index);
    NoxCoupRecord rec;
    rec.value = packed.value;
    rec.numbers = packed.numbers;
    rec.tendency = tendencyAt(index);
    rec.flags = packed.flags;
    if (packed.flags & NoxCoupRecord::Win) {
        // The win's place among the wins, found by bisection of their record indexes.
        const qsizetype w = lowerBound(m_winRecords, int(index));
        rec.gap = w < m_gaps.size() ? m_gaps.at(w) : 0;
    }
    return rec;
}

bool NoxMethodState::isWinAt(qsizetype index) const
{
    return (m_records.at(index).flags & NoxCoupRecord::Win) != 0;
}

NoxCoupRecord NoxMethodState::record(int index) const
{
    QMutexLocker lock(&m_method->mutex());
    if (index < 0) {
        index = int(m_records.size()) + index;
    }
    return index >= 0 && index < m_records.size() ? recordAt(index) : NoxCoupRecord{};
}

QList<NoxCoupRecord> NoxMethodState::history() const
{
    return newestRecords(std::numeric_limits<int>::max());
}

QList<NoxCoupRecord> NoxMethodState::newestRecords(int count) const
{
    QMutexLocker lock(&m_method->mutex());
    const qsizetype n = m_records.size();
    const qsizetype wanted = std::clamp(qsizetype(count), qsizetype(0), n);
    if (wanted <= kNewestTailLimit) {
        const QList<NoxCoupRecord> &tail = newestTail(int(wanted));
        return tail.mid(tail.size() - wanted);
    }
    return decodeRecords(n - wanted);
}

const QList<NoxCoupRecord> &NoxMethodState::newestTail(int count) const
{
    const qsizetype n = m_records.size();
    const qsizetype wanted = std::clamp(qsizetype(count), qsizetype(0), std::min(n, kNewestTailLimit));
    if (wanted > m_newestTailCapacity) {
        m_newestTailCapacity = wanted;
        m_newestTailValid = false;
    }
    // Withdrawn results shorten the tail; it is decoded again once it runs short.
    if (!m_newestTailValid || (m_newestTail.size() < wanted && m_newestTail.size() < n)) {
        m_newestTail = decodeRecords(n - std::min(n, m_newestTailCapacity));
        m_newestTailValid = true;
    }
    return m_newestTail;
}

QList<NoxCoupRecord> NoxMethodState::decodeRecords(qsizetype first) const
{
    const qsizetype n = m_records.size();
    QList<NoxCoupRecord> records(n - first);
    // The wins among them follow each other in the gap list: one bisection finds the first.
    qsizetype w = lowerBound(m_winRecords, int(first));
    const double denominator = windowDenominator(m_codeWindow);
    for (qsizetype i = first; i < n; ++i) {
        const PackedRecord &packed = m_records.at(i);
        NoxCoupRecord &rec = records[i - first];
        rec.value = packed.value;
        rec.numbers = packed.numbers;
        const qint32 code = m_tendencyCodes.at(i);
        rec.tendency = code == kExceptionCode ? m_tendencyExceptions.value(i, kNaN)
                                              : decodeWith(code, m_codeFactor, denominator);
        rec.flags = packed.flags;
        if ((packed.flags & NoxCoupRecord::Win) && w < m_gaps.size()) {
            rec.gap = m_gaps.at(w++);
        }
    }
    return records;
}

int NoxMethodState::windowLength() const
{
    return std::min(m_shortTermWindow, int(m_records.size()));
}

void NoxMethodState::countInWindow(qsizetype index, int sign)
{
    const unsigned flags = m_records.at(index).flags;
    m_windowWins += (flags & NoxCoupRecord::Win) ? sign : 0;
    m_windowNeutrals += (flags & NoxCoupRecord::NeutralZero) ? sign : 0;
}

void NoxMethodState::recountWindow()
{
    m_windowWins = 0;
    m_windowNeutrals = 0;
    for (qsizetype i = m_records.size() - windowLength(); i < m_records.size(); ++i) {
        countInWindow(i, 1);
    }
}

double NoxMethodState::threshold() const
{
    return m_profile->tendencyThreshold + m_tendencyOffset;
}

double NoxMethodState::ecartMoyen() const
{
    QMutexLocker lock(&m_method->mutex());
    return ecartMoyenLocked();
}

double NoxMethodState::ecartMoyenLocked() const
{
    const double wins = double(m_gaps.size());
    const double mean = (double(m_records.size()) - wins) / (wins + 1);
    return mean > 0 ? mean : 1.0;
}

double NoxMethodState::ecartMoyenCt() const
{
    QMutexLocker lock(&m_method->mutex());
    const int k = windowLength();
    const double wins = m_windowWins;
    const double mean = (k - wins) / (wins + 1);
    return mean > 0 ? mean : 1.0;
}

double NoxMethodState::winRatio() const
{
    QMutexLocker lock(&m_method->mutex());
    return winRatioLocked();
}

double NoxMethodState::winRatioLocked() const
{
    const int counted = int(m_records.size()) - m_neutralCount;
    return counted == 0 ? 0.0 : double(m_gaps.size()) / counted * 100.0;
}

double NoxMethodState::shortTermWinRatio() const
{
    QMutexLocker lock(&m_method->mutex());
    return shortTermWinRatioLocked();
}

double NoxMethodState::shortTermWinRatioLocked() const
{
    const int k = windowLength();
    const int counted = k - m_windowNeutrals;
    return counted == 0 ? 0.0 : double(m_windowWins) / counted * 100.0;
}

int NoxMethodState::shortTermWins() const
{
    QMutexLocker lock(&m_method->mutex());
    return m_windowWins;
}

double NoxMethodState::nbNumMoyen() const
{
    QMutexLocker lock(&m_method->mutex());
    return m_records.isEmpty() ? 0.0 : double(m_numbersTail.last()) / double(m_records.size());
}

double NoxMethodState::ratioTheorique() const
{
    QMutexLocker lock(&m_method->mutex());
    return ratioTheoriqueLocked();
}

double NoxMethodState::ratioTheoriqueLocked() const
{
    const double mean = m_records.isEmpty() ? 0.0 : double(m_numbersTail.last()) / double(m_records.size());
    return m_resultCount == 0 ? 0.0 : mean / m_resultCount * 100.0;
}

QList<int> NoxMethodState::gapList(bool withOpenGap) const
{
    QMutexLocker lock(&m_method->mutex());
    QList<int> gaps;
    gaps.reserve(m_gaps.size() + 1);
    for (qsizetype w = 0; w < m_gaps.size(); ++w) {
        gaps.append(m_gaps.at(w));
    }
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
    return m_records.isEmpty() ? kNaN : tendencyAt(m_records.size() - 1);
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
    return m_records.isEmpty() ? NoxTendance::none : tendanceOf(tendencyAt(m_records.size() - 1));
}

double NoxMethodState::tendancePercent() const
{
    QMutexLocker lock(&m_method->mutex());
    const double x = m_records.isEmpty() ? kNaN : tendencyAt(m_records.size() - 1);
    if (std::isnan(x)) {
        return 0.5;
    }
    const double t = m_profile->tendencyThreshold;
    return std::clamp((x - m_tendencyOffset + 2 * t) / (4 * t), 0.0, 1.0);
}

QPair<int, int> NoxMethodState::chartTendance() const
{
    return cached(CacheChartTendance, m_cacheChartTendance, [this]() -> QPair<int, int> {
        if (m_records.isEmpty()) {
            return {0, 0};
        }
        const double x = tendencyAt(m_records.size() - 1);
        if (std::isnan(x) || x <= threshold()) {
            return {0, 0};
        }
        const int n = int(m_records.size());
        if (m_records.last().flags & NoxCoupRecord::TendencySignal) {
            int wins = 0;
            for (int i = n - 1, seen = 0; i >= 0 && seen < m_shortTermWindow; --i, ++seen) {
                const PackedRecord &r = m_records.at(i);
                if (!(r.flags & NoxCoupRecord::TendencySignal)) {
                    break;
                }
                wins += (r.flags & NoxCoupRecord::Win) ? 1 : 0;
            }
            return {int(NoxTendance::up), wins};
        }
        int wins = 0;
        for (int i = n - 1; i >= 0; --i) {
            const double tendency = tendencyAt(i);
            if (std::isnan(tendency) || tendency <= m_tendencyOffset) {
                break;
            }
            if (isWinAt(i)) {
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
    // A closed gap's mean tendency never changes: the means are kept once computed, so a list
    // row costs the new gaps only, whatever the length of the evening.
    const qsizetype wins = m_winRecords.size();
    if (m_gapMeans.size() > wins) {
        m_gapMeans.resize(wins);
    }
    int first = m_gapMeans.isEmpty() ? 0 : m_winRecords.at(m_gapMeans.size() - 1) + 1;
    for (qsizetype w = m_gapMeans.size(); w < wins; ++w) {
        const int last = m_winRecords.at(w);
        double sum = 0;
        for (int r = first; r <= last; ++r) {
            sum += tendencyAt(r);
        }
        m_gapMeans.append(sum / (m_gaps.at(w) + 1));
        first = last + 1;
    }
    QList<NoxTendance> levels;
    levels.reserve(wins);
    for (const double mean : std::as_const(m_gapMeans)) {
        levels.append(tendanceOf(mean));
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
    const qsizetype n = m_records.size();
    return n >= 2 && isWinAt(n - 1) && isWinAt(n - 2);
}

bool NoxMethodState::doubleConfirmedSignal() const
{
    return cached(CacheDoubleConfirmed, m_cacheDoubleConfirmed, [this] {
        qsizetype i = m_records.size() - 1;
        int skipped = 0;
        while (i >= 0 && !isWinAt(i)) {
            ++skipped;
            --i;
        }
        if (i < 0 || skipped >= m_blockMax) {
            return false;
        }
        int run = 0;
        while (i >= 0 && isWinAt(i)) {
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
        for (qsizetype i = m_records.size() - 1, seen = 0; i >= 0 && seen < m_shortTermWindow; --i, ++seen) {
            const double tendency = tendencyAt(i);
            if (std::isnan(tendency) || tendency <= t) {
                break;
            }
            const unsigned flags = m_records.at(i).flags;
            const int n = r + w;
            w = (flags & NoxCoupRecord::Win) ? 1 : 0;
            if (!(flags & NoxCoupRecord::ProfitPositive)) {
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
    if (m_records.isEmpty()) {
        return false;
    }
    const double tendency = tendencyAt(m_records.size() - 1);
    if (!(m_records.last().flags & NoxCoupRecord::ProfitPositive) || std::isnan(tendency) ||
        tendency <= threshold()) {
        return false;
    }
    return shortTermWinRatioLocked() - ratioTheoriqueLocked() >= m_ratioMargin;
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
        if (shortTermWinRatioLocked() - ratioTheoriqueLocked() >= m_ratioMargin) {
            flags |= DetectRatioSignal;
        }
        if (!m_records.isEmpty()) {
            const unsigned newest = m_records.last().flags;
            flags |= ((newest & NoxCoupRecord::ProfitPositive) ? DetectProfitPositive : 0) |
                     ((newest & NoxCoupRecord::Win) ? DetectNewestWin : 0);
        }
        return flags;
    });
}

} // namespace Nox
