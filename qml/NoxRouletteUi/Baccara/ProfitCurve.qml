import QtQuick
import NoxRouletteModel
import Theme

// A profit curve on a zero line, gains above in green, the curve symmetric around zero.
Item {
    id: curve

    property list<int> values
    readonly property int extent: {
        let m = 1
        for (const v of values)
            m = Math.max(m, Math.abs(v))
        return m
    }

    Rectangle {
        width: parent.width
        height: 1
        y: parent.height / 2
        color: Theme.colors.border
    }

    NoxProfitGraph {
        anchors.fill: parent
        values: curve.values
        valueMin: -curve.extent
        valueMax: curve.extent
        color: Theme.colors.accent
        fillColor: Qt.rgba(0.85, 0.69, 0.35, 0.18)
        lineWidth: 2
    }
}
