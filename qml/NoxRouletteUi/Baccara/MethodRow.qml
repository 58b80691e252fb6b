import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// One method of a list: rank or score, name, gap, largest gap, trend, and its chart and
// details buttons. The row flags drive the highlights.
ItemDelegate {
    id: row

    required property int index
    required property string name
    required property color color
    required property int score
    required property int ecart
    required property int ecartMax
    required property int tendance
    required property int methodId
    required property bool active
    required property int flags
    property bool showScore: true

    signal chartRequested(int methodId, string name)
    signal detailsRequested(int methodId, string name)

    readonly property bool highlightedRow: (flags & UIMethodListModel.Highlighted) !== 0
    readonly property bool positive: (flags & UIMethodListModel.Positive) !== 0
    readonly property bool inBloc: (flags & UIMethodListModel.InBloc) !== 0
    readonly property bool inBlocDom: (flags & UIMethodListModel.InBlocDom) !== 0
    readonly property bool hasDetails: (flags & UIMethodListModel.HasDetails) !== 0

    implicitHeight: Theme.metrics.rowHeight
    padding: 0
    leftPadding: 6
    rightPadding: 2
    highlighted: highlightedRow

    background: Rectangle {
        color: row.highlightedRow ? Theme.colors.highlight : row.index % 2 ? Theme.colors.surface : "transparent"
        border.width: (row.flags & UIMethodListModel.Focus) !== 0 ? 1 : 0
        border.color: Theme.colors.accent
        Rectangle {
            width: 3
            height: parent.height
            color: row.inBlocDom ? Theme.colors.accent : row.inBloc ? Theme.colors.textMuted : "transparent"
        }
    }

    contentItem: RowLayout {
        spacing: 6
        Label {
            Layout.preferredWidth: 34
            horizontalAlignment: Text.AlignRight
            text: row.showScore ? row.score : row.index + 1
            color: Theme.colors.textMuted
            font.pixelSize: Theme.fontSizes.small
        }
        Rectangle {
            Layout.preferredWidth: 8
            Layout.preferredHeight: 8
            radius: 4
            color: row.active ? Theme.colors.accent : "transparent"
            border.width: 1
            border.color: row.color.valid ? row.color : Theme.colors.textMuted
        }
        Label {
            objectName: "methodName"
            Layout.fillWidth: true
            text: row.name
            elide: Text.ElideRight
            font.weight: row.active ? Font.DemiBold : Font.Normal
            color: row.positive ? Theme.colors.gain : Theme.colors.text
        }
        Label {
            objectName: "ecartValue"
            Layout.preferredWidth: 40
            horizontalAlignment: Text.AlignRight
            text: row.ecart
            font.weight: Font.DemiBold
            color: row.ecartMax > 0 && row.ecart >= row.ecartMax ? Theme.colors.loss : Theme.colors.text
        }
        Label {
            objectName: "maxValue"
            Layout.preferredWidth: 36
            horizontalAlignment: Text.AlignRight
            text: row.ecartMax
            color: Theme.colors.textMuted
        }
        TrendIcon {
            Layout.preferredWidth: 22
            tendance: row.tendance
        }
        IconButtonSmall {
            iconName: "bar_chart"
            tip: qsTr("Graph des écarts")
            onClicked: row.chartRequested(row.methodId, row.name)
        }
        IconButtonSmall {
            iconName: "info"
            tip: qsTr("Détails de méthode")
            visible: row.hasDetails
            onClicked: row.detailsRequested(row.methodId, row.name)
        }
        Item {
            visible: !row.hasDetails
            Layout.preferredWidth: 26
        }
    }
}
