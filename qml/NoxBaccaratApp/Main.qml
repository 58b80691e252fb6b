import QtQuick
import QtQuick.Controls
import Qt.labs.settings as Labs
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
    visible: true
    title: qsTr("Baccarat")
    color: "transparent"

    Labs.Settings {
        id: settings
        category: "window"
        property alias windowX: mainWindow.x
        property alias windowY: mainWindow.y
        property alias stayOnTop: mainWindow.stayOnTop
        property int desktopAvailableWidth
        property int desktopAvailableHeight
        property string screenModel
        property string screenName
    }

    function saveScreenLayout() {
        settings.desktopAvailableWidth = mainWindow.Screen.desktopAvailableWidth
        settings.desktopAvailableHeight = mainWindow.Screen.desktopAvailableHeight
        settings.screenModel = mainWindow.Screen.model
        settings.screenName = mainWindow.Screen.name
    }

    // The saved position is kept only when it was saved on a screen of the same size and the
    // window fits on it; otherwise the window is centred.
    function ensureValidWindowPosition() {
        const s = mainWindow.Screen
        const valid = settings.desktopAvailableWidth === s.desktopAvailableWidth
                    && settings.desktopAvailableHeight === s.desktopAvailableHeight
                    && settings.windowX >= 0 && settings.windowY >= 0
                    && settings.windowX + mainWindow.width < s.width
                    && settings.windowY + mainWindow.height < s.height
        console.log("savedScreenLayout: " + (valid ? "valid" : "invalid"))
        if (valid) {
            mainWindow.x = settings.windowX
            mainWindow.y = settings.windowY
        } else {
            mainWindow.x = s.width / 2 - mainWindow.width / 2
            mainWindow.y = s.height / 2 - mainWindow.height / 2
        }
        saveScreenLayout()
    }

    Component.onCompleted: {
        Theme.baccara = true
        console.log("BACCARA " + Theme.baccara)
        ensureValidWindowPosition()
    }
    Component.onDestruction: saveScreenLayout()

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
}
