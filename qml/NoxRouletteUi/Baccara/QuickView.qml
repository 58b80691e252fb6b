import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// The Quick view: the first twelve methods of the quick list, six per page (3 × 2); each
// switch activates its method.
ColumnLayout {
    id: view

    property int page: 0
    readonly property int perPage: 6
    readonly property var methods: UIWrapper.quickMethods

    signal chartRequested(int methodId, string name)

    spacing: 6

    GridLayout {
        id: grid
        objectName: "quickGrid"
        Layout.fillWidth: true
        columns: 3
        rowSpacing: 6
        columnSpacing: 6

        Repeater {
            id: tiles
            model: view.methods
            // The ids of this file inside a delegate are unqualified names to qmllint 6.4.
            // qmllint disable unqualified
            delegate: Rectangle {
                id: tile
                required property int index
                required property string name
                required property int ecart
                required property int ecartMax
                required property bool active
                required property int methodId
                required property int tendance

                visible: index >= view.page * view.perPage && index < (view.page + 1) * view.perPage
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                Layout.preferredHeight: 86
                radius: Theme.metrics.controlRadius
                color: active ? Theme.colors.highlight : Theme.colors.surface
                border.width: active ? 1 : 0
                border.color: Theme.colors.accent

                ColumnLayout {
                    anchors.fill: parent
                    anchors.margins: 6
                    spacing: 2
                    Label {
                        Layout.fillWidth: true
                        text: tile.name
                        elide: Text.ElideRight
                        font.weight: Font.DemiBold
                    }
                    RowLayout {
                        Label {
                            text: qsTr("Ecart %1 / %2").arg(tile.ecart).arg(tile.ecartMax)
                            color: Theme.colors.textMuted
                            font.pixelSize: Theme.fontSizes.small
                            Layout.fillWidth: true
                        }
                        TrendIcon { tendance: tile.tendance }
                    }
                    RowLayout {
                        Switch {
                            objectName: "quickSwitch" + tile.index
                            checked: tile.active
                            onToggled: UIWrapper.setMethodActive(tile.methodId, checked)
                            ToolTip.visible: hovered
                            ToolTip.delay: 800
                            ToolTip.text: qsTr("Activer la méthode")
                        }
                        Item { Layout.fillWidth: true }
                        IconButtonSmall {
                            iconName: "bar_chart"
                            tip: qsTr("Graph des écarts")
                            onClicked: view.chartRequested(tile.methodId, tile.name)
                        }
                    }
                }
            }
            // qmllint enable unqualified
        }
    }

    RowLayout {
        Layout.alignment: Qt.AlignHCenter
        visible: tiles.count > view.perPage
        IconButtonSmall {
            iconName: "chevron_left"
            tip: qsTr("Page précédente")
            enabled: view.page > 0
            onClicked: view.page = 0
        }
        Label {
            text: qsTr("%1 / 2").arg(view.page + 1)
            color: Theme.colors.textMuted
        }
        IconButtonSmall {
            iconName: "chevron_right"
            tip: qsTr("Page suivante")
            enabled: view.page < 1
            onClicked: view.page = 1
        }
    }

    Label {
        visible: tiles.count === 0
        Layout.fillWidth: true
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        color: Theme.colors.textMuted
        text: qsTr("Aucune méthode en mode Quick.")
    }

    // The tiles stay at the top of the view; the space left is below them.
    Item {
        Layout.fillHeight: true
    }
}
