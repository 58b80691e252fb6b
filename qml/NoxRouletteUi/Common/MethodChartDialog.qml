import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// "Graph des écarts": the recent gaps of a method as bars against its block maximum, its
// profit curve and its main figures.
NoxDialog {
    id: dialog

    property int methodId: -1
    property string methodName
    readonly property UIMethodChartModel chart: methodId >= 0 ? UIWrapper.getMethodChart(methodId) : null

    objectName: "chartDialog"
    title: qsTr("Graph des écarts") + " : " + methodName
    acceptText: qsTr("Fermer")

    // The gaps, newest on the right, as many as fit.
    Rectangle {
        Layout.fillWidth: true
        Layout.preferredHeight: 130
        radius: Theme.metrics.controlRadius
        color: Theme.colors.surface
        clip: true

        Row {
            id: bars
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.margins: 6
            spacing: 2
            readonly property var gaps: dialog.chart ? dialog.chart.ecarts : []
            readonly property int shown: Math.min(gaps.length, Math.floor((parent.width - 12) / 9))
            readonly property int top: {
                let m = dialog.chart ? Math.max(1, dialog.chart.bMax) : 1
                for (const g of gaps)
                    m = Math.max(m, g)
                return m
            }
            Repeater {
                model: bars.shown
                Rectangle {
                    required property int index
                    readonly property int gap: bars.gaps[bars.gaps.length - bars.shown + index]
                    width: 7
                    height: Math.max(2, (gap / bars.top) * 110)
                    anchors.bottom: parent.bottom
                    radius: 2
                    color: dialog.chart && gap > dialog.chart.bMax ? Theme.colors.loss : Theme.colors.accent
                }
            }
        }
        Rectangle {
            visible: dialog.chart && dialog.chart.bMax > 0
            width: parent.width
            height: 1
            y: parent.height - 6 - (dialog.chart ? dialog.chart.bMax / bars.top * 110 : 0)
            color: Theme.colors.textMuted
        }
        Label {
            anchors.centerIn: parent
            visible: bars.gaps.length === 0
            text: qsTr("Pas encore d'écart pour cette méthode.")
            color: Theme.colors.textMuted
        }
    }

    RowLayout {
        Layout.fillWidth: true
        Label {
            Layout.fillWidth: true
            text: qsTr("Ecart moyen %1 · Ratio %2 · Bloc %3–%4")
                  .arg(dialog.chart ? dialog.chart.ecartMoyen.toFixed(2) : "-")
                  .arg(dialog.chart ? dialog.chart.ratio.toFixed(2) : "-")
                  .arg(dialog.chart ? dialog.chart.bMin : 0).arg(dialog.chart ? dialog.chart.bMax : 0)
            color: Theme.colors.textMuted
            font.pixelSize: Theme.fontSizes.small
            wrapMode: Text.WordWrap
        }
        Button {
            objectName: "chartDetailsButton"
            visible: dialog.chart && dialog.chart.hasDetails
            text: qsTr("Détails")
            icon.source: Theme.icon("info")
            onClicked: UINavigator.openPopup("popup/details", {methodId: dialog.methodId, methodName: dialog.methodName})
        }
    }


    Rectangle {
        Layout.fillWidth: true
        Layout.preferredHeight: 110
        radius: Theme.metrics.controlRadius
        color: Theme.colors.surface

        NoxProfitGraph {
            anchors.fill: parent
            anchors.margins: 6
            values: dialog.chart ? dialog.chart.profitValues : []
            valueMin: dialog.chart ? dialog.chart.profitMin : 0
            valueMax: dialog.chart ? dialog.chart.profitMax : 0
            color: Theme.colors.accent
            fillColor: Qt.rgba(0.85, 0.69, 0.35, 0.18)
            lineWidth: 2
        }
        Label {
            anchors.left: parent.left
            anchors.top: parent.top
            anchors.margins: 6
            text: qsTr("Profit de la méthode")
            color: Theme.colors.textMuted
            font.pixelSize: Theme.fontSizes.small
        }
    }
}
