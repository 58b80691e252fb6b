import QtQuick
import QtQuick.Controls
import NoxRouletteModel
import NoxRouletteUi
import CommonStyle
import NoxRouletteUi.Common
import NoxRouletteUi.Baccara
import Theme

UIMainWindow {
    id: mainWindow

    objectName: "mainWindow"
    width: 430
    height: 720
    // Shown on completion, once its size is set: the window goes back to its saved place
    // when it is shown (UIMainWindow), which needs the size.
    visible: false
    title: qsTr("Baccarat")
    color: "transparent"

    // The window's place and stay-on-top state are saved and restored by UIMainWindow itself.

    Component.onCompleted: {
        Theme.baccara = true
        Theme.applyPalette(mainWindow.palette)
        mainWindow.visible = true
        console.log("BACCARA " + Theme.baccara)
        Qt.callLater(showStartupReport) // qmllint disable type
    }

    // "startupReport" is a context property of the program (app/main.cpp), absent in the tests.
    // qmllint disable unqualified

    // Damaged files first, then the offer to restore an interrupted session above it.
    function showStartupReport() {
        if (typeof startupReport === "undefined" || !startupReport)
            return
        if (startupReport.problems.length > 0)
            problemsDialog.open()
        if (startupReport.interruptedCount > 0)
            restoreDialog.open()
    }

    Rectangle {
        objectName: "windowBackground"
        anchors.fill: parent
        radius: 16
        color: Theme.colors.background

        MouseArea {
            anchors.fill: parent
            onPressed: mainWindow.startSystemMove()
        }

        App {
            objectName: "app"
            anchors.fill: parent
            applicationWindow: mainWindow
        }
    }

    NoxDialog {
        id: problemsDialog
        objectName: "problemsDialog"
        keepsHeader: true
        title: qsTr("Fichiers endommagés")
        MessageText {
            text: typeof startupReport !== "undefined" && startupReport ? startupReport.problems.join("\n\n") : ""
        }
    }

    RestoreSessionDialog {
        id: restoreDialog
        keepsHeader: true
        count: typeof startupReport !== "undefined" && startupReport ? startupReport.interruptedCount : 0
        when: typeof startupReport !== "undefined" && startupReport ? startupReport.interruptedAt : new Date()
        onAccepted: startupReport.restoreSession()
        onRejected: startupReport.discardSession()
    }
    // qmllint enable unqualified
}
