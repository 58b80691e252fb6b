import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// A number the player types, with its allowed range shown beside it. The typed text is checked
// by UIInputRules: text that is not a number is refused (nothing is written and the stored
// value comes back), a number outside from..to is clamped to the range. `rule` names the
// rule that gives from, to, decimals and unit; a field without one (a method parameter) sets
// them itself. `committed(value)` carries the
// checked value when the field is confirmed (Enter or focus leaving it). `unit` converts the
// shown value to the stored one: 100 for money kept in hundredths, 1 for plain counts.
RowLayout {
    id: root

    property string label
    property string rule
    readonly property var __rule: rule.length > 0 ? UIInputRules.rule(rule) : ({})
    property real from: __rule.from !== undefined ? __rule.from : 0
    property real to: __rule.to !== undefined ? __rule.to : 1000000
    property int decimals: __rule.decimals !== undefined ? __rule.decimals : 0
    property int unit: __rule.unit !== undefined ? __rule.unit : 1
    // The stored value (hundredths for money).
    property real value: 0
    property alias field: input
    // The value last stored: `value`, or what this field committed since. Some stores do not
    // notify their own writes (the engine configuration's counts), so `value` can lag behind
    // a commit; comparing against it would drop a later commit back to the old number.
    property real stored: value
    readonly property string rangeText: "(" + root.format(root.from) + " – " + root.format(root.to) + ")"

    signal committed(real value)

    spacing: Theme.metrics.spacing

    function format(shown: real): string {
        return decimals > 0 ? shown.toFixed(decimals) : String(Math.round(shown))
    }

    // The stored value a text stands for, or NaN when the text is not a number.
    function parse(text: string): real {
        return UIInputRules.parse(text, root.from, root.to, root.decimals, root.unit)
    }

    function commit() {
        const v = parse(input.text)
        if (isNaN(v)) {
            input.text = format(root.stored / root.unit)
            return
        }
        input.text = format(v / root.unit)
        if (v !== root.stored) {
            root.stored = v
            root.committed(v)
        }
    }

    Label {
        Layout.fillWidth: true
        text: root.label
        wrapMode: Text.WordWrap
        visible: root.label.length > 0
    }

    ColumnLayout {
        spacing: 0
        Layout.fillWidth: root.label.length === 0

        TextField {
            id: input
            objectName: "numberInput"
            Layout.preferredWidth: 120
            Layout.fillWidth: root.label.length === 0
            horizontalAlignment: TextInput.AlignRight
            inputMethodHints: Qt.ImhFormattedNumbersOnly
            text: root.format(root.value / root.unit)
            validator: RegularExpressionValidator {
                regularExpression: new RegExp(root.decimals > 0 ? "[-+]?\\d{0,9}([.,]\\d{0," + root.decimals + "})?"
                                                             : "[-+]?\\d{0,9}")
            }
            onEditingFinished: root.commit()
            onActiveFocusChanged: if (!activeFocus) root.commit()
            Keys.onEscapePressed: text = root.format(root.stored / root.unit)
        }

        Label {
            text: root.rangeText
            font.pixelSize: Theme.fontSizes.small
            color: Theme.colors.textMuted
            Layout.alignment: Qt.AlignRight
        }
    }

    // Keep the text in step with the stored value when it changes elsewhere.
    onValueChanged: {
        stored = value
        if (!input.activeFocus)
            input.text = root.format(root.value / root.unit)
    }
}
