#pragma once

#include "core/noxchunkedlist.h"
#include "core/noxcouprecord.h"
#include "core/noxenums.h"
#include "core/noxlistequal.h"
#include "core/noxslidinglist.h"
#include "core/noxstatisticsprofile.h"

#include <QHash>
#include <QList>
#include <QMutex>
#include <QPair>
#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <atomic>
#include <memory>

namespace Nox {

class NoxMethod;
class NoxMethodInterface;
class NoxMethodMetrics;
class NoxSnapshotContext;

/// What the bet aggregation needs of a state, published after every change so that it can
/// be read without the method mutex while another thread processes the method.
struct NoxMethodProposal {
    QList<NoxBetItemID> items;
    QList<int> coveredNumbers;
    int centerNumber = -1;
    bool inBlock = false;
    bool inDominantBlock = false;
    bool neutralZeroProfile = false;
    bool coversZero = false;

    /// What is staked: the items, or in number mode the covered numbers as pleins.
    [[nodiscard]] QList<NoxBetItemID> playedItems(bool numberMode) const
    {
        if (!numberMode) {
            return items;
        }
        QList<NoxBetItemID> numbers;
        numbers.reserve(coveredNumbers.size());
        for (int n : coveredNumbers) {
            numbers.append(NoxBetItemID(n));
        }
        return numbers;
    }

    bool operator==(const NoxMethodProposal &other) const
    {
        return centerNumber == other.centerNumber && inBlock == other.inBlock &&
               inDominantBlock == other.inDominantBlock && neutralZeroProfile == other.neutralZeroProfile &&
               coversZero == other.coversZero && noxSameList(items, other.items) &&
               noxSameList(coveredNumbers, other.coveredNumbers);
    }

    /// A zero that the proposal does not cover, under a profile where it is neutral.
    [[nodiscard]] bool isNeutralZero(int value) const
    {
        return neutralZeroProfile && value == 0 && !coversZero;
    }
};

/// The statistics the engine keeps beside one method: the coups in which the method had a
/// proposal, the gaps between wins, the block of usual gaps with its dominant gaps, the
/// flat-stake profit curve and the tendency (its slope).
///
/// The statistics are defined as recomputations over the whole history; they are kept
/// incrementally here (prefix sums of the covered numbers, the closed-gap list with a running
/// maximum, the histogram, the closed part of the profit curve) so that a coup costs the same
/// whatever the history length. Every window-based value walks at most its window. A state is
/// kept for every method of the catalogue, so the per-record storage is packed and chunked.
///
/// Thread rules: every per-state operation and every read takes the method's mutex (it is
/// recursive, so an automatic method may read its own state through the state list). The
/// flags that the engine's aggregation reads under the engine lock (active, play mode, zero
/// option, number mode) are atomics, and the proposal is read from a published copy, so the
/// aggregation never waits for a method being processed.
class NoxMethodState
{
public:
    enum PlayMode { NormalList = 1, QuickList = 2, SplitView = 4 };
    enum SignalMask {
        SignalDouble0 = 1,
        SignalBlocks = 2,
        SignalEcartMax = 4,
        SignalTendanceBack = 8,
        SignalBlocDominantConfirme = 32,
        CompteurME = 64,
        SignalScores = 128
    };
    /// The detection bits of a method's list row ("flags"), see detectionFlags().
    enum DetectionFlag {
        DetectInBlock = 0x1,         ///< the current gap lies in the block
        DetectInDominantBlock = 0x2, ///< the current gap is one of the dominant gaps
        DetectRatioSignal = 0x10,    ///< short-term win ratio − theoretical ratio ≥ ratio margin
        DetectProfitPositive = 0x20, ///< the newest record was made with a positive profit
        DetectNewestWin = 0x800      ///< the newest record is a win
    };
    static constexpr int kHistogramCap = 30;

    /// Takes ownership of the method.
    explicit NoxMethodState(NoxMethod *method,
                            const NoxStatisticsProfile *profile = &NoxStatisticsProfile::profileA());
    ~NoxMethodState();

    NoxMethodState(const NoxMethodState &) = delete;
    NoxMethodState &operator=(const NoxMethodState &) = delete;

    [[nodiscard]] NoxMethod *method() const { return m_method.get(); }

