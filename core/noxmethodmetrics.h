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

    const NoxMethodState *m_state;
    int m_length = 0; ///< records of the whole history
    int m_window = 0;
    double m_threshold = 0;
    int m_resultCount = 0;
    int m_numbersSum = 0;
    double m_winRatio = 0;
    double m_ratioTheorique = 0;
    double m_shortTermWinRatio = 0;
    double m_ratioMargin = 0;
    int m_shortTermWins = 0;
    int m_ecart = 0;
    int m_ecartMax = 0;
    double m_ecartMoyen = 0;
    double m_ecartMoyenCt = 0;
    bool m_useNotif = false;
    int m_ecartNotif = 0;
    int m_signalMask = 0;
    NoxTendance m_tendance = NoxTendance::none;
    bool m_counterSignal = false;
    bool m_automatic = false;
    bool m_active = false;
    // Read from the newest records when the view was taken.
    bool m_newestIsWin = false;
    bool m_newestAboveThreshold = false;
    double m_newestTendency = std::numeric_limits<double>::quiet_NaN();
    int m_highRun = 0;     ///< records of the high run (newest records above the threshold)
    int m_highRunWins = 0; ///< wins of the high run
    int m_pastilles = 0;   ///< wins of the high run but its oldest record
    bool m_fall = false;   ///< the high run's oldest record was in a block
    int m_fire = 0;
    int m_recentHits = 0;
    // The viseur's walk: taken with the view, or at the first viseur() of a step's view (its
    // state is unchanged during the step).
    mutable bool m_viseurPending = false;
    mutable int m_viseurSingles = 0;
    mutable int m_viseurDoubles = 0;
    mutable int m_viseurRemaining = 0;
};

} // namespace Nox
