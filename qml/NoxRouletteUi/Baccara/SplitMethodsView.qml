import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// The Split view: the methods chosen for it in the settings.
ColumnLayout {
    id: view

    readonly property var methods: UIWrapper.splitMethods

    signal closeRequested()
    signal chartRequested(int methodId, string name)
    signal detailsRequested(int methodId, string name)

    spacing: 4

    RowLayout {
        Label {
            Layout.fillWidth: true
            text: qsTr("Vue partagée")
            font.weight: Font.DemiBold
        }
        IconButtonSmall {
            objectName: "splitConfigure"
            iconName: "tune"
            tip: qsTr("Choisir les méthodes")
            onClicked: UINavigator.enterPage("/settings/methods/visibility")
        }
        IconButtonSmall {
            objectName: "splitClose"
            iconName: "close"
            tip: qsTr("Fermer la vue partagée")
            onClicked: view.closeRequested()
        }
    }

    ListView {
        id: list
        objectName: "splitList"
        Layout.fillWidth: true
        Layout.fillHeight: true
        clip: true
        model: view.methods
        ScrollBar.vertical: ScrollBar {}
        // The ids of this file inside a delegate are unqualified names to qmllint 6.4.
        // qmllint disable unqualified
        delegate: MethodRow {
            width: list.width
            showScore: false
            onChartRequested: (id, name) => view.chartRequested(id, name)
            onDetailsRequested: (id, name) => view.detailsRequested(id, name)
        }
        // qmllint enable unqualified

        ColumnLayout {
            anchors.centerIn: parent
            width: parent.width - 40
            visible: list.count === 0
            spacing: 10
            Label {
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                color: Theme.colors.textMuted
                text: qsTr("Aucune méthode dans la vue partagée. Choisissez-les dans le filtre détaillé.")
            }
            Button {
                objectName: "splitEmptyConfigure"
                Layout.alignment: Qt.AlignHCenter
                text: qsTr("Choisir les méthodes")
                icon.source: Theme.icon("tune")
                onClicked: UINavigator.enterPage("/settings/methods/visibility")
            }
        }
    }
}