    // --- Per-state operations (engine task or method pool threads) ---------------------------
    /// Evaluates the previous proposal against value, updates the statistics, then lets the
    /// method commit and propose anew. The coup's position is context.count() - 1.
    void processValue(int value, NoxSnapshotContext &context);
    /// Undoes the last value; context holds the shortened history.
    void unplayValue(int value, NoxSnapshotContext &context);
    void resetState(bool deactivate, NoxSnapshotContext &context);
    void refreshState(NoxSnapshotContext &context);
    /// Publishes the method's current proposal for the aggregation (done by every operation).
    void publish();
    [[nodiscard]] NoxMethodProposal proposal() const;
    /// Calls f with the published proposal under its lock, without copying it: f must be
    /// short and must not take any other lock.
    template<typename F>
    void withProposal(F &&f) const
    {
        QMutexLocker lock(&m_publishLock);
        f(std::as_const(m_published));
    }
    /// Invalidates every cached value. The word carries a generation above the valid bits, so
    /// a value computed while the state changed is never marked valid afterwards.
    void clearCache();
    [[nodiscard]] int cacheValid() const
    {
        return int(m_cacheValid.load(std::memory_order_relaxed) & kValidMask);
    }

    // --- Options ------------------------------------------------------------------------------
    // Each setter returns true when the value changed.
    [[nodiscard]] bool isActive() const { return m_active.load(); }
    bool setActive(bool active);
    [[nodiscard]] int playModeFlags() const { return m_playModeFlags.load(); }
    bool setPlayModeFlag(int bit, bool on);
    [[nodiscard]] bool zeroOption() const { return m_zeroOption.load(); }
    bool setZeroOption(bool on);
    [[nodiscard]] bool numberMode() const { return m_numberMode.load(); }
    bool setNumberMode(bool on);
    [[nodiscard]] int nbBlockDom() const;
    bool setNbBlockDom(int count); ///< negative: the method's default
    [[nodiscard]] bool useNotif() const;
    bool setUseNotif(bool on);
    [[nodiscard]] int ecartNotif() const;
    bool setEcartNotif(int threshold); ///< negative: the method's default
    [[nodiscard]] bool useCustomBlock() const;
    bool setUseCustomBlock(bool on);
    [[nodiscard]] int customBlockMin() const;
    bool setCustomBlockMin(int gap); ///< raises the maximum to it when lower
    [[nodiscard]] int customBlockMax() const;
    bool setCustomBlockMax(int gap); ///< lowers the minimum to it when higher
    [[nodiscard]] double tendencyOffset() const;
    bool setTendencyOffset(double offset);
    [[nodiscard]] double ratioMargin() const;
    void setRatioMargin(double margin);
    [[nodiscard]] int shortTermWindow() const;
    bool setShortTermWindow(int window);
    [[nodiscard]] int signalMask() const;
    bool setSignalMask(int mask);
    [[nodiscard]] const NoxStatisticsProfile *profile() const;
    void setProfile(const NoxStatisticsProfile *profile);
    [[nodiscard]] bool ratioSignalFlag() const { return m_ratioSignal.load(); }
    [[nodiscard]] bool tendencySignalFlag() const { return m_tendencySignal.load(); }
    void setScoreSignalFlags(bool ratio, bool tendency);

