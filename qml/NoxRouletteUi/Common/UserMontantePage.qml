import QtQuick

PlaceholderPage {
    title: qsTr("Montante perso")
}
