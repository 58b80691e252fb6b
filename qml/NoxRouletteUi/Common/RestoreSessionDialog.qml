import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// Offered at start-up when the previous session ended without an orderly shutdown (a crash, a
// power cut): restore its results or start afresh.
NoxDialog {
    id: dialog

    property int count
    property date when

    objectName: "restoreSessionDialog"
    title: qsTr("Session interrompue")
    acceptText: qsTr("Restaurer")
    rejectText: qsTr("Nouvelle session")
    closePolicy: Popup.NoAutoClose

    // The date in the language of the texts: English, or the French they are written in.
    readonly property var textLocale: Qt.locale(UIWrapper.language === "en" ? "en_GB" : "fr_FR")

    MessageText {
        objectName: "restoreMessage"
        text: qsTr("La session précédente s'est terminée sans être fermée : %n résultat(s), le dernier le %1.",
                   "", dialog.count).arg(dialog.when.toLocaleString(dialog.textLocale, Locale.ShortFormat))
    }
    MessageText {
        color: Theme.colors.textMuted
        font.pixelSize: Theme.fontSizes.small
        text: qsTr("Restaurer rejoue ces résultats dans le moteur. Nouvelle session les abandonne.")
    }
}
