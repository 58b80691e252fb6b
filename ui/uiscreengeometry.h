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
};
