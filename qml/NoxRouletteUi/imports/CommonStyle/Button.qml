import QtQuick
import QtQuick.Controls.impl
import QtQuick.Templates as T
import Theme

// Flat buttons on raised surfaces; `highlighted` marks the one action of a screen in the
// accent colour. An icon alone gets its text as tooltip.
T.Button {
    id: control

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)
    padding: 6
    horizontalPadding: 12
    spacing: 6
    font.pixelSize: Theme.fontSizes.body
    font.weight: Font.DemiBold
    icon.width: Theme.metrics.iconSize
    icon.height: Theme.metrics.iconSize
    icon.color: control.contentColor
    display: AbstractButton.TextBesideIcon

    readonly property color contentColor: !enabled ? Theme.colors.textDisabled
                                        : highlighted ? Theme.colors.accentText : Theme.colors.text

    contentItem: IconLabel {
        spacing: control.spacing
        mirrored: control.mirrored
        display: control.display
        icon: control.icon
        text: control.text
        font: control.font
        color: control.contentColor
    }

    background: Rectangle {
        implicitWidth: 64
        implicitHeight: Theme.metrics.controlHeight
        radius: Theme.metrics.controlRadius
        visible: !control.flat || control.down || control.hovered || control.checked
        color: control.highlighted ? (control.down ? Qt.darker(Theme.colors.accent, 1.2) : Theme.colors.accent)
             : control.down ? Theme.colors.highlight
             : control.checked ? Theme.colors.highlight
             : control.hovered ? Theme.colors.surfaceHover : Theme.colors.surfaceRaised
        border.width: control.visualFocus ? 2 : 0
        border.color: Theme.colors.accent
    }
}
