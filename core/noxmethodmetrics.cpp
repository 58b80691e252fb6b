#include "core/noxmethodmetrics.h"

#include "core/noxmethod.h"
#include "core/noxmethodstate.h"
#include "core/noxstatisticsprofile.h"

#include <algorithm>
#include <cmath>
#include <mutex>

namespace Nox {

/// The newest records of a state, oldest first, read in place under the method mutex.
struct NoxMethodMetrics::NewestView {
    const NoxCoupRecord *records = nullptr;
    qsizetype size = 0;
    qsizetype windowStart = 0; ///< the oldest record inside the short-term window
    int windowWins = 0;        ///< wins among the whole window (kept by the state)
    int windowNeutrals = 0;    ///< neutral zeros among it

    [[nodiscard]] const NoxCoupRecord &at(qsizetype i) const { return records[i]; }
};

NoxMethodMetrics::NoxMethodMetrics(const NoxMethodState &state, Scope scope)
    : m_state(&state)
{
    // One lock for the whole view; the state's fields are read directly under it.
    std::lock_guard lock(state.method()->mutex());
    m_window = state.m_shortTermWindow;
    m_length = int(state.m_records.size());
    m_threshold = state.threshold();
    m_resultCount = state.m_profile->resultCount;
    m_numbersSum = state.m_numbersTail.last();
    m_winRatio = state.winRatioLocked();
    m_ratioTheorique = state.ratioTheoriqueLocked();
    m_ratioMargin = state.m_ratioMargin;
    m_ecart = state.m_openGap;
    m_ecartMax = state.m_gapMax;
    m_ecartMoyen = state.ecartMoyenLocked();
    m_useNotif = state.m_useNotif;
    m_ecartNotif = state.m_ecartNotif;
    m_signalMask = state.m_signalMask;
    m_automatic = state.method()->type() == NoxMethodType::automatic;
    m_active = state.isActive();

    // Every record metric looks at most one window back from the newest record (at least at
    // the newest one): they are read from the state's decoded tail, without a copy, now (the
    // viseur's walk of a step's view when first asked).
    const NewestView view = newestView(state);
    m_highRun = state.m_highRun.length;
    m_highRunWins = state.m_highRun.wins;
    m_fire = state.m_fireRun.wins;
    m_recentHits = state.m_hitsRun.wins;
    readRecords(view);
    if (m_viseurPending && scope == Scope::Shared) {
        walkViseur(view);
    }
    m_tendance = m_length == 0 ? NoxTendance::none : state.tendanceOf(m_newestTendency);
}

[[gnu::always_inline]] inline NoxMethodMetrics::NewestView
NoxMethodMetrics::newestView(const NoxMethodState &state) const
{
    const NoxSlidingList<NoxCoupRecord> &tail = state.newestTail(std::max(1, m_window));
    NewestView view;
    view.size = std::min<qsizetype>(std::max(1, m_window), m_length);
    view.records = tail.constData() + (tail.size() - view.size);
    view.windowStart = std::max<qsizetype>(0, view.size - std::max(0, m_window));
    view.windowWins = state.m_windowWins;
    view.windowNeutrals = state.m_windowNeutrals;
    return view;
}

int NoxMethodMetrics::chartTendance() const
{
    return m_state->chartTendance().first;
}

int NoxMethodMetrics::chartTendanceCount() const
{
    return m_state->chartTendance().second;
}

int NoxMethodMetrics::compteurMECount() const
{
    return m_state->compteurMECount();
}

void NoxMethodMetrics::readRecords(const NewestView &view)
{
    // The short-term figures, as the state computes them.
    const qsizetype k = std::min(m_window, m_length);
    const int wins = view.windowWins;
    const int neutrals = view.windowNeutrals;
    m_shortTermWins = wins;
    m_shortTermWinRatio = k - neutrals == 0 ? 0.0 : double(wins) / double(k - neutrals) * 100.0;
    const double meanCt = (double(k) - wins) / (wins + 1);
    m_ecartMoyenCt = meanCt > 0 ? meanCt : 1.0;
    if (view.size == 0) {
        return;
    }

    const NoxCoupRecord &newest = view.at(view.size - 1);
    m_newestIsWin = newest.isWin();
    m_newestTendency = newest.tendency;
    m_newestAboveThreshold = !std::isnan(newest.tendency) && newest.tendency > m_threshold;
    m_counterSignal = newest.has(NoxCoupRecord::ProfitPositive) && m_newestAboveThreshold &&
                      m_shortTermWinRatio - m_ratioTheorique >= m_ratioMargin;

    // The runs back from the newest record, kept by the state as records come.
    const int run = m_highRun;
    m_pastilles = run > 0 ? m_highRunWins - (view.at(view.size - run).isWin() ? 1 : 0) : 0;
    m_fall = run > 0 && view.at(view.size - run).has(NoxCoupRecord::InBlock);

    // The viseur walks only when it has wins to count in a high phase.
    m_viseurPending = m_shortTermWins >= 3 && m_newestAboveThreshold;
}

void NoxMethodMetrics::walkViseur(const NewestView &view) const
{
    // Single (e) and double (f) wins of the high phase, back from the newest record.
    m_viseurPending = false;
    int v = m_shortTermWins;
    for (qsizetype i = view.size - 1; i >= view.windowStart; --i) {
        const NoxCoupRecord &rec = view.at(i);
        const bool above = !std::isnan(rec.tendency) && rec.tendency > m_threshold;
        if (!above && v > 2) {
            break;
        }
        if (rec.isWin()) {
            m_viseurSingles += rec.gap == 0 ? 1 : 0;
            m_viseurDoubles += rec.gap == 1 ? 1 : 0;
            --v;
        }
        if (v == (rec.isWin() ? 1 : 0)) {
            break;
        }
    }
    m_viseurRemaining = v;
}

bool NoxMethodMetrics::newestIsWin() const
{
    return m_newestIsWin;
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
        const double x = m_newestTendency;
        if (std::isnormal(x)) {
            total += x;
        }
        const int g = std::max(m_ecart, m_ecartMax);
        total += std::max(0.0, 300.0 - 135.0 * (mean / m_resultCount) * (g - 1));
        total += notificationBonus();
    }
    if (m_newestAboveThreshold) {
        total += 100.0 * m_highRunWins;
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
    if (m_shortTermWinRatio - m_ratioTheorique >= m_ratioMargin && m_newestAboveThreshold) {
        total += 100.0 * m_highRunWins;
    }
    return total + notificationBonus();
}

double NoxMethodMetrics::tendanceValue() const
{
    return std::isnan(m_newestTendency) ? 0.0 : m_newestTendency;
}

int NoxMethodMetrics::pastilles(bool *fall) const
{
    if (fall) {
        *fall = m_fall;
    }
    return m_pastilles;
}

int NoxMethodMetrics::fire() const
{
    return m_fire;
}

int NoxMethodMetrics::recentHits() const
{
    return m_recentHits;
}

double NoxMethodMetrics::viseur() const
{
    if (m_shortTermWins < 3) {
        return 0.0;
    }
    if (m_viseurPending) {
        // A step's view: its state has not changed since the view was taken.
        walkViseur(newestView(*m_state));
    }
    const bool high = m_newestAboveThreshold;
    const double base = (high ? 100.0 * m_viseurSingles + 50.0 * m_viseurDoubles : 0.0) + ratioScore() / 10.0;
    const int v = high ? m_viseurRemaining : m_shortTermWins;
    return v < 3 ? base : base + ecartMaxBonus() + notificationBonus();
}

} // namespace Nox
