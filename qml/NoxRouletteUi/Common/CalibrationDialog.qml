import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// A calibration dialog: one step per place of the casino table. While it is open, clicks
// outside the program's window are captured; each one gives the position of the current step
// and moves to the next. Clicks after the last step are ignored. "Valider" writes the
// positions into the calibration and marks the places calibrated.
NoxDialog {
    id: dialog

    // Calibration keys of the steps ("jeton_1", "b_player", ...) and the instruction of each.
    property var steps: []
    property var titles: []
    // The window that captures the clicks (the main window of the program).
    property var captureWindow: UIWrapper.mainWindow
    // The calibration map the positions are written into.
    property var calibration: UIWrapper.calibration
    property var positions: []
    readonly property int index: positions.length
    readonly property bool done: steps.length > 0 && index >= steps.length
    property var __connectedWindow: null

    objectName: "calibrationDialog"
    closePolicy: Popup.CloseOnEscape
    // "Valider" appears once every step has its click.
    acceptText: qsTr("Valider")
    acceptVisible: done
    rejectText: qsTr("Annuler")

    function collect(position: point) {
        if (index >= steps.length)
            return
        positions = positions.concat([Qt.point(position.x, position.y)])
    }

    function startCapture() {
        positions = []
        stopCapture()
        if (captureWindow) {
            captureWindow.capturedClick.connect(dialog.collect)
            __connectedWindow = captureWindow
            captureWindow.mouseCapture = true
        }
    }

    function stopCapture() {
        if (__connectedWindow) {
            __connectedWindow.mouseCapture = false
            __connectedWindow.capturedClick.disconnect(dialog.collect)
            __connectedWindow = null
        }
    }

    // Every step item is first written back inactive, then with its position and active.
    function writePositions() {
        if (!calibration)
            return
        for (const key of steps) {
            const item = calibration[key]
            calibration[key] = { itemId: item.itemId, value: item.value, x: item.x, y: item.y, active: false }
        }
        for (let i = 0; i < steps.length && i < positions.length; ++i) {
            const item = calibration[steps[i]]
            calibration[steps[i]] = { itemId: item.itemId, value: item.value,
                                      x: positions[i].x, y: positions[i].y, active: true }
        }
    }

    onOpened: startCapture()
    onClosed: stopCapture()
    onAccepted: writePositions()
    Component.onDestruction: stopCapture()

    Label {
        objectName: "stepTitle"
        Layout.fillWidth: true
        wrapMode: Text.WordWrap
        font.pixelSize: Theme.fontSizes.large
        color: dialog.done ? Theme.colors.gain : Theme.colors.accent
        text: dialog.done ? qsTr("Terminé") : (dialog.titles[dialog.index] || "")
    }
    Label {
        objectName: "stepCounter"
        text: qsTr("Étape %1 / %2").arg(Math.min(dialog.index + 1, dialog.steps.length)).arg(dialog.steps.length)
        color: Theme.colors.textMuted
        font.pixelSize: Theme.fontSizes.small
    }
    Repeater {
        model: dialog.positions
        delegate: Label {
            required property point modelData
            required property int index
            text: "✓ " + (dialog.titles[index] || "") + " : " + modelData.x + ", " + modelData.y
            color: Theme.colors.textMuted
            font.pixelSize: Theme.fontSizes.small
            elide: Text.ElideRight
            Layout.fillWidth: true
        }
    }
    MessageText {
        objectName: "notice"
        font.pixelSize: Theme.fontSizes.small
        color: Theme.colors.textMuted
        text: qsTr("NB: lorsque vous cliquez sur le tapis pour calibrer, faites-le quand il n'est plus possible de miser afin d'éviter de poser inutilement des jetons")
    }
}
