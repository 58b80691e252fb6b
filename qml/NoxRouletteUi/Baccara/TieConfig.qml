import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import NoxRouletteUi.Common
import Theme

// "Egalité": the TIE method, its figures, its activation, its chips and progression.
ColumnLayout {
    id: root

    readonly property int methodId: UIWrapper.getMethodId("TIE")
    // Read again whenever the summary changes (a coup was played).
    readonly property var details: {
        UIWrapper.summary
        return methodId >= 0 ? UIWrapper.getMethodDetails(methodId) : ({})
    }
    // The facade's maps are QVariantMaps, whose keys qmllint 6.4 cannot know.
    readonly property var montanteNames: UIWrapper.montantes["plein"] || [] // qmllint disable type

    spacing: Theme.metrics.spacing

    function writeChip(field: string, hundredths: int) {
        let c = UIWrapper.financial.pleinConfig
        c[field] = hundredths
        UIWrapper.financial.pleinConfig = c
    }

    Switch {
        objectName: "tieActiveSwitch"
        Layout.fillWidth: true
        text: qsTr("Jouer l'égalité")
        enabled: root.methodId >= 0
        checked: !!root.details.active
        onToggled: UIWrapper.setMethodActive(root.methodId, checked)
    }

    GridLayout {
        Layout.fillWidth: true
        columns: 2
        rowSpacing: 2
        Repeater {
            model: [
                [qsTr("Gains"), root.details.nbWins],
                [qsTr("Ecart"), root.details.ecart],
                [qsTr("Ecart max"), root.details.ecartMax],
                [qsTr("Ecart moyen + 1"), root.details.ecartMoyen !== undefined ? (root.details.ecartMoyen + 1).toFixed(1) : undefined],
                [qsTr("Ecart précédent"), root.details.lastEcart],
                [qsTr("Résultats"), UIWrapper.summary.played]
            ]
            delegate: RowLayout {
                id: valueRow
                required property var modelData
                Layout.fillWidth: true
                Label { Layout.fillWidth: true; text: valueRow.modelData[0]; color: Theme.colors.textMuted }
                Label {
                    text: valueRow.modelData[1] !== undefined ? String(valueRow.modelData[1]) : "–"
                    Layout.rightMargin: Theme.metrics.spacing
                }
            }
        }
    }

    NumberField {
        objectName: "tieJetonInput"
        Layout.fillWidth: true
        label: qsTr("Jeton actuel")
        rule: "chip"
        value: UIWrapper.financial.pleinConfig.jeton
        onCommitted: (v) => root.writeChip("jeton", v)
    }
    NumberField {
        objectName: "tieJetonOrigineInput"
        Layout.fillWidth: true
        label: qsTr("Jeton de départ")
        rule: "chip"
        value: UIWrapper.financial.pleinConfig.jetonOrigine
        onCommitted: (v) => root.writeChip("jetonOrigine", v)
    }
    Label { text: qsTr("Montante"); color: Theme.colors.textMuted; font.pixelSize: Theme.fontSizes.small }
    ComboBox {
        objectName: "tieMontanteCombo"
        Layout.fillWidth: true
        model: root.montanteNames
        currentIndex: root.montanteNames.indexOf(UIWrapper.currentMontantes["plein"]) // qmllint disable type
        onActivated: UIWrapper.setCurrentMontante("plein", currentText)
    }
}
