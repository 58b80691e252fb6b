import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// "Gestion Financière": the progression of the bet kind, its chips, the user progressions,
// a restart and a new game with its capital; then "Arrêts de session", the session guards of
// UIWrapper.financial. A guard write that the facade refuses stores nothing; its message shows
// under the field it concerns.
ColumnLayout {
    id: root

    // "cs" for the baccarat edition, "plein" otherwise.
    property string montanteType: "cs"
    readonly property var montanteNames: UIWrapper.montantes[montanteType] || []
    readonly property var chips: montanteType === "cs" ? UIWrapper.financial.csConfig
                                                        : UIWrapper.financial.pleinConfig
    property alias capitalDialog: capitalDialog

    spacing: Theme.metrics.spacing

    readonly property UIFinancialConfig financial: UIWrapper.financial

    // A refusal left from an earlier visit would sit under a field that shows the stored value.
    Component.onCompleted: financial.clearGuardsError()

    // A switch of a guard. A refused write leaves the guard as it was: the switch is bound to
    // it again, so it shows what is stored.
    // The ids of this file inside an inline component are unqualified names to qmllint 6.4.
    // qmllint disable unqualified
    component GuardSwitch: Switch {
        required property string key
        objectName: key + "Switch"
        Layout.fillWidth: true
        checked: root.financial[key]
        onToggled: {
            root.financial[key] = checked
            checked = Qt.binding(() => root.financial[key])
        }
    }
    // qmllint enable unqualified

    component Hint: Label {
        Layout.fillWidth: true
        wrapMode: Text.WordWrap
        color: Theme.colors.textMuted
        font.pixelSize: Theme.fontSizes.small
    }

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

    Rectangle {
        Layout.fillWidth: true
        Layout.topMargin: Theme.metrics.spacing
        implicitHeight: 1
        color: Theme.colors.border
    }
    Label {
        objectName: "guardsTitle"
        text: qsTr("Arrêts de session")
        font.pixelSize: Theme.fontSizes.body + 1
        font.weight: Font.DemiBold
    }
    Hint { text: qsTr("Une règle atteinte suspend les mises jusqu'à « Reprendre ». 0 = désactivé.") }

    GuardSwitch { key: "lossLimitStops"; text: qsTr("Arrêt à la limite de perte") }
    GuardSwitch { key: "gainLimitStops"; text: qsTr("Arrêt à la limite de gain") }
    Hint { text: qsTr("Désactivées, les limites de perte et de gain ne font qu'avertir.") }

    GuardNumberField {
        objectName: "losingStreakInput"
        Layout.fillWidth: true
        label: qsTr("Pertes de suite")
        rule: "guardCount"
        guard: UIFinancialConfig.LosingStreakField
        value: root.financial.losingStreak
        onCommitted: (v) => root.financial.losingStreak = v
    }
    GuardNumberField {
        objectName: "stakedCoupsInput"
        Layout.fillWidth: true
        label: qsTr("Coups misés")
        rule: "guardCount"
        guard: UIFinancialConfig.StakedCoupsField
        value: root.financial.stakedCoups
        onCommitted: (v) => root.financial.stakedCoups = v
    }
    GuardNumberField {
        objectName: "sessionMinutesInput"
        Layout.fillWidth: true
        label: qsTr("Durée (minutes)")
        rule: "guardMinutes"
        guard: UIFinancialConfig.SessionMinutesField
        value: root.financial.sessionMinutes
        onCommitted: (v) => root.financial.sessionMinutes = v
    }

    // The trailing stop's two amounts are one rule: each commit writes both, the other as its
    // field holds it (typed, even if refused), so that it can be switched on or off.
    GuardNumberField {
        id: triggerField
        objectName: "trailingTriggerInput"
        Layout.fillWidth: true
        label: qsTr("Stop suiveur : déclenchement")
        rule: "guardAmount"
        guard: UIFinancialConfig.TrailingTriggerField
        value: root.financial.trailingTrigger
        onCommitted: (v) => root.financial.setTrailingStop(v, dropField.number.stored)
    }
    GuardNumberField {
        id: dropField
        objectName: "trailingDropInput"
        Layout.fillWidth: true
        label: qsTr("Stop suiveur : recul")
        rule: "guardAmount"
        guard: UIFinancialConfig.TrailingDropField
        value: root.financial.trailingDrop
        onCommitted: (v) => root.financial.setTrailingStop(triggerField.number.stored, v)
    }
    Hint { text: qsTr("Armé quand le gain de la session atteint le déclenchement, il arrête après un recul de ce montant depuis le plus haut.") }

    GuardNumberField {
        objectName: "maxStakeInput"
        Layout.fillWidth: true
        label: qsTr("Mise maximale par coup")
        rule: "guardAmount"
        guard: UIFinancialConfig.MaxStakeField
        value: root.financial.maxStake
        onCommitted: (v) => root.financial.maxStake = v
    }
    RowLayout {
        Layout.fillWidth: true
        spacing: Theme.metrics.spacing
        Label {
            Layout.fillWidth: true
            text: qsTr("Au-delà de la mise maximale")
            wrapMode: Text.WordWrap
            enabled: root.financial.maxStake > 0
        }
        ComboBox {
            id: stakeRuleCombo
            objectName: "maxStakeRuleCombo"
            Layout.preferredWidth: 160
            enabled: root.financial.maxStake > 0
            textRole: "text"
            valueRole: "rule"
            model: [{ text: qsTr("Plafonner"), rule: UIFinancialConfig.CapStake },
                    { text: qsTr("Refuser"), rule: UIFinancialConfig.RefuseStake }]
            currentIndex: root.financial.maxStakeRule === UIFinancialConfig.RefuseStake ? 1 : 0
            onActivated: {
                root.financial.maxStakeRule = currentValue
                currentIndex = Qt.binding(() => root.financial.maxStakeRule === UIFinancialConfig.RefuseStake ? 1 : 0)
            }
        }
    }

    // The table's own limits exist for the baccarat results only.
    ColumnLayout {
        objectName: "tableLimits"
        Layout.fillWidth: true
        visible: root.financial.hasTableLimits
        spacing: Theme.metrics.spacing

        Label {
            Layout.topMargin: Theme.metrics.spacing
            text: qsTr("Limites de la table")
            font.weight: Font.DemiBold
        }
        Hint { text: qsTr("Une mise au-dessus de la limite n'est pas placée. 0 = aucune limite.") }
        GuardNumberField {
            objectName: "tableLimitPlayerInput"
            Layout.fillWidth: true
            label: qsTr("PLAYER")
            rule: "guardAmount"
            guard: UIFinancialConfig.TableLimitPlayerField
            value: root.financial.tableLimitPlayer
            onCommitted: (v) => root.financial.tableLimitPlayer = v
        }
        GuardNumberField {
            objectName: "tableLimitBankerInput"
            Layout.fillWidth: true
            label: qsTr("BANKER")
            rule: "guardAmount"
            guard: UIFinancialConfig.TableLimitBankerField
            value: root.financial.tableLimitBanker
            onCommitted: (v) => root.financial.tableLimitBanker = v
        }
        GuardNumberField {
            objectName: "tableLimitTieInput"
            Layout.fillWidth: true
            label: qsTr("TIE")
            rule: "guardAmount"
            guard: UIFinancialConfig.TableLimitTieField
            value: root.financial.tableLimitTie
            onCommitted: (v) => root.financial.tableLimitTie = v
        }
    }
}
