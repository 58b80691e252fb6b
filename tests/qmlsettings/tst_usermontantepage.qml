import QtQuick
import QtQuick.Controls
import QtTest
import NoxRouletteModel
import NoxRouletteUi.Common

// The user progression editor: a new progression is saved with its checked values, read
// back, edited and removed.
Item {
    id: root
    width: 430
    height: 720

    Component { id: pageComponent; UserMontantePage { width: 430; height: 720 } }

    TestCase {
        name: "UserMontantePage"
        when: windowShown

        function typeInto(field, text) {
            field.forceActiveFocus()
            field.selectAll()
            field.remove(0, field.length)
            field.insert(0, text)
            field.editingFinished()
        }

        function test_createEditRemove() {
            const page = createTemporaryObject(pageComponent, root)
            verify(page)
            compare(page.title, "Montante perso")
            const countBefore = UIWrapper.getUserMontantes().length
            mouseClick(findChild(page, "newButton"))
            compare(page.montanteId, -1)
            page.name = "Test montante é"
            typeInto(page.stepsField, "1, 2,0,99999")
            compare(page.steps, "1,2,1,10000")
            page.nbPaliersBack = 1
            page.nbPaliersBackPerte = -9999
            page.recupEnabled = true
            page.recupLossDivider = 250
            page.nbToursMontante = 5
            mouseClick(findChild(page, "saveButton"))
            const list = UIWrapper.getUserMontantes()
            compare(list.length, countBefore + 1)
            const created = list[list.length - 1]
            compare(created.name, "Test montante é")
            compare(page.montanteId, created.montanteId)
            const m = UIWrapper.getUserMontante(created.montanteId)
            compare(m.steps, "1,2,1,10000")
            compare(m.nbPaliersBack, 1)
            compare(m.nbPaliersBackPerte, -9999)
            compare(m.recupEnabled, true)
            compare(m.recupLossDivider, 100)
            compare(m.nbToursMontante, 5)
            verify(UIWrapper.montantes["plein"].indexOf("Test montante é") >= 0)

            // Editing keeps the identifier.
            page.steps = "3,6"
            page.recupEnabled = false
            mouseClick(findChild(page, "saveButton"))
            compare(UIWrapper.getUserMontantes().length, countBefore + 1)
            compare(UIWrapper.getUserMontante(created.montanteId).steps, "3,6")
            compare(UIWrapper.getUserMontante(created.montanteId).recupEnabled, false)

            mouseClick(findChild(page, "deleteButton"))
            compare(UIWrapper.getUserMontantes().length, countBefore)
            compare(page.montanteId, -1)
        }

        function test_nothingToSaveWithoutNameOrSteps() {
            const page = createTemporaryObject(pageComponent, root)
            page.clear()
            page.name = "   "
            verify(!findChild(page, "saveButton").enabled)
            page.name = "X"
            typeInto(page.stepsField, ",,")
            verify(!findChild(page, "saveButton").enabled)
            // Characters that the library file cannot hold are dropped from the name.
            compare(page.normalizedName("Ab\u20ac" + "x".repeat(200)).length, 127)
            compare(page.normalizedName("A\u20acB"), "AB")
        }

        // "Importer des méthodes" with a binary file: nothing is taken, the page says so.
        function test_importSaysWhatItTookAndRefused() {
            const page = createTemporaryObject(pageComponent, root)
            const methodsBefore = UIWrapper.userMethods.rowCount()
            const binary = testHelper.writeFile("binary.txt", "\xff\xfe\x01abc:\x02\n\x89PNG\x00:1\n")
            page.importDialog.selectedFile = binary
            page.importDialog.accepted()
            const report = page.importReport
            tryCompare(report, "opened", true)
            compare(report.title, "Importer des méthodes")
            verify(report.failed)
            compare(findChild(report, "importMessage").text,
                    "Méthodes importées : 0. Lignes refusées : 2 (lignes 1, 2).")
            compare(UIWrapper.userMethods.rowCount(), methodsBefore)
            report.close()
            tryCompare(report, "visible", false)

            const good = testHelper.writeFile("good.txt", "Suivre banker:4002\nroulette:7\n")
            page.importDialog.selectedFile = good
            page.importDialog.accepted()
            tryCompare(report, "opened", true)
            verify(!report.failed)
            compare(findChild(report, "importMessage").text,
                    "Méthodes importées : 1. Lignes refusées : 1 (ligne 2).")
            tryVerify(() => UIWrapper.userMethods.rowCount() === methodsBefore + 1)
            report.close()
            tryCompare(report, "visible", false)
            UIWrapper.removeUserMethod(UIWrapper.getMethodId("Suivre banker"))
        }

        // "Importer des montantes" with a file that is no library: the page says why.
        function test_libraryImportSaysWhy() {
            const page = createTemporaryObject(pageComponent, root)
            const countBefore = UIWrapper.getUserMontantes().length
            page.libraryDialog.selectedFile = testHelper.writeFile("picture.dat", "\x89PNG\r\n\x1a\n\x00\x00")
            page.libraryDialog.accepted()
            const report = page.importReport
            tryCompare(report, "opened", true)
            compare(report.title, "Importer des montantes")
            verify(report.failed)
            verify(findChild(report, "importMessage").text.startsWith("Les montantes n'ont pas pu être importées : "))
            compare(UIWrapper.getUserMontantes().length, countBefore)
            report.close()
            tryCompare(report, "visible", false)
        }

        function test_selectLoadsTheEditor() {
            const page = createTemporaryObject(pageComponent, root)
            const list = UIWrapper.getUserMontantes()
            if (list.length === 0)
                skip("no user progression loaded")
            const picker = findChild(page, "montantePicker")
            picker.currentIndex = 0
            picker.activated(0)
            compare(page.montanteId, list[0].montanteId)
            compare(page.name, list[0].name)
            compare(page.steps, UIWrapper.getUserMontante(list[0].montanteId).steps)
        }
    }
}
