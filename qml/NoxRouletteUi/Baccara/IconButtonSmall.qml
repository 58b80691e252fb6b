import QtQuick
import QtQuick.Layouts
import NoxRouletteUi.Common

IconButton {
    implicitWidth: 26
    implicitHeight: 26
    icon.width: 18
    icon.height: 18
    Layout.preferredWidth: 26
}
