import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// "Miser": the press shows the CTRL warning, the release places the bets by synthetic clicks
// (bet()), a cancelled press only closes the warning. A failed bet says why in "Erreur"; a bet
// that Control stopped says what the casino's table holds.
Button {
    id: button

    property bool warningShown: warning.opened
    property string lastError

    signal betFailed(string reason)
    // The clicks were stopped by Control: `report` gives the clicks made and each place's amount.
    signal betStopped(string report)

    objectName: "betButton"
    text: qsTr("Miser")
    highlighted: true
    font.pixelSize: Theme.fontSizes.large + 1
    font.weight: Font.Bold
    // In a Wayland session without the player's word that the table runs under XWayland,
    // the clicks would go nowhere: the button says so before it is pressed, the press shows
    // why instead of the CTRL warning, and bet() refuses with the same reason.
    readonly property bool clicksReachTable: UIWrapper.clicksReachTable
    icon.source: Theme.icon(clicksReachTable ? "casino" : "warning")
    display: AbstractButton.TextUnderIcon

    // Below the button: above it the tip would cover the title bar's buttons.
    ToolTip {
        id: tip
        objectName: "betTip"
        parent: button
        visible: button.hovered && !button.pressed
        delay: 800
        x: button.width - width
        y: button.height + 6
        text: button.clicksReachTable ? qsTr("Placer les mises sur la table du casino")
                                      : qsTr("Session Wayland : les clics n'atteignent pas un navigateur lancé en "
                                             + "Wayland. Voir Paramètres, Calibration.")
    }

    onPressed: warning.open()
    onCanceled: warning.close()
    onReleased: {
        // bet() blocks for the whole click sequence; the warning stays up until it returns.
        let placed = false
        let reason = ""
        try {
            placed = UIWrapper.bet()
            reason = UIWrapper.betError ?? ""
        } catch (e) {
            reason = String(e)
        }
        warning.close()
        if (!placed) {
            button.lastError = reason
            button.betFailed(reason)
        } else if (reason.length > 0) {
            button.betStopped(reason)
        }
    }

    Popup {
        id: warning
        objectName: "ctrlWarning"
        parent: Overlay.overlay
        x: (parent.width - width) / 2
        y: parent.height * 0.3
        width: parent.width - 40
        modal: false
        closePolicy: Popup.NoAutoClose
        padding: 16
        background: Rectangle {
            radius: 12
            color: Theme.colors.warning
            border.color: "white"
            border.width: 2
        }
        contentItem: Label {
            objectName: "ctrlWarningText"
            text: button.clicksReachTable
                  ? qsTr("ATTENTION! POUR ARRETER LA MISE AUTO, APPUYEZ SUR %1")
                    .arg(Qt.platform.os === "osx" ? "<Control>" : "<CTRL>")
                  : qsTr("SESSION WAYLAND : LES CLICS N'ATTEIGNENT PAS LA TABLE")
            textFormat: Text.PlainText
            color: "white"
            font.pixelSize: Theme.fontSizes.large
            font.weight: Font.Bold
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
        }
    }
}
