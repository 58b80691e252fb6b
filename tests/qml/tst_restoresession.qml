import QtQuick
import QtQuick.Controls
import QtTest
import NoxRouletteModel
import NoxBaccaratApp

// The main window offers the results of a session that ended without an orderly shutdown:
// "Restaurer" replays them into the history, "Nouvelle session" forgets them.
Item {
    id: root
    width: 430
    height: 720

    Component {
        id: mainComponent
        Main {}
    }

    TestCase {
        id: test
        name: "RestoreSession"
        when: windowShown

        function init() {
            testHelper.restartEngine()
            UINavigator.replaceAllPages("/home", {}, true)
            tryVerify(() => UIWrapper.playedItems.rowCount() === 0)
        }

        function cleanup() {
            testHelper.endPersistence()
            testHelper.restartEngine()
        }

        // The value of the played list's row (newest first).
        function playedValue(row) {
            const model = UIWrapper.playedItems
            return model.data(model.index(row, 0), 257)
        }

        // The main window as a start-up after a crash shows it, with its offer open.
        function startAfterCrash(values) {
            verify(testHelper.interruptSession(values))
            compare(startupReport.interruptedCount, values.length)
            const win = createTemporaryObject(mainComponent, root)
            verify(win)
            const dialog = findChild(win, "restoreSessionDialog")
            verify(dialog)
            tryCompare(dialog, "opened", true)
            const message = findChild(dialog, "restoreMessage").text
            verify(message.indexOf(String(values.length)) >= 0, message)
            // The date follows the language of the texts (French here): day first, 24-hour clock.
            if (UIWrapper.language !== "en")
                verify(/\d\d\/\d\d\/\d{4} \d\d:\d\d/.test(message), message)
            return dialog
        }

        function test_restoreReplaysTheResults() {
            const dialog = startAfterCrash([2, 1, 0, 2, 2])
            const restore = findChild(dialog, "acceptButton")
            compare(restore.text, "Restaurer")
            mouseClick(restore)
            tryCompare(dialog, "opened", false)
            tryVerify(() => UIWrapper.playedItems.rowCount() === 5)
            // Newest first: the last result of the journal on top.
            const expected = [2, 2, 0, 1, 2]
            for (let row = 0; row < expected.length; ++row)
                compare(playedValue(row), expected[row], "row " + row)
            compare(startupReport.interruptedCount, 0)
            compare(UIWrapper.summary.played, 5)
        }

        function test_newSessionForgetsThem() {
            const dialog = startAfterCrash([1, 1])
            const fresh = findChild(dialog, "rejectButton")
            compare(fresh.text, "Nouvelle session")
            mouseClick(fresh)
            tryCompare(dialog, "opened", false)
            compare(startupReport.interruptedCount, 0)
            wait(50)
            compare(UIWrapper.playedItems.rowCount(), 0)
        }
    }
}
