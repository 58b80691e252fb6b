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

    // Called once the page of the shot is on top; returns nothing.
    function prepare(shot: string) {
        let item
        switch (shot) {
        case "settings_financial": openSection(0); break
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
            item.dialog.positions = [Qt.point(240, 610)]
            break
        }
        case "settings_calibration_table": {
            item = openSection(2)
            item.openTable()
            item.dialog.positions = [Qt.point(612, 431)]
            break
        }
        case "settings_calibration_done": {
            item = openSection(2)
            item.openDouble()
            item.dialog.positions = [Qt.point(1500, 120)]
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
        default: break
        }
    }
}
