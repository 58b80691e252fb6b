import QtQuick
import QtQuick.Controls
import QtTest
import NoxRouletteModel
import NoxRouletteUi.Common
import NoxRouletteUi.Baccara

// Every drop-down list opens on its entries: the common style's delegate reads string lists,
// arrays of strings, arrays and variant lists of objects and item models, with or without a
// textRole; then the lists of the screens, in French and in English.
Item {
    id: root
    width: 430
    height: 720

    ListModel {
        id: listModel
        ListElement { label: "Un"; code: 1 }
        ListElement { label: "Deux"; code: 2 }
    }

    Component { id: comboComponent; ComboBox { width: 300 } }
    Component { id: financialComponent; FinancialConfig { width: 430 } }
    Component { id: otherComponent; OtherConfig { width: 430 } }
    Component { id: moveComponent; StepMoveEditor { width: 430; label: "Test" } }
    Component { id: montantePageComponent; UserMontantePage { width: 430; height: 720 } }
    Component { id: proViewComponent; ProView { width: 430; height: 500 } }

    TestCase {
        name: "ComboBoxes"
        when: windowShown

        function cleanup() {
            UIWrapper.language = "fr"
        }

        // Opens the list of `combo` and returns the texts of its rows as the player sees them.
        function openTexts(combo) {
            verify(combo, "combo box")
            combo.popup.open()
            tryCompare(combo.popup, "opened", true)
            const view = combo.popup.contentItem
            waitForRendering(view)
            compare(view.count, combo.count)
            const texts = []
            for (let i = 0; i < view.count; ++i) {
                view.positionViewAtIndex(i, ListView.Contain)
                const row = view.itemAtIndex(i)
                verify(row, "row " + i)
                verify(row.visible && row.height > 0, "row " + i + " shown")
                texts.push(row.text)
            }
            combo.popup.close()
            tryCompare(combo.popup, "visible", false)
            return texts
        }

        // Each row shows what textAt() (the text shown while the list is closed) gives.
        function checkRows(combo, expected) {
            const texts = openTexts(combo)
            compare(texts, expected)
            for (let i = 0; i < texts.length; ++i)
                compare(texts[i], combo.textAt(i))
        }

        function test_kindsOfModels_data() {
            return [
                { tag: "strings", model: ["Recommencer", "Reculer"], textRole: "",
                  expected: ["Recommencer", "Reculer"] },
                { tag: "numbers", model: [3, 5, 8], textRole: "", expected: ["3", "5", "8"] },
                { tag: "objects", model: [{ text: "Francais", code: "fr" }, { text: "English", code: "en" }],
                  textRole: "text", expected: ["Francais", "English"] },
                { tag: "list model", model: listModel, textRole: "label", expected: ["Un", "Deux"] },
                { tag: "list model by number", model: listModel, textRole: "code", expected: ["1", "2"] },
                { tag: "count", model: 3, textRole: "", expected: ["0", "1", "2"] }
            ]
        }

        function test_kindsOfModels(data) {
            const combo = createTemporaryObject(comboComponent, root, { model: data.model, textRole: data.textRole })
            checkRows(combo, data.expected)
        }

        // A QStringList and a list of variant maps, as the facade hands them to the screens.
        function test_facadeLists() {
            const names = UIWrapper.montantes["cs"]
            verify(names.length >= 2)
            const strings = createTemporaryObject(comboComponent, root, { model: names })
            checkRows(strings, Array.from(names))
            const roles = UIWrapper.filteredMethodList.sortRoles
            verify(roles.length > 2)
            const maps = createTemporaryObject(comboComponent, root, { model: roles, textRole: "text" })
            checkRows(maps, roles.map(r => r.text))
        }

        // A row follows its item model when the role's data change.
        function test_rowFollowsTheModel() {
            const combo = createTemporaryObject(comboComponent, root, { model: listModel, textRole: "label" })
            listModel.setProperty(1, "label", "Trois")
            checkRows(combo, ["Un", "Trois"])
            listModel.setProperty(1, "label", "Deux")
        }

        function test_progressionList() {
            const content = createTemporaryObject(financialComponent, root)
            const combo = findChild(content, "montanteCombo")
            const texts = openTexts(combo)
            compare(texts, Array.from(UIWrapper.montantes["cs"]))
            verify(texts.every(t => t.length > 0))
        }

        function test_stakeRuleList() {
            const content = createTemporaryObject(financialComponent, root)
            const combo = findChild(content, "maxStakeRuleCombo")
            compare(openTexts(combo), ["Plafonner", "Refuser"])
            UIWrapper.language = "en"
            compare(openTexts(combo), ["Cap", "Refuse"])
        }

        function test_languageList() {
            const content = createTemporaryObject(otherComponent, root)
            const combo = findChild(content, "languageCombo")
            compare(openTexts(combo), ["Francais", "English"])
        }

        function test_stepMoveList() {
            const editor = createTemporaryObject(moveComponent, root, { move: -9999 })
            const combo = findChild(editor, "moveCombo")
            compare(openTexts(combo), ["Recommencer au début", "Reculer de n paliers", "Avancer de n paliers"])
            UIWrapper.language = "en"
            compare(openTexts(combo), ["Restart from the beginning", "Back n steps", "Forward n steps"])
        }

        function test_userProgressionPicker() {
            UIWrapper.upsertUserMontante(-1, { name: "Liste test", steps: "1,2" })
            const page = createTemporaryObject(montantePageComponent, root)
            const combo = findChild(page, "montantePicker")
            const expected = UIWrapper.getUserMontantes().map(m => m.name)
            verify(expected.indexOf("Liste test") >= 0)
            compare(openTexts(combo), expected)
            for (const move of ["winMove", "lossMove"])
                compare(openTexts(findChild(findChild(page, move), "moveCombo")).length, 3)
            const list = UIWrapper.getUserMontantes()
            UIWrapper.removeUserMontante(list[list.length - 1].montanteId)
        }

        function test_sortList() {
            const view = createTemporaryObject(proViewComponent, root)
            const combo = findChild(view, "sortBox")
            const texts = openTexts(combo)
            compare(texts, UIWrapper.filteredMethodList.sortRoles.map(r => r.text))
            verify(texts.every(t => t.length > 0))
        }
    }
}
