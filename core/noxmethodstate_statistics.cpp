// NoxMethodState: the statistics read from the records: blocks and dominant gaps, the
// short-term window, gaps and ratios, the tendency levels and the signals.

#include "core/noxmethodstate.h"

#include "core/noxmethod.h"
#include "core/noxmethodstate_p.h"

#include <QMutexLocker>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace Nox {

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
    std::array<int, kHistogramCap + 2> prefix; // only [0, size] is read
    prefix[0] = 0;
    for (int b = 0; b < size; ++b) {
        prefix[std::size_t(b) + 1] = prefix[std::size_t(b)] + m_buckets[std::size_t(b)];
    }
    // The block is the last window of the narrowest width whose best window reaches the
    // target. Whether a width reaches it only grows with the width, so the search starts at
    // the width found last time (a coup moves it by one at most, usually not at all) and
    // scans one or two widths instead of all the narrower ones.
    const auto lastReaching = [&](int w) {
        for (int s = size - w; s >= 0; --s) {
            if (prefix[std::size_t(s + w)] - prefix[std::size_t(s)] >= target) {
                return s;
            }
        }
        return -1;
    };
    if (const int top = std::min(maxWidth, size); top >= 1) {
        int w = std::clamp(m_blockWidth, 1, top);
        int last = lastReaching(w);
        if (last >= 0) {
            for (int narrower; w > 1 && (narrower = lastReaching(w - 1)) >= 0;) {
                --w;
                last = narrower;
            }
        } else {
            while (w < top && last < 0) {
                last = lastReaching(++w);
            }
        }
        if (last >= 0) {
            m_blockWidth = w;
            start = last;
            end = last + w - 1;
            reached = true;
        }
    }
    // Not reached within the widths: the widest best window, as the scan of every width leaves it.
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

    // The dominant gaps, the fullest buckets of the block in order (the first of equals): one
    // pass over the block keeps the m_nbBlockDom fullest in that order, each bucket going after
    // those at least as full. The list is only rewritten when the picks changed.
    std::array<int, kHistogramCap + 1> doms;
    int domCount = 0;
    const int keep = std::clamp(m_nbBlockDom, 0, kHistogramCap + 1);
    for (int b = m_blockMin; b <= m_blockMax && keep > 0; ++b) {
        const int count = m_buckets[std::size_t(b)];
        int at = domCount;
        while (at > 0 && m_buckets[std::size_t(doms[std::size_t(at - 1)])] < count) {
            --at;
        }
        if (at >= keep) {
            continue;
        }
        domCount = std::min(domCount + 1, keep);
        for (int i = domCount - 1; i > at; --i) {
            doms[std::size_t(i)] = doms[std::size_t(i - 1)];
        }
        doms[std::size_t(at)] = b;
    }
    quint32 picked = 0;
    for (int i = 0; i < domCount; ++i) {
        picked |= quint32(1) << doms[std::size_t(i)];
    }
    m_domBits = picked;
    if (m_doms.size() != domCount || !std::equal(doms.cbegin(), doms.cbegin() + domCount, m_doms.cbegin())) {
        // Written in place: the list keeps its storage unless a reader still holds a copy.
        m_doms.resize(domCount);
        std::copy(doms.cbegin(), doms.cbegin() + domCount, m_doms.begin());
    }
    if (m_profile->cutBlockAtDominant && !m_doms.isEmpty()) {
        m_blockMax = *std::max_element(m_doms.cbegin(), m_doms.cend());
    }
    m_dominantConfirmed = dominantLevelLocked(1) > 0;
}

bool NoxMethodState::gapIsDominant(int gap) const
{
    return m_blockMin <= gap && gap <= m_blockMax && isDominantBucket(gap);
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
// Statistics

int NoxMethodState::windowLength() const
{
    return std::min(m_shortTermWindow, int(m_records.size()));
}

void NoxMethodState::recountWindow()
{
    m_windowWins = 0;
    m_windowNeutrals = 0;
    for (qsizetype i = m_records.size() - windowLength(); i < m_records.size(); ++i) {
        countInWindow(i, 1);
    }
}

int NoxMethodState::runRange() const
{
    return m_shortTermWindow >= 1 ? windowLength() : 0;
}

namespace {

/// One run moved on by the newest record: it grows while its records pass, up to the range,
/// and then slides (the oldest record of the run leaves it).
template<typename Run, typename IsWin>
[[gnu::always_inline]] inline void advanceRun(Run &run, bool passes, bool win, int range, qsizetype newest,
                                              IsWin isWinAt)
{
    if (!passes) {
        run = Run{};
        return;
    }
    if (run.length < range) {
        ++run.length;
        run.wins += win ? 1 : 0;
        return;
    }
    // Full: the range did not grow, and the record `range` back from the newest left.
    run.wins += (win ? 1 : 0) - (range > 0 && isWinAt(newest - range) ? 1 : 0);
}

} // namespace

void NoxMethodState::advanceRuns(double tendency, unsigned flags)
{
    const int range = runRange();
    const qsizetype newest = m_records.size() - 1;
    const bool win = (flags & NoxCoupRecord::Win) != 0;
    const auto isWin = [this](qsizetype i) {
        return isWinAt(i);
    };
    advanceRun(m_highRun, !std::isnan(tendency) && tendency > threshold(), win, range, newest, isWin);
    advanceRun(m_fireRun, (flags & NoxCoupRecord::TendencySignal) != 0, win, range, newest, isWin);
    advanceRun(m_hitsRun, !(tendency < 0), win, range, newest, isWin); // a missing tendency passes
}

void NoxMethodState::recountRuns()
{
    m_highRun = {};
    m_fireRun = {};
    m_hitsRun = {};
    const qsizetype n = m_records.size();
    const qsizetype oldest = n - runRange();
    const double limit = threshold();
    bool high = true;
    bool fire = true;
    bool hits = true;
    for (qsizetype i = n - 1; i >= oldest && (high || fire || hits); --i) {
        const unsigned flags = m_records.at(i).flags;
        const int win = (flags & NoxCoupRecord::Win) ? 1 : 0;
        const double x = tendencyAt(i);
        high = high && !std::isnan(x) && x > limit;
        fire = fire && (flags & NoxCoupRecord::TendencySignal);
        hits = hits && !(x < 0);
        if (high) {
            ++m_highRun.length;
            m_highRun.wins += win;
        }
        if (fire) {
            ++m_fireRun.length;
            m_fireRun.wins += win;
        }
        if (hits) {
            ++m_hitsRun.length;
            m_hitsRun.wins += win;
        }
    }
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
            if (isDominantBucket(m_openGap)) {
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
