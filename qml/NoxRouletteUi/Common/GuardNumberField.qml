import QtQuick
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// A number of the session guards: a NumberField with, under it, why the last write was refused
// when the refusal concerns this guard (UIWrapper.financial.guardsErrorField). A refused value
// stays in the field as typed, beside its message, so that the player sees what to change; the
// stored guard keeps its value.
ColumnLayout {
    id: root

    property alias label: number.label
    property alias rule: number.rule
    // The stored value (hundredths for money).
    property alias value: number.value
    property alias field: number.field
    readonly property alias number: number
    // The guard this field edits: a UIFinancialConfig.GuardField.
    required property int guard
    readonly property bool refused: UIWrapper.financial.guardsErrorField === guard

    signal committed(real value)

    spacing: 2

    NumberField {
        id: number
        objectName: "guardNumber"
        Layout.fillWidth: true
        onCommitted: (v) => root.committed(v)
    }
    MessageText {
        objectName: "guardMessage"
        visible: root.refused
        text: root.refused ? UIWrapper.financial.guardsError : ""
        color: Theme.colors.loss
        font.pixelSize: Theme.fontSizes.small
    }
}
