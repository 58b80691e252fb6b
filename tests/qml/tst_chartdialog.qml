import QtQuick
import QtQuick.Controls
import QtTest
import NoxRouletteModel
import NoxRouletteUi.Common

// "Graph des écarts": the gap bars fill their plot and carry their values when there are few,
// the profit caption sits outside the curve's plot, an empty method says so.
Item {
    id: root
    width: 430
    height: 720

    Component {
        id: dialogComponent
        MethodChartDialog {}
    }

    TestCase {
        id: test
        name: "ChartDialog"
        when: windowShown

        function init() {
            testHelper.restartEngine()
        }

        function open(name) {
            const id = UIWrapper.getMethodId(name)
            verify(id >= 0, name)
            const dialog = createTemporaryObject(dialogComponent, root, {methodId: id, methodName: name})
            verify(dialog)
            dialog.open()
            tryCompare(dialog, "opened", true)
            waitForRendering(dialog.contentItem)
            return dialog
        }

        // The delegates of the gap bars, oldest first.
        function barColumns(dialog) {
            const row = findChild(dialog, "gapBars")
            verify(row)
            let columns = []
            for (let i = 0; i < row.children.length; ++i) {
                if (row.children[i].gap !== undefined)
                    columns.push(row.children[i])
            }
            return columns
        }

        function rectIn(item, dialog) {
            const p = item.mapToItem(dialog.contentItem, 0, 0)
            return Qt.rect(p.x, p.y, item.width, item.height)
        }

        function test_gapBarsScaleToTheData() {
            // BANKER after P P P B P B B P P P P B: gaps 3, 1, 0, 4.
            for (const v of [1, 1, 1, 2, 1, 2, 2, 1, 1, 1, 1, 2])
                UIWrapper.play(v)
            const dialog = open("BANKER")
            const chart = dialog.chart
            tryVerify(() => chart.ecarts.length > 0)
            const gaps = chart.ecarts
            const bars = findChild(dialog, "gapBars")
            const columns = barColumns(dialog)
            compare(columns.length, gaps.length)
            let tallest = Math.max(1, chart.bMax)
            for (const g of gaps)
                tallest = Math.max(tallest, g)
            for (let i = 0; i < columns.length; ++i) {
                compare(columns[i].gap, gaps[i])
                const bar = findChild(columns[i], "gapBar")
                fuzzyCompare(bar.height, Math.max(3, gaps[i] / tallest * bars.barArea), 0.5)
                // Few gaps: wide bars that carry their value, just above the bar, inside the plot.
                verify(bar.width >= 14, "bar width " + bar.width)
                const value = findChild(columns[i], "gapValue")
                verify(value.visible)
                compare(value.text, String(gaps[i]))
                compare(value.y + value.height, bar.y)
                verify(value.y >= 0, "value label at " + value.y)
            }
            // The tallest bar reaches the top of the bar area when no block maximum is higher.
            if (chart.bMax <= Math.max(...gaps)) {
                let highest = 0
                for (const c of columns)
                    highest = Math.max(highest, findChild(c, "gapBar").height)
                fuzzyCompare(highest, bars.barArea, 0.5)
            }
            // Every bar lies inside the plot.
            const plot = rectIn(findChild(dialog, "gapPlot"), dialog)
            for (const c of columns) {
                const r = rectIn(c, dialog)
                verify(r.x >= plot.x && r.x + r.width <= plot.x + plot.width,
                       "bar " + JSON.stringify(r) + " outside the plot " + JSON.stringify(plot))
            }
        }

        function test_manyGapsStillFit() {
            for (let i = 0; i < 300; ++i)
                UIWrapper.play(i % 3 === 0 ? 2 : 1)
            const dialog = open("BANKER")
            tryVerify(() => dialog.chart.ecarts.length > 60)
            const columns = barColumns(dialog)
            const plot = rectIn(findChild(dialog, "gapPlot"), dialog)
            verify(columns.length < dialog.chart.ecarts.length)
            verify(columns.length > 0)
            const first = rectIn(columns[0], dialog)
            verify(first.x >= plot.x, "the oldest bar shown starts at " + first.x)
            // The newest gap is the last bar.
            compare(columns[columns.length - 1].gap, dialog.chart.ecarts[dialog.chart.ecarts.length - 1])
        }

        function test_profitCaptionIsOutsideThePlot() {
            for (const v of [2, 1, 2, 2, 1, 1, 2])
                UIWrapper.play(v)
            const dialog = open("BANKER")
            const caption = rectIn(findChild(dialog, "profitCaption"), dialog)
            const plot = rectIn(findChild(dialog, "profitPlot"), dialog)
            verify(caption.y + caption.height <= plot.y, "caption ends at " + (caption.y + caption.height)
                   + ", plot starts at " + plot.y)
            const graph = rectIn(findChild(dialog, "profitGraph"), dialog)
            verify(graph.y >= plot.y && graph.y + graph.height <= plot.y + plot.height)
        }

        function test_emptyMethodSaysSo() {
            const dialog = open("BANKER")
            compare(barColumns(dialog).length, 0)
            verify(!findChild(dialog, "blockMaxLine").visible)
            verify(findChild(dialog, "noGapText").visible)
            verify(findChild(dialog, "noProfitText").visible)
        }
    }
}
