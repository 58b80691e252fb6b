import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Theme

// The step move of a progression after a win or a loss: back to the first step (−9999),
// back n steps (−n) or forward n steps (+n).
ColumnLayout {
    id: root

    property string label
    // The stored move: −9999, −n or +n.
    property int move: -9999
    readonly property int restartMove: -9999
    readonly property int mode: move === restartMove ? 0 : move < 0 ? 1 : 2
    readonly property int count: move === restartMove ? 1 : Math.max(1, Math.abs(move))

    signal edited(int move)

    spacing: 2

    function compose(newMode: int, n: int): int {
        const steps = Math.max(1, Math.min(99, n)) | 0
        return newMode === 0 ? restartMove : newMode === 1 ? -steps : steps
    }

    Label {
        text: root.label
        color: Theme.colors.textMuted
        font.pixelSize: Theme.fontSizes.small
    }
    RowLayout {
        Layout.fillWidth: true
        ComboBox {
            objectName: "moveCombo"
            Layout.fillWidth: true
            model: [qsTr("Recommencer au début"), qsTr("Reculer de n paliers"), qsTr("Avancer de n paliers")]
            currentIndex: root.mode
            onActivated: (index) => root.edited(root.compose(index, root.count))
        }
        SpinBox {
            objectName: "moveCount"
            enabled: root.mode !== 0
            opacity: enabled ? 1 : 0.4
            from: 1; to: 99
            editable: true
            value: root.count
            onValueModified: root.edited(root.compose(root.mode, value))
        }
    }
}
