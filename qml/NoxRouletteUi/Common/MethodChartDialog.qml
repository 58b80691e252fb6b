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

    // The gaps, newest on the right: as many as fit, wide enough to carry their value when
    // there are few. The scale is the tallest gap shown (or the block maximum when higher), so
    // the bars fill the plot; the line marks the block maximum.
    RowLayout {
        Layout.fillWidth: true
        Label {
            Layout.fillWidth: true
            text: qsTr("Ecarts récents")
            color: Theme.colors.textMuted
            font.pixelSize: Theme.fontSizes.small
        }
        Label {
            objectName: "blockMaxCaption"
            visible: dialog.chart !== null && dialog.chart.bMax > 0
            text: qsTr("— bloc max %1").arg(dialog.chart ? dialog.chart.bMax : 0)
            color: Theme.colors.textMuted
            font.pixelSize: Theme.fontSizes.small
        }
    }

    Rectangle {
        id: gapPlot
        objectName: "gapPlot"
        Layout.fillWidth: true
        Layout.preferredHeight: 120
        radius: Theme.metrics.controlRadius
        color: Theme.colors.surface
        clip: true

        Row {
            id: bars
            objectName: "gapBars"

            readonly property int inset: 6
            readonly property int labelHeight: 14
            readonly property real barArea: height - labelHeight
            // A method that has seen nothing yet has only its current gap, 0: no bar for it.
            readonly property var gaps: {
                const all = dialog.chart ? dialog.chart.ecarts : []
                return all.length === 1 && all[0] === 0 ? [] : all
            }
            readonly property int fit: Math.max(1, Math.floor((gapPlot.width - 2 * inset + spacing) / (7 + spacing)))
            readonly property int shown: Math.min(gaps.length, fit)
            readonly property int barWidth: shown > 0
                ? Math.max(7, Math.min(28, Math.floor((gapPlot.width - 2 * inset - spacing * (shown - 1)) / shown)))
                : 7
            readonly property int tallest: {
                let m = dialog.chart ? Math.max(1, dialog.chart.bMax) : 1
                for (let i = gaps.length - shown; i < gaps.length; ++i)
                    m = Math.max(m, gaps[i])
                return m
            }

            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.margins: inset
            height: gapPlot.height - 2 * inset
            spacing: 2

            Repeater {
                model: bars.shown
                // The ids of this file inside a delegate are unqualified names to qmllint 6.4.
                // qmllint disable unqualified
                Item {
                    id: column
                    required property int index
                    readonly property int gap: bars.gaps[bars.gaps.length - bars.shown + index]
                    width: bars.barWidth
                    height: bars.height

                    Rectangle {
                        objectName: "gapBar"
                        anchors.bottom: parent.bottom
                        width: parent.width
                        height: Math.max(3, column.gap / bars.tallest * bars.barArea)
                        radius: 2
                        color: dialog.chart && column.gap > dialog.chart.bMax ? Theme.colors.loss : Theme.colors.accent
                    }
                    Label {
                        objectName: "gapValue"
                        visible: bars.barWidth >= 14
                        anchors.horizontalCenter: parent.horizontalCenter
                        y: column.height - Math.max(3, column.gap / bars.tallest * bars.barArea) - height
                        height: bars.labelHeight
                        verticalAlignment: Text.AlignBottom
                        text: column.gap
                        color: Theme.colors.text
                        font.pixelSize: Theme.fontSizes.small
                    }
                }
                // qmllint enable unqualified
            }
        }
        Rectangle {
            objectName: "blockMaxLine"
            visible: dialog.chart !== null && dialog.chart.bMax > 0 && bars.shown > 0
            x: bars.inset
            width: parent.width - 2 * bars.inset
            height: 1
            y: bars.y + bars.height - (dialog.chart ? dialog.chart.bMax / bars.tallest * bars.barArea : 0)
            color: Theme.colors.textMuted
            opacity: 0.7
        }
        Label {
            objectName: "noGapText"
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


    // The profit curve, newest on the right, under its caption (never over the curve); the
    // dotted line is zero, in the middle of the symmetric scale.
    Label {
        objectName: "profitCaption"
        Layout.fillWidth: true
        Layout.topMargin: 2
        text: qsTr("Profit de la méthode")
        color: Theme.colors.textMuted
        font.pixelSize: Theme.fontSizes.small
    }

    Rectangle {
        id: profitPlot
        objectName: "profitPlot"
        Layout.fillWidth: true
        Layout.preferredHeight: 100
        radius: Theme.metrics.controlRadius
        color: Theme.colors.surface
        clip: true

        Row {
            anchors.verticalCenter: parent.verticalCenter
            x: 6
            spacing: 4
            Repeater {
                model: Math.max(0, Math.floor((profitPlot.width - 12) / 8))
                Rectangle {
                    width: 4
                    height: 1
                    color: Theme.colors.border
                }
            }
        }

        NoxProfitGraph {
            objectName: "profitGraph"
            anchors.fill: parent
            anchors.margins: 6
            values: dialog.chart ? dialog.chart.profitValues : []
            valueMin: dialog.chart ? dialog.chart.profitMin : 0
            valueMax: dialog.chart ? dialog.chart.profitMax : 0
            align: Qt.AlignRight // the newest value against the right end, like the gaps
            color: Theme.colors.accent
            fillColor: Qt.rgba(0.85, 0.69, 0.35, 0.18)
            lineWidth: 2
        }
        Label {
            objectName: "noProfitText"
            anchors.centerIn: parent
            visible: !dialog.chart || dialog.chart.profitValues.length < 2
            text: qsTr("Pas encore de profit pour cette méthode.")
            color: Theme.colors.textMuted
        }
    }
}
