import QtQuick
import QtTest
import NoxRouletteModel

// Uses UIWrapper the way the play and settings screens do: keypad bindings, play, summary,
// the method lists, the mirrors and the history import with a JavaScript callback.
Item {
    id: root
    width: 430
    height: 720

    readonly property int bankerBet: UIWrapper.keypad["4002"].bet
    readonly property int bankerFlags: UIWrapper.keypad["4002"].flags
    readonly property int played: UIWrapper.summary.played
    readonly property int rows: methods.count

    ListView {
        id: methods
        width: 200
        height: 400
        model: UIWrapper.filteredMethodList
        delegate: Text {
            required property string name
            required property int methodId
            text: name
        }
    }

    Repeater {
        id: history
        model: UIWrapper.playedItems
        delegate: Item {
            required property int value
            required property string colorName
        }
    }

    NoxProfitGraph {
        id: graph
        width: 100
        height: 50
        values: [0, 5, -3, 8]
        valueMin: -10
        valueMax: 10
        color: "red"
        fillColor: "#4000ff00"
    }

    TestItem {}

    TestCase {
        name: "UIWrapper"
        when: windowShown

        function init() {
            UIWrapper.restart()
            tryCompare(root, "played", 0)
        }

        function test_keypadHoldsTheBaccaratItems() {
            compare(Object.keys(UIWrapper.keypad).sort(), ["4000", "4001", "4002"])
            compare(UIWrapper.keypad["4001"].value, 4001)
        }

        function test_playUpdatesSummaryAndHistory() {
            UIWrapper.play(1)
            UIWrapper.play(2)
            UIWrapper.play(4001)
            tryCompare(root, "played", 2)
            tryCompare(history, "count", 2)
            compare(history.itemAt(0).value, 2)
            UIWrapper.unplay()
            tryCompare(root, "played", 1)
            compare(UIWrapper.getPlayedItemsString(), "P\n")
        }

        function test_keypadBindingsFollowTheBets() {
            const banker = UIWrapper.getMethodId("BANKER")
            verify(banker >= 0)
            UIWrapper.setMethodActive(banker, true)
            tryVerify(() => root.bankerBet > 0)
            compare(root.bankerFlags & 1, 1)
            UIWrapper.setMethodActive(banker, false)
            tryCompare(root, "bankerBet", 0)
            compare(root.bankerFlags, 0)
        }

        function test_importWithACallback() {
            let calls = []
            UIWrapper.addPlayedItemsString("P\r\nB\r\n\r\nX\nT", function (progress, total) {
                calls.push([progress, total])
                return true
            })
            tryVerify(() => calls.length > 0 && calls[calls.length - 1][0] === 3)
            compare(calls[calls.length - 1], [3, 3])
            tryCompare(root, "played", 3)
            compare(UIWrapper.getPlayedItemsString(), "P\nB\nT\n")
        }

        function test_methodListsAndSorting() {
            verify(root.rows > 0)
            const list = UIWrapper.filteredMethodList
            compare(list.sortRoles.length, 8)
            compare(list.sortRoles[0].text, "Score Ratio CT")
            let changes = 0
            const count = () => ++changes
            list.sortTypeChanged.connect(count)
            list.sortRole = 0
            compare(changes, 1)
            compare(list.sortRole, 257)
            list.sortRole = 0
            compare(changes, 1)
            list.nameFilter = "^Figure 0[1-3]$"
            compare(list.rowCount(), 3)
            tryCompare(root, "rows", 3)
            list.nameFilter = ""
            list.sortRole = 2
            list.sortTypeChanged.disconnect(count)
            verify(UIWrapper.methodColors.length === 14)
        }

        function test_mirrorsAndValueTypes() {
            const financial = UIWrapper.financial
            financial.csConfig.jetonOrigine = 30
            compare(financial.csConfig.jetonOrigine, 30)
            compare(financial.csConfig.jeton, 30)
            financial.csConfig.jetonOrigine = 10
            compare(UIWrapper.notifications.lastNotification.title, "")
            const config = UIWrapper.engineConfig
            config.smartQuickMode = true
            compare(UIWrapper.quickMethods.sortType, 20)
            config.smartQuickMode = false
            compare(UIWrapper.quickMethods.sortType, 19)
            verify(UIWrapper.montantes["cs"].length > 0)
            verify(UIWrapper.currentMontantes["cs"] !== "")
            compare(UIWrapper.methodConfig.allPurple, true)
            verify(UIWrapper.calibration !== null)
        }

        function test_chartModelForAMethod() {
            UIWrapper.play(2)
            UIWrapper.play(1)
            tryCompare(root, "played", 2)
            const chart = UIWrapper.getMethodChart(UIWrapper.getMethodId("BANKER"))
            verify(chart)
            compare(chart.methodName, "BANKER")
            compare(chart.ecarts.length > 0, true)
        }

        function test_profitGraphHovers() {
            compare(graph.hoveredIndex, -1)
            compare(graph.xMax, 3)
        }
    }
}
