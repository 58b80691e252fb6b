import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// The parameters of one method: a switch, a number or a text per parameter, as the method
// gives them. "Valider" hands the edited list back to the method.
NoxDialog {
    id: dialog

    property int methodId: -1
    property string methodName
    property var parameters: []

    objectName: "parametersDialog"
    title: qsTr("Paramètres") + " : " + methodName
    acceptText: qsTr("Valider")
    rejectText: qsTr("Annuler")

    function edit(id: int, name: string) {
        methodId = id
        methodName = name
        parameters = UIWrapper.getMethodParameters(id)
        open()
    }

    function setValue(index: int, value: var) {
        let list = parameters.slice()
        let p = Object.assign({}, list[index])
        p.value = value
        list[index] = p
        parameters = list
    }

    onAccepted: UIWrapper.setMethodParameters(methodId, parameters)

    Label {
        visible: dialog.parameters.length === 0
        text: qsTr("Cette méthode n'a pas de paramètre.")
        color: Theme.colors.textMuted
    }

    Repeater {
        model: dialog.parameters.length
        // The ids of this file inside a delegate are unqualified names to qmllint 6.4.
        // qmllint disable unqualified
        delegate: Loader {
            id: editor
            required property int index
            readonly property var parameter: dialog.parameters[index]
            Layout.fillWidth: true
            sourceComponent: parameter.type === "bool" ? boolEditor
                           : parameter.type === "string" ? textEditor : numberEditor

            Component {
                id: boolEditor
                Switch {
                    text: editor.parameter.name
                    checked: editor.parameter.value
                    onToggled: dialog.setValue(editor.index, checked)
                }
            }
            Component {
                id: textEditor
                RowLayout {
                    Label { text: editor.parameter.name; Layout.fillWidth: true }
                    TextField {
                        text: editor.parameter.value
                        onEditingFinished: dialog.setValue(editor.index, text)
                    }
                }
            }
            Component {
                id: numberEditor
                NumberField {
                    readonly property bool isInt: editor.parameter.type === "int"
                    label: editor.parameter.name
                    decimals: isInt ? 0 : Math.max(0, Math.min(6, editor.parameter.precision || 2))
                    from: editor.parameter.minimum !== undefined ? editor.parameter.minimum : -1000000
                    to: editor.parameter.maximum !== undefined ? editor.parameter.maximum : 1000000
                    value: editor.parameter.value
                    onCommitted: (v) => dialog.setValue(editor.index, v)
                }
            }
        }
        // qmllint enable unqualified
    }
}
