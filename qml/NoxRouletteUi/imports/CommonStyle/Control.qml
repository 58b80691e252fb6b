import QtQuick
import QtQuick.Templates as T
import Theme

T.Control {
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)
    font.pixelSize: Theme.fontSizes.body
    palette.windowText: Theme.colors.text
}
