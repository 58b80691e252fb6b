import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// The Pro view: the methods of the normal list, sorted and filtered.
ColumnLayout {
    id: view

    readonly property var methods: UIWrapper.filteredMethodList

    signal chartRequested(int methodId, string name)
    signal detailsRequested(int methodId, string name)

    spacing: 4

    RowLayout {
        spacing: 4
        ComboBox {
            id: sortBox
            objectName: "sortBox"
            Layout.fillWidth: true
            model: view.methods ? view.methods.sortRoles : []
            textRole: "text"
            valueRole: "value"
            onActivated: view.methods.sortRole = currentValue
            ToolTip.visible: hovered
            ToolTip.delay: 800
            ToolTip.text: qsTr("Tri des méthodes")
        }
        SignalFilterButton {
            objectName: "blocksFilter"
            iconName: "stacks"
            tip: qsTr("Sorties de blocs")
            level: view.methods ? view.methods.signalBlocksFilter : -1
            badge: view.methods ? view.methods.maxSignalBlocks : 0
            onClicked: view.methods.signalBlocksFilter = (level + 1) % 4
        }
        SignalFilterButton {
            objectName: "blocDomFilter"
            iconName: "query_stats"
            tip: qsTr("Blocs dominants confirmés")
            level: view.methods ? view.methods.signalBlocDominantConfirmeFilter : -1
            badge: view.methods ? view.methods.maxSignalBlocDominantConfirme : 0
            onClicked: view.methods.signalBlocDominantConfirmeFilter = (level + 1) % 4
        }
        SignalFilterButton {
            objectName: "tendanceFilter"
            iconName: "trending_up"
            tip: qsTr("Retour tendance")
            level: view.methods ? view.methods.signalTendanceFilter : -1
            onClicked: view.methods.signalTendanceFilter = level === 0 ? 1 : 0
        }
    }

    RowLayout {
        spacing: 6
        Switch {
            objectName: "activeSwitch"
            text: qsTr("Méthodes actives")
            checked: view.methods ? view.methods.activeFilterEnabled : false
            onToggled: view.methods.activeFilterEnabled = checked
            Layout.fillWidth: true
            font.pixelSize: Theme.fontSizes.small
        }
        Label {
            objectName: "ecartHeader"
            text: qsTr("Ecart")
            Layout.preferredWidth: 40
            horizontalAlignment: Text.AlignRight
            color: Theme.colors.textMuted
            font.pixelSize: Theme.fontSizes.small
        }
        Label {
            objectName: "maxHeader"
            text: qsTr("Max")
            Layout.preferredWidth: 36
            horizontalAlignment: Text.AlignRight
            color: Theme.colors.textMuted
            font.pixelSize: Theme.fontSizes.small
        }
        // What follows "Max" in a row: trend icon, two buttons, the spacing between them and the
        // row's right padding (the spacing before this item stands for the first one).
        Item { Layout.preferredWidth: 22 + 26 + 26 + 2 * 6 + 2 }
    }

    ListView {
        id: list
        objectName: "proList"
        Layout.fillWidth: true
        Layout.fillHeight: true
        clip: true
        model: view.methods
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}
        reuseItems: true
        // The ids of this file inside a delegate are unqualified names to qmllint 6.4.
        // qmllint disable unqualified
        delegate: MethodRow {
            width: list.width
            onChartRequested: (id, name) => view.chartRequested(id, name)
            onDetailsRequested: (id, name) => view.detailsRequested(id, name)
        }
        // qmllint enable unqualified

        Label {
            anchors.centerIn: parent
            width: parent.width - 40
            visible: list.count === 0
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            color: Theme.colors.textMuted
            text: qsTr("Aucune méthode ne passe les filtres. Coupez « Méthodes actives » ou les filtres de signaux.")
        }
    }
}
