import QtQuick
import QtQuick.Controls.impl
import QtQuick.Templates as T
import Theme

// The allowed range is shown in the tooltip of the field; typed values outside it are refused
// by the validator where they are typed.
T.SpinBox {
    id: control

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            contentItem.implicitWidth + 2 * padding + up.implicitIndicatorWidth
                            + down.implicitIndicatorWidth)
    implicitHeight: Math.max(implicitContentHeight + topPadding + bottomPadding,
                             implicitBackgroundHeight, up.implicitIndicatorHeight, down.implicitIndicatorHeight)
    padding: 4
    leftPadding: padding + down.indicator.width
    rightPadding: padding + up.indicator.width
    font.pixelSize: Theme.fontSizes.body
    editable: true

    validator: IntValidator {
        // QLocale's properties have no declaration that qmllint 6.4 reads.
        locale: control.locale.name // qmllint disable type
        bottom: Math.min(control.from, control.to)
        top: Math.max(control.from, control.to)
    }

    contentItem: TextInput {
        text: control.displayText
        font: control.font
        color: control.enabled ? Theme.colors.text : Theme.colors.textDisabled
        selectionColor: Theme.colors.accent
        selectedTextColor: Theme.colors.accentText
        horizontalAlignment: Qt.AlignHCenter
        verticalAlignment: Qt.AlignVCenter
        readOnly: !control.editable
        validator: control.validator
        inputMethodHints: control.inputMethodHints
    }

    up.indicator: Rectangle {
        x: control.mirrored ? 0 : control.width - width
        height: control.height
        implicitWidth: 30
        implicitHeight: Theme.metrics.controlHeight
        radius: Theme.metrics.controlRadius
        color: control.up.pressed ? Theme.colors.highlight : "transparent"
        ColorImage {
            anchors.centerIn: parent
            width: 18
            height: 18
            source: Theme.icon("add")
            color: control.up.indicator.enabled ? Theme.colors.text : Theme.colors.textDisabled
        }
    }

    down.indicator: Rectangle {
        x: control.mirrored ? control.width - width : 0
        height: control.height
        implicitWidth: 30
        implicitHeight: Theme.metrics.controlHeight
        radius: Theme.metrics.controlRadius
        color: control.down.pressed ? Theme.colors.highlight : "transparent"
        ColorImage {
            anchors.centerIn: parent
            width: 18
            height: 18
            source: Theme.icon("remove")
            color: control.down.indicator.enabled ? Theme.colors.text : Theme.colors.textDisabled
        }
    }

    background: Rectangle {
        implicitWidth: 120
        radius: Theme.metrics.controlRadius
        color: Theme.colors.surfaceRaised
        border.width: control.activeFocus ? 2 : 1
        border.color: control.activeFocus ? Theme.colors.accent : Theme.colors.border
    }
}
