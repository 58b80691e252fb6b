#include "methods/noxmethodmetrics.h"

#include "engine/noxmethod.h"
#include "engine/noxmethodstate.h"
#include "engine/noxstatisticsprofile.h"

#include <cmath>

namespace Nox {

NoxMethodMetrics::NoxMethodMetrics(const NoxMethodState &state)
    : m_state(&state)
    , m_lock(state.method()->mutex()) // one view: the state's getters take the same (recursive) mutex
{
    m_window = state.shortTermWindow();
    m_threshold = state.tendencyThreshold();
    m_resultCount = state.profile()->resultCount;
    m_ratioMargin = state.ratioMargin();
    m_ecart = state.ecart();
    m_useNotif = state.useNotif();
    m_ecartNotif = state.ecartNotif();
    m_signalMask = state.signalMask();
    m_automatic = state.method()->type() == NoxMethodType::automatic;
    m_active = state.isActive();
}

const QList<NoxCoupRecord> &NoxMethodMetrics::records() const
{
    if (!m_history) {
        m_history = m_state->history();
    }
    return *m_history;
}

int NoxMethodMetrics::ecartMax() const
{
    return lazy(m_ecartMax, [this] { return m_state->ecartMax(); });
}

double NoxMethodMetrics::ecartMoyen() const
{
    return lazy(m_ecartMoyen, [this] { return m_state->ecartMoyen(); });
}

double NoxMethodMetrics::ecartMoyenCt() const
{
    return lazy(m_ecartMoyenCt, [this] { return m_state->ecartMoyenCt(); });
}

NoxTendance NoxMethodMetrics::tendance() const
{
    return lazy(m_tendance, [this] { return m_state->tendance(); });
}

int NoxMethodMetrics::chartTendance() const
{
    return lazy(m_chartTendance, [this] { return m_state->chartTendance(); }).first;
}

int NoxMethodMetrics::chartTendanceCount() const
{
    return lazy(m_chartTendance, [this] { return m_state->chartTendance(); }).second;
}

int NoxMethodMetrics::compteurMECount() const
{
    return lazy(m_compteurME, [this] { return m_state->compteurMECount(); });
}

bool NoxMethodMetrics::counterSignal() const
{
    return lazy(m_counterSignal, [this] { return m_state->counterSignal(); });
}

int NoxMethodMetrics::numbersSum() const
{
    return lazy(m_numbersSum, [this] { return m_state->numbersSum(); });
}

double NoxMethodMetrics::winRatio() const
{
    return lazy(m_winRatio, [this] { return m_state->winRatio(); });
}

double NoxMethodMetrics::ratioTheorique() const
{
    return lazy(m_ratioTheorique, [this] { return m_state->ratioTheorique(); });
}

double NoxMethodMetrics::shortTermWinRatio() const
{
    return lazy(m_shortTermWinRatio, [this] { return m_state->shortTermWinRatio(); });
}

int NoxMethodMetrics::shortTermWins() const
{
    return lazy(m_shortTermWins, [this] { return m_state->shortTermWins(); });
}

bool NoxMethodMetrics::newestIsWin() const
{
    return !records().isEmpty() && records().last().isWin();
}

bool NoxMethodMetrics::newestAboveThreshold() const
{
    if (records().isEmpty()) {
        return false;
    }
    const double x = records().last().tendency;
    return !std::isnan(x) && x > m_threshold;
}

qsizetype NoxMethodMetrics::windowStart() const
{
    return std::max<qsizetype>(0, records().size() - std::max(0, m_window));
}

int NoxMethodMetrics::highRunLength() const
{
    int length = 0;
    for (qsizetype i = records().size() - 1; i >= windowStart(); --i) {
        const double x = records().at(i).tendency;
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
    for (qsizetype i = records().size() - 1; i >= records().size() - count; --i) {
        wins += records().at(i).isWin() ? 1 : 0;
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
    return signal && ecartMax() > 0 && m_ecart >= ecartMax() ? 2000.0 : 0.0;
}

double NoxMethodMetrics::score() const
{
    double total = 0;
    const int n = int(records().size());
    const double mean = n > 0 ? double(numbersSum()) / n : 0.0;
    if (n >= 1 && mean != 0.0) {
        total += (winRatio() - ratioTheorique()) * (m_resultCount / 2) / mean * 10.0;
        const double x = records().last().tendency;
        if (std::isnormal(x)) {
            total += x;
        }
        const int g = std::max(m_ecart, ecartMax());
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
    return (shortTermWinRatio() - ratioTheorique()) * 10.0;
}

double NoxMethodMetrics::scoreCt() const
{
    double total = ratioScore();
    if (shortTermWinRatio() - ratioTheorique() >= m_ratioMargin && newestAboveThreshold()) {
        total += 100.0 * winsInNewest(highRunLength());
    }
    return total + notificationBonus();
}

double NoxMethodMetrics::tendanceValue() const
{
    if (records().isEmpty() || std::isnan(records().last().tendency)) {
        return 0.0;
    }
    return records().last().tendency;
}

int NoxMethodMetrics::pastilles(bool *fall) const
{
    const int run = highRunLength();
    if (fall) {
        *fall = run > 0 && records().at(records().size() - run).has(NoxCoupRecord::InBlock);
    }
    return run > 0 ? winsInNewest(run - 1) : 0;
}

int NoxMethodMetrics::fire() const
{
    int wins = 0;
    for (qsizetype i = records().size() - 1; i >= windowStart(); --i) {
        const NoxCoupRecord &rec = records().at(i);
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
    const qsizetype stop = std::max<qsizetype>(0, records().size() - std::max(0, m_window));
    for (qsizetype i = records().size() - 1; i >= stop; --i) {
        const NoxCoupRecord &rec = records().at(i);
        if (rec.tendency < 0) { // false for NaN: a missing tendency does not stop the walk
            break;
        }
        wins += rec.isWin() ? 1 : 0;
    }
    return wins;
}

double NoxMethodMetrics::viseur() const
{
    int v = shortTermWins();
    if (v < 3) {
        return 0.0;
    }
    int e = 0;
    int f = 0;
    const bool high = newestAboveThreshold();
    if (high) {
        for (qsizetype i = records().size() - 1; i >= windowStart(); --i) {
            const NoxCoupRecord &rec = records().at(i);
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
