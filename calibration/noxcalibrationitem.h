#pragma once

#include "core/noxenums.h"

#include <QMetaType>

namespace Nox {

/// The calibration of one place of the casino screen: a chip button, a betting spot or the
/// "double" button. Points are in physical global screen pixels, the space in which the
/// platform input reads the cursor and clicks, so capture and clicks agree under display
/// scaling.
struct NoxCalibrationItem {
    Q_GADGET
    Q_PROPERTY(Nox::NoxBetItemID itemId MEMBER itemId)
    Q_PROPERTY(int value MEMBER value)
    Q_PROPERTY(double x MEMBER x)
    Q_PROPERTY(double y MEMBER y)
    Q_PROPERTY(bool active MEMBER active)

public:
    NoxBetItemID itemId = NoxBetItemID::none;
    /// For a chip: its money value in hundredths; 0 for other items.
    int value = 0;
    /// The point has been calibrated (for a chip: the player has that chip).
    bool active = false;
    double x = 0;
    double y = 0;
    /// Milliseconds to wait after a click on this item (not shown, not saved).
    int clickPause = 0;

    [[nodiscard]] bool isChip() const
    {
        return itemId >= NoxBetItemID::JETON_1 && itemId <= NoxBetItemID::JETON_8;
    }

    friend bool operator==(const NoxCalibrationItem &, const NoxCalibrationItem &) = default;
};

using NoxCalibrationItemList = QList<NoxCalibrationItem>;

} // namespace Nox

Q_DECLARE_METATYPE(Nox::NoxCalibrationItem)
