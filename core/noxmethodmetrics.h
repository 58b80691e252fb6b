#pragma once

#include "core/noxcouprecord.h"
#include "core/noxenums.h"

#include <QList>

#include <limits>

namespace Nox {

class NoxMethodState;

/// The metrics the orderings score with, read from one consistent view of a method state
/// (taken under its method mutex). Everything is bounded by the short-term window, so a
/// metric costs the same whatever the history length. NoxMethodState::metrics() keeps one per
/// state update. The tendency-back level and the equal-stake counter, which few orderings
/// use, are asked of the state when read (it keeps them once per update too), so a view must
/// not outlive its state.
class NoxMethodMetrics
{
public:
    /// How long the view is read. A view of a step is read only by the step's own thread while
    /// its state does not change (the automatic methods of one step): the record walks few
    /// orderings need are then taken when first asked instead of for every view.
    enum class Scope { Shared, Step };

    explicit NoxMethodMetrics(const NoxMethodState &state, Scope scope = Scope::Shared);

    [[nodiscard]] int historyLength() const { return m_length; }
    [[nodiscard]] bool isAutomatic() const { return m_automatic; }
    [[nodiscard]] bool isActive() const { return m_active; }
    [[nodiscard]] int ecart() const { return m_ecart; }
    [[nodiscard]] int ecartMax() const { return m_ecartMax; }
    [[nodiscard]] double ecartMoyen() const { return m_ecartMoyen; }
    [[nodiscard]] double ecartMoyenCt() const { return m_ecartMoyenCt; }
    [[nodiscard]] int winBlocks() const { return m_shortTermWins; }
    [[nodiscard]] NoxTendance tendance() const { return m_tendance; }
    [[nodiscard]] int chartTendance() const;
    [[nodiscard]] int chartTendanceCount() const;
    [[nodiscard]] int compteurMECount() const;
    [[nodiscard]] bool counterSignal() const { return m_counterSignal; }
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
    struct NewestView;
    void readRecords(const NewestView &view);
    /// The newest records of the state, read in place.
    [[nodiscard]] NewestView newestView(const NoxMethodState &state) const;
    /// The viseur's walk over the newest records of the view.
    void walkViseur(const NewestView &view) const;

    // The fields without an initialiser are set by the constructor on every path (a view then
    // costs no store twice).
    const NoxMethodState *m_state;
    int m_length; ///< records of the whole history
    int m_window;
    double m_threshold;
    int m_resultCount;
    int m_numbersSum;
    double m_winRatio;
    double m_ratioTheorique;
    double m_shortTermWinRatio;
    double m_ratioMargin;
    int m_shortTermWins;
    int m_ecart;
    int m_ecartMax;
    double m_ecartMoyen;
    double m_ecartMoyenCt;
    bool m_useNotif;
    int m_ecartNotif;
    int m_signalMask;
    NoxTendance m_tendance;
    bool m_counterSignal = false;
    bool m_automatic;
    bool m_active;
    // Read from the newest records when the view was taken.
    bool m_newestIsWin = false;
    bool m_newestAboveThreshold = false;
    double m_newestTendency = std::numeric_limits<double>::quiet_NaN();
    int m_highRun;       ///< records of the high run (newest records above the threshold)
    int m_highRunWins;   ///< wins of the high run
    int m_pastilles = 0; ///< wins of the high run but its oldest record
    bool m_fall = false; ///< the high run's oldest record was in a block
    int m_fire;
    int m_recentHits;
    // The viseur's walk: taken with the view, or at the first viseur() of a step's view (its
    // state is unchanged during the step).
    mutable bool m_viseurPending = false;
    mutable int m_viseurSingles = 0;
    mutable int m_viseurDoubles = 0;
    mutable int m_viseurRemaining = 0;
};

} // namespace Nox
