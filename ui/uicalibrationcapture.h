#pragma once

#include <QObject>
#include <QPoint>
#include <QStringList>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

/// The steps of a calibration dialog: one captured position per step, in order. Clicks that
/// arrive once every step has its position are ignored, so a third click in a two-step
/// dialog changes nothing. The dialog connects the main window's capturedClick to collect()
/// and, when the player confirms, hands the calibration to writeTo().
///
/// Thread rules: GUI thread only.
class UICalibrationCapture : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(int stepCount READ stepCount NOTIFY stepCountChanged)
    Q_PROPERTY(int index READ index NOTIFY indexChanged)
    Q_PROPERTY(bool done READ done NOTIFY indexChanged)
    Q_PROPERTY(QVariantList positions READ positions NOTIFY indexChanged)

public:
    explicit UICalibrationCapture(QObject *parent = nullptr);

    [[nodiscard]] int stepCount() const { return m_stepCount; }
    [[nodiscard]] int index() const { return int(m_positions.size()); }
    [[nodiscard]] bool done() const { return index() >= m_stepCount; }
    [[nodiscard]] QVariantList positions() const;
    [[nodiscard]] QList<QPoint> points() const { return m_positions; }

    /// Starts over with `steps` steps and no position.
    Q_INVOKABLE void start(int steps);

    /// Writes the positions into `calibration` under the step keys (`keys[i]` takes the i-th
    /// position, "jeton_1", "b_player", ...): each place gets its point and is marked
    /// calibrated; a key without a position yet is marked not calibrated. A UICalibrationModel
    /// writes them to its store in one change (UICalibrationModel::setPoints). Any other object
    /// holding items under those keys (a stand-in map) receives them one write at a time, as
    /// a screen writes an item: every step's item back not calibrated first, then each placed
    /// and calibrated. False when there is no calibration or a key names no item of it.
    Q_INVOKABLE bool writeTo(QObject *calibration, const QStringList &keys) const;

public slots:
    /// Takes the position for the current step; ignored when every step has one.
    void collect(QPoint position);

signals:
    void stepCountChanged();
    void indexChanged();
    /// Every step has its position.
    void finished();

private:
    int m_stepCount = 0;
    QList<QPoint> m_positions;
};
