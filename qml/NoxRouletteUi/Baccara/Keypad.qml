import QtQuick
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// PLAYER, TIE and BANKER, as on the table: a click plays 1, 0 or 2.
RowLayout {
    id: keypad

    spacing: Theme.metrics.spacing

    KeypadKey {
        objectName: "keyPlayer"
        Layout.fillWidth: true
        Layout.preferredWidth: 3
        label: qsTr("PLAYER")
        baseColor: Theme.colors.player
        lightColor: Theme.colors.playerLight
        entry: UIWrapper.keypad[UIBet.Player]
        onClicked: UIWrapper.play(1)
    }
    KeypadKey {
        objectName: "keyTie"
        Layout.fillWidth: true
        Layout.preferredWidth: 2
        label: qsTr("TIE")
        baseColor: Theme.colors.tie
        lightColor: Theme.colors.tieLight
        entry: UIWrapper.keypad[UIBet.Tie]
        onClicked: UIWrapper.play(0)
    }
    KeypadKey {
        objectName: "keyBanker"
        Layout.fillWidth: true
        Layout.preferredWidth: 3
        label: qsTr("BANKER")
        baseColor: Theme.colors.banker
        lightColor: Theme.colors.bankerLight
        entry: UIWrapper.keypad[UIBet.Banker]
        onClicked: UIWrapper.play(2)
    }
}
