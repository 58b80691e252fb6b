import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// "Définition des blocs dominants": per method, how many dominant gaps make its dominant
// block (−1: the method's own default).
MethodConfigPage {
    id: page

    property alias countField: count
    property real countValue: 3

    objectName: "blocksDomPage"
    title: qsTr("Définition des blocs dominants")

    onRestoreDefaults: UIWrapper.setMethodsConfigValue("all", "nbBlockDom", -1)
    onApplyToAll: {
        count.commit()
        UIWrapper.setMethodsConfigValue("all", "nbBlockDom", countValue)
    }

    applyInputs: NumberField {
        id: count
        objectName: "countInput"
        Layout.fillWidth: true
        label: qsTr("Blocs dominants")
        rule: "nbBlockDom"
        value: page.countValue
        onCommitted: (v) => page.countValue = v
    }

    rowDelegate: RowLayout {
        id: row
        required property string name
        required property color color
        required property int methodId
        required property int nbBlockDom
        width: ListView.view.width
        height: Theme.metrics.rowHeight + 8
        spacing: 4
        Rectangle { implicitWidth: 4; implicitHeight: 18; radius: 2; color: row.color }
        Label { Layout.fillWidth: true; text: row.name; elide: Text.ElideRight }
        SpinBox {
            objectName: "nbBlockDomInput"
            from: -1; to: 20
            editable: true
            value: row.nbBlockDom
            onValueModified: UIWrapper.setMethodConfigValue(row.methodId, "nbBlockDom", value)
        }
    }
}
