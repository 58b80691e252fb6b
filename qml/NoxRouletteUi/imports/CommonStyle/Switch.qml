import QtQuick
import QtQuick.Templates as T
import Theme

T.Switch {
    id: control

    // Without a text the indicator alone gives the width (and the place a click must hit).
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding,
                            implicitIndicatorWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding,
                             implicitIndicatorHeight + topPadding + bottomPadding)
    padding: 4
    spacing: 8
    font.pixelSize: Theme.fontSizes.body

    indicator: Rectangle {
        implicitWidth: 36
        implicitHeight: 20
        x: control.text ? control.width - width - control.rightPadding : control.leftPadding
        y: control.topPadding + (control.availableHeight - height) / 2
        radius: height / 2
        color: control.checked ? Theme.colors.accent : Theme.colors.surfaceHover
        border.width: 1
        border.color: control.checked ? Theme.colors.accent : Theme.colors.border
        opacity: control.enabled ? 1 : 0.4

        Rectangle {
            x: control.checked ? parent.width - width - 3 : 3
            y: 3
            width: parent.height - 6
            height: width
            radius: width / 2
            color: control.checked ? Theme.colors.accentText : Theme.colors.textMuted
            Behavior on x { NumberAnimation { duration: 120 } }
        }
    }

    contentItem: Text {
        rightPadding: control.text ? control.indicator.width + control.spacing : 0
        text: control.text
        font: control.font
        color: control.enabled ? Theme.colors.text : Theme.colors.textDisabled
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
}
