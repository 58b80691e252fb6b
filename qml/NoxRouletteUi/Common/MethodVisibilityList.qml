import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// The method visibility list: a master switch over every method and, per method, its
// visibility, split-view and parameter controls. Laid out as a plain column so that it can
// sit in the settings page's own scrolling.
ColumnLayout {
    id: root

    property alias parametersDialog: parametersDialog
    property alias masterSwitch: master

    spacing: 0

    Switch {
        id: master
        objectName: "allMethodsSwitch"
        Layout.fillWidth: true
        text: qsTr("Toutes les méthodes")
        checked: UIWrapper.methodConfig.all
        onToggled: UIWrapper.setMethodsVisible("all", checked)
    }

    RowLayout {
        Layout.fillWidth: true
        Label {
            Layout.fillWidth: true
            text: qsTr("Méthode")
            font.pixelSize: Theme.fontSizes.small
            color: Theme.colors.textMuted
        }
        Label {
            text: qsTr("Partagée · Visible")
            font.pixelSize: Theme.fontSizes.small
            color: Theme.colors.textMuted
        }
    }

    Repeater {
        objectName: "methodRows"
        model: UIWrapper.sortedMethodList
        delegate: MethodVisibilityRow {
            Layout.fillWidth: true
            onEditParameters: (id, name) => parametersDialog.edit(id, name)
        }
    }

    MethodParametersDialog { id: parametersDialog }
}
