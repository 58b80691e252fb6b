#pragma once

#include <QObject>
#include <QPoint>

#include <atomic>
#include <memory>

class QTimer;

namespace Nox {

class NoxClickSource;
class NoxInput;

/// Reports each left click made anywhere on the screen while it is active, on the release of
/// the button, at the cursor position seen at that moment ((0, 0) when the cursor cannot be
/// read).
///
/// The clicks come from the platform's input events when the input offers a click source
/// (NoxInput::createClickSource(), XInput 2 on X11): every click is seen, however short.
/// Without one (Windows, an X server without XInput 2) the left button is polled every 20 ms,
/// which needs no privilege and sees clicks on every window, the casino's included, but
/// misses a press shorter than the interval.
///
/// Thread rules: lives in the thread of NativeWindow; setActive(), checkMouse() and the
/// destructor run there (setActive reaches it through a queued connection). The click
/// source's thread only posts its clicks to the tracker's thread, where mouseClicked is
/// emitted while the tracker is active. isActive() and isEventDriven() may be read from any
/// thread.
class MouseTracker : public QObject
{
    Q_OBJECT

public:
    static constexpr int kPollInterval = 20;

    /// `input` is not owned and must outlive the tracker.
    explicit MouseTracker(NoxInput *input, QObject *parent = nullptr);
    /// Stops the click source (its thread is joined).
    ~MouseTracker() override;

    [[nodiscard]] bool isActive() const { return m_active.load(); }
    /// Whether the clicks come from the click source (true) or from the poll (false), while
    /// active.
    [[nodiscard]] bool isEventDriven() const { return m_eventDriven.load(); }

public slots:
    /// Starts or stops watching: the click source when the input has one that starts, else
    /// the poll; either way forgets a press in progress.
    void setActive(bool value);
    void checkMouse();

signals:
    void mouseClicked(QPoint pos);

private slots:
    /// A click from the source during capture `session`, on the tracker's thread (invoked by
    /// name from the source's thread, see startSource()).
    void sourceClicked(quint64 session, QPoint pos);

private:
    /// Starts the click source, made on first use; false when there is none or it fails.
    bool startSource();

    NoxInput *m_input;
    QTimer *m_timer;
    std::unique_ptr<NoxClickSource> m_source;
    bool m_sourceMade = false;
    bool m_pressed = false;
    /// Counts the activations, so that a click of an earlier one is told apart.
    quint64 m_session = 0;
    std::atomic<bool> m_active{false};
    std::atomic<bool> m_eventDriven{false};
};

} // namespace Nox
