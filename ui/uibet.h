#pragma once

#include "core/noxbet.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

/// The bet items the screens name and the bits of a keypad entry's `flags`, as QML enums
/// (UIBet.Player, UIBet.Marked, ...), so that a screen reads UIWrapper.keypad[UIBet.Banker]
/// and `flags & UIBet.Recovery` rather than numbers. The values are those of
/// Nox::NoxBetItemID and Nox::NoxBet::Flag, which stored files and the engine rely on: the
/// keypad's keys are the decimal item ids, its flags the bet's flags with Marked added.
namespace UIBet {
Q_NAMESPACE
QML_ELEMENT

/// The items of the baccarat keypad.
enum ItemId {
    Tie = int(Nox::NoxBetItemID::B_TIE),
    Player = int(Nox::NoxBetItemID::B_PLAYER),
    Banker = int(Nox::NoxBetItemID::B_BANKER),
};
Q_ENUM_NS(ItemId)

/// The bits of a keypad entry's `flags`.
enum Flag {
    /// The item is among the bets of the next coup (the facade sets it on every bet listed).
    Marked = 0x01,
    CenterNumber = Nox::NoxBet::CenterNumber,
    Favorite = Nox::NoxBet::Favorite,
    Suspended = Nox::NoxBet::Suspended,
    Recovery = Nox::NoxBet::Recovery,
    /// Above the table's limit on its item: listed with no stake, not placed.
    OutOfLimits = Nox::NoxBet::OutOfLimits,
    /// Lowered so that the coup stays within the largest stake per coup.
    Capped = Nox::NoxBet::Capped,
    /// The coup is above the largest stake and the player chose to refuse it: not placed.
    OverMaxStake = Nox::NoxBet::OverMaxStake,
};
Q_ENUM_NS(Flag)

static_assert((Marked &
               (CenterNumber | Favorite | Suspended | Recovery | OutOfLimits | Capped | OverMaxStake)) == 0,
              "Marked must not share a bit with the bet's own flags");

} // namespace UIBet