    // --- Statistics (any thread) --------------------------------------------------------------
    [[nodiscard]] int historyLength() const;
    [[nodiscard]] QList<NoxCoupRecord> history() const;
    /// The newest `count` records (all of them when there are fewer), oldest first.
    [[nodiscard]] QList<NoxCoupRecord> newestRecords(int count) const;
    /// At least the newest `count` records (all of them when there are fewer, at most 4096),
    /// oldest first, without a copy. The caller holds the method mutex and reads the list
    /// before releasing it.
    [[nodiscard]] const NoxSlidingList<NoxCoupRecord> &newestTail(int count) const
    {
        // Every metrics view asks at every coup: the decoded tail is usually long enough.
        if (m_newestTailValid && count >= 0 && count <= m_newestTailCapacity &&
            (m_newestTail.size() >= count || m_newestTail.size() >= m_records.size())) {
            return m_newestTail;
        }
        return refreshNewestTail(count);
    }
    [[nodiscard]] NoxCoupRecord record(int index) const; ///< index from the oldest; -1 = newest
    [[nodiscard]] int ecart() const;
    [[nodiscard]] int nbWins() const;
    [[nodiscard]] int neutralZeros() const;
    [[nodiscard]] int numbersSum() const;
    [[nodiscard]] int ecartMax() const;
    [[nodiscard]] double ecartMoyen() const;
    [[nodiscard]] double ecartMoyenCt() const; ///< the short-term gap mean
    [[nodiscard]] double winRatio() const;
    [[nodiscard]] double shortTermWinRatio() const;
    [[nodiscard]] int shortTermWins() const; ///< wins among the short-term window
    [[nodiscard]] double nbNumMoyen() const;
    [[nodiscard]] double ratioTheorique() const;
    [[nodiscard]] QList<int> gapList(bool withOpenGap) const;
    [[nodiscard]] QList<int> ecarts(bool withOpenGap) const;
    [[nodiscard]] QList<int> doms() const;
    [[nodiscard]] int blockMin() const;
    [[nodiscard]] int blockMax() const;
    [[nodiscard]] bool inBlock() const;
    [[nodiscard]] bool inDominantBlock() const;
    [[nodiscard]] double tendanceValue() const; ///< newest record's tendency, NaN when none
    /// The profile's tendency threshold plus the state's offset: a tendency above it is high.
    [[nodiscard]] double tendencyThreshold() const;
    [[nodiscard]] NoxTendance tendance() const;
    [[nodiscard]] double tendancePercent() const;
    /// Tendency-back level (NoxTendance as int) and its count.
    [[nodiscard]] QPair<int, int> chartTendance() const;
    [[nodiscard]] QList<NoxTendance> gapTendances() const;
    [[nodiscard]] int blocksSignalLevel() const;
    [[nodiscard]] bool doubleSignal() const;
    [[nodiscard]] bool doubleConfirmedSignal() const;
    [[nodiscard]] int dominantConfirmationLevel(int maximum = 3) const;
    [[nodiscard]] int compteurMECount() const;
    [[nodiscard]] bool counterSignal() const;
    /// DetectionFlag bits of the current state; computed once per state update.
    [[nodiscard]] int detectionFlags() const;
    /// The metrics the orderings score with, computed at most once per state update (every
    /// automatic method and every sort of a coup shares them).
    [[nodiscard]] std::shared_ptr<const NoxMethodMetrics> metrics() const;
    /// The flat-stake profit curve, with or without the repeated open gap (charts, tests).
    [[nodiscard]] QList<int> profitCurve(bool repeatedOpenGap) const;

private:
    friend class NoxMethodMetrics; // reads one view under a single lock

    struct Curve;

    [[nodiscard]] double winRatioLocked() const;
    [[nodiscard]] double ratioTheoriqueLocked() const;
    [[nodiscard]] double ecartMoyenLocked() const;
    [[nodiscard]] double shortTermWinRatioLocked() const;

    void appendRecord(int value, int position);
    void popRecord();
    void recomputeBlocks();
    void clearDerived();
    void accountRecord(qsizetype index);
    [[nodiscard]] NoxCoupRecord recordAt(qsizetype index) const;
    [[nodiscard]] QList<NoxCoupRecord> decodeRecords(qsizetype first) const;
    [[nodiscard]] bool isWinAt(qsizetype index) const
    {
        return (m_records.at(index).flags & NoxCoupRecord::Win) != 0;
    }
    void rebuildDerived();
    void runMethod(NoxSnapshotContext &context, bool commit);
    void finishOperation();

