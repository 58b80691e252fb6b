import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// A calibration dialog: one step per place of the casino table. While it is open, clicks
// outside the program's window are captured; each one gives the position of the current step
// and moves to the next. Clicks after the last step are ignored. "Valider" writes the
// positions into the calibration and marks the places calibrated. The steps and the writing
// are UICalibrationCapture's; the dialog connects it to the window and shows where it is.
NoxDialog {
    id: dialog

    // Calibration keys of the steps ("jeton_1", "b_player", ...) and the instruction of each.
    property var steps: []
    property var titles: []
    // The window that captures the clicks (the main window of the program).
    property var captureWindow: UIWrapper.mainWindow
    // The calibration the positions are written into.
    property var calibration: UIWrapper.calibration
    readonly property UICalibrationCapture capture: UICalibrationCapture {}
    readonly property var positions: capture.positions
    readonly property int index: capture.index
    readonly property bool done: capture.stepCount > 0 && capture.done
    property var __connectedWindow: null

    objectName: "calibrationDialog"
    closePolicy: Popup.CloseOnEscape
    // "Valider" appears once every step has its click.
    acceptText: qsTr("Valider")
    acceptVisible: done
    rejectText: qsTr("Annuler")

    function startCapture() {
        stopCapture()
        capture.start(steps.length)
        if (captureWindow) {
            captureWindow.capturedClick.connect(capture.collect)
            __connectedWindow = captureWindow
            captureWindow.mouseCapture = true
        }
    }

    function stopCapture() {
        if (__connectedWindow) {
            __connectedWindow.mouseCapture = false
            __connectedWindow.capturedClick.disconnect(capture.collect)
            __connectedWindow = null
        }
    }

    onOpened: startCapture()
    onClosed: stopCapture()
    onAccepted: capture.writeTo(calibration, steps)
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
        // The ids of this file inside a delegate are unqualified names to qmllint 6.4.
        // qmllint disable unqualified
        delegate: Label {
            required property point modelData
            required property int index
            text: "✓ " + (dialog.titles[index] || "") + " : " + modelData.x + ", " + modelData.y
            color: Theme.colors.textMuted
            font.pixelSize: Theme.fontSizes.small
            elide: Text.ElideRight
            Layout.fillWidth: true
        }
        // qmllint enable unqualified
    }
    MessageText {
        objectName: "notice"
        font.pixelSize: Theme.fontSizes.small
        color: Theme.colors.textMuted
        text: qsTr("NB: lorsque vous cliquez sur le tapis pour calibrer, faites-le quand il n'est plus possible de miser afin d'éviter de poser inutilement des jetons")
    }
}
