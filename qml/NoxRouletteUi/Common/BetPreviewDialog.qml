import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// The clicks "Miser" would make now, without making them: each chip taken and each place
// clicked with its screen point, and the total put down, so that the player can check a
// calibration against the casino table before betting for real. `preview` is the map of
// UIWrapper.previewBet().
NoxDialog {
    id: dialog

    property var preview: ({})
    readonly property var clicks: preview.clicks || []

    objectName: "betPreviewDialog"
    title: qsTr("Aperçu de la mise")
    acceptText: qsTr("Fermer")

    function refresh() {
        preview = UIWrapper.previewBet()
    }

    // "JETON_2" → "Jeton 2", "B_BANKER" → "BANKER", "X_DBL" → "Doubler".
    function placeName(name: string): string {
        if (name.startsWith("JETON_"))
            return qsTr("Jeton %1").arg(name.substring(6))
        if (name.startsWith("B_"))
            return name.substring(2)
        if (name === "X_DBL")
            return qsTr("Doubler")
        return name
    }

    function money(hundredths: real): string {
        return (hundredths / 100).toFixed(2)
    }

    MessageText {
        objectName: "previewSummary"
        color: dialog.preview.ok ? Theme.colors.text : Theme.colors.loss
        text: dialog.preview.suspended ? qsTr("Les mises sont suspendues : aucun clic.")
            : !dialog.preview.ok ? (dialog.preview.reason || qsTr("Aucune mise possible."))
            : dialog.clicks.length === 0 ? qsTr("Aucune mise proposée pour le prochain coup.")
            : qsTr("%1 clics, %2 misés").arg(dialog.clicks.length).arg(dialog.money(dialog.preview.total))
    }

    ListView {
        objectName: "previewClicks"
        Layout.fillWidth: true
        Layout.preferredHeight: Math.min(contentHeight, 260)
        visible: dialog.clicks.length > 0
        clip: true
        model: dialog.clicks
        ScrollBar.vertical: ScrollBar {}
        // The ids of this file inside a delegate are unqualified names to qmllint 6.4.
        // qmllint disable unqualified
        delegate: RowLayout {
            id: clickRow
            required property var modelData
            required property int index
            width: ListView.view.width
            spacing: Theme.metrics.spacing
            Label {
                text: (clickRow.index + 1) + "."
                color: Theme.colors.textMuted
                Layout.preferredWidth: 24
            }
            Label {
                Layout.fillWidth: true
                elide: Text.ElideRight
                // A chip click takes the chip; a place click puts down the chip in hand.
                readonly property var click: clickRow.modelData
                text: click.itemId === click.chip || click.name.startsWith("JETON_")
                      ? qsTr("Prendre %1 (%2)").arg(dialog.placeName(click.name)).arg(dialog.money(click.chipValue))
                      : click.chipValue > 0
                        ? qsTr("Poser %1 sur %2").arg(dialog.money(click.chipValue)).arg(dialog.placeName(click.name))
                        : qsTr("Cliquer %1").arg(dialog.placeName(click.name))
            }
            Label {
                text: clickRow.modelData.x + ", " + clickRow.modelData.y
                color: Theme.colors.textMuted
                font.pixelSize: Theme.fontSizes.small
            }
        }
        // qmllint enable unqualified
    }
}
