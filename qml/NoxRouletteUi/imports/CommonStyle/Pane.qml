import QtQuick
import QtQuick.Templates as T
import Theme

T.Pane {
    id: control

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            contentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             contentHeight + topPadding + bottomPadding)
    padding: Theme.metrics.margin
    font.pixelSize: Theme.fontSizes.body

    background: Rectangle {
        radius: Theme.metrics.controlRadius
        color: Theme.colors.surface
    }
}
