import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// "Permanences": export of the history as text, import of a pasted history or of a history file
// (with progress and a cancel that stops it, and the facade's message saying what was added
// and skipped), truncation and the short-term sample size.
ColumnLayout {
    id: root

    property alias exportArea: exportArea
    property alias importArea: importArea
    property alias importDialog: importDialog
    property alias fileDialog: fileDialog
    // Why the last paste into the import area was cut (empty when it was not).
    property string pasteMessage
    // Progress of the running import; `importing` is false when none runs.
    property bool importing: false
    property bool cancelRequested: false
    property int importProgress: 0
    property int importTotal: 0

    spacing: Theme.metrics.spacing

    // The import goes on when the page closes, without calling back into this object.
    Component.onDestruction: UIWrapper.historyImport.releaseCallbacks()

    // Called by the facade for every progress step of the import and once at its end;
    // returning false stops the import.
    function importCallback(progress: int, total: int): bool {
        importProgress = progress
        importTotal = total
        if (progress >= total || cancelRequested) {
            importing = false
            return false
        }
        return true
    }

    function startImport(text: string) {
        cancelRequested = false
        importing = true
        importProgress = 0
        importTotal = 0
        UIWrapper.addPlayedItemsString(text, root.importCallback)
    }

    // The file is read off the GUI thread (historyImport.reading), then played as a text is.
    function startFileImport(url: string) {
        cancelRequested = false
        importing = true
        importProgress = 0
        importTotal = 0
        UIWrapper.addPlayedItemsFile(url, root.importCallback)
    }

    function cancelImport() {
        cancelRequested = true
        UIWrapper.historyImport.cancel()
    }

    // Pastes the clipboard into the import area, as much as its limit takes.
    function pasteIntoImportArea() {
        const selected = importArea.selectionEnd - importArea.selectionStart
        const fit = UIWrapper.historyImport.pasteFromClipboard(importArea.length - selected)
        insertIntoImportArea(fit)
    }

    function insertIntoImportArea(fit: var) {
        if (importArea.selectionEnd > importArea.selectionStart)
            importArea.remove(importArea.selectionStart, importArea.selectionEnd)
        importArea.insert(importArea.cursorPosition, fit.text)
        pasteMessage = fit.message
    }

    RowLayout {
        Layout.fillWidth: true
        Button {
            objectName: "exportButton"
            Layout.fillWidth: true
            text: qsTr("Exporter")
            onClicked: exportArea.text = UIWrapper.getPlayedItemsString()
        }
        Button {
            objectName: "importButton"
            Layout.fillWidth: true
            text: qsTr("Ajouter une permanence")
            enabled: !root.importing
            onClicked: importDialog.open()
        }
    }

    ScrollView {
        Layout.fillWidth: true
        Layout.preferredHeight: 90
        visible: exportArea.text.length > 0
        TextArea {
            id: exportArea
            objectName: "exportArea"
            readOnly: true
            selectByMouse: true
            color: Theme.colors.text
            font.family: "DejaVu Sans Mono"
            background: Rectangle { color: Theme.colors.surfaceRaised; radius: Theme.metrics.controlRadius }
        }
    }

    RowLayout {
        Layout.fillWidth: true
        visible: root.importing
        ColumnLayout {
            Layout.fillWidth: true
            spacing: 2
            Label {
                objectName: "importStage"
                Layout.fillWidth: true
                text: UIWrapper.historyImport.reading ? qsTr("Lecture du fichier…") : qsTr("Ajout des résultats…")
                color: Theme.colors.textMuted
                elide: Text.ElideRight
            }
            ProgressBar {
                objectName: "importProgress"
                Layout.fillWidth: true
                readonly property bool reading: UIWrapper.historyImport.reading
                indeterminate: reading && UIWrapper.historyImport.readProgress < 0
                from: 0
                to: reading ? 1 : Math.max(1, root.importTotal)
                value: reading ? Math.max(0, UIWrapper.historyImport.readProgress) : root.importProgress
            }
        }
        Button {
            objectName: "cancelImportButton"
            text: qsTr("Arrêter")
            onClicked: root.cancelImport()
        }
    }

    MessageText {
        objectName: "importMessage"
        visible: text.length > 0
        text: UIWrapper.importMessage
    }

    NumberField {
        id: truncateField
        objectName: "truncateInput"
        Layout.fillWidth: true
        label: qsTr("Garder les derniers résultats")
        rule: "truncateCount"
        value: UIWrapper.engineConfig.truncateCount
        onCommitted: (v) => UIWrapper.engineConfig.truncateCount = v
    }
    Button {
        objectName: "truncateButton"
        Layout.fillWidth: true
        text: qsTr("Couper la permanence")
        onClicked: {
            truncateField.commit()
            UIWrapper.truncatePlayedItems(UIWrapper.engineConfig.truncateCount)
            UINavigator.goBackToPage("/home")
        }
    }
    NumberField {
        objectName: "shortTermInput"
        Layout.fillWidth: true
        label: qsTr("Taille d'échantillon")
        rule: "shortTermCount"
        value: UIWrapper.engineConfig.shortTermCount
        onCommitted: (v) => UIWrapper.engineConfig.shortTermCount = v
    }

    NoxDialog {
        id: importDialog
        objectName: "importDialog"
        title: qsTr("Ajouter une permanence")
        acceptText: qsTr("Valider")
        rejectText: qsTr("Annuler")
        onAccepted: {
            root.startImport(importArea.text)
            importArea.text = ""
            root.pasteMessage = ""
        }
        onRejected: root.pasteMessage = ""

        MessageText {
            text: qsTr("Un résultat par ligne : P, B ou T.")
            color: Theme.colors.textMuted
        }
        ScrollView {
            Layout.fillWidth: true
            Layout.preferredHeight: 200
            TextArea {
                id: importArea
                objectName: "importArea"
                color: Theme.colors.text
                font.family: "DejaVu Sans Mono"
                placeholderText: "P\nB\nT"
                placeholderTextColor: Theme.colors.textMuted
                background: Rectangle { color: Theme.colors.surface; radius: Theme.metrics.controlRadius }
                // A paste goes through the facade, which cuts it to the area's limit before the
                // area lays it out: a pasted evening of megabytes would hold the window for minutes.
                Keys.onPressed: (event) => {
                    if (event.matches(StandardKey.Paste)) {
                        event.accepted = true
                        root.pasteIntoImportArea()
                    }
                }
                onLengthChanged: {
                    if (length > UIWrapper.historyImport.textLimit)
                        text = UIWrapper.historyImport.fitPaste(text, 0).text // qmllint disable type
                }
            }
        }
        MessageText {
            objectName: "pasteMessage"
            visible: text.length > 0
            text: root.pasteMessage
        }
        Button {
            objectName: "fileImportButton"
            Layout.fillWidth: true
            text: qsTr("Importer un fichier")
            onClicked: {
                importDialog.close()
                importArea.text = ""
                root.pasteMessage = ""
                fileDialog.open()
            }
        }
    }

    NoxFileDialog {
        id: fileDialog
        objectName: "historyFileDialog"
        title: qsTr("Importer une permanence")
        nameFilters: [qsTr("Permanences (*.txt)"), qsTr("Tous les fichiers (*)")]
        onAccepted: root.startFileImport(String(selectedFile))
    }
}
