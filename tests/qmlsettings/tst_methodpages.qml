import QtQuick
import QtQuick.Controls
import QtTest
import NoxRouletteModel
import NoxRouletteUi.Common

// The per-method settings pages: the master switches, "Restaurer par défaut" and
// "Appliquer à tous" write into every method, and the row controls into one.
Item {
    id: root
    width: 430
    height: 720

    Component { id: ecartComponent; MethodEcartNotifConfig { width: 430; height: 720 } }
    Component { id: blocksComponent; MethodBlocksConfig { width: 430; height: 720 } }
    Component { id: blockDomComponent; MethodBlockDomConfig { width: 430; height: 720 } }
    Component { id: visibilityComponent; MethodVisibilityPage { width: 430; height: 720 } }

    TestCase {
        name: "MethodPages"
        when: windowShown

        readonly property var model: UIWrapper.sortedMethodList
        // Each method's own defaults, keyed by method id: "Restaurer par défaut" writes −1,
        // which the engine turns into the method's default.
        property var defaults: ({})

        function initTestCase() {
            UIWrapper.setMethodsConfigValue("all", "ecartNotif", -1)
            UIWrapper.setMethodsConfigValue("all", "nbBlockDom", -1)
            let d = {}
            tryVerify(() => {
                d = {}
                for (let r = 0; r < model.rowCount(); ++r) {
                    const i = model.index(r, 0)
                    d[model.data(i, 264)] = { ecartNotif: model.data(i, roleId("ecartNotif")),
                                              nbBlockDom: model.data(i, roleId("nbBlockDom")) }
                }
                return Object.keys(d).length > 0
            })
            defaults = d
        }
        // Every method holds its own default of `role`.
        function everyIsDefault(role) {
            for (let r = 0; r < model.rowCount(); ++r) {
                const i = model.index(r, 0)
                const d = defaults[model.data(i, 264)]
                if (!d || model.data(i, roleId(role)) !== d[role])
                    return false
            }
            return model.rowCount() > 0
        }

        // The values of `role` over every method of the sorted list.
        function column(role) {
            const roles = model.roleNames ? null : null
            let values = []
            for (let r = 0; r < model.rowCount(); ++r)
                values.push(model.data(model.index(r, 0), roleId(role)))
            return values
        }
        function roleId(name) {
            const ids = { name: 257, methodVisible: 265, flags: 267, ecartNotif: 268,
                          customBlockMin: 271, customBlockMax: 272, nbBlockDom: 273 }
            return ids[name]
        }
        function everyIs(role, value) {
            const c = column(role)
            return c.length > 0 && c.every(v => v === value)
        }
        function typeInto(field, text) {
            field.forceActiveFocus()
            field.selectAll()
            field.remove(0, field.length)
            field.insert(0, text)
            field.editingFinished()
        }

        function test_ecartNotifApplyAndRestore() {
            const page = createTemporaryObject(ecartComponent, root)
            verify(page)
            compare(page.title, "Notification des grands écarts")
            typeInto(page.minimumField.field, "12")
            mouseClick(findChild(page, "applyButton"))
            tryVerify(() => everyIs("ecartNotif", 12))
            // Out of range: clamped to the largest threshold.
            typeInto(page.minimumField.field, "5000")
            compare(page.minimumValue, 999)
            mouseClick(findChild(page, "masterSwitch"))
            // The facade's refresh is queued: wait until the page has it.
            tryVerify(() => page.masterChecked)
            verify(UIWrapper.methodConfig.allEcartNotif)
            tryVerify(() => column("flags").every(f => (f & 0x04) !== 0))
            mouseClick(findChild(page, "restoreButton"))
            tryVerify(() => everyIsDefault("ecartNotif"))
            tryVerify(() => column("flags").every(f => (f & 0x04) === 0))
            verify(!UIWrapper.methodConfig.allEcartNotif)
            tryVerify(() => !findChild(page, "masterSwitch").checked)
        }

        function test_ecartNotifRowWritesOneMethod() {
            const page = createTemporaryObject(ecartComponent, root)
            const list = page.rows
            tryVerify(() => list.count > 0)
            const row = list.itemAtIndex(0)
            verify(row)
            const id = row.methodId
            const sw = findChild(row, "useNotifSwitch")
            const before = sw.checked
            mouseClick(sw)
            tryVerify(() => ((model.data(model.index(0, 0), roleId("flags")) & 0x04) !== 0) === !before)
            if (!before)
                verify(!UIWrapper.methodConfig.allEcartNotif || list.count === 1)
            mouseClick(sw)
            const spin = findChild(row, "ecartNotifInput")
            spin.value = 7
            spin.valueModified()
            tryVerify(() => model.data(model.index(0, 0), roleId("ecartNotif")) === 7)
            compare(model.data(model.index(1, 0), roleId("ecartNotif")) === 7 && list.count > 1, false)
            UIWrapper.setMethodsConfigValue("all", "ecartNotif", -1)
        }

        function test_blocksApplyAndRestore() {
            const page = createTemporaryObject(blocksComponent, root)
            compare(page.title, "Définition des blocs")
            typeInto(page.minimumField.field, "2")
            typeInto(page.maximumField.field, "6")
            mouseClick(findChild(page, "applyButton"))
            tryVerify(() => everyIs("customBlockMin", 2) && everyIs("customBlockMax", 6))
            // A range typed upside down is applied the right way round.
            typeInto(page.minimumField.field, "8")
            typeInto(page.maximumField.field, "3")
            mouseClick(findChild(page, "applyButton"))
            tryVerify(() => everyIs("customBlockMin", 3) && everyIs("customBlockMax", 8))
            mouseClick(findChild(page, "masterSwitch"))
            tryVerify(() => page.masterChecked)
            verify(UIWrapper.methodConfig.allUseCustomBlock)
            mouseClick(findChild(page, "restoreButton"))
            tryVerify(() => everyIs("customBlockMin", 0) && everyIs("customBlockMax", 0))
            tryVerify(() => column("flags").every(f => (f & 0x80) === 0))
            verify(!UIWrapper.methodConfig.allUseCustomBlock)
        }

        function test_blockDomApplyAndRestore() {
            const page = createTemporaryObject(blockDomComponent, root)
            compare(page.title, "Définition des blocs dominants")
            typeInto(page.countField.field, "4")
            mouseClick(findChild(page, "applyButton"))
            tryVerify(() => everyIs("nbBlockDom", 4))
            // Zero dominant blocks is refused: clamped to one.
            typeInto(page.countField.field, "0")
            compare(page.countValue, 1)
            verify(!everyIsDefault("nbBlockDom"))
            mouseClick(findChild(page, "restoreButton"))
            tryVerify(() => everyIsDefault("nbBlockDom"))
        }

        function test_visibilityMasterAndRows() {
            const page = createTemporaryObject(visibilityComponent, root)
            compare(page.title, "Filtre détaillé")
            compare(findChild(page, "profileLabel").text, UIWrapper.methodConfig.profile || "Pas de profil selectionné")
            const master = page.list.masterSwitch
            UIWrapper.setMethodsVisible("all", true)
            tryVerify(() => master.checked)
            mouseClick(master)
            tryVerify(() => everyIs("methodVisible", false))
            verify(!UIWrapper.methodConfig.all)
            mouseClick(master)
            tryVerify(() => everyIs("methodVisible", true))
            const rows = findChild(page.list, "methodRows")
            const first = rows.itemAt(0)
            verify(first)
            mouseClick(findChild(first, "visibleSwitch"))
            tryVerify(() => model.data(model.index(0, 0), roleId("methodVisible")) === false
                          || column("methodVisible").filter(v => !v).length === 1)
            tryVerify(() => !UIWrapper.methodConfig.all)
            UIWrapper.setMethodsVisible("all", true)
            const split = findChild(rows.itemAt(0), "splitSwitch")
            const splitBefore = split.checked
            mouseClick(split)
            tryVerify(() => column("flags").some(f => ((f & 0x400) !== 0) !== splitBefore))
            mouseClick(split)
        }

        // "Charger un profil" with a file that is no profile: the page says why, nothing changes.
        function test_profileThatCannotBeLoadedSaysWhy() {
            const page = createTemporaryObject(visibilityComponent, root)
            const url = testHelper.writeFile("picture.pfl", "\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR\x01\x02")
            verify(url.length > 0)
            const profile = UIWrapper.methodConfig.profile
            page.loadDialog.selectedFile = url
            page.loadDialog.accepted()
            const dialog = page.fileErrorDialog
            tryCompare(dialog, "opened", true)
            compare(dialog.title, "Erreur")
            verify(findChild(dialog, "errorMessage").text.startsWith("Le profil n'a pas pu être chargé : "))
            compare(findChild(dialog, "errorMessage").text, UIWrapper.fileMessage)
            compare(UIWrapper.methodConfig.profile, profile)
            dialog.close()
            tryCompare(dialog, "visible", false)

            // A profile saved where no folder exists says so as well.
            page.saveProfile(url.replace("picture.pfl", "no/such/folder/p.pfl"))
            tryCompare(dialog, "opened", true)
            verify(findChild(dialog, "errorMessage").text.startsWith("Le profil n'a pas pu être enregistré : "))
            dialog.close()
            tryCompare(dialog, "visible", false)
        }

        function test_parametersDialogRoundTrip() {
            const page = createTemporaryObject(visibilityComponent, root)
            const rows = findChild(page.list, "methodRows")
            let row = null
            for (let i = 0; i < rows.count && !row; ++i)
                if (rows.itemAt(i).hasParameters)
                    row = rows.itemAt(i)
            if (!row)
                skip("no method with parameters in the catalogue")
            const dialog = page.list.parametersDialog
            mouseClick(findChild(row, "parametersButton"))
            tryCompare(dialog, "opened", true)
            compare(dialog.methodId, row.methodId)
            const before = UIWrapper.getMethodParameters(row.methodId)
            compare(dialog.parameters.length, before.length)
            dialog.accept()
            const after = UIWrapper.getMethodParameters(row.methodId)
            compare(JSON.stringify(after), JSON.stringify(before))
        }
    }
}
