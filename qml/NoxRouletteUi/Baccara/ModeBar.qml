import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteUi.Common
import Theme

// The play mode (Pro, Quick, Split), the scoreboard of the shoe (Routes: a view, the mode in
// play stays) and the switch between methods and the profit chart.
RowLayout {
    id: bar

    property string mode: "pro"
    property bool chartShown: false
    property bool routesShown: false

    signal modeChosen(string mode)
    signal routesChosen()
    signal chartToggled()

    spacing: 4

    Repeater {
        model: [
            {name: "pro", text: qsTr("Pro"), objectName: "modePro"},
            {name: "quick", text: qsTr("Quick"), objectName: "modeQuick"},
            {name: "split", text: qsTr("Split"), objectName: "modeSplit"},
            {name: "routes", text: qsTr("Routes"), objectName: "modeRoutes"}
        ]
        // The ids of this file inside a delegate are unqualified names to qmllint 6.4.
        // qmllint disable unqualified
        delegate: Button {
            required property var modelData
            objectName: modelData.objectName
            text: modelData.text
            checked: modelData.name === "routes" ? bar.routesShown : !bar.routesShown && bar.mode === modelData.name
            flat: !checked
            Layout.preferredWidth: Math.max(56, implicitWidth)
            font.pixelSize: Theme.fontSizes.body
            onClicked: modelData.name === "routes" ? bar.routesChosen() : bar.modeChosen(modelData.name)
        }
        // qmllint enable unqualified
    }
    Item { Layout.fillWidth: true }
    IconButton {
        objectName: "chartToggle"
        iconName: bar.chartShown ? "view_list" : "show_chart"
        tip: bar.chartShown ? qsTr("Méthodes") : qsTr("Courbe des profits")
        checked: bar.chartShown && !bar.routesShown
        onClicked: bar.chartToggled()
    }
}
