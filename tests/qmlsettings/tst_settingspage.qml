import QtQuick
import QtQuick.Controls
import QtTest
import NoxRouletteModel
import NoxRouletteUi.Common
import NoxRouletteUi.Baccara

// The settings page: its sections in order, one open at a time, and what each control of the
// sections writes into the facade.
Item {
    id: root
    width: 430
    height: 720

    Component { id: settingsComponent; Settings { width: 430; height: 720 } }

    TestCase {
        name: "SettingsPage"
        when: windowShown

        property var page

        function init() {
            page = createTemporaryObject(settingsComponent, root)
            verify(page)
        }

        // The loaded content of section `index`, opened by a click on its header.
        function openSection(index) {
            const section = page.section(index)
            verify(section, "section " + index)
            if (!section.expanded) {
                scrollIntoView(findChild(section, "sectionHeader"))
                mouseClick(findChild(section, "sectionHeader"))
            }
            tryVerify(() => section.item !== null)
            // Clicks go where the player sees the controls: after the layouts have placed them.
            waitForRendering(page)
            tryVerify(() => !isPolishScheduled(section.item) && !isPolishScheduled(page.sections))
            return section.item
        }

        // Scrolls the settings list as a player would, so that `item` is inside the window.
        function scrollIntoView(item) {
            const flick = findChild(page, "settingsFlickable")
            const top = item.mapToItem(flick.contentItem, 0, 0).y
            if (top < flick.contentY || top + item.height > flick.contentY + flick.height)
                flick.contentY = Math.max(0, Math.min(top, flick.contentHeight - flick.height))
            waitForRendering(page)
        }

        function typeInto(field, text) {
            field.forceActiveFocus()
            field.selectAll()
            field.remove(0, field.length)
            field.insert(0, text)
            field.editingFinished()
        }

        function test_sectionsInOrder() {
            const titles = ["Gestion Financière", "Filtres de méthode", "Calibration",
                            "Notifications et signaux", "Permanences", "Egalité", "Autres", "Developer"]
            for (let i = 0; i < titles.length; ++i)
                compare(page.section(i).title, titles[i])
            for (let i = 0; i < 7; ++i)
                verify(page.section(i).visible, titles[i])
            // The root context of the test says debug is false.
            verify(!page.section(7).visible)
            compare(page.title, "Paramètres")
        }

        function test_oneSectionOpenAtATime() {
            openSection(0)
            verify(page.section(0).expanded)
            openSection(3)
            verify(!page.section(0).expanded)
            compare(page.section(0).item, null)
            verify(page.section(3).expanded)
            mouseClick(findChild(page.section(3), "sectionHeader"))
            verify(!page.section(3).expanded)
            compare(page.openSection, -1)
        }

        function test_eachSectionLoads() {
            for (let i = 0; i < 7; ++i)
                verify(openSection(i), "section " + i)
        }

        function test_notificationSwitchesWriteTheEngineConfiguration_data() {
            return [
                { tag: "signalBlocks", key: "signalBlocks" },
                { tag: "signalTendanceBack", key: "signalTendanceBack" },
                { tag: "signalDouble0", key: "signalDouble0" },
                { tag: "signalBlocDominantConfirme", key: "signalBlocDominantConfirme" },
                { tag: "signalEcartMax", key: "signalEcartMax" },
                { tag: "signalScores", key: "signalScores" },
                { tag: "compteurME", key: "compteurME" },
                { tag: "smartQuickMode", key: "smartQuickMode" },
                { tag: "playInBlockDom", key: "playInBlockDom" }
            ]
        }
        function test_notificationSwitchesWriteTheEngineConfiguration(data) {
            const content = openSection(3)
            const sw = findChild(content, data.key + "Switch")
            verify(sw)
            const before = UIWrapper.engineConfig[data.key]
            compare(sw.checked, before)
            mouseClick(sw)
            compare(UIWrapper.engineConfig[data.key], !before)
            mouseClick(sw)
            compare(UIWrapper.engineConfig[data.key], before)
        }

        function test_isolateNeedsSmartQuickMode() {
            const content = openSection(3)
            const smart = findChild(content, "smartQuickModeSwitch")
            const isolate = findChild(content, "smartQuickModeIsolateSwitch")
            const before = UIWrapper.engineConfig.smartQuickMode
            if (before)
                mouseClick(smart)
            verify(!UIWrapper.engineConfig.smartQuickMode)
            verify(!isolate.enabled)
            mouseClick(smart)
            verify(isolate.enabled)
            mouseClick(smart)
            if (before)
                mouseClick(smart)
            compare(UIWrapper.engineConfig.smartQuickMode, before)
        }

        function test_chipInputsAreValidatedAndWritten() {
            const content = openSection(0)
            const jeton = findChild(content, "jetonOrigineInput")
            const origine = UIWrapper.financial.csConfig.jetonOrigine
            typeInto(jeton.field, "0.25")
            compare(UIWrapper.financial.csConfig.jetonOrigine, 25)
            // Starting chip sets the current chip too.
            compare(UIWrapper.financial.csConfig.jeton, 25)
            // Below the range: clamped to the smallest chip.
            typeInto(jeton.field, "0")
            compare(UIWrapper.financial.csConfig.jetonOrigine, 1)
            compare(jeton.field.text, "0.01")
            // Above the range: clamped to the largest.
            typeInto(jeton.field, "99999999")
            compare(UIWrapper.financial.csConfig.jetonOrigine, 1000000)
            // Not a number: refused, the value stays.
            jeton.field.text = "-"
            jeton.commit()
            compare(UIWrapper.financial.csConfig.jetonOrigine, 1000000)
            compare(jeton.field.text, "10000.00")
            typeInto(jeton.field, (origine / 100).toFixed(2))
            compare(UIWrapper.financial.csConfig.jetonOrigine, origine)
        }

        function test_montanteComboSelectsTheProgression() {
            const content = openSection(0)
            const combo = findChild(content, "montanteCombo")
            const names = UIWrapper.montantes["cs"]
            verify(names.length >= 2)
            const before = UIWrapper.currentMontantes["cs"]
            compare(combo.currentText, before)
            const other = names.find(n => n !== before)
            combo.currentIndex = names.indexOf(other)
            combo.activated(combo.currentIndex)
            compare(UIWrapper.currentMontantes["cs"], other)
            combo.currentIndex = names.indexOf(before)
            combo.activated(combo.currentIndex)
            compare(UIWrapper.currentMontantes["cs"], before)
        }

        function test_capitalDialogWritesTheBankroll() {
            const content = openSection(0)
            const dialog = content.capitalDialog
            dialog.open()
            tryCompare(dialog, "opened", true)
            typeInto(dialog.capitalField.field, "2500")
            typeInto(dialog.takeProfitField.field, "300.50")
            // A positive loss limit makes no sense: clamped to 0.
            typeInto(dialog.stopLossField.field, "50")
            compare(dialog.stopLossField.field.text, "0.00")
            typeInto(dialog.stopLossField.field, "-120")
            dialog.accept()
            compare(UIWrapper.financial.capitalOrigine, 250000)
            compare(UIWrapper.financial.takeProfit, 30050)
            compare(UIWrapper.financial.stopLoss, -12000)
            // resetFinancial() started the bankroll from the new capital.
            tryCompare(UIWrapper.financial, "capital", 250000)
        }

        function test_playedValuesTruncateAndSampleAreValidated() {
            const content = openSection(4)
            const sample = findChild(content, "shortTermInput")
            const before = UIWrapper.engineConfig.shortTermCount
            typeInto(sample.field, "0")
            compare(UIWrapper.engineConfig.shortTermCount, 1)
            typeInto(sample.field, "123456")
            compare(UIWrapper.engineConfig.shortTermCount, 1000)
            typeInto(sample.field, String(before))
            compare(UIWrapper.engineConfig.shortTermCount, before)
        }

        function test_exportFillsTheTextArea() {
            UIWrapper.play(1)
            UIWrapper.play(2)
            tryVerify(() => UIWrapper.summary.played >= 2)
            const content = openSection(4)
            mouseClick(findChild(content, "exportButton"))
            compare(content.exportArea.text, UIWrapper.getPlayedItemsString())
            verify(content.exportArea.text.endsWith("P\nB\n"))
        }

        function test_importStopsOnCancel() {
            const content = openSection(4)
            testHelper.restartEngine()
            tryCompare(UIWrapper.summary, "played", 0)
            // The callback says stop as soon as the cancel was asked for.
            content.cancelRequested = true
            compare(content.importCallback(1, 10), false)
            content.cancelRequested = false
            compare(content.importCallback(3, 10), true)
            compare(content.importCallback(10, 10), false)
            verify(!content.importing)

            let text = ""
            for (let i = 0; i < 400; ++i)
                text += (i % 3 === 0 ? "P" : i % 3 === 1 ? "B" : "T") + "\n"
            content.startImport(text)
            verify(content.importing)
            content.cancelRequested = true
            tryCompare(content, "importing", false, 10000)
            wait(200)
            verify(UIWrapper.summary.played < 400, "played " + UIWrapper.summary.played)
        }

        function test_importAddsEveryResult() {
            const content = openSection(4)
            testHelper.restartEngine()
            tryCompare(UIWrapper.summary, "played", 0)
            content.startImport("P\r\nB\n\nX\nT\n")
            tryCompare(content, "importing", false, 5000)
            compare(content.importTotal, 3)
            tryCompare(UIWrapper.summary, "played", 3)
        }

        function test_aPasteIsCutToTheLimitAndSaysSo() {
            const content = openSection(4)
            content.importDialog.open()
            let big = ""
            for (let i = 0; i < 20000; ++i)
                big += "P\n"
            content.insertIntoImportArea(UIWrapper.historyImport.fitPaste(big, content.importArea.length))
            verify(content.importArea.length > 0)
            verify(content.importArea.length <= UIWrapper.historyImport.textLimit)
            const note = findChild(content.importDialog.contentItem, "pasteMessage")
            verify(note.visible)
            verify(note.text.indexOf("Importer un fichier") >= 0, note.text)
            // Text that reaches the area another way is cut as well.
            content.importArea.text = big
            verify(content.importArea.length <= UIWrapper.historyImport.textLimit)
            content.importDialog.reject()
            compare(content.pasteMessage, "")
        }

        function test_fileImportShowsWhatItDid() {
            const content = openSection(4)
            testHelper.restartEngine()
            tryCompare(UIWrapper.summary, "played", 0)
            content.startFileImport(Qt.resolvedUrl("../data/history.txt"))
            verify(content.importing)
            tryCompare(content, "importing", false, 10000)
            tryCompare(UIWrapper.summary, "played", 6)
            const message = findChild(content, "importMessage")
            verify(message.visible)
            verify(message.text.indexOf("6 ") === 0, message.text)
            verify(message.text.indexOf("2 lignes corrigées") >= 0, message.text)
            verify(message.text.indexOf("(n° 8)") >= 0, message.text)
            verify(UIWrapper.getPlayedItemsString() === "P\nB\nB\nB\nT\nP\n")
        }

        function test_tieSection() {
            const content = openSection(5)
            verify(content.methodId >= 0)
            const sw = findChild(content, "tieActiveSwitch")
            const before = !!UIWrapper.getMethodDetails(content.methodId).active
            mouseClick(sw)
            tryVerify(() => !!UIWrapper.getMethodDetails(content.methodId).active === !before)
            mouseClick(sw)
            tryVerify(() => !!UIWrapper.getMethodDetails(content.methodId).active === before)
        }

        function test_previewShowsTheClicksWithoutClicking() {
            const content = openSection(2)
            const cal = UIWrapper.calibration
            // Chips 1 and 2 and every table place calibrated at distinct points.
            const keys = ["jeton_1", "jeton_2", "b_player", "b_banker", "b_tie", "x_dbl"]
            for (let i = 0; i < keys.length; ++i) {
                const it = cal[keys[i]]
                cal[keys[i]] = { itemId: it.itemId, value: it.value, x: 100 + 40 * i, y: 300, active: true }
            }
            const banker = UIWrapper.getMethodId("BANKER")
            UIWrapper.setMethodActive(banker, true)
            tryVerify(() => UIWrapper.getMethodDetails(banker).active === true)
            // The engine's own count, read directly; the summary follows it with the refresh.
            const engineCount = () => UIWrapper.getPlayedItemsString().split("\n").filter(l => l.length > 0).length
            tryVerify(() => UIWrapper.summary.played === engineCount())
            const before = engineCount()
            UIWrapper.play(2)
            // The played result and its proposal reach the screens with the queued refresh.
            tryVerify(() => UIWrapper.summary.played === before + 1)
            tryVerify(() => UIWrapper.keypad["4002"].bet > 0)
            const played = UIWrapper.summary.played
            const button = findChild(content, "previewBetButton")
            tryVerify(() => button.enabled)
            scrollIntoView(button)
            mouseClick(button)
            const dialog = content.previewDialog
            tryCompare(dialog, "opened", true)
            verify(dialog.preview.ok, dialog.preview.reason)
            verify(dialog.clicks.length >= 2)
            compare(dialog.clicks[0].name.substring(0, 6), "JETON_")
            compare(dialog.clicks[dialog.clicks.length - 1].name, "B_BANKER")
            compare(dialog.preview.total, UIWrapper.keypad["4002"].bet)
            verify(findChild(dialog, "previewSummary").text.length > 0)
            // Nothing was played or clicked by looking.
            compare(UIWrapper.summary.played, played)
            dialog.accept()
            tryCompare(dialog, "visible", false)
            UIWrapper.setMethodActive(banker, false)
        }

        function test_languageRetranslatesTheOpenPage() {
            const content = openSection(6)
            const combo = findChild(content, "languageCombo")
            combo.currentIndex = 1
            combo.activated(1)
            compare(UIWrapper.language, "en")
            tryCompare(page, "title", "Settings")
            compare(page.section(0).title, "Money management")
            combo.currentIndex = 0
            combo.activated(0)
            compare(UIWrapper.language, "fr")
            tryCompare(page, "title", "Paramètres")
        }
    }
}
