#include "calibration/mousetracker.h"

#include "autobet/noxinput.h"

#include <QTimer>

namespace Nox {

MouseTracker::MouseTracker(NoxInput *input, QObject *parent)
    : QObject(parent)
    , m_input(input)
    , m_timer(new QTimer(this))
{
    m_timer->setInterval(kPollInterval);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &MouseTracker::checkMouse);
}

void MouseTracker::setActive(bool value)
{
    m_pressed = false;
    m_active = value;
    if (value) {
        m_timer->start();
    } else {
        m_timer->stop();
    }
}

void MouseTracker::checkMouse()
{
    if (m_input->isLeftButtonHeld()) {
        m_pressed = true;
        return;
    }
    if (m_pressed) {
        m_pressed = false;
        emit mouseClicked(m_input->cursorPosition().value_or(QPoint(0, 0)));
    }
}

} // namespace Nox
