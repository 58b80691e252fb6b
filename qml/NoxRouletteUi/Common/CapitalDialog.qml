import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// "Capital": the starting capital and the two limits of a new game. "Valider" writes them,
// resets the bankroll and returns to the play screen.
NoxDialog {
    id: dialog

    objectName: "capitalDialog"
    title: qsTr("Capital")
    acceptText: qsTr("Valider")
    rejectText: qsTr("Annuler")

    property alias capitalField: capital
    property alias takeProfitField: takeProfit
    property alias stopLossField: stopLoss
    property real capitalValue: UIWrapper.financial.capitalOrigine
    property real takeProfitValue: UIWrapper.financial.takeProfit
    property real stopLossValue: UIWrapper.financial.stopLoss

    onOpened: {
        capitalValue = UIWrapper.financial.capitalOrigine
        takeProfitValue = UIWrapper.financial.takeProfit
        stopLossValue = UIWrapper.financial.stopLoss
    }

    onAccepted: {
        capital.commit()
        takeProfit.commit()
        stopLoss.commit()
        UIWrapper.financial.capitalOrigine = capitalValue
        UIWrapper.financial.takeProfit = takeProfitValue
        UIWrapper.financial.stopLoss = stopLossValue
        UIWrapper.resetFinancial()
        UINavigator.goBackToPage("/home")
    }

    NumberField {
        id: capital
        objectName: "capitalInput"
        Layout.fillWidth: true
        label: qsTr("Capital de départ")
        rule: "capital"
        value: dialog.capitalValue
        onCommitted: (v) => dialog.capitalValue = v
    }
    NumberField {
        id: takeProfit
        objectName: "takeProfitInput"
        Layout.fillWidth: true
        label: qsTr("Limite de gain")
        rule: "takeProfit"
        value: dialog.takeProfitValue
        onCommitted: (v) => dialog.takeProfitValue = v
    }
    NumberField {
        id: stopLoss
        objectName: "stopLossInput"
        Layout.fillWidth: true
        label: qsTr("Limite de perte")
        rule: "stopLoss"
        value: dialog.stopLossValue
        onCommitted: (v) => dialog.stopLossValue = v
    }
}
