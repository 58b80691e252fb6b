import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// "Montante perso": the player's own progressions. A progression picked in the list is loaded
// into the editor (steps, moves after a win and a loss, recovery options); "Enregistrer"
// creates or updates it, "Supprimer" removes it. Every value is checked where it is typed. The
// fields, their ranges and defaults and the saving are UIUserMontanteEditor's.
AppPage {
    id: page

    property alias editor: montanteEditor
    // The progression in the editor: −1 for a new one.
    property alias montanteId: montanteEditor.montanteId
    property var montantes: UIWrapper.getUserMontantes()
    property alias name: montanteEditor.name
    property alias steps: montanteEditor.steps
    property alias nbPaliersBack: montanteEditor.nbPaliersBack
    property alias nbPaliersBackPerte: montanteEditor.nbPaliersBackPerte
    property alias recupEnabled: montanteEditor.recupEnabled
    property alias recupLossDivider: montanteEditor.recupLossDivider
    property alias nbToursMontante: montanteEditor.nbToursMontante
    property alias recupRecompute: montanteEditor.recupRecompute
    property alias nbWinRecalcul: montanteEditor.nbWinRecalcul
    property alias nameField: nameInput
    property alias stepsField: stepsInput
    property alias importDialog: importDialog
    property alias libraryDialog: libraryDialog
    property alias importReport: importReport
    property alias fileErrorDialog: fileErrorDialog
    readonly property int maxNameLength: editor.nameMaxLength
    readonly property int maxStep: editor.stepRange.maximum
    readonly property bool canSave: editor.canSave

    objectName: "userMontantePage"
    title: qsTr("Montante perso")

    function refreshList() {
        montantes = UIWrapper.getUserMontantes()
    }

    function select(id: int) {
        editor.load(id)
    }

    function clear() {
        editor.clear()
    }

    function normalizedSteps(text: string): string {
        return editor.normalizedSteps(text)
    }

    function normalizedName(text: string): string {
        return editor.normalizedName(text)
    }

    // A library that could not be written says why; the progression stays in the editor.
    function save() {
        if (!editor.save())
            fileErrorDialog.show(UIWrapper.fileMessage)
        refreshList()
    }

    // The import says what it took and refused, as an error when it took nothing.
    function importMethods(path: string) {
        importReport.failed = !UIWrapper.importUserMethods(path)
        importReport.title = qsTr("Importer des méthodes")
        importReport.message = UIWrapper.fileMessage
        importReport.open()
    }

    function importMontantes(path: string) {
        importReport.failed = !UIWrapper.importMontanteLibrary(path)
        importReport.title = qsTr("Importer des montantes")
        importReport.message = UIWrapper.fileMessage
        refreshList()
        importReport.open()
    }

    function remove() {
        if (montanteId < 0)
            return
        if (!editor.remove())
            fileErrorDialog.show(UIWrapper.fileMessage)
        refreshList()
    }

    UIUserMontanteEditor {
        id: montanteEditor
        facade: UIWrapper
    }

    ScrollView {
        anchors.fill: parent
        anchors.margins: Theme.metrics.margin
        contentWidth: availableWidth

        ColumnLayout {
            width: parent.width
            spacing: Theme.metrics.spacing

            RowLayout {
                Layout.fillWidth: true
                ComboBox {
                    id: picker
                    objectName: "montantePicker"
                    Layout.fillWidth: true
                    model: page.montantes
                    textRole: "name"
                    valueRole: "montanteId"
                    displayText: page.montanteId < 0 ? qsTr("Nouvelle montante") : currentText
                    currentIndex: page.montantes.findIndex(m => m.montanteId === page.montanteId)
                    onActivated: page.select(currentValue)
                }
                IconButton {
                    objectName: "newButton"
                    iconName: "add"
                    tip: qsTr("Nouvelle montante")
                    onClicked: page.clear()
                }
                IconButton {
                    objectName: "importMontantesButton"
                    iconName: "folder_open"
                    tip: qsTr("Importer des montantes")
                    onClicked: libraryDialog.open()
                }
                IconButton {
                    objectName: "importButton"
                    iconName: "upload"
                    tip: qsTr("Importer des méthodes")
                    onClicked: importDialog.open()
                }
            }

            Label { text: qsTr("Nom"); color: Theme.colors.textMuted; font.pixelSize: Theme.fontSizes.small }
            TextField {
                id: nameInput
                objectName: "nameInput"
                Layout.fillWidth: true
                maximumLength: page.maxNameLength
                text: page.name
                validator: RegularExpressionValidator { regularExpression: /[\x20-\x7e\xa0-\xff]*/ }
                onTextEdited: page.name = text
            }

            Label {
                text: qsTr("Paliers") + "  " + qsTr("(%1 – %2, séparés par des virgules)").arg(montanteEditor.stepRange.minimum).arg(page.maxStep)
                color: Theme.colors.textMuted
                font.pixelSize: Theme.fontSizes.small
                wrapMode: Text.WordWrap
                Layout.fillWidth: true
            }
            TextField {
                id: stepsInput
                objectName: "stepsInput"
                Layout.fillWidth: true
                text: page.steps
                validator: RegularExpressionValidator { regularExpression: /[0-9, ]*/ }
                onTextEdited: page.steps = text
                onEditingFinished: page.steps = page.normalizedSteps(text)
            }

            StepMoveEditor {
                objectName: "winMove"
                Layout.fillWidth: true
                label: qsTr("En cas de gain")
                move: page.nbPaliersBack
                onEdited: (m) => page.nbPaliersBack = m
            }
            StepMoveEditor {
                objectName: "lossMove"
                Layout.fillWidth: true
                label: qsTr("En cas de perte")
                move: page.nbPaliersBackPerte
                onEdited: (m) => page.nbPaliersBackPerte = m
            }

            Switch {
                objectName: "recupSwitch"
                Layout.fillWidth: true
                text: qsTr("Mode récup")
                checked: page.recupEnabled
                onToggled: page.recupEnabled = checked
            }
            NumberField {
                objectName: "dividerInput"
                Layout.fillWidth: true
                enabled: page.recupEnabled
                label: qsTr("Division déficit ")
                rule: "recupDivider"
                value: page.recupLossDivider
                onCommitted: (v) => page.recupLossDivider = v
            }
            NumberField {
                objectName: "toursInput"
                Layout.fillWidth: true
                enabled: page.recupEnabled
                label: qsTr("Nombre tours")
                rule: "recupTours"
                value: page.nbToursMontante
                onCommitted: (v) => page.nbToursMontante = v
            }
            Switch {
                objectName: "recomputeSwitch"
                Layout.fillWidth: true
                enabled: page.recupEnabled
                text: qsTr("Recalcul déficit")
                checked: page.recupRecompute
                onToggled: page.recupRecompute = checked
            }
            NumberField {
                objectName: "winsInput"
                Layout.fillWidth: true
                enabled: page.recupEnabled && page.recupRecompute
                label: qsTr("Nombre gains")
                rule: "recupWins"
                value: page.nbWinRecalcul
                onCommitted: (v) => page.nbWinRecalcul = v
            }

            RowLayout {
                Layout.fillWidth: true
                Layout.topMargin: Theme.metrics.spacing
                Button {
                    objectName: "deleteButton"
                    Layout.fillWidth: true
                    text: qsTr("Supprimer")
                    enabled: page.montanteId >= 0
                    onClicked: page.remove()
                }
                Button {
                    objectName: "saveButton"
                    Layout.fillWidth: true
                    highlighted: true
                    text: qsTr("Enregistrer")
                    enabled: page.canSave
                    onClicked: page.save()
                }
            }

            // What the kind's current progression costs (a progression saved here and chosen
            // in "Gestion Financière" is shown once it is the current one).
            RiskPanel {
                objectName: "riskPanel"
                Layout.fillWidth: true
                Layout.topMargin: Theme.metrics.margin
                kind: Theme.baccara ? "cs" : "plein"
            }
        }
    }

    NoxFileDialog {
        id: importDialog
        objectName: "importMethodsDialog"
        title: qsTr("Importer des méthodes")
        nameFilters: [qsTr("Method files (*.txt)")]
        onAccepted: page.importMethods(String(selectedFile))
    }
    NoxFileDialog {
        id: libraryDialog
        objectName: "importLibraryDialog"
        title: qsTr("Importer des montantes")
        nameFilters: [qsTr("Progression files (*.dat)")]
        onAccepted: page.importMontantes(String(selectedFile))
    }
    NoxDialog {
        id: importReport
        property bool failed: false
        property string message
        objectName: "importReport"
        titleColor: failed ? Theme.colors.loss : Theme.colors.text
        MessageText {
            objectName: "importMessage"
            text: importReport.message
        }
    }
    ErrorDialog {
        id: fileErrorDialog
        objectName: "fileErrorDialog"
        function show(reason: string) {
            message = reason
            open()
        }
    }
}
