import QtQuick
import QtQuick.Controls.impl
import QtQuick.Templates as T
import Theme

T.ItemDelegate {
    id: control

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)
    padding: 8
    spacing: 8
    font.pixelSize: Theme.fontSizes.body
    icon.width: Theme.metrics.iconSize
    icon.height: Theme.metrics.iconSize
    icon.color: Theme.colors.text

    contentItem: IconLabel {
        spacing: control.spacing
        mirrored: control.mirrored
        display: control.display
        alignment: Qt.AlignLeft | Qt.AlignVCenter
        icon: control.icon
        text: control.text
        font: control.font
        color: control.enabled ? Theme.colors.text : Theme.colors.textDisabled
    }

    background: Rectangle {
        implicitHeight: Theme.metrics.rowHeight
        color: control.down ? Theme.colors.highlight
             : control.highlighted ? Theme.colors.highlight
             : control.hovered ? Theme.colors.surfaceHover : "transparent"
    }
}
