import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import NoxRouletteUi
import NoxRouletteUi.Common
import Theme

// "Paramètres": an accordion of sections, one open at a time, each loaded when opened.
AppPage {
    id: page

    // The index of the open section, −1 when all are closed.
    property int openSection: -1
    property alias sections: sectionColumn
    property alias flickable: flick

    objectName: "settingsPage"
    title: qsTr("Paramètres")
    headerTools: [
        IconButton {
            objectName: "sessionsButton"
            iconName: "history"
            tip: qsTr("Sessions archivées")
            onClicked: UINavigator.enterPage("/settings/sessions")
        }
    ]

    // The section item at `index` (the loaded content is its `item`).
    function section(index: int): Item {
        return sectionRepeater.itemAt(index)
    }

    // Scrolls the list so that the header of the section just opened is at the top (the section
    // closed above it may have been long), as far as the list can scroll.
    // The section to bring to the top once the layout has placed it (−1: none). The layout
    // settles over a few polish passes after the opening, each changing the content height.
    property int showPending: -1

    function showSection(index: int) {
        const item = section(index)
        if (!item)
            return
        const top = item.mapToItem(flick.contentItem, 0, 0).y
        flick.contentY = Math.max(0, Math.min(top, flick.contentHeight - flick.height))
    }

    readonly property var sectionModel: [
        { title: qsTr("Gestion Financière"), content: financial, shown: true },
        { title: qsTr("Filtres de méthode"), content: visibility, shown: true },
        { title: qsTr("Calibration"), content: calibration, shown: true },
        { title: qsTr("Notifications et signaux"), content: notifications, shown: true },
        { title: qsTr("Permanences"), content: playedValues, shown: true },
        { title: qsTr("Egalité"), content: tie, shown: true },
        { title: qsTr("Autres"), content: other, shown: true },
        // "debug" is a context property of the program (app/main.cpp).
        { title: qsTr("Developer"), content: developer, shown: typeof debug !== "undefined" && debug === true } // qmllint disable unqualified
    ]

    Timer {
        id: showPendingTimer
        interval: 300
        onTriggered: page.showPending = -1
    }

    Component { id: financial; FinancialConfig { montanteType: "cs" } }
    Component {
        id: visibility
        ColumnLayout {
            property alias list: visibilityList
            Button {
                objectName: "detailedFilterButton"
                Layout.fillWidth: true
                text: qsTr("Filtre détaillé")
                onClicked: UINavigator.enterPage("/settings/methods/visibility")
            }
            MethodVisibilityList { id: visibilityList; Layout.fillWidth: true }
        }
    }
    Component { id: calibration; CalibrationConfig {} }
    Component { id: notifications; NotificationConfig {} }
    Component { id: playedValues; PlayedValuesConfig {} }
    Component { id: tie; TieConfig {} }
    Component { id: other; OtherConfig {} }
    Component { id: developer; DeveloperForm {} }

    Flickable {
        id: flick
        objectName: "settingsFlickable"
        anchors.fill: parent
        anchors.leftMargin: Theme.metrics.margin
        anchors.rightMargin: Theme.metrics.margin
        contentHeight: sectionColumn.implicitHeight + Theme.metrics.margin
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}
        onContentHeightChanged: if (page.showPending >= 0) page.showSection(page.showPending)
        onMovementStarted: page.showPending = -1

        ColumnLayout {
            id: sectionColumn
            width: flick.width
            spacing: 4

            Repeater {
                id: sectionRepeater
                model: page.sectionModel
                // The ids of this file inside a delegate are unqualified names to qmllint 6.4.
                // qmllint disable unqualified
                delegate: SettingsSection {
                    required property var modelData
                    required property int index
                    objectName: "section" + index
                    Layout.fillWidth: true
                    visible: modelData.shown
                    title: modelData.title
                    content: modelData.content
                    expanded: page.openSection === index
                    onToggled: {
                        page.openSection = expanded ? -1 : index
                        if (page.openSection === index) {
                            page.showPending = index
                            showPendingTimer.restart()
                        }
                    }
                }
                // qmllint enable unqualified
            }
        }
    }
}
