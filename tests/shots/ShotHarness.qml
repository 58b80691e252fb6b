import QtQuick
import QtQuick.Controls
import NoxRouletteModel
import NoxRouletteUi.Common
import Theme

// The program's window with its page stack, and the preparation of each screenshot of the
// settings screens: which section to open, which dialog to show, where to scroll.
UIMainWindow {
    id: win

    width: 430
    height: 720
    visible: true
    color: Theme.colors.background
    // As the program's main window does.
    Component.onCompleted: Theme.applyPalette(win.palette)

    App {
        id: app
        objectName: "app"
        anchors.fill: parent
        applicationWindow: win
    }

    function page(): Item {
        return app.currentItem
    }

    function openSection(index: int): Item {
        const p = page()
        p.openSection = index
        return p.section(index).item
    }

    // Scrolls the settings page so that the open section's end shows, once the layout has
    // placed the section just opened (a little later than the opening).
    function scrollToEnd() {
        endTimer.restart()
    }
    Timer {
        id: endTimer
        interval: 250
        onTriggered: {
            const flick = win.p0().flickable
            flick.contentY = Math.max(0, flick.contentHeight - flick.height)
        }
    }
    function p0(): Item { return page() }
    // The estimate runs on its own copy of the settings: back to no method, with the risk
    // panel at the top of the page (the guards and the table limits follow it in the section).
    // The shot is taken once the estimate is in.
    Timer {
        id: riskTimer
        interval: 500
        onTriggered: {
            UIWrapper.setMethodActive(UIWrapper.getMethodId("BANKER"), false)
            win.scrollTo("riskPanel")
        }
    }

    // Scrolls the settings page so that the item called `name` is at its top, once the layout
    // has placed the section just opened.
    property string scrollTarget
    function scrollTo(name: string) {
        scrollTarget = name
        targetTimer.restart()
    }
    Timer {
        id: targetTimer
        interval: 250
        onTriggered: {
            const flick = win.p0().flickable
            const item = win.find(flick.contentItem, win.scrollTarget)
            if (!item)
                return
            const top = item.mapToItem(flick.contentItem, 0, 0).y - 8
            flick.contentY = Math.max(0, Math.min(top, flick.contentHeight - flick.height))
        }
    }

    // Types `text` into the guard field called `name` and confirms it, as the player does.
    function typeGuard(name: string, text: string) {
        const field = find(page(), name)
        field.field.text = text
        field.number.commit()
    }

    // The play screen stays below the other pages, and the sort list opened for its shot with
    // it: closed, so that it covers no later shot.
    function closeSortList() {
        const home = app.get(0)
        const box = home ? find(home, "sortBox") : null
        if (box)
            box.popup.close()
    }

    // Every guard off and the betting resumed: the shots of the guards start from there.
    function resetGuards() {
        const f = UIWrapper.financial
        f.setTrailingStop(0, 0)
        for (const key of ["losingStreak", "stakedCoups", "sessionMinutes", "maxStake", "tableLimitPlayer",
                           "tableLimitBanker", "tableLimitTie"])
            f[key] = 0
        f.maxStakeRule = UIFinancialConfig.CapStake
        f.clearGuardsError()
        UIWrapper.resume()
    }

    // BANKER and TIE staked after a PLAYER (BANKER's martingale at two chips), TIE above a table
    // limit of 0.01 and the coup above a largest stake of one chip.
    function limitStakes(rule: int) {
        UIWrapper.setMethodActive(UIWrapper.getMethodId("BANKER"), true)
        UIWrapper.setMethodActive(UIWrapper.getMethodId("TIE"), true)
        UIWrapper.play(1)
        const f = UIWrapper.financial
        f.tableLimitTie = 1
        f.maxStake = f.csConfig.jeton
        f.maxStakeRule = rule
    }
    Timer {
        id: readTimer
        interval: 300
        onTriggered: {
            const dialog = win.findObject(win.page(), "notificationDialog")
            if (dialog)
                dialog.accept()
        }
    }
    Timer {
        id: importTimer
        interval: 200
        onTriggered: win.page().section(4).item.startImport("P\nb\n B \nX\nT\nPB\nbanker\nZ\n")
    }

    // Called once the page of the shot is on top; returns nothing.
    function prepare(shot: string) {
        let item
        closeSortList()
        resetGuards()
        switch (shot) {
        case "settings_guards": openSection(0); scrollTo("guardsTitle"); break
        case "settings_guards_end": openSection(0); scrollToEnd(); break
        case "settings_guards_refused":
            // A trailing stop whose fall is larger than its trigger.
            openSection(0)
            typeGuard("trailingTriggerInput", "50")
            typeGuard("trailingDropInput", "80")
            scrollTo("sessionMinutesInput")
            break
        case "settings_guards_maxstake": {
            const f = UIWrapper.financial
            openSection(0)
            typeGuard("maxStakeInput", ((Math.min(f.csConfig.jeton, f.pleinConfig.jeton) - 1) / 100).toFixed(2))
            scrollTo("trailingDropInput")
            break
        }
        case "home_key_limits": limitStakes(UIFinancialConfig.CapStake); break
        case "home_key_refused": limitStakes(UIFinancialConfig.RefuseStake); break
        case "home_guard_stop":
            // One losing coup stops at a losing streak of 1; the stop's notification is read.
            UIWrapper.setMethodActive(UIWrapper.getMethodId("BANKER"), true)
            UIWrapper.financial.losingStreak = 1
            UIWrapper.play(1)
            readTimer.restart()
            break
        case "settings_financial": openSection(0); break
        case "settings_financial_risk": {
            // A martingale on BANKER, estimated: the steps, their limits and the figures.
            openSection(0)
            UIWrapper.setMethodActive(UIWrapper.getMethodId("BANKER"), true)
            UIWrapper.setCurrentMontante("cs", "Martingale classique")
            UIWrapper.risk.sessions = 2000
            UIWrapper.risk.start()
            riskTimer.restart()
            break
        }
        case "settings_capital": openSection(0).capitalDialog.open(); break
        case "settings_filters": openSection(1); break
        case "settings_parameters": {
            item = openSection(1)
            // The first method with parameters, else the dialog of the first method.
            const model = UIWrapper.sortedMethodList
            let id = -1, name = ""
            for (let r = 0; r < model.rowCount() && id < 0; ++r) {
                const idx = model.index(r, 0)
                if (model.data(idx, 266)) {
                    id = model.data(idx, 264)
                    name = model.data(idx, 257)
                }
            }
            item.list.parametersDialog.edit(id, name)
            break
        }
        case "settings_calibration": openSection(2); break
        case "settings_calibration_end": openSection(2); scrollToEnd(); break
        case "settings_calibration_chips": {
            // The player has chips 1 to 3: activating the third activates the lower ones.
            const chip = UIWrapper.calibration["jeton_3"]
            UIWrapper.calibration["jeton_3"] = { itemId: chip.itemId, value: chip.value, x: chip.x, y: chip.y, active: true }
            item = openSection(2)
            item.openChips()
            item.dialog.capture.collect(Qt.point(240, 610))
            break
        }
        case "settings_calibration_table": {
            item = openSection(2)
            item.openTable()
            item.dialog.capture.collect(Qt.point(612, 431))
            break
        }
        case "settings_calibration_done": {
            item = openSection(2)
            item.openDouble()
            item.dialog.capture.collect(Qt.point(1500, 120))
            break
        }
        case "settings_calibration_preview": {
            // A stake on BANKER to preview; the calibration shots before made the chips ready.
            const cal = UIWrapper.calibration
            const keys = ["jeton_1", "jeton_2", "jeton_3", "b_player", "b_banker", "b_tie"]
            for (let i = 0; i < keys.length; ++i) {
                const it = cal[keys[i]]
                cal[keys[i]] = { itemId: it.itemId, value: it.value, x: 200 + 60 * i, y: 640, active: true }
            }
            UIWrapper.setMethodActive(UIWrapper.getMethodId("BANKER"), true)
            item = openSection(2)
            item.previewDialog.refresh()
            item.previewDialog.open()
            break
        }
        case "settings_notifications": openSection(3); break
        case "settings_notifications_end": openSection(3); scrollToEnd(); break
        case "settings_played": {
            item = openSection(4)
            item.exportArea.text = UIWrapper.getPlayedItemsString()
            break
        }
        case "settings_import": openSection(4).importDialog.open(); break
        case "settings_import_paste": {
            // A paste of a long evening: cut to the area's limit, with the note under it.
            item = openSection(4)
            item.importDialog.open()
            let text = ""
            for (let i = 0; i < 20000; ++i)
                text += (i % 3 === 0 ? "P" : "B") + "\n"
            item.insertIntoImportArea(UIWrapper.historyImport.fitPaste(text, 0))
            break
        }
        case "settings_import_reading":
            // A file without end is read until "Arrêter": the progress shows, the window repaints.
            openSection(4).startFileImport("file:///dev/zero")
            break
        case "settings_import_done":
            // The file of the previous shot is still being read: stop it, then import a text.
            UIWrapper.historyImport.cancel()
            openSection(4)
            importTimer.restart()
            break
        case "settings_tie": openSection(5); break
        case "settings_other": openSection(6); break
        case "visibility_load":
            page().loadDialog.currentFolder = Qt.resolvedUrl("../fuzz/corpus/profile")
            page().loadDialog.open()
            break
        case "visibility_save":
            page().saveDialog.currentFolder = Qt.resolvedUrl("../fuzz/corpus")
            page().saveDialog.open()
            page().saveDialog.fileName = "soirée"
            break
        case "montante_user": {
            const list = UIWrapper.getUserMontantes()
            if (list.length > 0)
                page().select(list[0].montanteId)
            break
        }
        // The drop-down lists, open.
        case "settings_progression_list": openList(openSection(0), "montanteCombo"); break
        case "settings_language_list": openList(openSection(6), "languageCombo"); break
        case "montante_user_picker": {
            prepare("montante_user")
            openList(page(), "montantePicker")
            break
        }
        case "montante_user_moves": {
            prepare("montante_user")
            openList(find(page(), "lossMove"), "moveCombo")
            break
        }
        case "home_sort_list": openList(page(), "sortBox"); break
        // Quick mode with "Jouer l'égalité" on: the tie key shows its stake.
        case "home_quick_tie": {
            UIWrapper.setMethodActive(UIWrapper.getMethodId("TIE"), true)
            page().chooseMode("quick")
            break
        }
        // What a binary file given to the file actions gives.
        case "montante_import_report": page().importMethods(shotBinaryFile); break
        case "visibility_profile_error": page().loadProfile(shotBinaryFile); break
        // The sessions page: the last 30 days, a session touched, its deletion asked, its export.
        case "sessions":
            UISessionArchive.period = UISessionArchive.Month
            UISessionArchive.selectedRow = -1
            break
        case "sessions_selected":
            prepare("sessions")
            UISessionArchive.selectedRow = 1
            break
        case "sessions_delete":
            prepare("sessions_selected")
            page().deleteDialog.open()
            break
        case "sessions_export":
            prepare("sessions_selected")
            page().askExport(UISessionArchive.SessionCsv)
            break
        case "sessions_all":
            UISessionArchive.period = UISessionArchive.All
            UISessionArchive.selectedRow = 4
            break
        default: break
        }
    }

    // The first item below `item` with that object name.
    function find(item: Item, name: string): Item {
        for (let i = 0; i < item.children.length; ++i) {
            const child = item.children[i]
            if (child.objectName === name)
                return child
            const found = find(child, name)
            if (found)
                return found
        }
        return null
    }

    // The first object below `item` with that object name, popups included: they are among the
    // data of their item, not its children.
    function findObject(item: Item, name: string): QtObject {
        const data = item.data
        for (let i = 0; i < data.length; ++i) {
            const child = data[i]
            if (child.objectName === name)
                return child
            if (child instanceof Item) {
                const found = findObject(child, name)
                if (found)
                    return found
            }
        }
        return null
    }

    function openList(item: Item, name: string) {
        const combo = find(item, name)
        if (combo)
            combo.popup.open()
    }
}