    [[nodiscard]] Curve curve(bool repeatedOpenGap) const;
    /// The covered-number count of the first `records` records (read from the numbers tail
    /// unless the closed part of the curve consumed them already).
    [[nodiscard]] int numbersPrefixAt(qsizetype records) const
    {
        return records >= m_curveConsumed ? m_numbersTail.at(records - m_curveConsumed)
                                          : consumedNumbersPrefix(records);
    }
    [[nodiscard]] int consumedNumbersPrefix(qsizetype records) const;
    /// The closed points kept: the trend lines read up to two windows back, the tendency one.
    [[nodiscard]] int closedTailCapacity() const
    {
        return 2 * std::max({m_profile->trendWindow, 30, m_profile->tendencyWindow}) + 2;
    }
    [[nodiscard]] QList<int> closedPoints(int count) const;
    void consumeNumbersTail(int records);
    void restoreNumbersTail(int records);
    /// Exact sums Σy and Σi·y, with i the curve index, over the curve points
    /// [first, first + count); first is -1 when they are to be summed anew.
    struct SlidSums {
        int first = -1;
        int count = 0;
        qint64 sum = 0;
        qint64 moment = 0;
    };
    /// Brings `sums` to the points [first, first + count) of c. A curve point never changes
    /// once it exists while records are only appended (the open gap's points become the closed
    /// ones with the same values), so the sums of the previous range are corrected by the points
    /// that left it and the ones that came in; an undo or a rebuild resets them.
    static void slide(SlidSums &sums, const Curve &c, int first, int count);
    void resetSlidSums();
    /// What the trend lines read of the curve before a record: the lines' lengths, the newest
    /// point, and the points past the ones the curve keeps (those of the open gap's second walk,
    /// which a win changes). A win moves the stored tails, so those points are copied before it
    /// is recorded; otherwise the curve before the record can still be read.
    struct TrendBefore {
        int n = 0;                    ///< the curve's size
        int a = 0;                    ///< line 1's points, the newest; 0: no lines
        int b = 0;                    ///< line 2's points, just before them
        int stable = 0;               ///< its first points, which the curve keeps as records are appended
        int newest = 0;               ///< its newest point
        const Curve *curve = nullptr; ///< the curve before the record, while it can be read
        QVarLengthArray<int, 64> extension; ///< else its points [max(n - a - b, stable), n)
    };
    [[nodiscard]] TrendBefore trendBefore(const Curve &before, int newest, bool win) const;
    /// The trend lines' signal over the curve before the record just appended, with its open
    /// gap walked twice: the lines' sums are slid over the points the curve kept.
    [[nodiscard]] bool trendSignal(const TrendBefore &t);
    [[nodiscard]] double tendencyOfCurve(qint64 *numerator = nullptr, int *window = nullptr);
    [[nodiscard]] double tendencyAt(qsizetype index) const;
    [[nodiscard]] double decodeTendency(qint32 code) const;
    void storeTendency(qsizetype index, double tendency, qint64 numerator, int window);
    void resetTendencyCoding();
    [[nodiscard]] int dominantLevelLocked(int maximum) const;
    [[nodiscard]] bool gapIsDominant(int gap) const;
    /// Whether `gap` is one of the dominant gaps, wherever the block lies.
    [[nodiscard]] bool isDominantBucket(int gap) const
    {
        return gap >= 0 && gap <= kHistogramCap && (m_domBits >> gap) & 1u;
    }
    [[nodiscard]] int windowLength() const;
    /// Adds (sign 1) or takes off (sign -1) one record's counts in the short-term window.
    void countInWindow(qsizetype index, int sign)
    {
        const unsigned flags = m_records.at(index).flags;
        m_windowWins += (flags & NoxCoupRecord::Win) ? sign : 0;
        m_windowNeutrals += (flags & NoxCoupRecord::NeutralZero) ? sign : 0;
    }
    void recountWindow();
    /// The records the runs walk back over from the newest: the short-term window.
    [[nodiscard]] int runRange() const;
    /// Moves the runs on by the newest record (just appended).
    void advanceRuns(double tendency, unsigned flags);
    /// Walks the runs anew, after a change that is not an append.
    void recountRuns();
    [[nodiscard]] double threshold() const { return m_profile->tendencyThreshold + m_tendencyOffset; }
    [[nodiscard]] NoxTendance tendanceOf(double x) const;
    [[nodiscard]] int histogramSize() const { return m_histogramSize; }

    template<typename T, typename F>
    T cached(unsigned bit, T &slot, F compute) const;

    std::unique_ptr<NoxMethod> m_method;
    NoxMethodInterface *m_interface; ///< the method's coup interface, if it has one
    const NoxStatisticsProfile *m_profile;

    // History, packed: a record costs 8 bytes (its gap is the closed gap of its win, kept in
    // m_gaps, and its tendency is coded).
    struct PackedRecord {
        qint16 value;
        quint8 numbers;
        quint8 flags;
    };
    NoxChunkedList<PackedRecord> m_records;
    // A tendency is the factor times the least-squares slope of the window, whose numerator is
    // an integer: the code is that numerator whenever it gives back the very same double (the
    // usual case), else the double is kept in m_tendencyExceptions.
    NoxChunkedList<qint32> m_tendencyCodes;
    QHash<qsizetype, double> m_tendencyExceptions;
    int m_codeFactor = 0;
    int m_codeWindow = 0;
    // History position of each record, for undo, as runs of consecutive positions: a run
    // starts at a record (first) whose position (second) does not follow its predecessor's.
    QList<QPair<int, int>> m_positionRuns;
    // Prefix sums of the covered-number counts from the first record the closed part of the
    // profit curve has not consumed on: element i = sum over the first m_curveConsumed + i
    // records (older sums are recomputed from the records when an undo needs them).
    NoxSlidingList<int> m_numbersTail;
    int m_neutralCount = 0;
    // Wins and neutral zeros among the newest windowLength() records, kept as records come
    // and go.
    int m_windowWins = 0;
    int m_windowNeutrals = 0;

