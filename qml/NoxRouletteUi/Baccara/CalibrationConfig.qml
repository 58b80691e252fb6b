import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import NoxRouletteUi.Common
import Theme

// "Calibration" of the baccarat table: the chips the player has and their values, the three
// calibration dialogs (chips, table spots, double button) and the click options.
ColumnLayout {
    id: root

    property var calibration: UIWrapper.calibration
    readonly property bool chipsReady: !!calibration && !!calibration.jeton_1 && calibration.jeton_1.active
    readonly property var chipTitles: [
        qsTr("Cliquez au centre du jeton 1"), qsTr("Cliquez au centre du jeton 2"),
        qsTr("Cliquez au centre du jeton 3"), qsTr("Cliquez au centre du jeton 4"),
        qsTr("Cliquez au centre du jeton 5"), qsTr("Cliquez au centre du jeton 6"),
        qsTr("Cliquez au centre du jeton 7"), qsTr("Cliquez au centre du jeton 8")]
    property alias dialog: calibrationDialog
    property alias previewDialog: betPreview

    spacing: 2

    function item(key: string): var {
        return calibration ? calibration[key] : undefined
    }

    // Writes one field of a calibration item; the store answers with the whole calibration.
    function writeItem(key: string, field: string, value: var) {
        const it = item(key)
        if (!it)
            return
        let copy = { itemId: it.itemId, value: it.value, x: it.x, y: it.y, active: it.active }
        copy[field] = value
        calibration[key] = copy
    }

    function openChips() {
        let steps = [], titles = []
        for (let i = 1; i <= 8; ++i) {
            const it = item("jeton_" + i)
            if (it && it.active) {
                steps.push("jeton_" + i)
                titles.push(chipTitles[i - 1])
            }
        }
        calibrationDialog.title = qsTr("Calibration des jetons")
        calibrationDialog.steps = steps
        calibrationDialog.titles = titles
        calibrationDialog.open()
    }

    function openTable() {
        calibrationDialog.title = qsTr("Calibration des numéros")
        calibrationDialog.steps = ["b_player", "b_banker", "b_tie"]
        calibrationDialog.titles = [qsTr("Cliquez au centre de 'PLAYER' sur le tapis"),
                                    qsTr("Cliquez au centre de 'BANKER' sur le tapis"),
                                    qsTr("Cliquez au centre de 'TIE' sur le tapis")]
        calibrationDialog.open()
    }

    function openDouble() {
        calibrationDialog.title = qsTr("Calibration autres")
        calibrationDialog.steps = ["x_dbl"]
        calibrationDialog.titles = [qsTr("Cliquez au centre du bouton doubler")]
        calibrationDialog.open()
    }

    function placeText(key: string): string {
        const it = item(key)
        return it && it.active ? Math.round(it.x) + ", " + Math.round(it.y) : qsTr("non calibré")
    }

    WaylandNotice {
        Layout.fillWidth: true
        Layout.bottomMargin: visible ? Theme.metrics.spacing : 0
    }

    Repeater {
        model: 8
        // The ids of this file inside a delegate are unqualified names to qmllint 6.4.
        // qmllint disable unqualified
        delegate: RowLayout {
            id: chipRow
            required property int index
            readonly property string key: "jeton_" + (index + 1)
            readonly property var chip: root.item(key)
            Layout.fillWidth: true
            Switch {
                objectName: "chipSwitch" + (chipRow.index + 1)
                text: qsTr("Jeton %1").arg(chipRow.index + 1)
                checked: !!chipRow.chip && chipRow.chip.active
                onToggled: root.writeItem(chipRow.key, "active", checked)
            }
            NumberField {
                objectName: "chipValue" + (chipRow.index + 1)
                Layout.fillWidth: true
                rule: "chip"
                value: chipRow.chip ? chipRow.chip.value : 0
                onCommitted: (v) => root.writeItem(chipRow.key, "value", v | 0)
            }
        }
        // qmllint enable unqualified
    }

    Button {
        objectName: "chipsCalibrationButton"
        Layout.fillWidth: true
        Layout.topMargin: Theme.metrics.spacing
        enabled: root.chipsReady
        text: qsTr("Calibrage Jetons")
        onClicked: root.openChips()
    }
    Button {
        objectName: "tableCalibrationButton"
        Layout.fillWidth: true
        enabled: root.chipsReady
        text: qsTr("Calibrage Numéros")
        onClicked: root.openTable()
    }
    Button {
        objectName: "doubleCalibrationButton"
        Layout.fillWidth: true
        enabled: root.chipsReady
        text: qsTr("Calibrage du bouton 'Doubler'")
        onClicked: root.openDouble()
    }

    GridLayout {
        Layout.fillWidth: true
        Layout.topMargin: Theme.metrics.spacing
        columns: 2
        columnSpacing: Theme.metrics.spacing
        rowSpacing: 0
        Repeater {
            model: [["PLAYER", "b_player"], ["BANKER", "b_banker"], ["TIE", "b_tie"], [qsTr("Doubler"), "x_dbl"]]
            // qmllint disable unqualified
            delegate: Label {
                required property var modelData
                Layout.fillWidth: true
                text: modelData[0] + " : " + root.placeText(modelData[1])
                color: Theme.colors.textMuted
                font.pixelSize: Theme.fontSizes.small
            }
            // qmllint enable unqualified
        }
    }

    Switch {
        objectName: "authenticSwitch"
        Layout.fillWidth: true
        Layout.topMargin: Theme.metrics.spacing
        text: qsTr("Spécial Authentic")
        checked: !!root.calibration && !!root.calibration.toggleJetonMode
        onToggled: if (root.calibration) root.calibration.toggleJetonMode = checked
    }
    Switch {
        id: evolution
        objectName: "evolutionSwitch"
        Layout.fillWidth: true
        text: qsTr("Spécial Evolution")
        checked: !!root.calibration && !!root.calibration.specialDelayMode
        onToggled: if (root.calibration) root.calibration.specialDelayMode = checked
    }
    NumberField {
        objectName: "clickDelayInput"
        Layout.fillWidth: true
        enabled: !evolution.checked
        label: qsTr("Délai de clic (sec)")
        rule: "clickDelay"
        value: root.calibration ? root.calibration.mouseClickDelay : 30
        onCommitted: (v) => { if (root.calibration) root.calibration.mouseClickDelay = v | 0 }
    }

    // The clicks the next "Miser" would make with this calibration, without clicking.
    Button {
        objectName: "previewBetButton"
        Layout.fillWidth: true
        Layout.topMargin: Theme.metrics.spacing
        enabled: root.chipsReady
        text: qsTr("Aperçu de la mise")
        onClicked: {
            betPreview.refresh()
            betPreview.open()
        }
    }

    CalibrationDialog { id: calibrationDialog }
    BetPreviewDialog { id: betPreview }
}
