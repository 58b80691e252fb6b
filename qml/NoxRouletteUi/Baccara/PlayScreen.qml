import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import NoxRouletteUi.Common
import Theme

// The play screen: the keypad at the bottom, always in the same place; the dashboard with
// "Miser" at the top, far from it; the played results, the method views and the commands
// between them.
AppPage {
    id: screen

    // The last chosen of Pro and Quick; leaving Split returns to it.
    property string mode: "pro"
    property string lastMainMode: "pro"
    property bool chartShown: false
    // The scoreboard of the shoe in place of the method views; the mode in play stays.
    property bool routesShown: false

    objectName: "playScreen"
    title: qsTr("Baccarat")
    // One height in every mode: the window keeps its size when the mode changes, so the keypad
    // stays where the player's hand expects it.
    implicitHeight: Theme.metrics.windowHeight

    headerTools: [
        IconButton {
            objectName: "settingsButton"
            iconName: "settings"
            tip: qsTr("Paramètres")
            onClicked: UINavigator.enterPage("/settings")
        }
    ]

    function chooseMode(newMode: string) {
        const config = UIWrapper.engineConfig
        if (newMode === "pro" || newMode === "quick")
            lastMainMode = newMode
        config.playPro = newMode === "pro"
        config.playQuick = newMode === "quick"
        config.playSplit = newMode === "split"
        mode = newMode
        routesShown = false
    }

    function openChart(methodId: int, name: string) {
        UINavigator.openPopup("popup/chart", {methodId: methodId, methodName: name})
    }

    function openDetails(methodId: int, name: string) {
        UINavigator.openPopup("popup/details", {methodId: methodId, methodName: name})
    }

    Component.onCompleted: {
        const config = UIWrapper.engineConfig
        if (config) {
            lastMainMode = config.playQuick && !config.playPro ? "quick" : "pro"
            mode = config.playSplit ? "split" : lastMainMode
        }
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.leftMargin: Theme.metrics.margin
        anchors.rightMargin: Theme.metrics.margin
        anchors.bottomMargin: Theme.metrics.margin
        spacing: Theme.metrics.spacing

        Dashboard {
            id: dashboard
            Layout.fillWidth: true
            betButton.onBetFailed: reason => errorDialog.show(reason)
            betButton.onBetStopped: report => stoppedDialog.show(report)
        }

        PlayedStrip {
            Layout.fillWidth: true
        }

        ModeBar {
            Layout.fillWidth: true
            mode: screen.mode
            chartShown: screen.chartShown
            routesShown: screen.routesShown
            onModeChosen: m => screen.chooseMode(m)
            onRoutesChosen: screen.routesShown = true
            onChartToggled: {
                screen.chartShown = screen.routesShown || !screen.chartShown
                screen.routesShown = false
            }
        }

        // The big road in every view but Routes, which shows it larger.
        BigRoadStrip {
            Layout.fillWidth: true
            visible: !screen.routesShown
        }

        StackLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            currentIndex: screen.routesShown ? 4 : screen.chartShown ? 3 : screen.mode === "quick" ? 1 : screen.mode === "split" ? 2 : 0

            ProView {
                onChartRequested: (id, name) => screen.openChart(id, name)
                onDetailsRequested: (id, name) => screen.openDetails(id, name)
            }
            QuickView {
                onChartRequested: (id, name) => screen.openChart(id, name)
            }
            SplitMethodsView {
                onChartRequested: (id, name) => screen.openChart(id, name)
                onDetailsRequested: (id, name) => screen.openDetails(id, name)
                onCloseRequested: screen.chooseMode(screen.lastMainMode)
            }
            ProfitPanel {}
            RoutesView {}
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 4
            Button {
                objectName: "undoButton"
                icon.source: Theme.icon("undo")
                text: qsTr("Effacer")
                ToolTip.visible: hovered
                ToolTip.delay: 800
                ToolTip.text: qsTr("Retirer le dernier résultat")
                onClicked: UIWrapper.unplay()
                Layout.fillWidth: true
            }
            Button {
                objectName: "truncateButton"
                icon.source: Theme.icon("content_cut")
                text: qsTr("Couper")
                ToolTip.visible: hovered
                ToolTip.delay: 800
                ToolTip.text: qsTr("Garder seulement les derniers résultats")
                onClicked: UIWrapper.truncatePlayedItems()
                Layout.fillWidth: true
            }
            Button {
                objectName: "pauseButton"
                readonly property bool suspended: UIWrapper.summary ? UIWrapper.summary.suspended : false
                icon.source: Theme.icon(suspended ? "play_arrow" : "pause")
                text: suspended ? qsTr("Reprendre") : qsTr("Pause")
                onClicked: suspended ? UIWrapper.resume() : UIWrapper.suspend()
                Layout.fillWidth: true
            }
            Button {
                objectName: "resetMontanteButton"
                icon.source: Theme.icon("restart_alt")
                text: qsTr("Annuler")
                ToolTip.visible: hovered
                ToolTip.delay: 800
                ToolTip.text: qsTr("Remettre la montante au départ")
                onClicked: UIWrapper.resetMontante()
                Layout.fillWidth: true
            }
        }

        // Why a session guard stopped the betting, shown until the player resumes ("Reprendre").
        Label {
            objectName: "guardStop"
            readonly property string reason: UIWrapper.summary ? UIWrapper.summary.guardStop : ""
            visible: reason.length > 0
            text: reason + qsTr(" : les mises sont suspendues, « Reprendre » pour continuer.")
            color: Theme.colors.warning
            font.weight: Font.DemiBold
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
            Layout.fillWidth: true
        }

        // Said above the keys while they take no result (the history or the money at its
        // limit), with what to do.
        Label {
            objectName: "playRefusal"
            visible: text.length > 0
            text: UIWrapper.playRefusal
            color: Theme.colors.warning
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
            Layout.fillWidth: true
        }

        Keypad {
            objectName: "keypad"
            Layout.fillWidth: true
        }
    }

    ErrorDialog {
        id: errorDialog
        function show(reason: string) {
            message = reason.length > 0 ? reason : qsTr("La mise n'a pas pu être placée.")
            open()
        }
    }

    // Stays until the player dismisses it: the casino's table holds part of the bet.
    ErrorDialog {
        id: stoppedDialog
        objectName: "betStoppedDialog"
        title: qsTr("Mise interrompue")
        titleColor: Theme.colors.warning
        function show(report: string) {
            message = report
            open()
        }
    }

    NotificationDialog {
        id: notificationDialog
        objectName: "notificationDialog"
        onAccepted: UIWrapper.notifications.markLastNotificationRead()
        onRejected: UIWrapper.notifications.markLastNotificationRead()
    }

    // An unread notification of a real kind is shown once; accepting marks it read.
    Connections {
        target: UIWrapper.notifications
        function onLastNotificationChanged() {
            const n = UIWrapper.notifications.lastNotification
            if (!n.read && n.type !== 0) {
                notificationDialog.title = n.title
                notificationDialog.content = n.content
                notificationDialog.open()
            }
        }
    }
}
