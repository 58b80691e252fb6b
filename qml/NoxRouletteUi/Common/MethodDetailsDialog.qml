import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// "Détails de méthode": every detail the method gives, name left, value right.
NoxDialog {
    id: dialog

    property int methodId: -1
    property string methodName
    readonly property var details: methodId >= 0 ? UIWrapper.getMethodDetails(methodId) : ({})

    objectName: "detailsDialog"
    title: qsTr("Détails de méthode") + " : " + methodName
    acceptText: qsTr("Fermer")

    function show(value: var): string {
        if (typeof value === "boolean")
            return value ? qsTr("oui") : qsTr("non")
        if (typeof value === "number" && !Number.isInteger(value))
            return value.toFixed(2)
        return String(value)
    }

    ListView {
        id: list
        Layout.fillWidth: true
        Layout.preferredHeight: Math.min(contentHeight, 360)
        clip: true
        model: Object.keys(dialog.details)
        ScrollBar.vertical: ScrollBar {}
        delegate: RowLayout {
            required property string modelData
            width: list.width
            height: 26
            Label {
                Layout.fillWidth: true
                text: parent.modelData
                color: Theme.colors.textMuted
                elide: Text.ElideRight
            }
            Label {
                text: dialog.show(dialog.details[parent.modelData])
                font.weight: Font.DemiBold
            }
        }
    }
}
