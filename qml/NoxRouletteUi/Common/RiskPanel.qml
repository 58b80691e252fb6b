pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// "Risque de la montante": the steps of the current progression of a bet kind when it keeps
// losing (the stake, the total lost, the first step past a limit), and on demand the estimated
// chance that a session ends at the loss limit before the gain limit. Everything is computed by
// UIWrapper.risk; the estimate runs away from the window, which only shows its progress.
ColumnLayout {
    id: root

    property string kind: "cs"
    readonly property UIRiskEstimate risk: UIWrapper.risk
    readonly property var outcome: risk ? risk.outcome : ({})
    readonly property bool hasOutcome: outcome.sessions !== undefined

    function money(hundredths: real): string {
        return (hundredths / 100).toFixed(2)
    }
    function percent(share: real): string {
        return (share * 100).toFixed(1) + "\u00a0%"
    }

    spacing: Theme.metrics.spacing

    Component.onCompleted: {
        if (risk) {
            risk.kind = root.kind
            risk.refreshSteps()
        }
    }
    onVisibleChanged: if (visible && risk) risk.refreshSteps()

    Label {
        text: qsTr("Risque de la montante")
        font.pixelSize: Theme.fontSizes.large
        color: Theme.colors.text
    }
    MessageText {
        objectName: "riskMontante"
        text: root.risk && root.risk.montante.length > 0
              ? qsTr("%1, jeton de la mise actuelle, tout perdu de suite").arg(root.risk.montante)
              : qsTr("Aucune montante pour ce type de mise")
        color: Theme.colors.textMuted
        font.pixelSize: Theme.fontSizes.small
    }

    // The table of steps: step, stake, total lost; a row past a limit is marked.
    GridLayout {
        id: stepGrid
        objectName: "riskSteps"
        Layout.fillWidth: true
        columns: 3
        columnSpacing: Theme.metrics.spacing
        rowSpacing: 2
        visible: root.risk && root.risk.steps.length > 0

        Label { text: qsTr("Palier"); color: Theme.colors.textMuted; font.pixelSize: Theme.fontSizes.small }
        Label {
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignRight
            text: qsTr("Mise")
            color: Theme.colors.textMuted
            font.pixelSize: Theme.fontSizes.small
        }
        Label {
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignRight
            text: qsTr("Perte cumulée")
            color: Theme.colors.textMuted
            font.pixelSize: Theme.fontSizes.small
        }
        Repeater {
            objectName: "riskStepCells"
            model: root.risk ? Math.min(root.risk.steps.length, 16) * 3 : 0
            delegate: Label {
                id: cell
                required property int index
                readonly property var row: root.risk.steps[Math.floor(cell.index / 3)] || ({})
                readonly property int column: cell.index % 3
                readonly property bool past: !!(row.overTable || row.overMaxStake || row.overCapital)
                Layout.fillWidth: column > 0
                horizontalAlignment: column === 0 ? Text.AlignLeft : Text.AlignRight
                font.pixelSize: Theme.fontSizes.small
                color: past ? Theme.colors.warning : row.overLossLimit ? Theme.colors.loss : Theme.colors.text
                text: column === 0 ? String(row.step) : root.money(column === 1 ? row.stake : row.lost)
            }
        }
    }

    Repeater {
        model: root.risk ? root.risk.stepWarnings : []
        delegate: MessageText {
            required property string modelData
            objectName: "riskWarning"
            text: modelData
            color: Theme.colors.warning
            font.pixelSize: Theme.fontSizes.small
        }
    }

    // The estimate: a button, its progress and cancel while it runs, then its figures.
    RowLayout {
        Layout.fillWidth: true
        spacing: Theme.metrics.spacing
        Button {
            objectName: "riskStart"
            Layout.fillWidth: true
            visible: !root.risk || !root.risk.running
            enabled: !!root.risk
            text: qsTr("Estimer le risque (%1 sessions de %2 coups)").arg(root.risk ? root.risk.sessions : 0)
                                                                    .arg(root.risk ? root.risk.coupsPerSession : 0)
            onClicked: root.risk.start()
        }
        ProgressBar {
            objectName: "riskProgress"
            Layout.fillWidth: true
            visible: !!root.risk && root.risk.running
            value: root.risk ? root.risk.progress : 0
        }
        Button {
            objectName: "riskCancel"
            visible: !!root.risk && root.risk.running
            text: qsTr("Annuler")
            onClicked: root.risk.cancel()
        }
    }

    MessageText {
        objectName: "riskError"
        visible: !!root.risk && root.risk.error.length > 0
        text: root.risk ? root.risk.error : ""
        color: Theme.colors.warning
    }

    ColumnLayout {
        objectName: "riskOutcome"
        Layout.fillWidth: true
        spacing: 2
        visible: root.hasOutcome

        MessageText {
            objectName: "riskLossChance"
            font.weight: Font.DemiBold
            text: root.hasOutcome
                  ? qsTr("Limite de perte avant la limite de gain : %1 (IC 95 % : %2 – %3)")
                        .arg(root.percent(root.outcome.loss)).arg(root.percent(root.outcome.lossLow))
                        .arg(root.percent(root.outcome.lossHigh))
                  : ""
        }
        MessageText {
            text: root.hasOutcome
                  ? qsTr("Limite de gain : %1 (IC 95 % : %2 – %3) · autre arrêt : %4 · fin des coups : %5")
                        .arg(root.percent(root.outcome.gain)).arg(root.percent(root.outcome.gainLow))
                        .arg(root.percent(root.outcome.gainHigh)).arg(root.percent(root.outcome.other))
                        .arg(root.percent(root.outcome.unfinished))
                  : ""
            color: Theme.colors.textMuted
            font.pixelSize: Theme.fontSizes.small
        }
        MessageText {
            text: root.hasOutcome
                  ? qsTr("Résultat moyen %1 en %2 coups ; 5 % des sessions sous %3, médiane %4, 95 % sous %5")
                        .arg(root.money(root.outcome.meanResult)).arg(root.outcome.meanCoups.toFixed(0))
                        .arg(root.money(root.outcome.q05)).arg(root.money(root.outcome.median))
                        .arg(root.money(root.outcome.q95))
                  : ""
            color: Theme.colors.textMuted
            font.pixelSize: Theme.fontSizes.small
        }
        MessageText {
            visible: root.hasOutcome && root.outcome.canceled
            text: qsTr("Estimation interrompue : %1 sessions jouées").arg(root.hasOutcome ? root.outcome.sessions : 0)
            color: Theme.colors.warning
            font.pixelSize: Theme.fontSizes.small
        }
        // The distribution of the session results, from the lowest to the highest: ranges of
        // losses in the colour of a loss, of gains in that of a gain.
        Row {
            id: histogram
            objectName: "riskHistogram"
            Layout.fillWidth: true
            Layout.preferredHeight: 40
            spacing: 1
            readonly property var bins: root.hasOutcome ? root.outcome.histogram : []
            readonly property real largest: Math.max(1, ...bins)
            readonly property real binWidth: root.hasOutcome ? (root.outcome.high - root.outcome.low) / Math.max(bins.length, 1) : 0
            Repeater {
                model: histogram.bins
                delegate: Rectangle {
                    id: bar
                    required property real modelData
                    required property int index
                    width: (histogram.width - (histogram.bins.length - 1)) / Math.max(histogram.bins.length, 1)
                    height: Math.max(1, 40 * bar.modelData / histogram.largest)
                    y: 40 - height
                    // A range of losses, of gains, or both.
                    readonly property real from: root.outcome.low + bar.index * histogram.binWidth
                    color: from + histogram.binWidth <= 0 ? Theme.colors.loss
                                                          : from >= 0 ? Theme.colors.gain : Theme.colors.textMuted
                    opacity: 0.8
                }
            }
        }
        RowLayout {
            Layout.fillWidth: true
            Label {
                text: root.hasOutcome ? root.money(root.outcome.low) : ""
                color: Theme.colors.textMuted
                font.pixelSize: Theme.fontSizes.small
            }
            Item { Layout.fillWidth: true }
            Label {
                text: root.hasOutcome ? root.money(root.outcome.high) : ""
                color: Theme.colors.textMuted
                font.pixelSize: Theme.fontSizes.small
            }
        }
    }
}
