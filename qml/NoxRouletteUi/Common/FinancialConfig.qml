import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// "Gestion Financière": the progression of the bet kind, its chips, the user progressions,
// a restart and a new game with its capital.
ColumnLayout {
    id: root

    // "cs" for the baccarat edition, "plein" otherwise.
    property string montanteType: "cs"
    readonly property var montanteNames: UIWrapper.montantes[montanteType] || []
    readonly property var chips: montanteType === "cs" ? UIWrapper.financial.csConfig
                                                        : UIWrapper.financial.pleinConfig
    property alias capitalDialog: capitalDialog

    spacing: Theme.metrics.spacing

    function writeChip(field: string, hundredths: int) {
        let c = montanteType === "cs" ? UIWrapper.financial.csConfig : UIWrapper.financial.pleinConfig
        c[field] = hundredths
        if (montanteType === "cs")
            UIWrapper.financial.csConfig = c
        else
            UIWrapper.financial.pleinConfig = c
    }

    Label { text: qsTr("Montante"); color: Theme.colors.textMuted; font.pixelSize: Theme.fontSizes.small }
    ComboBox {
        id: montanteCombo
        objectName: "montanteCombo"
        Layout.fillWidth: true
        model: root.montanteNames
        currentIndex: root.montanteNames.indexOf(UIWrapper.currentMontantes[root.montanteType])
        onActivated: UIWrapper.setCurrentMontante(root.montanteType, currentText)
    }

    NumberField {
        objectName: "jetonInput"
        Layout.fillWidth: true
        label: qsTr("Jeton actuel")
        rule: "chip"
        value: root.chips.jeton
        onCommitted: (v) => root.writeChip("jeton", v)
    }
    NumberField {
        objectName: "jetonOrigineInput"
        Layout.fillWidth: true
        label: qsTr("Jeton de départ")
        rule: "chip"
        value: root.chips.jetonOrigine
        onCommitted: (v) => root.writeChip("jetonOrigine", v)
    }

    Button {
        objectName: "userMontantesButton"
        Layout.fillWidth: true
        text: qsTr("Montantes perso")
        onClicked: UINavigator.enterPage("/settings/montantes/user")
    }
    RowLayout {
        Layout.fillWidth: true
        spacing: Theme.metrics.spacing
        Button {
            objectName: "restartButton"
            Layout.fillWidth: true
            text: qsTr("Redémarrer")
            onClicked: {
                UIWrapper.restart()
                UINavigator.goBackToPage("/home")
            }
        }
        Button {
            objectName: "capitalButton"
            Layout.fillWidth: true
            highlighted: true
            text: qsTr("Nouvelle partie")
            onClicked: capitalDialog.open()
        }
    }

    RiskPanel {
        objectName: "riskPanel"
        Layout.fillWidth: true
        Layout.topMargin: Theme.metrics.margin
        kind: root.montanteType
    }

    CapitalDialog { id: capitalDialog }
}
