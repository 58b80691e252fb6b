import QtQuick
import NoxRouletteUi.Common

PlaceholderPage {
    title: qsTr("Paramètres")
}
