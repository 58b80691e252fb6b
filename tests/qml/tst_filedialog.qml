import QtQuick
import QtQuick.Controls
import QtTest
import NoxRouletteUi.Common

// The file dialog of the screens: the folder's files under its filter, folders to walk in and
// out of, the picked or typed name, the default suffix when saving.
Item {
    id: root
    width: 430
    height: 720

    Component {
        id: dialogComponent
        NoxFileDialog {
            title: "Test"
            nameFilters: ["Profile files (*.pfl)"]
        }
    }

    TestCase {
        name: "NoxFileDialog"
        when: windowShown

        readonly property url corpus: Qt.resolvedUrl("../fuzz/corpus")

        function open(properties) {
            const dialog = createTemporaryObject(dialogComponent, root, properties)
            verify(dialog)
            dialog.open()
            tryCompare(dialog, "opened", true)
            return dialog
        }

        function list(dialog) {
            return findChild(dialog.contentItem, "fileList")
        }

        function test_showsTheFilteredFilesAndPicksOne() {
            const dialog = open({currentFolder: corpus + "/profile"})
            compare(dialog.globs, ["*.pfl"])
            tryCompare(list(dialog), "count", 3)
            compare(findChild(dialog.contentItem, "folderPath").text, String(corpus + "/profile").replace("file://", ""))
            const accept = findChild(dialog.footer, "acceptButton")
            compare(accept.text, "Ouvrir")
            verify(!accept.enabled)
            // The rows are made once the list is laid out, which may come after its count.
            tryVerify(() => findChild(list(dialog), "fileRow_two.pfl") !== null)
            const row = findChild(list(dialog), "fileRow_two.pfl")
            mouseClick(row)
            compare(dialog.fileName, "two.pfl")
            verify(accept.enabled)
            const accepted = signalSpy.createObject(dialog, {target: dialog, signalName: "accepted"})
            mouseClick(accept)
            compare(accepted.count, 1)
            compare(String(dialog.selectedFile), String(corpus + "/profile/two.pfl"))
        }

        function test_walksFolders() {
            const dialog = open({currentFolder: corpus})
            // Folders only: none of them holds a .pfl at this level.
            tryVerify(() => findChild(list(dialog), "fileRow_profile") !== null)
            mouseClick(findChild(list(dialog), "fileRow_profile"))
            compare(String(dialog.currentFolder), String(corpus + "/profile"))
            tryCompare(list(dialog), "count", 3)
            verify(dialog.fileName.length === 0)
            mouseClick(findChild(dialog.contentItem, "parentFolderButton"))
            compare(String(dialog.currentFolder), String(corpus))
        }

        function test_saveAddsTheDefaultSuffix() {
            const dialog = open({currentFolder: corpus, saveFile: true, defaultSuffix: "pfl"})
            const accept = findChild(dialog.footer, "acceptButton")
            compare(accept.text, "Enregistrer")
            const field = findChild(dialog.contentItem, "fileNameField")
            verify(field.visible)
            field.forceActiveFocus()
            keyClick(Qt.Key_S)
            keyClick(Qt.Key_O)
            keyClick(Qt.Key_I)
            keyClick(Qt.Key_R)
            compare(dialog.fileName, "soir")
            keyClick(Qt.Key_Return)
            compare(String(dialog.selectedFile), String(corpus + "/soir.pfl"))
            compare(dialog.opened, false)
            // A name with its own suffix keeps it.
            const other = open({currentFolder: corpus, saveFile: true, defaultSuffix: "pfl"})
            other.fileName = "soir.txt"
            other.accept()
            compare(String(other.selectedFile), String(corpus + "/soir.txt"))
        }
    }

    Component {
        id: signalSpy
        SignalSpy {}
    }
}
