import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// Shown in a Wayland session, where the synthetic clicks reach only programs running under
// XWayland: what that means for the casino's table, what to do, and the player's confirmation
// that the table runs under XWayland (kept until the program quits), without which "Miser"
// refuses.
Rectangle {
    id: notice

    objectName: "waylandNotice"
    visible: UIWrapper.waylandSession
    implicitHeight: visible ? column.implicitHeight + 2 * Theme.metrics.spacing : 0
    radius: Theme.metrics.controlRadius
    color: Theme.colors.surfaceRaised
    border.color: UIWrapper.clicksReachTable ? Theme.colors.border : Theme.colors.warning
    border.width: 2

    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: Theme.metrics.spacing
        spacing: 4

        Label {
            Layout.fillWidth: true
            text: qsTr("Session Wayland : les clics n'atteignent peut-être pas la table")
            color: UIWrapper.clicksReachTable ? Theme.colors.text : Theme.colors.loss
            font.weight: Font.DemiBold
            wrapMode: Text.WordWrap
        }
        MessageText {
            objectName: "waylandNoticeText"
            font.pixelSize: Theme.fontSizes.small
            text: qsTr("La mise automatique et la calibration cliquent par X11 : seuls les programmes lancés "
                       + "sous XWayland reçoivent ces clics. Un navigateur lancé en Wayland, ce que font par "
                       + "défaut les navigateurs récents, ne les reçoit pas. Ouvrez une session X11, ou lancez "
                       + "le navigateur sous XWayland (Firefox : MOZ_ENABLE_WAYLAND=0 firefox, Chrome : "
                       + "--ozone-platform=x11). La confirmation ci-dessous vaut jusqu'à la fermeture du "
                       + "programme.")
        }
        Switch {
            objectName: "xwaylandSwitch"
            Layout.fillWidth: true
            text: qsTr("La table tourne sous XWayland")
            checked: UIWrapper.xwaylandConfirmed
            onToggled: UIWrapper.xwaylandConfirmed = checked
        }
    }
}
