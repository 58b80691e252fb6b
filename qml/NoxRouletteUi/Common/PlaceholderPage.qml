import QtQuick
import QtQuick.Controls
import Theme

// A page that exists in the route table but whose screen is not built yet: it shows its title
// and says so.
AppPage {
    id: page

    Label {
        anchors.centerIn: parent
        width: parent.width - 48
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        color: Theme.colors.textMuted
        text: qsTr("Cette page arrive bientôt.")
    }
}
