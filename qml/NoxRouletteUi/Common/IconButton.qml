import QtQuick
import QtQuick.Controls
import Theme

// A flat icon button of the Material Symbols set, always with a tooltip.
RoundButton {
    id: button

    property string iconName
    property string tip
    property color iconColor: Theme.colors.text

    flat: true
    implicitWidth: 32
    implicitHeight: 32
    icon.source: Theme.icon(iconName)
    icon.color: enabled ? iconColor : Theme.colors.textDisabled
    Accessible.name: tip
    ToolTip.visible: hovered && tip.length > 0
    ToolTip.delay: 600
    ToolTip.text: tip
}
