import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// One result key. The stake proposed on it shows on the key when there is one; a key to be
// played now (UIBet.Marked) wears a gold ring. A stake the limits of the guards changed says so
// in a word under it: "Hors limite" (above the table's limit, not placed), "Refusée" (the coup
// is above the largest stake, not placed), "Plafonnée" (lowered to the largest stake).
AbstractButton {
    id: key

    required property string label
    required property color baseColor
    required property color lightColor
    property var entry // the keypad entry: {value, flags, bet}

    readonly property int stake: entry ? entry.bet : 0
    readonly property bool marked: entry ? (entry.flags & UIBet.Marked) !== 0 : false
    readonly property int flags: entry ? entry.flags : 0
    readonly property string limitWord: (flags & UIBet.OutOfLimits) ? qsTr("Hors limite")
                                      : (flags & UIBet.OverMaxStake) ? qsTr("Refusée")
                                      : (flags & UIBet.Capped) ? qsTr("Plafonnée") : ""
    readonly property string limitReason: (flags & UIBet.OutOfLimits)
                                          ? qsTr("Au-dessus de la limite de la table : cette mise n'est pas placée.")
                                          : (flags & UIBet.OverMaxStake)
                                            ? qsTr("Le coup dépasse la mise maximale : cette mise n'est pas placée.")
                                            : (flags & UIBet.Capped)
                                              ? qsTr("Abaissée pour que le coup reste dans la mise maximale.") : ""

    implicitHeight: Theme.metrics.keyHeight
    // Inside the ring: a key with its label, its stake and a word under it uses the whole height.
    padding: 5
    Accessible.name: label
    focusPolicy: Qt.NoFocus

    ToolTip.visible: hovered && limitReason.length > 0
    ToolTip.delay: 800
    ToolTip.text: limitReason

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
        // On a dark pill: white on the key's own colour is too faint at this size.
        Label {
            objectName: "keyLimit"
            Layout.alignment: Qt.AlignHCenter
            visible: key.limitWord.length > 0
            text: key.limitWord
            color: "white"
            font.pixelSize: Theme.fontSizes.small
            font.weight: Font.DemiBold
            leftPadding: 5
            rightPadding: 5
            background: Rectangle {
                radius: height / 2
                color: "#8c000000"
            }
        }
    }
}
