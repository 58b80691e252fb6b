#include "uicalibrationcapture.h"

UICalibrationCapture::UICalibrationCapture(QObject *parent)
    : QObject(parent)
{}

QVariantList UICalibrationCapture::positions() const
{
    QVariantList list;
    for (const QPoint &p : m_positions) {
        list.append(p);
    }
    return list;
}

void UICalibrationCapture::start(int steps)
{
    steps = std::max(steps, 0);
    const bool hadPositions = !m_positions.isEmpty();
    m_positions.clear();
    if (m_stepCount != steps) {
        m_stepCount = steps;
        emit stepCountChanged();
    }
    if (hadPositions) {
        emit indexChanged();
    }
}

void UICalibrationCapture::collect(QPoint position)
{
    if (done()) {
        return;
    }
    m_positions.append(position);
    emit indexChanged();
    if (done()) {
        emit finished();
    }
}
