#pragma once

#include "core/noxenums.h"

#include <QList>
#include <QMetaType>

namespace Nox {

/// One bet of the next coup: an item, its stake in hundredths and the flags the keypad and
/// the bet placement read.
struct NoxBet {
    enum Flag {
        CenterNumber = 2,  ///< the centre number of some playing method
        Favorite = 4,      ///< covered by the favourites method
        Suspended = 8,     ///< betting is suspended
        Recovery = 16,     ///< the kind's progression is in recovery
        OutOfLimits = 32,  ///< above the table's limit on its item: not placed (stake 0)
        Capped = 64,       ///< lowered to keep the coup within the largest stake per coup
        OverMaxStake = 128 ///< the coup is above the largest stake and refused: not placed
    };

    NoxBetItemID id = NoxBetItemID::none;
    int bet = 0;
    int flags = 0;

    friend bool operator==(const NoxBet &, const NoxBet &) = default;
};

using NoxBetList = QList<NoxBet>;

} // namespace Nox

Q_DECLARE_METATYPE(Nox::NoxBet)
Q_DECLARE_METATYPE(Nox::NoxBetList)
