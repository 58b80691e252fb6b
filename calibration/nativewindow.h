#pragma once

#include <QObject>
#include <QPoint>
#include <QThread>

namespace Nox {

class MouseTracker;
class NoxInput;

/// Owns the thread of the mouse tracker, started at the highest priority so that its 20 ms
/// polls (where the input has no click events) keep their pace while the GUI thread is busy.
///
/// Thread rules: created, used and destroyed on the GUI thread. mouseClicked reaches its
/// receivers there through a queued connection; activate() reaches the tracker the same way.
/// The destructor stops the thread and waits for it.
class NativeWindow : public QObject
{
    Q_OBJECT

public:
    /// `input` is not owned, must outlive this object and be safe to call from the tracker's
    /// thread.
    explicit NativeWindow(NoxInput *input, QObject *parent = nullptr);
    ~NativeWindow() override;

    /// Whether the tracker watches the clicks at the moment (it follows activate() once the tracker's
    /// thread has handled it).
    [[nodiscard]] bool isTracking() const;
    /// Whether the tracker takes the clicks from the input's events rather than polling.
    [[nodiscard]] bool isEventDriven() const;

signals:
    void mouseClicked(QPoint pos);
    void activate(bool value);

private:
    QThread m_thread;
    MouseTracker *m_tracker;
};

} // namespace Nox
