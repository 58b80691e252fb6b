#pragma once

#include "core/noxenums.h"

#include <QList>
#include <QString>

namespace Nox {

/// One place of an automatic bet: the amount its stake asks for and the amount the clicks made
/// have put down there, in hundredths.
struct NoxPlacedStake {
    NoxBetItemID id = NoxBetItemID::none;
    qint64 asked = 0;
    qint64 placed = 0;

    friend bool operator==(const NoxPlacedStake &, const NoxPlacedStake &) = default;
};

/// The outcome of an automatic bet.
struct NoxBetResult {
    /// True when the sequence ran (possibly empty, or stopped with Control); false when
    /// nothing or not everything could be clicked, `reason` saying why. A sequence stopped
    /// part-way (Control, or a click the platform refused) says in `reason` how many clicks
    /// were made and what each place holds, so that the player can finish or take back the
    /// bet on the casino's side.
    bool ok = false;
    QString reason;
    /// Clicks planned and clicks made.
    int planned = 0;
    int clicked = 0;
    /// The player held Control: the sequence stopped after the click in progress.
    bool interrupted = false;
    /// Every place the bet asks a stake for, in id order, and any other place the clicks
    /// touched (asked 0): what the clicks made put down, counted with the chip in hand at each
    /// click. All zero when nothing was clicked.
    QList<NoxPlacedStake> stakes;
    /// A click of the "double" button was made: what it put down is not known, so `stakes`
    /// counts only the chips placed by hand.
    bool doubled = false;

    /// The clicks stopped before the end of the sequence: the table holds part of the bet.
    [[nodiscard]] bool stoppedPartWay() const { return clicked < planned; }
};

} // namespace Nox
