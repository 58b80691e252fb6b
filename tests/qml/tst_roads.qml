import QtQuick
import QtQuick.Controls
import QtTest
import NoxRouletteModel
import NoxRouletteUi.Baccara

// The scoreboard of the play screen against the facade's roads: what each road draws after
// known coups, the ask buttons showing the marks of UIWrapper.roads and previewing the winner
// in place without playing it, the newest column in view after a long shoe, "Nouveau sabot"
// emptying the roads, and the Routes view leaving the keypad where it is.
Item {
    id: root
    width: 430
    height: 720

    Component {
        id: screenComponent
        PlayScreen {
            width: 430
            height: 720
        }
    }

    TestCase {
        id: test
        name: "Roads"
        when: windowShown

        property Item screen
        readonly property UIRoads roads: UIWrapper.roads

        function init() {
            testHelper.restartEngine()
            UIWrapper.resume()
            screen = createTemporaryObject(screenComponent, root)
            verify(screen)
            tryCompare(roads, "coupCount", 0)
            mouseClick(child("modeRoutes"))
            verify(screen.routesShown)
            tryCompare(child("routesView"), "visible", true)
            // The layouts place their items at the next polish.
            waitForRendering(screen)
        }

        function cleanup() {
            roads.askWinner = UIRoads.NoWinner
        }

        function child(name) {
            const item = findChild(screen, name)
            verify(item, name)
            return item
        }

        // Plays a string of results ("BPT") through the facade and waits for the roads.
        function play(results: string) {
            const before = roads.coupCount
            for (const r of results)
                UIWrapper.play(r === "B" ? 2 : r === "P" ? 1 : 0)
            tryCompare(roads, "coupCount", before + results.length)
        }

        function marksOf(button) {
            const marks = []
            for (let i = 0; i < 3; ++i)
                marks.push(findChild(button, "askMark" + i).value)
            return marks
        }

        function compareCells(name, cells, width) {
            const road = child(name)
            compare(road.cellCount, cells, name + " cells")
            compare(road.roadWidth, width, name + " width")
        }

        function test_roadsAfterBankerThreePlayersBanker() {
            play("BPPPB")
            compareCells("beadPlate", 5, 1)
            compareCells("bigRoad", 5, 3)
            compareCells("stripBigRoad", 5, 3)
            // The big eye boy starts at the second entry of the second column.
            // The big eye boy starts at the second entry of the second column: blue, red (the
            // third entry goes deeper than the first column), blue (the columns before the
            // last differ in height).
            compareCells("bigEyeBoy", 3, 3)
            compareCells("smallRoad", 0, 0)
            compareCells("cockroachPig", 0, 0)
            for (const name of ["beadPlate", "bigRoad", "bigEyeBoy", "smallRoad", "cockroachPig"]) {
                const road = child(name)
                compare(road.visibleColumns, Math.floor(road.width / road.cellSize), name)
                compare(road.firstColumn, 0, name)
                compare(road.drawnCellCount, road.cellCount, name)
            }
            // The derived roads at half the big road's cells.
            compare(child("bigEyeBoy").cellSize, child("bigRoad").cellSize / 2)
            compare(child("bankerCount").text, "B 2")
            compare(child("playerCount").text, "P 3")
            compare(child("tieCount").text, "T 0")
            compare(child("shoeCaption").text, "Sabot 1 · 5 coups")
        }

        // What the buttons read is what the roads give: a BANKER adds red to the big eye boy,
        // blue to the small road and nothing yet to the cockroach pig; a PLAYER the opposite.
        function test_askButtonsShowTheMarks() {
            play("BPPPB")
            compare(marksOf(child("askBanker")), [UIRoads.Red, UIRoads.Blue, UIRoads.NoMark])
            compare(marksOf(child("askPlayer")), [UIRoads.Blue, UIRoads.Red, UIRoads.NoMark])
            compare(marksOf(child("askBanker")), roads.bankerAsk)
            compare(marksOf(child("askPlayer")), roads.playerAsk)
            play("T")
            compare(marksOf(child("askBanker")), roads.bankerAsk)
            play("PPB")
            compare(marksOf(child("askPlayer")), roads.playerAsk)
        }

        function test_askShowsTheWinnerInPlaceWithoutPlayingIt() {
            play("BPPPB")
            const played = UIWrapper.playedItems.rowCount()
            const button = child("askBanker")
            mouseClick(button)
            compare(roads.askWinner, UIRoads.Banker)
            verify(button.checked)
            // One cell more on the bead plate, the big road (under the last BANKER) and the two
            // derived roads that have started; none on the cockroach pig.
            const added = {beadPlate: 1, bigRoad: 1, stripBigRoad: 1, bigEyeBoy: 1, smallRoad: 1, cockroachPig: 0}
            const before = {beadPlate: 5, bigRoad: 5, stripBigRoad: 5, bigEyeBoy: 3, smallRoad: 0, cockroachPig: 0}
            for (const name in added) {
                compare(child(name).highlightedCount, added[name], name)
                compare(child(name).cellCount, before[name] + added[name], name)
            }
            compare(child("bigRoad").roadWidth, 3)
            // The added cells blink.
            tryCompare(child("bigRoad"), "blinkOn", false)
            tryCompare(child("bigRoad"), "blinkOn", true)
            compare(UIWrapper.playedItems.rowCount(), played)

            // The other button shows the other winner; pressing it again ends the ask.
            mouseClick(child("askPlayer"))
            compare(roads.askWinner, UIRoads.Player)
            compare(child("bigRoad").roadWidth, 4)
            compare(child("bigRoad").highlightedCount, 1)
            mouseClick(child("askPlayer"))
            compare(roads.askWinner, UIRoads.NoWinner)
            compare(child("bigRoad").highlightedCount, 0)
            compare(child("bigRoad").cellCount, 5)

            // A result played ends the ask.
            mouseClick(button)
            mouseClick(child("keyTie"))
            tryCompare(roads, "askWinner", UIRoads.NoWinner)
            compare(child("bigRoad").highlightedCount, 0)
            compare(child("bigRoad").cellCount, 5)
            compare(child("beadPlate").cellCount, 6)

            // And so does the time.
            const duration = roads.askDuration
            roads.askDuration = 100
            mouseClick(button)
            compare(roads.askWinner, UIRoads.Banker)
            tryCompare(roads, "askWinner", UIRoads.NoWinner, 2000)
            roads.askDuration = duration
        }

        // Seven BANKER run down the first column and turn right on the bottom row; the seven
        // PLAYER start in the second column, stop above that tail and turn right on row 5.
        function test_dragonTail() {
            play("BBBBBBBPPPPPPP")
            compareCells("bigRoad", 14, 4)
            compareCells("beadPlate", 14, 3)
            compare(child("bigRoad").firstColumn, 0)
        }

        function test_newestColumnVisibleAfterLongShoe() {
            let chop = ""
            for (let i = 0; i < 80; ++i)
                chop += i % 2 ? "P" : "B"
            play(chop)
            for (const name of ["bigRoad", "stripBigRoad"]) {
                const road = child(name)
                compare(road.roadWidth, 80, name)
                verify(road.visibleColumns > 10 && road.visibleColumns < 80, name)
                compare(road.firstColumn, 80 - road.visibleColumns, name)
                // Whole columns only, one cell each.
                compare(road.drawnCellCount, road.visibleColumns, name)
                verify(road.visibleColumns * road.cellSize <= road.width, name)
            }
            // The big eye boy of a chop is one run of 78 reds: six down, the rest along the
            // bottom row.
            const eye = child("bigEyeBoy")
            compare(eye.cellCount, 78)
            compare(eye.roadWidth, 73)
            compare(eye.firstColumn, 73 - eye.visibleColumns)
            compare(eye.drawnCellCount, eye.visibleColumns)
            compare(child("beadPlate").roadWidth, 14)
            compare(child("beadPlate").firstColumn, 0)
            // An ask on a road wider than the view scrolls the new column into view.
            mouseClick(child("askBanker"))
            const road = child("bigRoad")
            compare(road.roadWidth, 81)
            compare(road.firstColumn, 81 - road.visibleColumns)
            compare(road.highlightedCount, 1)
        }

        function test_tiesOnlyShoe() {
            play("TTT")
            compare(roads.leadingTies, 3)
            compare(child("tieCount").text, "T 3")
            // The ties stand on the first cell of the big road, with their count.
            compareCells("bigRoad", 1, 1)
            compareCells("beadPlate", 3, 1)
            mouseClick(child("modePro"))
            const ties = child("stripTies")
            verify(ties.visible)
            compare(ties.text, "3 TIE avant le premier résultat")
            verify(!child("stripEmpty").visible)
        }

        function test_newShoeEmptiesTheRoads() {
            const button = child("newShoeButton")
            verify(!button.enabled)
            play("BPTB")
            verify(button.enabled)
            mouseClick(button)
            tryCompare(roads, "coupCount", 0)
            for (const name of ["beadPlate", "bigRoad", "stripBigRoad", "bigEyeBoy", "smallRoad", "cockroachPig"])
                compare(child(name).cellCount, 0, name)
            compare(child("shoeCaption").text, "Sabot 2 · aucun coup")
            verify(!button.enabled)
            // The history goes on: the played results are all there.
            compare(UIWrapper.playedItems.rowCount(), 4)
            play("P")
            compareCells("bigRoad", 1, 1)
        }

        // Where the keypad sits on the screen.
        function keypadPlace() {
            const keypad = child("keypad")
            const p = keypad.mapToItem(screen, 0, 0)
            return Qt.rect(p.x, p.y, keypad.width, keypad.height)
        }

        // Routes is a view: the mode in play stays, the keypad stays where it is, the whole
        // view fits above the commands, and every other view shows the big road.
        function test_routesIsAViewThatFits() {
            const config = UIWrapper.engineConfig
            const place = keypadPlace()
            const view = child("routesView")
            const bottom = view.mapToItem(screen, 0, view.height).y
            for (const name of ["beadPlate", "bigRoad", "bigEyeBoy", "smallRoad", "cockroachPig", "askBanker",
                                "askPlayer", "newShoeButton"]) {
                const item = child(name)
                verify(item.height > 0, name + " height " + item.height)
                verify(item.mapToItem(screen, 0, item.height).y <= bottom,
                       name + " ends at " + item.mapToItem(screen, 0, item.height).y + ", the view at " + bottom)
            }
            verify(child("askBanker").height >= 30)
            verify(!child("bigRoadStrip").visible)
            mouseClick(child("modeQuick"))
            verify(!screen.routesShown)
            verify(child("bigRoadStrip").visible)
            compare(keypadPlace(), place)
            mouseClick(child("modeRoutes"))
            verify(config.playQuick)
            verify(child("modeRoutes").checked)
            verify(!child("modeQuick").checked)
            compare(keypadPlace(), place)
            compare(screen.implicitHeight, 720)
            mouseClick(child("chartToggle"))
            verify(!screen.routesShown && screen.chartShown)
            verify(child("bigRoadStrip").visible)
            compare(keypadPlace(), place)
            mouseClick(child("chartToggle"))
            mouseClick(child("modePro"))
            verify(config.playPro)
        }
    }
}
