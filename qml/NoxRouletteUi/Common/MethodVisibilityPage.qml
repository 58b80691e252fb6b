import QtQuick

PlaceholderPage {
    title: qsTr("Filtre détaillé")
}
