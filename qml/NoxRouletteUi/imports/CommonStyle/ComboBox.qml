import QtQuick
import QtQuick.Controls.impl
import QtQuick.Templates as T
import Theme

T.ComboBox {
    id: control

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding,
                             implicitIndicatorHeight + topPadding + bottomPadding)
    leftPadding: 10
    rightPadding: 10 + indicator.width
    font.pixelSize: Theme.fontSizes.body

    // The text of one entry, as displayText shows the current one. String lists and arrays of
    // strings give their element (modelData); arrays and variant lists of objects give the
    // textRole property of their element; item models give their textRole role (or "display").
    // The "model" object of a delegate carries no role named after an empty textRole, which
    // is why model[textRole] alone shows blank rows.
    function entryText(entry: var): string {
        const role = control.textRole
        const element = entry.modelData
        let value
        if (role === "") {
            value = element !== undefined ? element : entry.display
        } else if (element !== null && typeof element === "object" && element[role] !== undefined) {
            value = element[role]
        } else {
            value = entry[role]
        }
        return value === undefined || value === null ? "" : String(value)
    }

    // The ids of this file inside a delegate are unqualified names to qmllint 6.4.
    // qmllint disable unqualified
    delegate: ItemDelegate {
        required property var model
        required property int index
        width: ListView.view.width
        text: control.entryText(model)
        highlighted: control.highlightedIndex === index
        hoverEnabled: control.hoverEnabled
    }
    // qmllint enable unqualified

    indicator: ColorImage {
        x: control.width - width - 6
        y: (control.height - height) / 2
        width: 20
        height: 20
        source: Theme.icon("keyboard_arrow_down")
        color: control.enabled ? Theme.colors.textMuted : Theme.colors.textDisabled
    }

    contentItem: T.TextField {
        text: control.editable ? control.editText : control.displayText
        enabled: control.editable
        readOnly: control.down
        autoScroll: control.editable
        font: control.font
        color: control.enabled ? Theme.colors.text : Theme.colors.textDisabled
        selectionColor: Theme.colors.accent
        selectedTextColor: Theme.colors.accentText
        verticalAlignment: Text.AlignVCenter
    }

    background: Rectangle {
        implicitWidth: 120
        implicitHeight: Theme.metrics.controlHeight
        radius: Theme.metrics.controlRadius
        color: control.down ? Theme.colors.highlight : Theme.colors.surfaceRaised
        border.width: control.visualFocus ? 2 : 1
        border.color: control.visualFocus ? Theme.colors.accent : Theme.colors.border
    }

    popup: T.Popup {
        y: control.height + 2
        width: control.width
        height: Math.min(contentItem.implicitHeight + 8, control.Window.height - topMargin - bottomMargin)
        topMargin: 6
        bottomMargin: 6
        padding: 4

        contentItem: ListView {
            clip: true
            implicitHeight: contentHeight
            model: control.delegateModel
            currentIndex: control.highlightedIndex
            highlightMoveDuration: 0
            T.ScrollIndicator.vertical: ScrollIndicator {}
        }

        background: Rectangle {
            radius: Theme.metrics.controlRadius
            color: Theme.colors.surfaceRaised
            border.color: Theme.colors.border
        }
    }
}
