import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// "Notification des grands écarts": per method, a notification when its gap reaches a
// threshold; the mean gap is shown beside it to choose the threshold.
MethodConfigPage {
    id: page

    property alias minimumField: minimum
    property real minimumValue: 10

    objectName: "ecartNotifPage"
    title: qsTr("Notification des grands écarts")
    hasMaster: true
    masterChecked: UIWrapper.methodConfig.allEcartNotif
    onMasterToggled: (checked) => UIWrapper.setMethodsConfigValue("all", "useNotif", checked)

    onRestoreDefaults: {
        UIWrapper.setMethodsConfigValue("all", "useNotif", false)
        UIWrapper.setMethodsConfigValue("all", "ecartNotif", -1)
    }
    onApplyToAll: {
        minimum.commit()
        UIWrapper.setMethodsConfigValue("all", "ecartNotif", minimumValue)
    }

    applyInputs: NumberField {
        id: minimum
        objectName: "minimumInput"
        Layout.fillWidth: true
        label: qsTr("Ecart minimum")
        rule: "ecartNotif"
        value: page.minimumValue
        onCommitted: (v) => page.minimumValue = v
    }

    rowDelegate: RowLayout {
        id: row
        required property string name
        required property color color
        required property int methodId
        required property int flags
        required property int ecartNotif
        required property real ecartMoyen
        width: ListView.view.width
        height: Theme.metrics.rowHeight + 8
        spacing: 4
        Rectangle { implicitWidth: 4; implicitHeight: 18; radius: 2; color: row.color }
        Label { Layout.fillWidth: true; text: row.name; elide: Text.ElideRight }
        Label {
            text: qsTr("moy. %1").arg(row.ecartMoyen.toFixed(1))
            color: Theme.colors.textMuted
            font.pixelSize: Theme.fontSizes.small
        }
        SpinBox {
            objectName: "ecartNotifInput"
            from: -1; to: 999
            editable: true
            value: row.ecartNotif
            onValueModified: UIWrapper.setMethodConfigValue(row.methodId, "ecartNotif", value)
        }
        Switch {
            objectName: "useNotifSwitch"
            checked: (row.flags & UIMethodListModel.UseNotif) !== 0
            onToggled: UIWrapper.setMethodConfigValue(row.methodId, "useNotif", checked)
        }
    }
}
