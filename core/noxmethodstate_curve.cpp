// NoxMethodState: the profit curve, its tendency and trend signal, and the derived figures
// (gaps, histogram, curve tails) each record adds.

#include "core/noxmethodstate.h"

#include "core/noxmethod.h"
#include "core/noxmethodstate_p.h"

#include <QMutexLocker>
#include <QVarLengthArray>

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace Nox {

namespace {

// Least-squares slope of (x, y) points; a non-finite slope counts as 0.
struct Fit {
    double slope = 0.0;
    double intercept = 0.0;
    qint64 numerator = 0; ///< k·Σxy − Σx·Σy, the slope's exact numerator
};

[[gnu::always_inline]] inline Fit fitOfSums(int firstPosition, int count, qint64 isy, qint64 isiy,
                                            bool withIntercept);

/// The fit of `count` points at positions firstPosition... from their exact sums Σy and Σi·y
/// (i from 0): the same double whether the sums were walked or slid.
[[gnu::always_inline]] inline Fit fitOfSums(int firstPosition, int count, qint64 isy, qint64 isiy,
                                            bool withIntercept)
{
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
    if (!withIntercept) {
        return fit; // the tendency reads the slope alone
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

// ---------------------------------------------------------------------------------------------
// Profit curve and tendency

int NoxMethodState::Curve::olderPoint(int i) const
{
    return state->closedPoints(closedSize - i).first();
}

double NoxMethodState::tendencyOfCurve(qint64 *numerator, int *window)
{
    const Curve c = curve(false);
    const int n = c.size();
    if (n < m_profile->tendencyMinPoints || n == 0) {
        return kNaN;
    }
    const int k = std::min(m_profile->tendencyWindow, n);
    const int first = n - k;
    slide(m_tendencySums, c, first, k);
    const Fit fit = fitOfSums(first + 1, k, m_tendencySums.sum,
                              m_tendencySums.moment - qint64(first) * m_tendencySums.sum, false);
    if (numerator && window) {
        // The slope's integer numerator, for the coded storage.
        *numerator = fit.numerator;
        *window = k;
    }
    return m_profile->tendencyFactor * fit.slope;
}

// Inlined: the tendency slides it at every record, by a point or two.
[[gnu::always_inline]] inline void NoxMethodState::slide(SlidSums &sums, const Curve &c, int first, int count)
{
    const int end = first + count;
    const int oldFirst = sums.first;
    const int oldEnd = sums.first + sums.count;
    // Sliding walks the points that left and came in; summing anew walks the range (a copy,
    // cheaper per point): whichever walks fewer points.
    const bool slide =
        oldFirst >= 0 && first >= oldFirst && end >= oldEnd && (first - oldFirst) + (end - oldEnd) < count;
    if (!slide) {
        QVarLengthArray<int, 64> points(count);
        c.copy(first, count, points.data());
        sums.sum = 0;
        sums.moment = 0;
        for (int i = 0; i < count; ++i) {
            sums.sum += points[i];
            sums.moment += qint64(first + i) * points[i];
        }
    } else {
        for (int i = oldFirst; i < first; ++i) {
            const int y = c.at(i);
            sums.sum -= y;
            sums.moment -= qint64(i) * y;
        }
        for (int i = oldEnd; i < end; ++i) {
            const int y = c.at(i);
            sums.sum += y;
            sums.moment += qint64(i) * y;
        }
    }
    sums.first = first;
    sums.count = count;
}

void NoxMethodState::resetSlidSums()
{
    m_tendencySums.first = -1;
    for (SlidSums &sums : m_trendSums) {
        sums.first = -1;
    }
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

NoxMethodState::TrendBefore NoxMethodState::trendBefore(const Curve &before, int newest, bool win) const
{
    TrendBefore t;
    const int n = before.size();
    const int a = n < 60 ? m_profile->trendWindow : 30;
    if (a <= 0 || n < a || n < 2 * a - 1) {
        return t; // no lines: no signal
    }
    t.n = n;
    t.a = a;
    t.b = std::min(a, n - a);
    t.newest = newest;
    // The points of the curve without the second walk of the open gap stay as they are while
    // records are appended; the second walk's may change with the next win.
    const int remaining = int(m_records.size()) - m_curveConsumed;
    t.stable = std::min(n, m_closedSize + std::min(m_openGap + 1, remaining));
    const int first = std::max(n - a - t.b, t.stable);
    if (!win) {
        t.curve = &before;
    } else if (first < n) {
        t.extension.resize(n - first);
        before.copy(first, n - first, t.extension.data());
    }
    return t;
}

bool NoxMethodState::trendSignal(const TrendBefore &t)
{
    if (t.a == 0) {
        return false;
    }
    const int n = t.n;
    const int a = t.a;
    const int b = t.b;
    const Curve c = curve(false); // its first t.stable points are the ones before the record
    const int extensionFirst = std::max(n - a - b, t.stable);
    // The fit of line `k` over the points [first, first + count): the kept points' slid sums,
    // and the second walk's points added one by one. Exact integers, converted once: the same
    // double as a fit of the copied points.
    const auto fitLine = [&](int k, int first, int count) {
        const int end = first + count;
        const int keptEnd = std::min(end, t.stable);
        SlidSums &sums = m_trendSums[std::size_t(k)];
        qint64 sy = 0;
        qint64 siy = 0;
        if (keptEnd > first) {
            slide(sums, c, first, keptEnd - first);
            sy = sums.sum;
            siy = sums.moment;
        }
        for (int i = std::max(first, t.stable); i < end; ++i) {
            const int y = t.curve ? t.curve->at(i) : t.extension[i - extensionFirst];
            sy += y;
            siy += qint64(i) * y;
        }
        return fitOfSums(first + 1, count, sy, siy - qint64(first) * sy, true);
    };
    const int first1 = n - a; // 0-based index of the first point of line 1
    const int first2 = first1 - b;
    const Fit line1 = fitLine(0, first1, a);
    if (!(line1.slope > 0)) {
        return false;
    }
    const Fit line2 = fitLine(1, first2, b);
    if (!(line2.slope > 0)) {
        return false;
    }
    const double at2 = line2.intercept + line2.slope * (n - a - 1);
    const double at1 = line1.intercept + line1.slope * (n - a);
    if (std::abs(at2 - at1) > 65) {
        return false;
    }
    return t.newest >= m_profile->trendProfitThreshold;
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

int NoxMethodState::consumedNumbersPrefix(qsizetype records) const
{
    int prefix = m_numbersTail.first();
    for (qsizetype j = m_curveConsumed; j > records; --j) {
        prefix -= m_records.at(j - 1).numbers;
    }
    return prefix;
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
    m_numbersTail.removeFirst(records);
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
    resetSlidSums();
    m_newestTailValid = false;
    m_newestTail.clear();
    m_gapMeans.clear();
    m_numbersTail.clear(); // keeps its storage for the next records
    m_numbersTail.append(0);
    m_neutralCount = 0;
    m_windowWins = 0;
    m_windowNeutrals = 0;
    m_highRun = {};
    m_fireRun = {};
    m_hitsRun = {};
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
        m_closedTail.removeFirst(m_closedTail.size() - capacity);
    }
}

void NoxMethodState::rebuildDerived()
{
    clearDerived();
    for (qsizetype i = 0; i < m_records.size(); ++i) {
        accountRecord(i);
    }
    recomputeBlocks();
    recountRuns();
}

} // namespace Nox
