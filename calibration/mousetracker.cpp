#include "calibration/mousetracker.h"

#include "input/noxinput.h"

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

MouseTracker::~MouseTracker()
{
    // Before the members go: the source's thread must not post to a half-destroyed tracker.
    if (m_source) {
        m_source->stop();
    }
}

void MouseTracker::setActive(bool value)
{
    m_pressed = false;
    if (value) {
        if (!m_active) {
            ++m_session;
        }
        const bool events = startSource();
        m_eventDriven = events;
        if (events) {
            m_timer->stop();
        } else {
            m_timer->start();
        }
    } else {
        if (m_source) {
            m_source->stop();
        }
        m_timer->stop();
        m_eventDriven = false;
    }
    m_active = value;
}

bool MouseTracker::startSource()
{
    if (!m_sourceMade) {
        m_sourceMade = true;
        m_source = m_input->createClickSource();
    }
    if (!m_source) {
        return false;
    }
    // The source runs until stop() has joined its thread, which the destructor does first:
    // every posted call finds the tracker alive (and a call still queued then is dropped with
    // it). The call is posted by name with its arguments, which Qt copies and frees itself,
    // rather than as a functor: a functor would be made on the source's thread and read and
    // freed on the tracker's, handed over by Qt's event queue, whose locks the thread
    // sanitizer does not see.
    const quint64 session = m_session;
    return m_source->start([this, session](QPoint pos) {
        [[maybe_unused]] const bool posted = QMetaObject::invokeMethod(
            this, "sourceClicked", Qt::QueuedConnection, Q_ARG(quint64, session), Q_ARG(QPoint, pos));
        Q_ASSERT(posted);
    });
}

void MouseTracker::sourceClicked(quint64 session, QPoint pos)
{
    // A click still on its way when the capture stopped, or from a capture before the current
    // one, is not reported.
    if (m_active && m_eventDriven && session == m_session) {
        emit mouseClicked(pos);
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
