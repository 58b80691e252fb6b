import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteUi.Common
import Theme

// A signal filter of the method list: enabled while the filter is on (≥ 0); its level shows
// as a gold number, the highest level present as a badge.
IconButton {
    id: button

    property int level: -1
    property int badge: 0

    enabled: level >= 0
    checkable: false
    checked: level > 0
    iconColor: level > 0 ? Theme.colors.accent : Theme.colors.text

    Rectangle {
        visible: button.badge > 0
        anchors.right: parent.right
        anchors.top: parent.top
        width: 14
        height: 14
        radius: 7
        color: Theme.colors.accent
        Label {
            anchors.centerIn: parent
            text: button.badge
            color: Theme.colors.accentText
            font.pixelSize: 10
            font.weight: Font.Bold
        }
    }
    Label {
        visible: button.level > 0
        anchors.left: parent.left
        anchors.bottom: parent.bottom
        text: button.level
        color: Theme.colors.accent
        font.pixelSize: 10
        font.weight: Font.Bold
    }
}
