import QtQuick
import QtQuick.Controls
import QtTest
import NoxRouletteModel
import NoxRouletteUi.Common

// The sessions page over an archive of 60 sessions, one a day back from today (see
// tst_qmlsettings.cpp): the period and its totals, the list read a page at a time, the
// session touched with its curve, the deletion that asks first, and the exports.
Item {
    id: root
    width: 430
    height: 720

    Component { id: pageComponent; SessionsPage { width: 430; height: 720 } }

    TestCase {
        name: "SessionsPage"
        when: windowShown

        property var page

        function init() {
            UISessionArchive.period = UISessionArchive.Month
            UISessionArchive.selectedRow = -1
            page = createTemporaryObject(pageComponent, root)
            verify(page)
            waitForRendering(page)
        }

        function test_periodAndTotals() {
            compare(UISessionArchive.totalSessions, 30)
            compare(page.list.count, 30)
            compare(findChild(page, "totalSessions").text, "Sessions : 30")
            // Today holds the newest session only: two coups, 1.00 down (every third is a loss).
            const box = findChild(page, "periodBox")
            box.activated(UISessionArchive.Today)
            compare(UISessionArchive.period, UISessionArchive.Today)
            compare(page.list.count, 1)
            compare(findChild(page, "totalResult").text, "\u22121.00")
            compare(findChild(page, "totalCoups").text.indexOf("Coups : 2 "), 0)
        }

        // Newest first, a page at a time: the list grows as it is scrolled to its end.
        function test_pagedList() {
            UISessionArchive.period = UISessionArchive.All
            const all = UISessionArchive.totalSessions
            verify(all >= 59) // the deletion test may have taken the oldest
            verify(page.list.count >= 50) // the first page at least
            page.list.positionViewAtEnd()
            tryCompare(page.list, "count", all)
            page.list.positionViewAtBeginning()
            waitForRendering(page)
            const first = findChild(page, "sessionRow0")
            verify(first)
            compare(first.coups, 2)
            compare(first.result, "\u22121.00")
        }

        function test_selectShowsTheCurve() {
            verify(!findChild(page, "sessionPanel").visible)
            mouseClick(findChild(page, "sessionRow1"))
            compare(UISessionArchive.selectedRow, 1)
            verify(findChild(page, "sessionPanel").visible)
            // Session 1 day back: three coups, the last one 2.00 up.
            compare(UISessionArchive.selectedCurve, [0, 0, 0, 200])
            verify(findChild(page, "selectedDetails").text.indexOf("BANKER") >= 0)
        }

        // The oldest session goes (the other tests look at the newer ones).
        function test_deleteAsksFirst() {
            UISessionArchive.period = UISessionArchive.All
            const before = UISessionArchive.totalSessions
            page.list.positionViewAtEnd()
            tryCompare(page.list, "count", before)
            page.list.positionViewAtEnd()
            waitForRendering(page)
            const last = findChild(page, "sessionRow" + (before - 1))
            verify(last)
            compare(last.coups, 61)
            mouseClick(last)
            mouseClick(findChild(page, "deleteButton"))
            tryVerify(() => page.deleteDialog.opened)
            page.deleteDialog.reject()
            compare(UISessionArchive.totalSessions, before)
            mouseClick(findChild(page, "deleteButton"))
            tryVerify(() => page.deleteDialog.opened)
            page.deleteDialog.accept()
            compare(page.list.count, before - 1)
            tryCompare(UISessionArchive, "totalSessions", before - 1, 3000)
            verify(UISessionArchive.selectedRow < 0)
        }

        SignalSpy { id: exported; target: UISessionArchive; signalName: "exportFinished" }

        function test_exports() {
            mouseClick(findChild(page, "sessionRow0"))
            mouseClick(findChild(page, "exportHistoryButton"))
            tryVerify(() => page.exportDialog.opened)
            compare(page.exportDialog.fileName, UISessionArchive.defaultFileName(UISessionArchive.SessionHistory, 0))
            page.exportDialog.reject()

            exported.clear()
            const history = testHelper.fileUrl("session.txt")
            verify(UISessionArchive.exportTo(UISessionArchive.SessionHistory, 0, history))
            exported.wait(5000)
            compare(exported.signalArguments[0][0], true)
            const text = testHelper.readFile(history)
            compare(text.substring(text.indexOf("\n") + 1), "P\nB\n")

            exported.clear()
            const csv = testHelper.fileUrl("period.csv")
            verify(UISessionArchive.exportTo(UISessionArchive.PeriodCsv, -1, csv))
            exported.wait(5000)
            const rows = testHelper.readFile(csv).trim().split("\r\n")
            compare(rows[0], "session,started,edition,coup,time,result,stakes,stake,gain,capital,shoe,undone,limits")
            verify(rows.length > 30)
            compare(findChild(page, "messageLabel").text, "Export terminé.")
        }
    }
}
