import QtQuick
import QtQuick.Controls.impl
import QtQuick.Templates as T
import Theme

T.CheckBox {
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
        implicitWidth: 18
        implicitHeight: 18
        x: control.leftPadding
        y: control.topPadding + (control.availableHeight - height) / 2
        radius: 4
        color: control.checked ? Theme.colors.accent : "transparent"
        border.width: 2
        border.color: control.checked ? Theme.colors.accent : Theme.colors.textMuted

        ColorImage {
            anchors.centerIn: parent
            width: 16
            height: 16
            source: Theme.icon("check")
            color: Theme.colors.accentText
            visible: control.checkState === Qt.Checked
        }
    }

    contentItem: Text {
        leftPadding: control.indicator.width + control.spacing
        text: control.text
        font: control.font
        color: control.enabled ? Theme.colors.text : Theme.colors.textDisabled
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
}
