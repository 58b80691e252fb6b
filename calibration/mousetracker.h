#pragma once

#include <QObject>
#include <QPoint>

#include <atomic>

class QTimer;

namespace Nox {

class NoxInput;

/// Watches the left mouse button by polling every 20 ms and reports each click when the
/// button is released, at the cursor position seen at that moment ((0, 0) when the cursor
/// cannot be read). Polling rather than a global hook: it needs no privilege and sees clicks
/// on every window, the casino's included.
///
/// Thread rules: lives in the thread of NativeWindow; setActive() and checkMouse() run there
/// (setActive reaches it through a queued connection). isActive() may be read from any thread.
class MouseTracker : public QObject
{
    Q_OBJECT

public:
    static constexpr int kPollInterval = 20;

    /// `input` is not owned and must outlive the tracker.
    explicit MouseTracker(NoxInput *input, QObject *parent = nullptr);

    [[nodiscard]] bool isActive() const { return m_active.load(); }

public slots:
    /// Starts or stops the polling; either way forgets a press in progress.
    void setActive(bool value);
    void checkMouse();

signals:
    void mouseClicked(QPoint pos);

private:
    NoxInput *m_input;
    QTimer *m_timer;
    bool m_pressed = false;
    std::atomic<bool> m_active{false};
};

} // namespace Nox
