#include "uiroutes.h"

namespace UIRoutes {

namespace {
QUrl baccara(const char *file)
{
    return QUrl(QStringLiteral("qrc:/qt/qml/NoxRouletteUi/Baccara/") + QLatin1String(file));
}

QUrl common(const char *file)
{
    return QUrl(QStringLiteral("qrc:/qt/qml/NoxRouletteUi/Common/") + QLatin1String(file));
}
} // namespace

const RouteTable &baccaratRoutes()
{
    static const RouteTable routes{
        {QStringLiteral("/home"), baccara("PlayScreen.qml")},
        {QStringLiteral("/settings"), baccara("Settings.qml")},
        {QStringLiteral("/settings/methods/visibility"), common("MethodVisibilityPage.qml")},
        {QStringLiteral("/settings/methods/ecartnotif"), common("MethodEcartNotifConfig.qml")},
        {QStringLiteral("/settings/methods/blocks"), common("MethodBlocksConfig.qml")},
        {QStringLiteral("/settings/methods/blocksdom"), common("MethodBlockDomConfig.qml")},
        {QStringLiteral("/settings/montantes/user"), common("UserMontantePage.qml")},
        {QStringLiteral("/settings/sessions"), common("SessionsPage.qml")},
        // Popups: the dialogs the screens open through openPopup().
        {QStringLiteral("popup/chart"), common("MethodChartDialog.qml")},
        {QStringLiteral("popup/details"), common("MethodDetailsDialog.qml")},
        {QStringLiteral("popup/error"), common("ErrorDialog.qml")},
    };
    return routes;
}

} // namespace UIRoutes
