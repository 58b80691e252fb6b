// NoxMethodState: its life cycle, the play and withdrawal of a coup, the published proposal
// and the options. The statistics, the profit curve and the records are in the files beside it.

#include "core/noxmethodstate.h"

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"
#include "core/noxmethodmetrics.h"
#include "core/noxmethodstate_p.h"
#include "core/noxsnapshotcontext.h"

#include <QMutexLocker>

#include <algorithm>
#include <cmath>
#include <limits>

namespace Nox {

namespace {

/// Runs `f` when the scope ends, also when a method threw: the proposal is published and the
/// caches cleared whatever the method did.
template<typename F>
struct AtScopeEnd {
    F f;
    ~AtScopeEnd() { f(); }
};
template<typename F>
AtScopeEnd(F) -> AtScopeEnd<F>;

} // namespace

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

void NoxMethodState::clearCache()
{
    unsigned word = m_cacheValid.load(std::memory_order_relaxed);
    while (!m_cacheValid.compare_exchange_weak(word, (word & ~kValidMask) + kGenerationStep,
                                               std::memory_order_acq_rel)) {
    }
}

std::shared_ptr<const NoxMethodMetrics> NoxMethodState::metrics() const
{
    return cached(CacheMetrics, m_cacheMetrics, [this]() -> std::shared_ptr<const NoxMethodMetrics> {
        // In an engine that one thread alone uses (the method lock is off), a previous view
        // that no caller kept is overwritten in place instead of reallocated.
        if (!m_method->mutex().isLocking() && m_cacheMetrics && m_cacheMetrics.use_count() == 1) {
            *std::const_pointer_cast<NoxMethodMetrics>(m_cacheMetrics) = NoxMethodMetrics(*this);
            return m_cacheMetrics;
        }
        return std::make_shared<const NoxMethodMetrics>(*this);
    });
}

// ---------------------------------------------------------------------------------------------
// Per-state operations

void NoxMethodState::processValue(int value, NoxSnapshotContext &context)
{
    std::lock_guard lock(m_method->mutex());
    const AtScopeEnd finish{[this] {
        finishOperation();
    }};
    const bool zero = zeroOption();
    int size = 0;
    if (numberMode()) {
        const QList<int> &covered = m_method->coveredNumbers();
        size = int(covered.size()) + (zero && !covered.isEmpty() && !m_method->covers(0) ? 1 : 0);
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
    const bool coversZero = zero || m_method->covers(0);
    const bool win = m_method->covers(value) || (zero && value == 0);
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
        if ((m_signalMask & SignalBlocDominantConfirme) && m_dominantConfirmed) {
            stop = true;
        }
        if (m_useNotif && gap >= m_ecartNotif) {
            stop = true;
        }
    }

    static_assert(NoxCoupRecord::DominantConfirmed <= 0xffu, "the flags are stored in a byte");
    const int numbers = int(covered.size()) + (zero && !covered.isEmpty() && !m_method->covers(0) ? 1 : 0);
    unsigned flags = (win ? NoxCoupRecord::Win : 0u) | (inBlock ? NoxCoupRecord::InBlock : 0u) |
                     (active ? NoxCoupRecord::Active : 0u) | (neutral ? NoxCoupRecord::NeutralZero : 0u);
    // Trend analysis and the profit sign look at the curve before this coup. A win closes
    // the open gap and moves the stored tails, so what the trend lines read of it is taken now
    // (it is analysed only if the tendency turns out high).
    const Curve before = curve(true);
    const int newestBefore = before.size() > 0 ? before.at(before.size() - 1) : 0;
    if (newestBefore > 0) {
        flags |= NoxCoupRecord::ProfitPositive;
    }
    const TrendBefore trendBeforeRecord = trendBefore(before, newestBefore, win);

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
    if (!std::isnan(tendency) && tendency > threshold() && trendSignal(trendBeforeRecord)) {
        flags |= NoxCoupRecord::TendencySignal;
    }

    if (win) {
        // Only a win changes the histogram and the win count the block is made of.
        recomputeBlocks();
    }
    if (win && m_blockMin <= gap && gap <= m_blockMax && isDominantBucket(gap)) {
        flags |= NoxCoupRecord::DominantWin;
    }
    if (m_dominantConfirmed) {
        flags |= NoxCoupRecord::DominantConfirmed;
    }
    m_records.last().flags = quint8(flags);
    advanceRuns(tendency, flags);
    if (m_newestTailValid) {
        if (m_newestTail.size() >= 2 * m_newestTailCapacity) {
            m_newestTail.removeFirst(m_newestTail.size() - m_newestTailCapacity);
        }
        // The record as recordAt() would decode it: the stored code gives back this very
        // tendency, and a win's gap is the one it closed.
        NoxCoupRecord rec;
        rec.value = value;
        rec.numbers = numbers;
        rec.tendency = std::isnan(tendency) ? kNaN : tendency;
        rec.gap = gap;
        rec.flags = flags;
        m_newestTail.append(rec);
    }
    if (stop) {
        m_active.store(false);
    }
}

void NoxMethodState::popRecord()
{
    resetSlidSums(); // the curve loses points: its windows are summed anew
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
        m_closedTail.truncate(std::max(qsizetype(0), m_closedTail.size() - (gap + 2)));
        const int needed = std::min(m_closedSize, closedTailCapacity());
        if (m_closedTail.size() < needed) {
            m_closedTail.assign(closedPoints(needed));
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
    recountRuns();
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
    std::lock_guard lock(m_method->mutex());
    const QList<NoxBetItemID> &items = m_method->itemsToPlay();
    const QList<int> &covered = m_method->coveredNumbers();
    const bool inBlock = m_blockMin <= m_openGap && m_openGap <= m_blockMax;
    const bool inDominantBlock = inBlock && isDominantBucket(m_openGap);
    const bool coversZero = zeroOption() || m_method->covers(0);
    // Only publish() writes the copy, always under the method mutex held here: it can be
    // compared without the publish lock. An unchanged proposal is not written again (nor its
    // lists copied to find out).
    const NoxMethodProposal &old = m_published;
    if (old.centerNumber == m_method->centerNumber() && old.inBlock == inBlock &&
        old.inDominantBlock == inDominantBlock && old.neutralZeroProfile == m_profile->neutralZero &&
        old.coversZero == coversZero && noxSameList(old.items, items) &&
        noxSameList(old.coveredNumbers, covered)) {
        return;
    }
    NoxMethodProposal p;
    p.items = items;
    p.coveredNumbers = covered;
    p.centerNumber = m_method->centerNumber();
    p.inBlock = inBlock;
    p.inDominantBlock = inDominantBlock;
    p.neutralZeroProfile = m_profile->neutralZero;
    p.coversZero = coversZero;
    QMutexLocker publishLock(&m_publishLock);
    m_published = std::move(p);
}

NoxMethodProposal NoxMethodState::proposal() const
{
    QMutexLocker lock(&m_publishLock);
    return m_published;
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
    recountRuns(); // the high run is read against the threshold
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
    recountRuns();
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

} // namespace Nox
