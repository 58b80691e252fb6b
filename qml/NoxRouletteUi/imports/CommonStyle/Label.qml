import QtQuick
import QtQuick.Templates as T
import Theme

T.Label {
    color: enabled ? Theme.colors.text : Theme.colors.textDisabled
    linkColor: Theme.colors.accent
    font.pixelSize: Theme.fontSizes.body
    verticalAlignment: Text.AlignVCenter
}
