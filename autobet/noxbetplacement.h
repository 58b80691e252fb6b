#pragma once

#include "autobet/noxbetplan.h"
#include "autobet/noxbetresult.h"
#include "core/noxbet.h"

#include <QObject>
#include <QPointer>

namespace Nox {

class ICalibration;
class NoxClickService;
class NoxInput;

/// Puts the stakes of the next coup on the casino table by synthetic clicks at the
/// calibrated points.
///
/// The click sequence comes from the in-program planner (NoxClickPlanner), or from the outside
/// service when the calibration names one. Before anything is clicked the bet is checked:
/// suspended betting clicks nothing; a bet above the player's limit (ICalibration::maxBet),
/// a stake the chips cannot make, a service that fails or whose clicks would put down more
/// than the stakes (checked on a model of the table), or a place or chip that is not
/// calibrated refuses the whole bet, so a bet is either placed as planned or not touched.
///
/// The clicks: delay d = mouseClickDelay() at the start; two clicks in a row on one point are
/// separated by a move to the start point and a wait of d; each click is press, d, release,
/// d, then the place's pause; Control is read after each click and stops the sequence; the
/// cursor always returns to where it was. Logs "BET ", "SEND ", "INTERRUPTED by CTRL".
///
/// What the clicks put down is counted as they are made (each click on a place adds the value
/// of the chip in hand), so a sequence stopped part-way, by Control or by a click the platform
/// refused, reports in its reason the clicks made of the clicks planned and, for every place,
/// the amount placed of the amount asked ("BANKER 5.00 sur 8.60").
///
/// Thread rules: GUI thread (the service's wait runs the event loop there; the click sequence
/// blocks the calling thread). One bet at a time: a call made while one runs (from an event
/// handled during the service's wait) is refused.
class NoxBetPlacement : public QObject
{
    Q_OBJECT

public:
    /// `calibration` and `input` are not owned; `input` must outlive this object.
    NoxBetPlacement(ICalibration *calibration, NoxInput *input, QObject *parent = nullptr);
    ~NoxBetPlacement() override;

    /// The clicks the bet would make, with their points, without clicking.
    [[nodiscard]] NoxBetPlan preview(const NoxBetList &bets);
    /// Plans and clicks.
    NoxBetResult place(const NoxBetList &bets);
    /// place(), for callers that want a bool and the reason.
    bool placeBets(const NoxBetList &bets, QString *reason = nullptr);

    [[nodiscard]] bool isBusy() const { return m_busy; }
    /// The outside service's client (its time limit can be changed).
    [[nodiscard]] NoxClickService *service() const { return m_service; }

private:
    [[nodiscard]] NoxBetPlan makePlan(const NoxBetList &bets);
    /// Clicks the plan into `result` (its stakes already hold what is asked).
    void click(const NoxBetPlan &plan, NoxBetResult &result);
    /// The places the bets ask a stake for, in id order, nothing placed yet.
    [[nodiscard]] static QList<NoxPlacedStake> askedStakes(const NoxBetList &bets, const NoxBetPlan &plan);
    /// Adds what one click made puts down to `result`.
    static void countPlaced(const NoxPlannedClick &click, NoxBetResult &result);
    /// What the table holds after a stopped sequence, one place a line.
    [[nodiscard]] static QString tableReport(const NoxBetResult &result);

    QPointer<ICalibration> m_calibration;
    NoxInput *m_input;
    NoxClickService *m_service;
    bool m_busy = false;
};

} // namespace Nox
