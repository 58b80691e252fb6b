import QtQuick
import QtQuick.Controls
import QtTest
import NoxRouletteModel
import NoxRouletteUi.Common

// The calibration dialog collects one captured click per step, ignores clicks beyond the last
// step, turns capture on while open and off when closed, and writes the positions on "Valider".
Item {
    id: root
    width: 430
    height: 720

    // Stands for the main window: capture flag and captured clicks.
    QtObject {
        id: fakeWindow
        property bool mouseCapture: false
        signal capturedClick(point position)
    }

    // Stands for the calibration map: two table spots.
    QtObject {
        id: fakeCalibration
        property var b_player: ({ itemId: 4001, value: 0, x: 0, y: 0, active: false })
        property var b_banker: ({ itemId: 4002, value: 0, x: 0, y: 0, active: false })
        property var writes: []
        onB_playerChanged: writes.push(["b_player", b_player.active])
        onB_bankerChanged: writes.push(["b_banker", b_banker.active])
    }

    Component {
        id: dialogComponent
        CalibrationDialog {
            captureWindow: fakeWindow
            calibration: fakeCalibration
            title: "Calibration des numéros"
            steps: ["b_player", "b_banker"]
            titles: ["Cliquez au centre de 'PLAYER' sur le tapis", "Cliquez au centre de 'BANKER' sur le tapis"]
        }
    }

    TestCase {
        name: "CalibrationDialog"
        when: windowShown

        function init() {
            fakeCalibration.writes = []
            fakeCalibration.b_player = { itemId: 4001, value: 0, x: 0, y: 0, active: false }
            fakeCalibration.b_banker = { itemId: 4002, value: 0, x: 0, y: 0, active: false }
            fakeCalibration.writes = []
        }

        function openDialog() {
            const dialog = createTemporaryObject(dialogComponent, root)
            dialog.open()
            tryCompare(dialog, "opened", true)
            return dialog
        }

        function test_oneClickPerStepAndNoMore() {
            const dialog = openDialog()
            verify(fakeWindow.mouseCapture)
            compare(dialog.index, 0)
            compare(findChild(dialog, "stepTitle").text, "Cliquez au centre de 'PLAYER' sur le tapis")
            verify(!findChild(dialog, "acceptButton").visible)
            fakeWindow.capturedClick(Qt.point(100, 200))
            compare(dialog.index, 1)
            compare(findChild(dialog, "stepTitle").text, "Cliquez au centre de 'BANKER' sur le tapis")
            fakeWindow.capturedClick(Qt.point(300, 210))
            compare(dialog.index, 2)
            verify(dialog.done)
            compare(findChild(dialog, "stepTitle").text, "Terminé")
            verify(findChild(dialog, "acceptButton").visible)
            // A third click in a two-step dialog changes nothing.
            fakeWindow.capturedClick(Qt.point(999, 999))
            compare(dialog.positions.length, 2)
            compare(dialog.positions[1], Qt.point(300, 210))
            dialog.reject()
            tryCompare(dialog, "visible", false)
            verify(!fakeWindow.mouseCapture)
            compare(fakeCalibration.writes.length, 0)
        }

        function test_acceptWritesInactiveThenPositions() {
            const dialog = openDialog()
            fakeWindow.capturedClick(Qt.point(100, 200))
            fakeWindow.capturedClick(Qt.point(300, 210))
            mouseClick(findChild(dialog, "acceptButton"))
            tryCompare(dialog, "visible", false)
            verify(!fakeWindow.mouseCapture)
            compare(JSON.stringify(fakeCalibration.writes),
                    JSON.stringify([["b_player", false], ["b_banker", false], ["b_player", true], ["b_banker", true]]))
            compare(fakeCalibration.b_player.x, 100)
            compare(fakeCalibration.b_player.y, 200)
            compare(fakeCalibration.b_banker.x, 300)
            compare(fakeCalibration.b_banker.itemId, 4002)
        }

        function test_clicksAfterCloseAreNotCollected() {
            const dialog = openDialog()
            fakeWindow.capturedClick(Qt.point(1, 2))
            dialog.reject()
            tryCompare(dialog, "visible", false)
            fakeWindow.capturedClick(Qt.point(3, 4))
            compare(dialog.positions.length, 1)
            // Opening again starts from the first step.
            dialog.open()
            tryCompare(dialog, "opened", true)
            compare(dialog.index, 0)
            verify(fakeWindow.mouseCapture)
            dialog.reject()
        }
    }
}
