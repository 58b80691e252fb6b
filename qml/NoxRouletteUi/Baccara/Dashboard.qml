import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// What to stake, where the money is, and the progression in play.
Rectangle {
    id: dashboard

    readonly property var summary: UIWrapper.summary
    readonly property var montante: UIWrapper.currentMontanteDetails
    property alias betButton: betButton

    // Fixed, so that nothing below it moves when the progression line comes and goes.
    implicitHeight: 130
    radius: Theme.metrics.controlRadius + 2
    color: Theme.colors.surface

    // The parameters of the progression, in a short line under its name.
    function montanteLine(details: var): string {
        if (!details || !details.name)
            return qsTr("Aucune montante")
        const parts = []
        for (const key in details) {
            if (key === "name")
                continue
            const v = details[key]
            parts.push(key + " " + (typeof v === "number" && !Number.isInteger(v) ? v.toFixed(2) : v))
        }
        return parts.join(" · ")
    }

    RowLayout {
        id: layout
        anchors.fill: parent
        anchors.margins: Theme.metrics.margin
        spacing: Theme.metrics.margin

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 3

            RowLayout {
                spacing: 18
                Figure {
                    caption: qsTr("Mise")
                    valueObjectName: "miseValue"
                    value: Theme.money(dashboard.summary ? dashboard.summary.mise : 0)
                }
                Figure {
                    caption: qsTr("Profit")
                    valueObjectName: "profitValue"
                    readonly property real profit: dashboard.summary ? dashboard.summary.profit : 0
                    value: Theme.signedMoney(profit)
                    valueColor: profit > 0 ? Theme.colors.gain : profit < 0 ? Theme.colors.loss : Theme.colors.text
                }
            }
            RowLayout {
                spacing: 18
                Label {
                    objectName: "jetonValue"
                    text: qsTr("Première mise %1").arg(Theme.money(dashboard.summary ? dashboard.summary.jeton : 0))
                    color: Theme.colors.textMuted
                }
                Label {
                    objectName: "playedValue"
                    text: qsTr("%n coup(s)", "", dashboard.summary ? dashboard.summary.played : 0)
                    color: Theme.colors.textMuted
                }
            }
            Label {
                objectName: "montanteName"
                Layout.fillWidth: true
                text: dashboard.montante && dashboard.montante.name ? dashboard.montante.name : qsTr("Aucune montante")
                font.weight: Font.DemiBold
                elide: Text.ElideRight
            }
            Label {
                Layout.fillWidth: true
                visible: text.length > 0 && dashboard.montante && dashboard.montante.name
                text: dashboard.montanteLine(dashboard.montante)
                color: Theme.colors.textMuted
                font.pixelSize: Theme.fontSizes.small
                elide: Text.ElideRight
            }
        }

        BetButton {
            id: betButton
            Layout.preferredWidth: 104
            Layout.fillHeight: true
        }
    }
}
