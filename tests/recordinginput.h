#pragma once

#include "input/noxinput.h"

#include <QDebug>
#include <QList>
#include <QMutex>
#include <QString>

#include <memory>
#include <thread>

namespace NoxTest {

/// What a FakeClickSource went through, kept apart from it so that a test still reads it once
/// the tracker that owned the source is gone.
struct ClickSourceLog {
    QMutex mutex;
    int starts = 0;
    int stops = 0;
    bool running = false;
    /// start() fails (the platform has no click events).
    bool failStart = false;
    Nox::NoxClickSource::ClickHandler handler;
};

/// A stand-in for the platform's click events: click() calls the handler from a thread of its
/// own, as a real source does.
class FakeClickSource : public Nox::NoxClickSource
{
public:
    explicit FakeClickSource(std::shared_ptr<ClickSourceLog> log)
        : m_log(std::move(log))
    {}
    ~FakeClickSource() override { stop(); }

    bool start(ClickHandler handler) override
    {
        QMutexLocker lock(&m_log->mutex);
        if (m_log->failStart) {
            return false;
        }
        if (!m_log->running) {
            ++m_log->starts;
            m_log->running = true;
            m_log->handler = std::move(handler);
        }
        return true;
    }
    void stop() override
    {
        QMutexLocker lock(&m_log->mutex);
        if (m_log->running) {
            ++m_log->stops;
            m_log->running = false;
            m_log->handler = nullptr;
        }
    }
    bool isRunning() const override
    {
        QMutexLocker lock(&m_log->mutex);
        return m_log->running;
    }

private:
    std::shared_ptr<ClickSourceLog> m_log;
};

/// A click from the fake source's "thread"; false when the source does not run.
inline bool sourceClick(ClickSourceLog &log, QPoint p)
{
    bool delivered = false;
    std::thread thread([&] {
        QMutexLocker lock(&log.mutex);
        if (log.running && log.handler) {
            log.handler(p);
            delivered = true;
        }
    });
    thread.join();
    return delivered;
}

/// A fake of the platform input that records every call in order instead of acting, with a
/// cursor that follows the moves and clicks, Control held from a chosen click on, and clicks
/// that can be refused from a chosen click on.
class RecordingInput : public Nox::NoxInput
{
public:
    struct Event {
        enum Kind { Read, Move, Click, Sleep, CtrlCheck, ButtonCheck };
        Kind kind;
        QPoint point;
        int ms = 0;

        friend bool operator==(const Event &, const Event &) = default;
    };

    std::optional<QPoint> cursorPosition() override
    {
        QMutexLocker lock(&mutex);
        events.append({Event::Read, cursor, 0});
        return cursorReadable ? std::optional<QPoint>(cursor) : std::nullopt;
    }
    bool moveCursor(QPoint point) override
    {
        QMutexLocker lock(&mutex);
        events.append({Event::Move, point, 0});
        cursor = point;
        return true;
    }
    bool leftClick(QPoint point, int delayMs) override
    {
        QMutexLocker lock(&mutex);
        if (failClicksFrom >= 0 && clickCount >= failClicksFrom) {
            return false;
        }
        events.append({Event::Click, point, delayMs});
        cursor = point;
        ++clickCount;
        return true;
    }
    bool isControlHeld() override
    {
        QMutexLocker lock(&mutex);
        events.append({Event::CtrlCheck, {}, 0});
        return controlFromClick >= 0 && clickCount >= controlFromClick;
    }
    bool isLeftButtonHeld() override
    {
        QMutexLocker lock(&mutex);
        events.append({Event::ButtonCheck, {}, 0});
        if (buttonScript.isEmpty()) {
            return false;
        }
        return buttonScript.takeFirst();
    }
    void sleep(int ms) override
    {
        QMutexLocker lock(&mutex);
        events.append({Event::Sleep, {}, ms});
    }
    /// A FakeClickSource over `clickSource` when it is set; none (the capture polls) otherwise.
    std::unique_ptr<Nox::NoxClickSource> createClickSource() override
    {
        QMutexLocker lock(&mutex);
        if (!clickSource) {
            return nullptr;
        }
        return std::make_unique<FakeClickSource>(clickSource);
    }

    /// The recorded events of one kind, in order.
    [[nodiscard]] QList<Event> only(Event::Kind kind) const
    {
        QMutexLocker lock(&mutex);
        QList<Event> out;
        for (const Event &e : events) {
            if (e.kind == kind) {
                out.append(e);
            }
        }
        return out;
    }
    /// The recorded events without the Control checks (they follow every click).
    [[nodiscard]] QList<Event> actions() const
    {
        QMutexLocker lock(&mutex);
        QList<Event> out;
        for (const Event &e : events) {
            if (e.kind != Event::CtrlCheck) {
                out.append(e);
            }
        }
        return out;
    }

    mutable QMutex mutex;
    QList<Event> events;
    QPoint cursor{5, 7};
    bool cursorReadable = true;
    /// Control reads as held once this many clicks were made (-1: never).
    int controlFromClick = -1;
    /// Clicks are refused once this many were made (-1: never).
    int failClicksFrom = -1;
    int clickCount = 0;
    /// Answers of isLeftButtonHeld(), consumed in order; false when empty.
    QList<bool> buttonScript;
    /// The log of the click source this input offers; null: it offers none.
    std::shared_ptr<ClickSourceLog> clickSource;
};

inline QDebug operator<<(QDebug debug, const RecordingInput::Event &e)
{
    static const char *names[] = {"Read", "Move", "Click", "Sleep", "CtrlCheck", "ButtonCheck"};
    QDebugStateSaver saver(debug);
    debug.nospace() << names[e.kind] << '(' << e.point.x() << ',' << e.point.y() << ' ' << e.ms << ')';
    return debug;
}

} // namespace NoxTest
