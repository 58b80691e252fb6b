#pragma once

#include "calibration/noxmousecapture.h"

#include <QtGui/QScreen>
#include <QtGui/QWindow>

/// Window geometry in physical global screen pixels, the space of the platform input and of
/// calibrated points.
class UIScreenGeometry
{
public:
    /// The window's geometry in physical pixels (its Qt geometry when it has no screen).
    [[nodiscard]] static QRect nativeGeometry(const QWindow *window)
    {
        const QScreen *screen = window->screen();
        if (!screen) {
            return window->geometry();
        }
        return Nox::NoxMouseCapture::nativeGeometry(window->geometry(), screen->geometry(),
                                                    window->devicePixelRatio());
    }

    /// True when the whole window lies on the screen area.
    [[nodiscard]] static bool fitsOn(const QRect &window, const QRect &screen)
    {
        return !screen.isEmpty() && screen.contains(window);
    }

    /// Where a window saved at `saved` goes back to, given the available areas of the screens
    /// of its desktop: its saved place when the whole window fits on one of them; otherwise
    /// the place nearest to it on the screen nearest to it (by the distance from the window's
    /// centre to the screen's area), keeping the window's top-left corner on that screen when
    /// the window is larger than it. Without screens the saved place stands.
    [[nodiscard]] static QPoint restoredPosition(const QRect &saved, const QList<QRect> &screens)
    {
        const QRect *nearest = nullptr;
        qint64 nearestDistance = 0;
        for (const QRect &screen : screens) {
            if (fitsOn(saved, screen)) {
                return saved.topLeft();
            }
            if (screen.isEmpty()) {
                continue;
            }
            const qint64 distance = squaredDistance(saved.center(), screen);
            if (!nearest || distance < nearestDistance) {
                nearest = &screen;
                nearestDistance = distance;
            }
        }
        if (!nearest) {
            return saved.topLeft();
        }
        return {clampedStart(saved.x(), saved.width(), nearest->x(), nearest->width()),
                clampedStart(saved.y(), saved.height(), nearest->y(), nearest->height())};
    }

    /// The top-left corner that centres a window of `size` on `screen`.
    [[nodiscard]] static QPoint centred(const QSize &size, const QRect &screen)
    {
        return {screen.x() + (screen.width() - size.width()) / 2,
                screen.y() + (screen.height() - size.height()) / 2};
    }

private:
    [[nodiscard]] static qint64 squaredDistance(const QPoint &point, const QRect &rect)
    {
        const qint64 dx = point.x() < rect.left()    ? rect.left() - point.x()
                          : point.x() > rect.right() ? point.x() - rect.right()
                                                     : 0;
        const qint64 dy = point.y() < rect.top()      ? rect.top() - point.y()
                          : point.y() > rect.bottom() ? point.y() - rect.bottom()
                                                      : 0;
        return dx * dx + dy * dy;
    }

    /// The start of a span of `length` at `start` moved into [origin, origin + extent), at the
    /// origin when it is longer than that.
    [[nodiscard]] static int clampedStart(int start, int length, int origin, int extent)
    {
        return qMax(origin, qMin(start, origin + extent - length));
    }
};
