#pragma once

#include "calibration/noxcalibrationitem.h"

#include <QPoint>
#include <QPointer>
#include <QStringList>
#include <QtQml/QQmlPropertyMap>
#include <QtQml/qqmlregistration.h>

namespace Nox {
class ICalibration;
}

/// The table calibration mirrored for QML. Keys: every item of the calibration's item list
/// under the lower-case name of its id ("jeton_1".."jeton_8", "b_tie", "b_player",
/// "b_banker", "x_dbl", ...) holding a calibrationItem; "mouseClickDelay" (int),
/// "toggleJetonMode" and "specialDelayMode" (bool); and the safety options of automatic
/// betting, "maxBet" (int, hundredths, 0 = no limit) and "serviceUrl" (string, empty = the
/// clicks are planned in the program).
///
/// A write from QML goes to the calibration store: an item key as that item (a calibrationItem
/// or a JavaScript object with some of its fields; the key names the place, missing fields
/// keep their stored values), an option key to its setter. The map keeps the written value;
/// the store's answer (derived places, the chip run) arrives with calibrationChanged().
///
/// Thread rules: GUI thread only.
class UICalibrationModel : public QQmlPropertyMap
{
    Q_OBJECT
    QML_ELEMENT

public:
    /// Mirrors the calibration of the process-wide engine, if there is one.
    explicit UICalibrationModel(QObject *parent = nullptr);
    /// Mirrors `calibration` (not owned; the model stops mirroring when it is destroyed).
    explicit UICalibrationModel(Nox::ICalibration *calibration, QObject *parent = nullptr);

    [[nodiscard]] Nox::ICalibration *calibration() const;

    /// The key of an item id: its enumerator name in lower case.
    [[nodiscard]] static QString keyOf(Nox::NoxBetItemID id);
    /// The id of an item key; none when the key names no item.
    [[nodiscard]] static Nox::NoxBetItemID idOf(const QString &key);

    /// The points captured for the places `keys` (`points[i]` for `keys[i]`), written to the
    /// store in one change: each place gets its point and is marked calibrated, a key beyond
    /// the points is marked not calibrated; every other field keeps its stored value. False,
    /// and nothing written, without a store or when a key names no item of its list.
    bool setPoints(const QStringList &keys, const QList<QPoint> &points);

public slots:
    /// Replaces each item entry that differs from the store's item, then sets the option keys.
    void onCalibrationChanged();

protected:
    QVariant updateValue(const QString &key, const QVariant &input) override;

private:
    /// A value written from QML as the item of `id`, starting from the stored item.
    [[nodiscard]] Nox::NoxCalibrationItem toItem(Nox::NoxBetItemID id, const QVariant &input) const;
    void setOption(const QString &key, const QVariant &value);

    QPointer<Nox::ICalibration> m_calibration;
};