    // The runs of newest records that the orderings score with, each with its wins, inside the
    // short-term window: records above the tendency threshold, records with the trend signal,
    // records whose tendency is not negative. Moved on by each append, walked anew otherwise.
    struct NewestRun {
        int length = 0;
        int wins = 0;
    };
    NewestRun m_highRun;
    NewestRun m_fireRun;
    NewestRun m_hitsRun;

    // Closed gaps in order, the record of each win and the maximum of the gaps.
    NoxChunkedList<int> m_gaps;
    NoxChunkedList<int> m_winRecords;
    int m_gapMax = 0;
    int m_openGap = 0;
    std::array<int, kHistogramCap + 1> m_buckets{};
    int m_histogramSize = 0;

    // Closed part of the profit curve: its length, its newest points (enough for every window
    // that reads the curve; the older ones are recomputed from the records when needed) and the
    // records it consumed.
    int m_closedSize = 0;
    NoxSlidingList<int> m_closedTail;
    int m_curveConsumed = 0;
    // The exact sums of the tendency window and of the two trend lines (the newest points,
    // then the ones before them), slid from coup to coup.
    SlidSums m_tendencySums;
    std::array<SlidSums, 2> m_trendSums;

    int m_blockMin = 0;
    int m_blockMax = 0;
    QList<int> m_doms;
    quint32 m_domBits = 0; ///< bit b set when bucket b is one of m_doms
    int m_blockWidth = 1;  ///< the block search's last width, where the next one starts
    /// The dominant block is confirmed (dominantLevelLocked(1) > 0): it follows the gaps and the
    /// block, which every change of the gaps recomputes, so it is taken there.
    bool m_dominantConfirmed = false;

    std::atomic<bool> m_active{false};
    std::atomic<int> m_playModeFlags{NormalList};
    std::atomic<bool> m_zeroOption{false};
    std::atomic<bool> m_numberMode{false};
    int m_nbBlockDom;
    bool m_useNotif = false;
    int m_ecartNotif;
    bool m_useCustomBlock = false;
    int m_customBlockMin = 0;
    int m_customBlockMax = 0;
    int m_resultCount;
    int m_pleinPayout;
    double m_tendencyOffset = 0.0;
    double m_ratioMargin = 4.0;
    int m_signalMask = 0;
    int m_shortTermWindow;
    // Marks written by automatic methods while they hold their own mutex: atomics, so that
    // marking never takes another method's lock.
    std::atomic<bool> m_ratioSignal{false};
    std::atomic<bool> m_tendencySignal{false};

    mutable QMutex m_publishLock;
    NoxMethodProposal m_published;

    static constexpr unsigned kValidMask = 0xffffu;
    static constexpr unsigned kGenerationStep = 0x10000u;
    mutable std::atomic<unsigned> m_cacheValid{0};
    mutable int m_cacheDominant3 = 0;
    mutable QPair<int, int> m_cacheChartTendance;
    mutable int m_cacheCompteurME = 0;
    mutable int m_cacheBlocksSignal = 0;
    mutable bool m_cacheDoubleConfirmed = false;
    mutable int m_cacheDetectionFlags = 0;
    mutable std::shared_ptr<const NoxMethodMetrics> m_cacheMetrics;
    // The newest records decoded, for the metrics views that read them at every coup: between
    // m_newestTailCapacity and twice as many records, extended by appendRecord and rebuilt after
    // any other change to the records. The capacity grows with the longest window asked for.
    static constexpr qsizetype kNewestTailLimit = 4096;
    [[nodiscard]] const NoxSlidingList<NoxCoupRecord> &refreshNewestTail(int count) const;
    mutable NoxSlidingList<NoxCoupRecord> m_newestTail;
    mutable qsizetype m_newestTailCapacity = 64;
    mutable bool m_newestTailValid = false;
    // The mean tendency of each closed gap, filled in by gapTendances() as far as it was asked.
    mutable QList<double> m_gapMeans;
};

} // namespace Nox
