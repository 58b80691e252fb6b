#pragma once

#include "autobet/noxinput.h"

#include <QDebug>
#include <QList>
#include <QMutex>
#include <QString>

namespace NoxTest {

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
};

inline QDebug operator<<(QDebug debug, const RecordingInput::Event &e)
{
    static const char *names[] = {"Read", "Move", "Click", "Sleep", "CtrlCheck", "ButtonCheck"};
    QDebugStateSaver saver(debug);
    debug.nospace() << names[e.kind] << '(' << e.point.x() << ',' << e.point.y() << ' ' << e.ms << ')';
    return debug;
}

} // namespace NoxTest
