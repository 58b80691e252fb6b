#include "calibration/nativewindow.h"

#include "calibration/mousetracker.h"

namespace Nox {

NativeWindow::NativeWindow(NoxInput *input, QObject *parent)
    : QObject(parent)
    , m_tracker(new MouseTracker(input))
{
    m_thread.setObjectName(QStringLiteral("MouseTracker"));
    m_tracker->moveToThread(&m_thread);
    // The tracker and its timer are destroyed in their own thread when it ends.
    connect(&m_thread, &QThread::finished, m_tracker, &QObject::deleteLater);
    connect(m_tracker, &MouseTracker::mouseClicked, this, &NativeWindow::mouseClicked);
    connect(this, &NativeWindow::activate, m_tracker, &MouseTracker::setActive);
    m_thread.start(QThread::HighestPriority);
}

NativeWindow::~NativeWindow()
{
    m_thread.quit();
    m_thread.wait();
}

bool NativeWindow::isTracking() const
{
    return m_tracker->isActive();
}

bool NativeWindow::isEventDriven() const
{
    return m_tracker->isEventDriven();
}

} // namespace Nox
