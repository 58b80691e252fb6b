import QtQuick

PlaceholderPage {
    title: qsTr("Notification des grands écarts")
}
