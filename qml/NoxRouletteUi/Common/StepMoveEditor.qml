import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// The step move of a progression after a win or a loss: back to the first step (−9999),
// back n steps (−n) or forward n steps (+n). The encoding and the range of n are UIStepMove's.
ColumnLayout {
    id: root

    property string label
    // The stored move: −9999, −n or +n.
    property int move: stepMove.backToStart
    readonly property int restartMove: stepMove.backToStart
    readonly property int mode: stepMove.mode
    readonly property int count: stepMove.count

    signal edited(int move)

    spacing: 2

    function compose(newMode: int, n: int): int {
        return stepMove.compose(newMode, n)
    }

    UIStepMove {
        id: stepMove
        move: root.move
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
            enabled: root.mode !== UIStepMove.Restart
            opacity: enabled ? 1 : 0.4
            from: stepMove.countRange.minimum
            to: stepMove.countRange.maximum
            editable: true
            value: root.count
            onValueModified: root.edited(root.compose(root.mode, value))
        }
    }
}
