import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// "Détails de méthode": every detail the method gives, in its order, then the gap figures. A
// named value shows its name left and its value right; a row of a table (the observed values of
// "Signature") shows its cells side by side, each with its column name.
NoxDialog {
    id: dialog

    property int methodId: -1
    property string methodName
    // The facade's details of the method (UIWrapper.getMethodDetails); its "rows" are shown.
    property var details: methodId >= 0 ? UIWrapper.getMethodDetails(methodId) : ({})

    objectName: "detailsDialog"
    title: qsTr("Détails de méthode") + " : " + methodName
    acceptText: qsTr("Fermer")

    ListView {
        id: list
        objectName: "detailRows"
        Layout.fillWidth: true
        Layout.preferredHeight: Math.min(contentHeight, 360)
        clip: true
        model: dialog.details.rows ?? []
        ScrollBar.vertical: ScrollBar {}
        delegate: RowLayout {
            id: row
            required property var modelData
            // The cells to show: a named value alone fills the line, value at the right.
            readonly property var cells: modelData.map(c => ({
                name: c.name,
                text: show(c.value),
                single: modelData.length === 1
            }))

            function show(value: var): string {
                if (typeof value === "boolean")
                    return value ? qsTr("oui") : qsTr("non")
                if (typeof value === "number" && !Number.isInteger(value))
                    return value.toFixed(2)
                return String(value)
            }

            width: ListView.view.width
            height: 26
            spacing: Theme.metrics.spacing
            Repeater {
                model: row.cells
                delegate: RowLayout {
                    id: cell
                    required property var modelData
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    spacing: 4
                    Label {
                        Layout.fillWidth: cell.modelData.single
                        text: cell.modelData.name
                        color: Theme.colors.textMuted
                        elide: Text.ElideRight
                    }
                    Label {
                        Layout.fillWidth: !cell.modelData.single
                        text: cell.modelData.text
                        font.weight: Font.DemiBold
                        elide: Text.ElideRight
                    }
                }
            }
        }
    }
}
