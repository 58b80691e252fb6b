import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// The bankroll statistics: the profit curve of the settled bets and its figures.
ColumnLayout {
    id: panel

    readonly property var stats: UIWrapper.financialStats
    readonly property var profits: UIWrapper.financialProfitList

    spacing: 6

    GridLayout {
        Layout.fillWidth: true
        columns: 4
        rowSpacing: 2
        columnSpacing: 10

        component Stat: ColumnLayout {
            property alias caption: c.text
            property alias value: v.text
            property alias valueColor: v.color
            spacing: 0
            Layout.fillWidth: true
            Label { id: c; color: Theme.colors.textMuted; font.pixelSize: Theme.fontSizes.small }
            Label { id: v; font.pixelSize: Theme.fontSizes.large; font.weight: Font.DemiBold }
        }

        Stat {
            caption: qsTr("Profit")
            readonly property int p: panel.stats ? panel.stats.profit || 0 : 0
            value: Theme.signedMoney(p)
            valueColor: p > 0 ? Theme.colors.gain : p < 0 ? Theme.colors.loss : Theme.colors.text
        }
        Stat {
            caption: qsTr("Gagnés / perdus")
            value: (panel.stats ? panel.stats.betWinCount || 0 : 0) + " / " + (panel.stats ? panel.stats.betLossCount || 0 : 0)
        }
        Stat {
            caption: qsTr("Mise max")
            value: Theme.money(panel.stats ? panel.stats.betMax || 0 : 0)
        }
        Stat {
            caption: qsTr("Total misé")
            value: Theme.money(panel.stats ? panel.stats.betTotal || 0 : 0)
        }
        Stat {
            caption: qsTr("Profit max")
            value: Theme.signedMoney(panel.stats ? panel.stats.profitMax || 0 : 0)
            valueColor: Theme.colors.gain
        }
        Stat {
            caption: qsTr("Profit min")
            value: Theme.signedMoney(panel.stats ? panel.stats.profitMin || 0 : 0)
            valueColor: Theme.colors.loss
        }
        Item { Layout.fillWidth: true }
        Button {
            objectName: "resetStats"
            text: qsTr("Remise à zéro")
            icon.source: Theme.icon("restart_alt")
            onClicked: UIWrapper.resetFinancialStats()
        }
    }

    Rectangle {
        Layout.fillWidth: true
        Layout.fillHeight: true
        radius: Theme.metrics.controlRadius
        color: Theme.colors.surface

        ProfitCurve {
            id: curve
            // Without a settled bet there is no curve, and its zero line would cross the text.
            visible: panel.profits && panel.profits.length > 0
            anchors.fill: parent
            anchors.margins: 8
            values: panel.profits || []
        }
        Label {
            anchors.centerIn: parent
            visible: !panel.profits || panel.profits.length === 0
            width: parent.width - 40
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            color: Theme.colors.textMuted
            text: qsTr("Aucune mise réglée : la courbe des profits apparaît après la première mise.")
        }
    }
}
