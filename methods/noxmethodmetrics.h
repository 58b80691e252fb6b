#pragma once

#include "engine/noxcouprecord.h"
#include "engine/noxenums.h"

#include <QList>
#include <QPair>

#include <mutex>
#include <optional>

namespace Nox {

class NoxMethodState;

/// The metrics the orderings score with, read from one consistent view of a method state: the
/// object holds the method mutex for its whole (short) life. Each statistic is read from the
/// state the first time a score needs it, since an automatic method scores thousands of
/// candidates per coup and most orderings need only a few values. Everything is bounded by the
/// short-term window, so a metric costs the same whatever the history length.
class NoxMethodMetrics
{
public:
    explicit NoxMethodMetrics(const NoxMethodState &state);

    [[nodiscard]] int historyLength() const { return int(records().size()); }
    [[nodiscard]] bool isAutomatic() const { return m_automatic; }
    [[nodiscard]] bool isActive() const { return m_active; }
    [[nodiscard]] int ecart() const { return m_ecart; }
    [[nodiscard]] int ecartMax() const;
    [[nodiscard]] double ecartMoyen() const;
    [[nodiscard]] double ecartMoyenCt() const;
    [[nodiscard]] int winBlocks() const { return shortTermWins(); }
    [[nodiscard]] NoxTendance tendance() const;
    [[nodiscard]] int chartTendance() const;
    [[nodiscard]] int chartTendanceCount() const;
    [[nodiscard]] int compteurMECount() const;
    [[nodiscard]] bool counterSignal() const;
    /// The newest record is a win.
    [[nodiscard]] bool newestIsWin() const;

    /// The score of Score Total (without the ecart-max bonus).
    [[nodiscard]] double score() const;
    [[nodiscard]] double ratioScore() const;
    [[nodiscard]] double scoreCt() const;
    /// The newest tendency, 0 when there is none.
    [[nodiscard]] double tendanceValue() const;
    /// Wins of the high run but its oldest record; `fall` gets that record's in-block bit.
    [[nodiscard]] int pastilles(bool *fall = nullptr) const;
    /// Wins of the newest run that carries the tendency signal.
    [[nodiscard]] int fire() const;
    [[nodiscard]] double viseur() const;
    /// Notification bonus N: 10000 once the gap reaches the notification threshold.
    [[nodiscard]] double notificationBonus() const;
    /// Ecart-max bonus E: 2000 when the gap reaches the largest one and that signal is on.
    [[nodiscard]] double ecartMaxBonus() const;
    /// Recent hits H: wins walking back while the tendency is not negative.
    [[nodiscard]] int recentHits() const;

private:
    template<typename T, typename F>
    T lazy(std::optional<T> &slot, F read) const
    {
        if (!slot) {
            slot = read();
        }
        return *slot;
    }
    [[nodiscard]] const QList<NoxCoupRecord> &records() const;
    [[nodiscard]] int numbersSum() const;
    [[nodiscard]] double winRatio() const;
    [[nodiscard]] double ratioTheorique() const;
    [[nodiscard]] double shortTermWinRatio() const;
    [[nodiscard]] int shortTermWins() const;
    [[nodiscard]] bool newestAboveThreshold() const;
    [[nodiscard]] qsizetype windowStart() const;
    /// Number of newest records, inside the window, whose tendency is above the threshold.
    [[nodiscard]] int highRunLength() const;
    [[nodiscard]] int winsInNewest(int count) const;

    mutable std::optional<QList<NoxCoupRecord>> m_history;
    int m_window = 0;
    double m_threshold = 0;
    int m_resultCount = 0;
    double m_ratioMargin = 0;
    int m_ecart = 0;
    bool m_useNotif = false;
    int m_ecartNotif = 0;
    int m_signalMask = 0;
    const NoxMethodState *m_state;
    std::unique_lock<std::recursive_mutex> m_lock;
    mutable std::optional<int> m_numbersSum;
    mutable std::optional<double> m_winRatio;
    mutable std::optional<double> m_ratioTheorique;
    mutable std::optional<double> m_shortTermWinRatio;
    mutable std::optional<int> m_shortTermWins;
    mutable std::optional<int> m_ecartMax;
    mutable std::optional<double> m_ecartMoyen;
    mutable std::optional<double> m_ecartMoyenCt;
    mutable std::optional<NoxTendance> m_tendance;
    mutable std::optional<QPair<int, int>> m_chartTendance;
    mutable std::optional<int> m_compteurME;
    mutable std::optional<bool> m_counterSignal;
    bool m_automatic = false;
    bool m_active = false;
};

} // namespace Nox
