import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// One method of the visibility list: its colour and name, its visibility in the list of the
// play screen, its visibility in the split view and, when it has some, its parameters.
RowLayout {
    id: row

    required property string name
    required property color color
    required property int methodId
    required property bool methodVisible
    required property bool hasParameters
    required property int flags

    signal editParameters(int methodId, string name)

    spacing: 4
    implicitHeight: Theme.metrics.rowHeight

    Rectangle {
        implicitWidth: 4
        implicitHeight: 18
        radius: 2
        color: row.color
    }
    Label {
        Layout.fillWidth: true
        text: row.name
        elide: Text.ElideRight
    }
    IconButton {
        objectName: "parametersButton"
        iconName: "tune"
        tip: qsTr("Paramètres de la méthode")
        visible: row.hasParameters
        onClicked: row.editParameters(row.methodId, row.name)
    }
    CheckBox {
        objectName: "splitSwitch"
        checked: (row.flags & UIMethodListModel.SplitVisible) !== 0
        ToolTip.visible: hovered
        ToolTip.text: qsTr("Vue partagée")
        onToggled: UIWrapper.setMethodSplitVisible(row.methodId, checked)
    }
    Switch {
        objectName: "visibleSwitch"
        checked: row.methodVisible
        ToolTip.visible: hovered
        ToolTip.text: qsTr("Visible")
        onToggled: UIWrapper.setMethodVisible(row.methodId, checked)
    }
}
