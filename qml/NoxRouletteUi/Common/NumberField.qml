import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Theme

// A number the player types, with its allowed range shown beside it. The typed text is checked
// where it is typed: text that is not a number is refused (the field turns red and nothing is
// written), a number outside from..to is clamped to the range. `committed(value)` carries the
// checked value when the field is confirmed (Enter or focus leaving it). `unit` converts the
// shown value to the stored one: 100 for money kept in hundredths, 1 for plain counts.
RowLayout {
    id: root

    property string label
    property real from: 0
    property real to: 1000000
    property int decimals: 0
    property int unit: 1
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
        const t = text.trim().replace(",", ".")
        if (!/^[-+]?\d+(\.\d*)?$/.test(t))
            return NaN
        let shown = Math.min(Math.max(Number(t), root.from), root.to)
        return Math.round(shown * root.unit)
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
