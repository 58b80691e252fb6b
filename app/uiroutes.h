#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QUrl>

/// Page and popup identifiers of the navigation. Pages are addressed by path-like strings
/// ("/home", "/settings", ...); the enums only carry the invalid markers.
namespace UIRoutes {
Q_NAMESPACE

enum PageID { InvalidPage = -1 };
Q_ENUM_NS(PageID)

enum PopupID { InvalidPopup = -1 };
Q_ENUM_NS(PopupID)

using RouteTable = QHash<QString, QUrl>;

/// The routes of the baccarat edition: page identifier to the QML file of the page. Popups
/// ("popup/..." identifiers) are opened by the screens through the navigator as well.
[[nodiscard]] const RouteTable &baccaratRoutes();

} // namespace UIRoutes
