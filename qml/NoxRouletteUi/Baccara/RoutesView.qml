import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// The scoreboard of the current shoe: its counts, the bead plate, the big road and the three
// derived roads (at half the big road's cells), the two ask buttons and "Nouveau sabot".
Rectangle {
    id: view

    readonly property UIRoads roads: UIWrapper.roads
    // The big road's cell; the derived roads use half of it, as on the tables' scoreboards.
    readonly property int cell: 14

    objectName: "routesView"
    radius: Theme.metrics.controlRadius
    color: Theme.colors.surface

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 4
        spacing: 4

        RowLayout {
            Layout.fillWidth: true
            Layout.leftMargin: 4
            Layout.rightMargin: 4
            spacing: 10
            Label {
                objectName: "shoeCaption"
                Layout.fillWidth: true
                text: qsTr("Sabot %1").arg(view.roads.shoeNumber) + " · "
                      + (view.roads.coupCount > 0 ? qsTr("%n coup(s)", "", view.roads.coupCount) : qsTr("aucun coup"))
                color: Theme.colors.textMuted
                font.pixelSize: Theme.fontSizes.small
                elide: Text.ElideRight
            }
            Repeater {
                model: [
                    {letter: "B", objectName: "bankerCount", color: Theme.colors.bankerLight},
                    {letter: "P", objectName: "playerCount", color: Theme.colors.playerLight},
                    {letter: "T", objectName: "tieCount", color: Theme.colors.tieLight}
                ]
                // qmllint disable unqualified
                delegate: Label {
                    required property var modelData
                    readonly property int count: modelData.letter === "B" ? view.roads.bankerCount
                                                 : modelData.letter === "P" ? view.roads.playerCount
                                                                             : view.roads.tieCount
                    objectName: modelData.objectName
                    text: modelData.letter + " " + count
                    color: modelData.color
                    font.pixelSize: Theme.fontSizes.small
                    font.weight: Font.DemiBold
                }
                // qmllint enable unqualified
            }
        }

        Road {
            objectName: "beadPlate"
            Layout.fillWidth: true
            kind: NoxRoadView.BeadPlate
            cellSize: view.cell - 1
            tip: qsTr("Perles : chaque coup dans l'ordre, de haut en bas")
        }
        Road {
            objectName: "bigRoad"
            Layout.fillWidth: true
            kind: NoxRoadView.BigRoad
            cellSize: view.cell
            tip: qsTr("Grande route : une colonne par série, les TIE barrés en vert")
        }
        Road {
            objectName: "bigEyeBoy"
            Layout.fillWidth: true
            kind: NoxRoadView.BigEyeBoy
            cellSize: view.cell / 2
            tip: qsTr("Big Eye Boy : rouge quand la grande route se répète, bleu quand elle rompt")
        }
        RowLayout {
            Layout.fillWidth: true
            spacing: 8
            Road {
                objectName: "smallRoad"
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                kind: NoxRoadView.SmallRoad
                cellSize: view.cell / 2
                tip: qsTr("Small Road : compare deux colonnes plus loin")
            }
            Road {
                objectName: "cockroachPig"
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                kind: NoxRoadView.CockroachPig
                cellSize: view.cell / 2
                tip: qsTr("Cockroach Pig : compare trois colonnes plus loin")
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 4
            AskButton {
                objectName: "askBanker"
                winner: UIRoads.Banker
            }
            AskButton {
                objectName: "askPlayer"
                winner: UIRoads.Player
            }
            Item { Layout.fillWidth: true }
            Button {
                objectName: "newShoeButton"
                icon.source: Theme.icon("cards_stack")
                text: qsTr("Nouveau sabot")
                enabled: view.roads.canStartNewShoe
                ToolTip.visible: hovered
                ToolTip.delay: 800
                ToolTip.text: qsTr("Commencer des routes neuves : l'historique et les méthodes continuent")
                onClicked: UIWrapper.newShoe()
            }
        }
    }
}
