import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// "Autres": the language (switching it retranslates the open screens), stay on top and the
// version of the program.
ColumnLayout {
    id: root

    readonly property var languages: [{ text: "Francais", code: "fr" }, { text: "English", code: "en" }]

    spacing: Theme.metrics.spacing

    RowLayout {
        Layout.fillWidth: true
        Label { Layout.fillWidth: true; text: qsTr("Langue") }
        ComboBox {
            objectName: "languageCombo"
            Layout.preferredWidth: 160
            textRole: "text"
            valueRole: "code"
            model: root.languages
            currentIndex: UIWrapper.language === "en" ? 1 : 0
            onActivated: UIWrapper.language = currentValue
        }
    }
    Switch {
        objectName: "stayOnTopSwitch"
        Layout.fillWidth: true
        text: qsTr("Rester au premier plan")
        enabled: UIWrapper.mainWindow !== null
        // The main window is a UIMainWindow (of the shell); the facade gives it as a QQuickWindow.
        checked: UIWrapper.mainWindow ? UIWrapper.mainWindow.stayOnTop : false // qmllint disable type
        onToggled: if (UIWrapper.mainWindow) UIWrapper.mainWindow.stayOnTop = checked
    }
    RowLayout {
        Layout.fillWidth: true
        Label { Layout.fillWidth: true; text: qsTr("Version") }
        Label {
            objectName: "versionLabel"
            text: Qt.application.version
            color: Theme.colors.textMuted
        }
    }
}
