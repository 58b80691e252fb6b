import QtQuick
import QtQuick.Controls.impl
import QtQuick.Templates as T
import Theme

T.RoundButton {
    id: control

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)
    padding: 6
    icon.width: Theme.metrics.iconSize
    icon.height: Theme.metrics.iconSize
    icon.color: enabled ? Theme.colors.text : Theme.colors.textDisabled
    display: AbstractButton.IconOnly
    font.pixelSize: Theme.fontSizes.body

    contentItem: IconLabel {
        display: control.display
        icon: control.icon
        text: control.text
        font: control.font
        color: control.icon.color
    }

    background: Rectangle {
        implicitWidth: 32
        implicitHeight: 32
        radius: control.radius
        visible: !control.flat || control.down || control.hovered || control.checked
        color: control.down || control.checked ? Theme.colors.highlight
             : control.hovered ? Theme.colors.surfaceHover : Theme.colors.surfaceRaised
    }
}
