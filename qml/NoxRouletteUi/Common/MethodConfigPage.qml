import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// The frame of the per-method settings pages: optional master switch, "Restaurer par défaut",
// the "Appliquer à tous" row (its inputs in `applyInputs`), then one row per method of the
// sorted list, built by `rowDelegate`.
AppPage {
    id: page

    property alias masterSwitch: master
    property bool hasMaster: false
    property bool masterChecked: false
    property alias applyInputs: applyRow.data
    property Component rowDelegate
    property alias rows: listView

    signal masterToggled(bool checked)
    signal restoreDefaults()
    signal applyToAll()

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: Theme.metrics.margin
        spacing: Theme.metrics.spacing

        Switch {
            id: master
            objectName: "masterSwitch"
            Layout.fillWidth: true
            visible: page.hasMaster
            text: qsTr("Toutes les méthodes")
            checked: page.masterChecked
            onToggled: page.masterToggled(checked)
        }

        RowLayout {
            id: applyRow
            Layout.fillWidth: true
            spacing: Theme.metrics.spacing
        }
        RowLayout {
            Layout.fillWidth: true
            Button {
                objectName: "restoreButton"
                Layout.fillWidth: true
                text: qsTr("Restaurer par défaut")
                onClicked: page.restoreDefaults()
            }
            Button {
                objectName: "applyButton"
                Layout.fillWidth: true
                highlighted: true
                text: qsTr("Appliquer à tous")
                onClicked: page.applyToAll()
            }
        }

        Rectangle { Layout.fillWidth: true; implicitHeight: 1; color: Theme.colors.border }

        ListView {
            id: listView
            objectName: "methodRows"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: UIWrapper.sortedMethodList
            delegate: page.rowDelegate
            reuseItems: false
            ScrollBar.vertical: ScrollBar {}
        }
    }
}
