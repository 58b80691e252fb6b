import QtQuick
import NoxRouletteModel
import Theme

// The mark a derived road would add, drawn as that road draws it: a ring (big eye boy), a dot
// (small road) or a slash (cockroach pig); a faint outline where the road has not started.
Item {
    id: mark

    // 0 big eye boy, 1 small road, 2 cockroach pig: the order of UIRoads' ask lists.
    required property int road
    required property int value

    readonly property bool none: value === UIRoads.NoMark
    readonly property color markColor: none ? Theme.colors.textDisabled
                                            : value === UIRoads.Red ? Theme.colors.bankerLight : Theme.colors.playerLight

    implicitWidth: 12
    implicitHeight: 12

    Rectangle {
        anchors.fill: parent
        anchors.margins: 1
        visible: mark.road !== 2
        radius: width / 2
        color: mark.road === 1 && !mark.none ? mark.markColor : "transparent"
        border.width: 2
        border.color: mark.markColor
    }
    Rectangle {
        anchors.centerIn: parent
        visible: mark.road === 2
        width: 2.5
        height: parent.height * 1.2
        radius: 1
        rotation: 45
        color: mark.markColor
    }
}
