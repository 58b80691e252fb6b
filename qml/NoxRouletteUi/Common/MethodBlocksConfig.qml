import QtQuick

PlaceholderPage {
    title: qsTr("Définition des blocs")
}
