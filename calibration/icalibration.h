#pragma once

#include "calibration/noxcalibrationitem.h"

#include <QList>
#include <QObject>
#include <QString>

#include <optional>

namespace Nox {

/// The table calibration as the presentation layer and the bet placement see it: the screen
/// point of every chip and betting spot, the chip values, and the timing and safety options
/// of automatic betting.
///
/// Thread rules: used on the GUI thread; implementations keep reads safe from other threads.
class ICalibration : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    /// The items of the current item list, in that list's order.
    [[nodiscard]] virtual NoxCalibrationItemList calibrationItems() const = 0;
    /// Stores each item whole, then applies the derivation rules; one calibrationChanged().
    virtual void setCalibrationItems(const NoxCalibrationItemList &items) = 0;
    /// 39 while the special delay is on, else the stored delay (ms).
    [[nodiscard]] virtual int mouseClickDelay() const = 0;
    virtual void setMouseClickDelay(int delay) = 0;
    /// "Spécial Authentic": the table's chip buttons toggle (a click on the selected chip
    /// deselects it).
    [[nodiscard]] virtual bool toggleJetonMode() const = 0;
    virtual void setToggleJetonMode(bool on) = 0;
    /// "Spécial Evolution": every wait of a click sequence is 39 ms.
    [[nodiscard]] virtual bool specialDelayMode() const = 0;
    virtual void setSpecialDelayMode(bool on) = 0;
    /// Value of JETON_1..JETON_8 in order: the chip's value when active, else 0.
    [[nodiscard]] virtual QList<int> jetonValues() const = 0;

    /// The item of one id, whatever the current item list; none when the store has no item.
    [[nodiscard]] virtual std::optional<NoxCalibrationItem> calibrationItem(NoxBetItemID id) const = 0;
    /// The most money one automatic bet may place, in hundredths; 0 = no limit.
    [[nodiscard]] virtual int maxBet() const = 0;
    virtual void setMaxBet(int amount) = 0;
    /// Base address of an outside click-planning service; empty = plan in the program.
    [[nodiscard]] virtual QString serviceUrl() const = 0;
    virtual void setServiceUrl(const QString &url) = 0;

signals:
    void calibrationChanged();
};

} // namespace Nox
