import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// One result key. The stake proposed on it shows on the key when there is one; a key to be
// played now (UIBet.Marked) wears a gold ring.
AbstractButton {
    id: key

    required property string label
    required property color baseColor
    required property color lightColor
    property var entry // the keypad entry: {value, flags, bet}

    readonly property int stake: entry ? entry.bet : 0
    readonly property bool marked: entry ? (entry.flags & UIBet.Marked) !== 0 : false

    implicitHeight: Theme.metrics.keyHeight
    Accessible.name: label
    focusPolicy: Qt.NoFocus

    scale: down ? 0.96 : 1
    Behavior on scale { NumberAnimation { duration: 60 } }

    background: Rectangle {
        radius: Theme.metrics.controlRadius + 4
        color: key.down ? Qt.darker(key.baseColor, 1.35) : key.hovered ? Qt.lighter(key.baseColor, 1.1) : key.baseColor
        border.width: key.marked ? 3 : 0
        border.color: Theme.colors.accent
    }

    contentItem: ColumnLayout {
        spacing: 0
        Label {
            objectName: "keyLabel"
            Layout.alignment: Qt.AlignHCenter
            text: key.label
            color: "white"
            font.pixelSize: Theme.fontSizes.large + 1
            font.weight: Font.Bold
            font.letterSpacing: 1
        }
        Label {
            objectName: "keyStake"
            Layout.alignment: Qt.AlignHCenter
            visible: key.stake > 0
            text: Theme.money(key.stake)
            color: "white"
            font.pixelSize: Theme.fontSizes.large
            font.weight: Font.DemiBold
        }
    }
}
