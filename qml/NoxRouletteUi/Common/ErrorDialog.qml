import QtQuick
import Theme

// "Erreur" with the reason an operation gave.
NoxDialog {
    id: dialog

    property string message

    objectName: "errorDialog"
    title: qsTr("Erreur")
    titleColor: Theme.colors.loss

    MessageText {
        objectName: "errorMessage"
        text: dialog.message
    }
}
