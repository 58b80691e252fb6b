#pragma once

#include "calibration/noxcalibrationitem.h"

#include <QtQml/qqmlregistration.h>

/// The calibration of one place of the casino screen as QML sees it ("calibrationItem"):
/// `itemId` (a NoxBetItemID), `value` (a chip's value in hundredths), `x`, `y` (physical
/// global screen pixels) and `active`. It carries the whole store item, the click pause
/// included, so that comparing two of them compares every field.
class UICalibrationItem
{
    Q_GADGET
    QML_VALUE_TYPE(calibrationItem)
    Q_PROPERTY(int itemId READ itemId WRITE setItemId)
    Q_PROPERTY(int value READ value WRITE setValue)
    Q_PROPERTY(double x READ x WRITE setX)
    Q_PROPERTY(double y READ y WRITE setY)
    Q_PROPERTY(bool active READ active WRITE setActive)

public:
    UICalibrationItem() = default;
    explicit UICalibrationItem(const Nox::NoxCalibrationItem &item)
        : m_item(item)
    {}

    [[nodiscard]] const Nox::NoxCalibrationItem &item() const { return m_item; }

    [[nodiscard]] int itemId() const { return int(m_item.itemId); }
    void setItemId(int id) { m_item.itemId = Nox::NoxBetItemID(id); }
    [[nodiscard]] int value() const { return m_item.value; }
    void setValue(int value) { m_item.value = value; }
    [[nodiscard]] double x() const { return m_item.x; }
    void setX(double x) { m_item.x = x; }
    [[nodiscard]] double y() const { return m_item.y; }
    void setY(double y) { m_item.y = y; }
    [[nodiscard]] bool active() const { return m_item.active; }
    void setActive(bool active) { m_item.active = active; }

    friend bool operator==(const UICalibrationItem &, const UICalibrationItem &) = default;

private:
    Nox::NoxCalibrationItem m_item;
};

Q_DECLARE_METATYPE(UICalibrationItem)
