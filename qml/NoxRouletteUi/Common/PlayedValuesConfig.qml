import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// "Permanences": export of the history as text, import of a pasted history (with progress and
// a cancel that stops it), truncation and the short-term sample size.
ColumnLayout {
    id: root

    property alias exportArea: exportArea
    property alias importArea: importArea
    property alias importDialog: importDialog
    // Progress of the running import; `importing` is false when none runs.
    property bool importing: false
    property bool cancelRequested: false
    property int importProgress: 0
    property int importTotal: 0

    spacing: Theme.metrics.spacing

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
        ProgressBar {
            objectName: "importProgress"
            Layout.fillWidth: true
            from: 0
            to: Math.max(1, root.importTotal)
            value: root.importProgress
        }
        Button {
            objectName: "cancelImportButton"
            text: qsTr("Arrêter")
            onClicked: root.cancelRequested = true
        }
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
        }

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
            }
        }
    }
}
