import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// "Définition des blocs": per method, a block range of its own instead of the computed one.
MethodConfigPage {
    id: page

    property alias minimumField: minimum
    property alias maximumField: maximum
    property real minimumValue: 0
    property real maximumValue: 5

    objectName: "blocksPage"
    title: qsTr("Définition des blocs")
    hasMaster: true
    masterChecked: UIWrapper.methodConfig.allUseCustomBlock
    onMasterToggled: (checked) => UIWrapper.setMethodsConfigValue("all", "useCustomBlock", checked)

    onRestoreDefaults: {
        UIWrapper.setMethodsConfigValue("all", "useCustomBlock", false)
        UIWrapper.setMethodsConfigValue("all", "customBlockMin", 0)
        UIWrapper.setMethodsConfigValue("all", "customBlockMax", 0)
    }
    onApplyToAll: {
        minimum.commit()
        maximum.commit()
        // A range given upside down is applied the right way round.
        const lo = Math.min(minimumValue, maximumValue)
        const hi = Math.max(minimumValue, maximumValue)
        UIWrapper.setMethodsConfigValue("all", "customBlockMin", lo)
        UIWrapper.setMethodsConfigValue("all", "customBlockMax", hi)
    }

    applyInputs: [
        NumberField {
            id: minimum
            objectName: "minimumInput"
            Layout.fillWidth: true
            label: qsTr("Min")
            rule: "customBlock"
            value: page.minimumValue
            onCommitted: (v) => page.minimumValue = v
        },
        NumberField {
            id: maximum
            objectName: "maximumInput"
            Layout.fillWidth: true
            label: qsTr("Max")
            rule: "customBlock"
            value: page.maximumValue
            onCommitted: (v) => page.maximumValue = v
        }
    ]

    rowDelegate: RowLayout {
        id: row
        required property string name
        required property color color
        required property int methodId
        required property int flags
        required property int customBlockMin
        required property int customBlockMax
        width: ListView.view.width
        height: Theme.metrics.rowHeight + 8
        spacing: 4
        Rectangle { implicitWidth: 4; implicitHeight: 18; radius: 2; color: row.color }
        Label { Layout.fillWidth: true; text: row.name; elide: Text.ElideRight }
        SpinBox {
            objectName: "customBlockMinInput"
            from: 0; to: row.customBlockMax > 0 ? row.customBlockMax : 99
            editable: true
            value: row.customBlockMin
            onValueModified: UIWrapper.setMethodConfigValue(row.methodId, "customBlockMin", value)
        }
        SpinBox {
            objectName: "customBlockMaxInput"
            from: row.customBlockMin; to: 99
            editable: true
            value: row.customBlockMax
            onValueModified: UIWrapper.setMethodConfigValue(row.methodId, "customBlockMax", value)
        }
        Switch {
            objectName: "useCustomBlockSwitch"
            checked: (row.flags & UIMethodListModel.UseCustomBlock) !== 0
            onToggled: UIWrapper.setMethodConfigValue(row.methodId, "useCustomBlock", checked)
        }
    }
}
