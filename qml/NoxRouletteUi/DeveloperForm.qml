import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// Diagnostics for the developer: what the navigator and the window hold right now.
ColumnLayout {
    spacing: 4

    Label {
        text: qsTr("Page courante : %1").arg(UINavigator.currentPage)
        font.pixelSize: Theme.fontSizes.small
    }
    Label {
        // A QStringList is a JavaScript array here, which qmllint 6.4 does not know.
        text: qsTr("Pages : %1").arg(UINavigator.pages.join(" › ")) // qmllint disable type
        font.pixelSize: Theme.fontSizes.small
    }
    Label {
        text: qsTr("Popups ouverts : %1").arg(UINavigator.popupCount)
        font.pixelSize: Theme.fontSizes.small
    }
}
