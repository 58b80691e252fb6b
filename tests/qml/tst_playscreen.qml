import QtQuick
import QtQuick.Controls
import QtTest
import NoxRouletteModel
import NoxRouletteUi.Baccara

// The play screen forwards to the facade and shows what it gives: keys play their value,
// "Pause" and "Reprendre" swap with the engine's state, an unread notification is shown once,
// the modes write the engine configuration, a refused bet shows "Erreur" with the reason.
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

    Component {
        id: rowComponent
        MethodRow {
            width: 430
            index: 0
            name: "Row"
            color: "white"
            score: 0
            ecart: 0
            ecartMax: 0
            tendance: 0
            methodId: 1
            active: false
            flags: 0
        }
    }

    Component {
        id: keyComponent
        KeypadKey {
            width: 160
            label: "BANKER"
            baseColor: "#c5363f"
            lightColor: "#f08a90"
        }
    }

    TestCase {
        id: test
        name: "PlayScreen"
        when: windowShown

        property Item screen

        function init() {
            testHelper.restartEngine()
            UIWrapper.resume()
            screen = createTemporaryObject(screenComponent, root)
            verify(screen)
            tryCompare(strip(), "count", 0)
        }

        // The guards and the methods a test switched on, off again: the engine is shared.
        function cleanup() {
            UIWrapper.financial.losingStreak = 0
            UIWrapper.financial.tableLimitBanker = 0
            UIWrapper.setMethodActive(UIWrapper.getMethodId("BANKER"), false)
            UIWrapper.resume()
        }

        function child(name) {
            const item = findChild(screen, name)
            verify(item, name)
            return item
        }

        function strip() {
            return findChild(screen, "playedStrip")
        }

        // The value of the played strip's row (newest first).
        function playedValue(row) {
            const model = UIWrapper.playedItems
            return model.data(model.index(row, 0), 257)
        }

        function test_keysPlayTheirValue_data() {
            return [
                {tag: "PLAYER", key: "keyPlayer", value: 1},
                {tag: "BANKER", key: "keyBanker", value: 2},
                {tag: "TIE", key: "keyTie", value: 0}
            ]
        }

        function test_keysPlayTheirValue(data) {
            mouseClick(child(data.key))
            tryCompare(strip(), "count", 1)
            compare(playedValue(0), data.value)
        }

        function test_historyNewestFirstAndUndo() {
            mouseClick(child("keyPlayer"))
            mouseClick(child("keyBanker"))
            mouseClick(child("keyTie"))
            tryCompare(strip(), "count", 3)
            compare(playedValue(0), 0)
            compare(playedValue(1), 2)
            compare(playedValue(2), 1)
            mouseClick(child("undoButton"))
            tryCompare(strip(), "count", 2)
            compare(playedValue(0), 2)
            tryCompare(child("playedValue"), "text", "2 coups")
            compare(UIWrapper.language, "fr")
        }

        // The empty spots of the screen drag the window; the controls keep their presses.
        function test_emptySpotsDragTheWindow_data() {
            return [
                {tag: "dashboard", x: 200, y: 150, drags: true},
                {tag: "mode bar", x: 300, y: 233, drags: true},
                {tag: "header", x: 150, y: 20, drags: true},
                {tag: "PLAYER", x: 85, y: 672, drags: false},
                {tag: "Miser", x: 355, y: 105, drags: false},
                {tag: "Pause", x: 270, y: 611, drags: false}
            ]
        }
        function test_emptySpotsDragTheWindow(data) {
            const areas = []
            const collect = item => {
                if (item.objectName === "windowDragArea")
                    areas.push(item)
                for (let i = 0; i < item.children.length; ++i)
                    collect(item.children[i])
            }
            collect(screen)
            verify(areas.length >= 2)
            mousePress(screen, data.x, data.y)
            const pressed = areas.some(a => a.pressed)
            mouseRelease(screen, data.x, data.y)
            compare(pressed, data.drags)
            if (data.tag === "PLAYER")
                tryCompare(strip(), "count", 1)
        }

        function test_pauseAndResumeSwap() {
            const button = child("pauseButton")
            compare(button.text, "Pause")
            mouseClick(button)
            tryCompare(button, "text", "Reprendre")
            mouseClick(button)
            tryCompare(button, "text", "Pause")
        }

        function test_keyShowsItsStake() {
            const key = child("keyBanker")
            const stake = findChild(key, "keyStake")
            const entry = UIWrapper.keypad["4002"]
            compare(stake.visible, entry.bet > 0)
            compare(key.stake, entry.bet)
        }

        // The keys read their entries by the item ids of the engine, and a bet listed for the
        // next coup marks its key; the values are those stored files and the engine use.
        function test_keysReadTheirEntriesByItemId() {
            compare([UIBet.Tie, UIBet.Player, UIBet.Banker], [4000, 4001, 4002])
            compare([UIBet.Marked, UIBet.CenterNumber, UIBet.Favorite, UIBet.Suspended, UIBet.Recovery],
                    [1, 2, 4, 8, 16])
            const keys = {keyTie: "4000", keyPlayer: "4001", keyBanker: "4002"}
            for (const name in keys) {
                verify(child(name).entry, name)
                compare(child(name).entry, UIWrapper.keypad[keys[name]], name)
                compare(child(name).entry.value, Number(keys[name]), name)
            }
            const banker = UIWrapper.getMethodId("BANKER")
            UIWrapper.setMethodActive(banker, true)
            UIWrapper.play(2)
            tryVerify(() => (UIWrapper.keypad["4002"].flags & 1) !== 0)
            verify(child("keyBanker").marked)
            verify(!child("keyPlayer").marked)
            compare(child("keyBanker").stake, UIWrapper.keypad["4002"].bet)
            UIWrapper.setMethodActive(banker, false)
            tryVerify(() => !child("keyBanker").marked)
        }

        // A method row reads its highlights from the model's flag values, which keep their bits.
        function test_methodRowReadsTheNamedFlags() {
            compare([UIMethodListModel.InBloc, UIMethodListModel.InBlocDom, UIMethodListModel.UseNotif,
                     UIMethodListModel.HasParameters, UIMethodListModel.Highlighted, UIMethodListModel.Positive,
                     UIMethodListModel.HasDetails, UIMethodListModel.UseCustomBlock, UIMethodListModel.Focus,
                     UIMethodListModel.HasPattern, UIMethodListModel.SplitVisible],
                    [0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80, 0x100, 0x200, 0x400])
            const row = createTemporaryObject(rowComponent, root, {flags: 0x10 | 0x02 | 0x100})
            verify(row)
            verify(row.highlightedRow)
            verify(row.inBlocDom)
            verify(!row.inBloc)
            verify(!row.positive)
            verify(!row.hasDetails)
            compare(row.background.border.width, 1)
            row.flags = 0x01 | 0x20 | 0x40
            verify(!row.highlightedRow)
            verify(row.inBloc && row.positive && row.hasDetails)
            compare(row.background.border.width, 0)
        }

        function test_notificationShownOnceAndMarkedRead() {
            const dialog = child("notificationDialog")
            verify(!dialog.opened)
            testHelper.addNotification("Objectif atteint", "Le gain visé est atteint.", 1)
            tryCompare(dialog, "opened", true)
            compare(dialog.title, "Objectif atteint")
            compare(dialog.content, "Le gain visé est atteint.")
            dialog.accept()
            tryCompare(dialog, "opened", false)
            tryCompare(UIWrapper.notifications.lastNotification, "title", "")
            // Nothing else unread: the dialog stays closed.
            wait(100)
            verify(!dialog.opened)
        }

        // The column headers of the Pro list stand right above the figures they name.
        function test_proHeadersAlignWithTheirColumns() {
            const list = child("proList")
            tryVerify(() => list.count > 0 && list.itemAtIndex(0) !== null)
            const row = list.itemAtIndex(0)
            for (const [header, value] of [["ecartHeader", "ecartValue"], ["maxHeader", "maxValue"]]) {
                const h = child(header)
                const v = findChild(row, value)
                verify(v, value)
                const hRight = h.mapToItem(screen, h.width, 0).x
                const vRight = v.mapToItem(screen, v.width, 0).x
                fuzzyCompare(hRight, vRight, 1, header)
            }
        }

        // Where the keypad sits on the screen.
        function keypadPlace() {
            const keypad = child("keypad")
            const p = keypad.mapToItem(screen, 0, 0)
            return Qt.rect(p.x, p.y, keypad.width, keypad.height)
        }

        // Every mode writes the configuration; none moves the keypad or resizes the window.
        function test_modesWriteTheConfiguration() {
            const config = UIWrapper.engineConfig
            const place = keypadPlace()
            mouseClick(child("modeQuick"))
            compare(screen.mode, "quick")
            verify(config.playQuick)
            verify(!config.playPro)
            compare(screen.implicitHeight, 720)
            compare(keypadPlace(), place)
            mouseClick(child("modeSplit"))
            compare(screen.mode, "split")
            verify(config.playSplit)
            compare(screen.implicitHeight, 720)
            compare(keypadPlace(), place)
            // Closing the split view returns to the last of Pro and Quick.
            mouseClick(child("splitClose"))
            compare(screen.mode, "quick")
            verify(!config.playSplit)
            mouseClick(child("chartToggle"))
            compare(screen.implicitHeight, 720)
            compare(keypadPlace(), place)
            mouseClick(child("chartToggle"))
            mouseClick(child("modePro"))
            compare(screen.mode, "pro")
            verify(config.playPro)
            compare(screen.implicitHeight, 720)
            compare(keypadPlace(), place)
        }

        // A stake on a table that was never calibrated: bet() refuses, and "Erreur" says why.
        function test_failedBetShowsTheError() {
            const banker = UIWrapper.getMethodId("BANKER")
            verify(banker >= 0)
            UIWrapper.setMethodActive(banker, true)
            tryVerify(() => UIWrapper.keypad["4002"].bet > 0)
            const button = child("betButton")
            const dialog = child("errorDialog")
            verify(!dialog.opened)
            mouseClick(button)
            tryCompare(dialog, "opened", true)
            compare(findChild(dialog, "dialogTitle").text, "Erreur")
            verify(UIWrapper.betError.length > 0)
            compare(findChild(dialog, "errorMessage").text, UIWrapper.betError)
            compare(button.lastError, UIWrapper.betError)
            verify(!findChild(button, "ctrlWarning").opened)
            // Nothing was placed, nothing was played.
            compare(strip().count, 0)
            dialog.accept()
            tryCompare(dialog, "opened", false)
            UIWrapper.setMethodActive(banker, false)
            tryCompare(UIWrapper.keypad["4002"], "bet", 0)
        }

        // Control stopped the clicks after the first chip: the bet ran, and "Mise interrompue"
        // says what the table holds until the player dismisses it.
        function test_stoppedBetShowsWhatWasPlaced() {
            const banker = UIWrapper.getMethodId("BANKER")
            verify(banker >= 0)
            testHelper.calibrateTable(true)
            testHelper.holdControlFromClick(1)
            UIWrapper.setMethodActive(banker, true)
            tryVerify(() => UIWrapper.keypad["4002"].bet > 0)
            const stake = UIWrapper.keypad["4002"].bet
            const button = child("betButton")
            const dialog = child("betStoppedDialog")
            const error = child("errorDialog")
            verify(!dialog.opened)
            mouseClick(button)
            tryCompare(dialog, "opened", true)
            verify(!error.opened)
            compare(findChild(dialog, "dialogTitle").text, "Mise interrompue")
            const text = findChild(dialog, "errorMessage").text
            compare(text, UIWrapper.betError)
            verify(text.startsWith("Mise interrompue par CTRL : 1 clics sur "), text)
            verify(text.indexOf("BANKER 0.00 sur " + (stake / 100).toFixed(2)) >= 0, text)
            verify(!findChild(button, "ctrlWarning").opened)
            // It stays until dismissed.
            wait(300)
            verify(dialog.opened)
            dialog.accept()
            tryCompare(dialog, "opened", false)
            testHelper.holdControlFromClick(-1)
            testHelper.calibrateTable(false)
            UIWrapper.setMethodActive(banker, false)
            tryCompare(UIWrapper.keypad["4002"], "bet", 0)
        }

        // The tip of "Miser" opens below the button, clear of the title bar and its buttons.
        function test_betTipLeavesTheTitleBarFree() {
            const button = child("betButton")
            const tip = findChild(button, "betTip")
            verify(tip)
            button.hoverEnabled = true // the test platform has no hover effects
            mouseMove(button, button.width / 2, button.height / 2)
            tryCompare(tip, "opened", true, 3000)
            const tipTop = tip.contentItem.mapToItem(screen, 0, 0).y - tip.topPadding
            const buttonBottom = button.mapToItem(screen, 0, button.height).y
            verify(tipTop >= buttonBottom, "tip at " + tipTop + ", button ends at " + buttonBottom)
            const close = child("closeButton")
            verify(tipTop > close.mapToItem(screen, 0, close.height).y)
            mouseMove(root, 5, 700)
            tryCompare(tip, "opened", false)
        }

        // A stop of a session guard: its reason above the keys, the betting suspended, until the
        // player resumes.
        function test_guardStopShownUntilResumed() {
            const label = child("guardStop")
            const banker = UIWrapper.getMethodId("BANKER")
            verify(banker >= 0)
            verify(!label.visible)
            UIWrapper.financial.losingStreak = 1
            compare(UIWrapper.financial.guardsError, "")
            UIWrapper.setMethodActive(banker, true)
            tryVerify(() => UIWrapper.keypad["4002"].bet > 0)
            UIWrapper.play(1) // PLAYER: the stake on BANKER is lost
            tryVerify(() => label.visible)
            verify(label.text.startsWith("Arrêt : 1 perte de suite (limite 1)"), label.text)
            verify(label.text.indexOf("« Reprendre »") >= 0, label.text)
            compare(child("pauseButton").text, "Reprendre")
            // The stop's notification comes first; the reason stays once it is read.
            const dialog = child("notificationDialog")
            tryCompare(dialog, "opened", true)
            compare(dialog.title, "Arrêt : 1 perte de suite (limite 1)")
            dialog.accept()
            tryCompare(dialog, "opened", false)
            verify(label.visible)
            mouseClick(child("pauseButton"))
            tryVerify(() => !label.visible)
            compare(UIWrapper.summary.guardStop, "")
            compare(child("pauseButton").text, "Pause")
        }

        // Each stake limit says in a word on the key why its stake is lowered or not placed.
        function test_keyNamesTheLimitOfItsStake_data() {
            return [
                { tag: "out of limits", flags: UIBet.Marked | UIBet.OutOfLimits, bet: 0, word: "Hors limite" },
                { tag: "capped", flags: UIBet.Marked | UIBet.Capped, bet: 500, word: "Plafonnée" },
                { tag: "refused", flags: UIBet.Marked | UIBet.OverMaxStake, bet: 0, word: "Refusée" },
                { tag: "within the limits", flags: UIBet.Marked | UIBet.Recovery, bet: 500, word: "" }
            ]
        }
        function test_keyNamesTheLimitOfItsStake(data) {
            compare([UIBet.OutOfLimits, UIBet.Capped, UIBet.OverMaxStake], [32, 64, 128])
            const key = createTemporaryObject(keyComponent, root, { entry: { value: 4002, flags: data.flags, bet: data.bet } })
            verify(key)
            const word = findChild(key, "keyLimit")
            compare(word.visible, data.word.length > 0)
            compare(word.text, data.word)
            compare(findChild(key, "keyStake").visible, data.bet > 0)
            compare(key.limitReason.length > 0, data.word.length > 0)
        }

        // Through the engine: BANKER above the table's limit is listed, marked, not staked.
        function test_tableLimitShowsOnTheKey() {
            const banker = UIWrapper.getMethodId("BANKER")
            UIWrapper.setMethodActive(banker, true)
            tryVerify(() => UIWrapper.keypad["4002"].bet > 0)
            const stake = UIWrapper.keypad["4002"].bet
            const key = child("keyBanker")
            verify(!findChild(key, "keyLimit").visible)
            UIWrapper.financial.tableLimitBanker = stake - 1
            tryCompare(findChild(key, "keyLimit"), "text", "Hors limite")
            verify(findChild(key, "keyLimit").visible)
            verify(key.marked)
            verify(!findChild(key, "keyStake").visible)
            UIWrapper.financial.tableLimitBanker = 0
            tryVerify(() => !findChild(key, "keyLimit").visible)
            compare(key.stake, stake)
        }

        function test_betPressShowsCtrlWarning() {
            const button = child("betButton")
            const warning = findChild(button, "ctrlWarning")
            mousePress(button)
            tryCompare(warning, "opened", true)
            compare(findChild(warning, "ctrlWarningText").text,
                    "ATTENTION! POUR ARRETER LA MISE AUTO, APPUYEZ SUR <CTRL>")
            // Sliding off the button cancels the press: the warning goes, no bet.
            mouseMove(root, 5, 5)
            mouseRelease(root, 5, 5)
            tryCompare(warning, "opened", false)
        }
    }
}
