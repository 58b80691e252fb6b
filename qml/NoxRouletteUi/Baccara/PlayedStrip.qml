import QtQuick
import QtQuick.Controls
import NoxRouletteModel
import Theme

// The results entered, newest first (left), as the coloured marks of a scoreboard.
ListView {
    id: strip

    objectName: "playedStrip"
    orientation: ListView.Horizontal
    spacing: 4
    clip: true
    model: UIWrapper.playedItems
    boundsBehavior: Flickable.StopAtBounds
    implicitHeight: 30

    // The ids of this file inside a delegate are unqualified names to qmllint 6.4.
    // qmllint disable unqualified
    delegate: Rectangle {
        required property int index
        required property int value
        width: 28
        height: 28
        radius: 14
        // Whole marks only: a mark cut by the right edge is left out.
        visible: x + width - strip.contentX <= strip.width
        color: Theme.resultColor(value)
        opacity: index === 0 ? 1 : 0.85
        border.width: index === 0 ? 2 : 0
        border.color: Theme.colors.text
        Label {
            anchors.centerIn: parent
            text: Theme.resultLetter(parent.value)
            color: "white"
            font.pixelSize: Theme.fontSizes.body
            font.weight: Font.Bold
        }
    }
    // qmllint enable unqualified

    Label {
        anchors.verticalCenter: parent.verticalCenter
        visible: strip.count === 0
        text: qsTr("Aucun résultat : entrez le premier coup sur le clavier.")
        color: Theme.colors.textMuted
        font.pixelSize: Theme.fontSizes.small
    }
}
