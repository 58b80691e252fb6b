#pragma once

#include "core/noxenums.h"

#include <QMetaType>
#include <QPoint>

namespace Nox {

/// One click of a planned bet, as the preview shows it: what is clicked, the chip in hand at
/// that moment (for a chip click: the chip itself; none when no chip is selected), its value,
/// and the physical screen point.
struct NoxPlannedClick {
    Q_GADGET
    Q_PROPERTY(Nox::NoxBetItemID itemId MEMBER itemId)
    Q_PROPERTY(Nox::NoxBetItemID chip MEMBER chip)
    Q_PROPERTY(int chipValue MEMBER chipValue)
    Q_PROPERTY(QPoint point MEMBER point)
    Q_PROPERTY(int pause MEMBER pause)

public:
    NoxBetItemID itemId = NoxBetItemID::none;
    NoxBetItemID chip = NoxBetItemID::none;
    int chipValue = 0;
    QPoint point;
    /// Extra wait after the click, in ms (the "double" button's).
    int pause = 0;

    [[nodiscard]] bool isChip() const
    {
        return itemId >= NoxBetItemID::JETON_1 && itemId <= NoxBetItemID::JETON_8;
    }

    friend bool operator==(const NoxPlannedClick &, const NoxPlannedClick &) = default;
};

} // namespace Nox

Q_DECLARE_METATYPE(Nox::NoxPlannedClick)
