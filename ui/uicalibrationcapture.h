#pragma once

#include <QObject>
#include <QPoint>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

/// The steps of a calibration dialog: one captured position per step, in order. Clicks that
/// arrive once every step has its position are ignored, so a third click in a two-step
/// dialog changes nothing. The dialog connects the main window's capturedClick to collect().
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
