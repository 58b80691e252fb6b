import QtQuick
import QtQuick.Controls
import NoxRouletteModel
import Theme

// The big road of the current shoe, above the method views in every mode: the newest result
// is the marked cell of the last column.
Rectangle {
    id: strip

    readonly property UIRoads roads: UIWrapper.roads

    objectName: "bigRoadStrip"
    implicitHeight: road.implicitHeight + 2 * padding
    radius: Theme.metrics.controlRadius
    color: Theme.colors.surface

    readonly property int padding: 3

    Road {
        id: road
        objectName: "stripBigRoad"
        anchors.fill: parent
        anchors.margins: strip.padding
        kind: NoxRoadView.BigRoad
        cellSize: 10
        tip: qsTr("Grande route du sabot en cours")
    }

    Label {
        objectName: "stripEmpty"
        anchors.centerIn: parent
        visible: strip.roads.coupCount === 0
        text: qsTr("Sabot %1 : aucun coup").arg(strip.roads.shoeNumber)
        color: Theme.colors.textMuted
        font.pixelSize: Theme.fontSizes.small
    }

    // A shoe of ties only has no big-road cell: its ties are said here.
    Label {
        objectName: "stripTies"
        anchors.centerIn: parent
        visible: strip.roads.coupCount > 0 && strip.roads.leadingTies === strip.roads.coupCount
        text: qsTr("%n TIE avant le premier résultat", "", strip.roads.leadingTies)
        color: Theme.colors.tieLight
        font.pixelSize: Theme.fontSizes.small
    }
}
