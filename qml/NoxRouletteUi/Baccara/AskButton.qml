import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// "B ?" or "P ?": the marks a BANKER or a PLAYER would add to the three derived roads, and a
// press that shows that winner in place on every road for a few seconds, without playing it.
Button {
    id: button

    required property int winner // UIRoads.Banker or UIRoads.Player
    readonly property UIRoads roads: UIWrapper.roads
    readonly property bool banker: winner === UIRoads.Banker

    checked: roads.askWinner === winner
    implicitHeight: Theme.metrics.controlHeight
    Accessible.name: text
    text: banker ? qsTr("B ?") : qsTr("P ?")
    ToolTip.visible: hovered
    ToolTip.delay: 600
    ToolTip.text: banker ? qsTr("Ce qu'un BANKER ajouterait aux routes (sans le jouer)")
                         : qsTr("Ce qu'un PLAYER ajouterait aux routes (sans le jouer)")
    onClicked: roads.askWinner = checked ? UIRoads.NoWinner : winner

    contentItem: RowLayout {
        spacing: 6
        Label {
            text: button.text
            color: button.banker ? Theme.colors.bankerLight : Theme.colors.playerLight
            font.pixelSize: Theme.fontSizes.body
            font.weight: Font.Bold
        }
        Repeater {
            model: 3
            // qmllint disable unqualified
            delegate: AskMark {
                required property int index
                objectName: "askMark" + index
                road: index
                value: (button.banker ? button.roads.bankerAsk : button.roads.playerAsk)[index]
            }
            // qmllint enable unqualified
        }
    }
}
