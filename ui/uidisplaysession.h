#pragma once

#include <QProcessEnvironment>

/// Whether the synthetic clicks of the automatic bets can reach the casino's table.
///
/// The clicks are X11 (XTest) events. In a Wayland session they reach only the programs that
/// run under XWayland, the X server of the session; a browser running natively on Wayland (the
/// default of current browsers) never sees them, so a bet would click nowhere.
namespace UIDisplaySession {

/// True in a Wayland session: XDG_SESSION_TYPE is "wayland" or WAYLAND_DISPLAY is set.
[[nodiscard]] inline bool isWayland(const QProcessEnvironment &environment)
{
    return environment.value(QStringLiteral("XDG_SESSION_TYPE")).compare(u"wayland", Qt::CaseInsensitive) ==
               0 ||
           !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty();
}

} // namespace UIDisplaySession
