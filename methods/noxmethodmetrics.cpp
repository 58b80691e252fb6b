#include "methods/noxmethodmetrics.h"

#include "engine/noxmethod.h"
#include "engine/noxmethodstate.h"
#include "engine/noxstatisticsprofile.h"

#include <algorithm>
#include <cmath>
#include <mutex>

namespace Nox {

NoxMethodMetrics::NoxMethodMetrics(const NoxMethodState &state)
{
    // One lock for the whole view: the getters below take the same (recursive) mutex.
    std::lock_guard lock(state.method()->mutex());
    m_window = state.shortTermWindow();
    // Only the newest records: every metric looks at most one window back (and at the newest
    // record), and a view of the whole history kept in the state's cache would make the state
    // copy all of it at its next coup.
    m_length = state.historyLength();
    m_history = state.newestRecords(std::max(1, m_window));
    m_threshold = state.tendencyThreshold();
    m_resultCount = state.profile()->resultCount;
    m_numbersSum = state.numbersSum();
    m_winRatio = state.winRatio();
    m_ratioTheorique = state.ratioTheorique();
    m_ratioMargin = state.ratioMargin();
    m_ecart = state.ecart();
    m_ecartMax = state.ecartMax();
    m_ecartMoyen = state.ecartMoyen();
    // The short-term figures from the copied records, as the state computes them.
    const int k = std::min(m_window, m_length);
    int wins = 0;
    int neutrals = 0;
    for (qsizetype i = m_history.size() - k; i < m_history.size(); ++i) {
        const NoxCoupRecord &rec = m_history.at(i);
        wins += rec.isWin() ? 1 : 0;
        neutrals += rec.has(NoxCoupRecord::NeutralZero) ? 1 : 0;
    }
    m_shortTermWins = wins;
    m_shortTermWinRatio = k - neutrals == 0 ? 0.0 : double(wins) / (k - neutrals) * 100.0;
    const double meanCt = (k - double(wins)) / (wins + 1);
    m_ecartMoyenCt = meanCt > 0 ? meanCt : 1.0;
    m_useNotif = state.useNotif();
    m_ecartNotif = state.ecartNotif();
    m_signalMask = state.signalMask();
    m_tendance = state.tendance();
    const QPair<int, int> chart = state.chartTendance();
    m_chartTendance = chart.first;
    m_chartTendanceCount = chart.second;
    m_compteurME = state.compteurMECount();
    m_counterSignal = state.counterSignal();
    m_detectionFlags = state.detectionFlags();
    m_automatic = state.method()->type() == NoxMethodType::automatic;
    m_active = state.isActive();
}

bool NoxMethodMetrics::newestIsWin() const
{
    return !m_history.isEmpty() && m_history.last().isWin();
}

bool NoxMethodMetrics::newestAboveThreshold() const
{
    if (m_history.isEmpty()) {
        return false;
    }
    const double x = m_history.last().tendency;
    return !std::isnan(x) && x > m_threshold;
}

qsizetype NoxMethodMetrics::windowStart() const
{
    return std::max<qsizetype>(0, m_history.size() - std::max(0, m_window));
}

int NoxMethodMetrics::highRunLength() const
{
    int length = 0;
    for (qsizetype i = m_history.size() - 1; i >= windowStart(); --i) {
        const double x = m_history.at(i).tendency;
        if (std::isnan(x) || x <= m_threshold) {
            break;
        }
        ++length;
    }
    return length;
}

int NoxMethodMetrics::winsInNewest(int count) const
{
    int wins = 0;
    for (qsizetype i = m_history.size() - 1; i >= m_history.size() - count; --i) {
        wins += m_history.at(i).isWin() ? 1 : 0;
    }
    return wins;
}

double NoxMethodMetrics::notificationBonus() const
{
    return m_useNotif && m_ecart >= m_ecartNotif ? 10000.0 : 0.0;
}

double NoxMethodMetrics::ecartMaxBonus() const
{
    const bool signal = m_signalMask & NoxMethodState::SignalEcartMax;
    return signal && m_ecartMax > 0 && m_ecart >= m_ecartMax ? 2000.0 : 0.0;
}

double NoxMethodMetrics::score() const
{
    double total = 0;
    const int n = m_length;
    const double mean = n > 0 ? double(m_numbersSum) / n : 0.0;
    if (n >= 1 && mean != 0.0) {
        total += (m_winRatio - m_ratioTheorique) * (m_resultCount / 2) / mean * 10.0;
        const double x = m_history.last().tendency;
        if (std::isnormal(x)) {
            total += x;
        }
        const int g = std::max(m_ecart, m_ecartMax);
        total += std::max(0.0, 300.0 - 135.0 * (mean / m_resultCount) * (g - 1));
        total += notificationBonus();
    }
    if (newestAboveThreshold()) {
        total += 100.0 * winsInNewest(highRunLength());
    }
    return total;
}

double NoxMethodMetrics::ratioScore() const
{
    return (m_shortTermWinRatio - m_ratioTheorique) * 10.0;
}

double NoxMethodMetrics::scoreCt() const
{
    double total = ratioScore();
    if (m_shortTermWinRatio - m_ratioTheorique >= m_ratioMargin && newestAboveThreshold()) {
        total += 100.0 * winsInNewest(highRunLength());
    }
    return total + notificationBonus();
}

double NoxMethodMetrics::tendanceValue() const
{
    if (m_history.isEmpty() || std::isnan(m_history.last().tendency)) {
        return 0.0;
    }
    return m_history.last().tendency;
}

int NoxMethodMetrics::pastilles(bool *fall) const
{
    const int run = highRunLength();
    if (fall) {
        *fall = run > 0 && m_history.at(m_history.size() - run).has(NoxCoupRecord::InBlock);
    }
    return run > 0 ? winsInNewest(run - 1) : 0;
}

int NoxMethodMetrics::fire() const
{
    int wins = 0;
    for (qsizetype i = m_history.size() - 1; i >= windowStart(); --i) {
        const NoxCoupRecord &rec = m_history.at(i);
        if (!rec.has(NoxCoupRecord::TendencySignal)) {
            break;
        }
        wins += rec.isWin() ? 1 : 0;
    }
    return wins;
}

int NoxMethodMetrics::recentHits() const
{
    int wins = 0;
    const qsizetype stop = std::max<qsizetype>(0, m_history.size() - std::max(0, m_window));
    for (qsizetype i = m_history.size() - 1; i >= stop; --i) {
        const NoxCoupRecord &rec = m_history.at(i);
        if (rec.tendency < 0) { // false for NaN: a missing tendency does not stop the walk
            break;
        }
        wins += rec.isWin() ? 1 : 0;
    }
    return wins;
}

double NoxMethodMetrics::viseur() const
{
    int v = m_shortTermWins;
    if (v < 3) {
        return 0.0;
    }
    int e = 0;
    int f = 0;
    const bool high = newestAboveThreshold();
    if (high) {
        for (qsizetype i = m_history.size() - 1; i >= windowStart(); --i) {
            const NoxCoupRecord &rec = m_history.at(i);
            const bool above = !std::isnan(rec.tendency) && rec.tendency > m_threshold;
            if (!above && v > 2) {
                break;
            }
            if (rec.isWin()) {
                e += rec.gap == 0 ? 1 : 0;
                f += rec.gap == 1 ? 1 : 0;
                --v;
            }
            if (v == (rec.isWin() ? 1 : 0)) {
                break;
            }
        }
    }
    const double base = (high ? 100.0 * e + 50.0 * f : 0.0) + ratioScore() / 10.0;
    return v < 3 ? base : base + ecartMaxBonus() + notificationBonus();
}

} // namespace Nox
