import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// "Notifications et signaux": the pages of per-method thresholds and the engine's signal and
// play switches.
ColumnLayout {
    id: root

    readonly property var config: UIWrapper.engineConfig

    spacing: 2

    component NavButton: Button {
        required property string page
        Layout.fillWidth: true
        onClicked: UINavigator.enterPage(page)
    }
    // The ids of this file inside an inline component are unqualified names to qmllint 6.4.
    // qmllint disable unqualified
    component ConfigSwitch: Switch {
        required property string key
        objectName: key + "Switch"
        Layout.fillWidth: true
        checked: root.config[key]
        onToggled: root.config[key] = checked
    }
    // qmllint enable unqualified

    NavButton { objectName: "ecartNotifButton"; page: "/settings/methods/ecartnotif"; text: qsTr("Notification des grands écarts") }
    NavButton { objectName: "blocksButton"; page: "/settings/methods/blocks"; text: qsTr("Définition des blocs") }
    NavButton { objectName: "blocksDomButton"; page: "/settings/methods/blocksdom"; text: qsTr("Définition des blocs dominants") }

    Item { implicitHeight: Theme.metrics.spacing }

    ConfigSwitch { key: "signalBlocks"; text: qsTr("Sorties de blocs") }
    ConfigSwitch { key: "signalTendanceBack"; text: qsTr("Retour tendance") }
    ConfigSwitch { key: "signalDouble0"; text: qsTr("Ecart zéro") }
    ConfigSwitch { key: "signalBlocDominantConfirme"; text: qsTr("Blocs dominants confirmés") }
    ConfigSwitch { key: "signalEcartMax"; text: qsTr("Ecart Max") }
    ConfigSwitch { key: "signalScores"; text: qsTr("Détection AUTO") }
    ConfigSwitch { key: "compteurME"; text: qsTr("Compteur 'ME' positif") }
    ConfigSwitch { key: "smartQuickMode"; text: qsTr("Quick mode intelligent") }
    ConfigSwitch {
        key: "smartQuickModeIsolate"
        text: qsTr("Quick mode méthode active isolée")
        enabled: root.config.smartQuickMode
    }
    ConfigSwitch { key: "playInBlockDom"; text: qsTr("Jouer seulement dans les blocs dominants") }
}
