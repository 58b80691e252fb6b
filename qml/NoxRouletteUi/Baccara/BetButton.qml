import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// "Miser": the press shows the CTRL warning, the release places the bets by synthetic clicks
// (bet()), a cancelled press only closes the warning. A failed bet says why in "Erreur".
Button {
    id: button

    property bool warningShown: warning.opened
    property string lastError

    signal betFailed(string reason)

    objectName: "betButton"
    text: qsTr("Miser")
    highlighted: true
    font.pixelSize: Theme.fontSizes.large + 1
    font.weight: Font.Bold
    icon.source: Theme.icon("casino")
    display: AbstractButton.TextUnderIcon
    ToolTip.visible: hovered && !pressed
    ToolTip.delay: 800
    ToolTip.text: qsTr("Placer les mises sur la table du casino")

    onPressed: warning.open()
    onCanceled: warning.close()
    onReleased: {
        const placed = UIWrapper.bet()
        warning.close()
        if (!placed) {
            button.lastError = UIWrapper.lastBetError ?? ""
            button.betFailed(button.lastError)
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
            text: qsTr("ATTENTION! POUR ARRETER LA MISE AUTO, APPUYEZ SUR %1")
                  .arg(Qt.platform.os === "osx" ? "<Control>" : "<CTRL>")
            textFormat: Text.PlainText
            color: "white"
            font.pixelSize: Theme.fontSizes.large
            font.weight: Font.Bold
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
        }
    }
}
