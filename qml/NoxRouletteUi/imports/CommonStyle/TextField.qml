import QtQuick
import QtQuick.Templates as T
import Theme

T.TextField {
    id: control

    implicitWidth: implicitBackgroundWidth + leftInset + rightInset
                   || Math.max(contentWidth, placeholder.implicitWidth) + leftPadding + rightPadding
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             contentHeight + topPadding + bottomPadding,
                             placeholder.implicitHeight + topPadding + bottomPadding)
    padding: 6
    leftPadding: 10
    rightPadding: 10
    font.pixelSize: Theme.fontSizes.body
    color: enabled ? Theme.colors.text : Theme.colors.textDisabled
    selectionColor: Theme.colors.accent
    selectedTextColor: Theme.colors.accentText
    placeholderTextColor: Theme.colors.textMuted
    verticalAlignment: TextInput.AlignVCenter

    Text {
        id: placeholder
        x: control.leftPadding
        y: control.topPadding
        width: control.width - (control.leftPadding + control.rightPadding)
        height: control.height - (control.topPadding + control.bottomPadding)
        text: control.placeholderText
        font: control.font
        color: control.placeholderTextColor
        verticalAlignment: control.verticalAlignment
        visible: !control.length && !control.preeditText
        elide: Text.ElideRight
    }

    background: Rectangle {
        implicitWidth: 160
        implicitHeight: Theme.metrics.controlHeight
        radius: Theme.metrics.controlRadius
        color: Theme.colors.surfaceRaised
        border.width: control.activeFocus ? 2 : 1
        border.color: !control.acceptableInput ? Theme.colors.loss
                    : control.activeFocus ? Theme.colors.accent : Theme.colors.border
    }
}
