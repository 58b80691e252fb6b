import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// The frame of every page: a header with the title, back, minimise and close buttons. The
// header and every empty spot of the page drag the window. On the root page "back" quits the
// application.
Page {
    id: page

    property string pageId
    property alias headerTools: tools.data

    signal appMoveRequest(real dx, real dy)
    signal appResizeRequest(real w, real h)
    signal appMinimizeRequest()

    readonly property bool isRootPage: StackView.index <= 0

    implicitWidth: Theme.metrics.windowWidth
    implicitHeight: Theme.metrics.windowHeight

    // Under everything the page holds (the page itself, a control, takes the presses that
    // reach it, before its background does).
    WindowDragArea {
        anchors.fill: parent
        z: -1
    }

    header: Rectangle {
        implicitHeight: Theme.metrics.headerHeight
        color: "transparent"

        WindowDragArea {
            anchors.fill: parent
        }

        RowLayout {
            anchors.fill: parent
            anchors.leftMargin: 6
            anchors.rightMargin: 6
            spacing: 2

            IconButton {
                objectName: "backButton"
                iconName: page.isRootPage ? "close" : "arrow_back"
                tip: page.isRootPage ? qsTr("Quitter") : qsTr("Retour")
                visible: !page.isRootPage
                onClicked: UINavigator.goBack()
            }

            Label {
                objectName: "pageTitle"
                Layout.fillWidth: true
                Layout.leftMargin: page.isRootPage ? 8 : 0
                text: page.title
                font.pixelSize: Theme.fontSizes.large
                font.weight: Font.DemiBold
                elide: Text.ElideRight
            }

            Row {
                id: tools
                spacing: 2
            }

            IconButton {
                iconName: "minimize"
                tip: qsTr("Réduire")
                onClicked: page.appMinimizeRequest()
            }

            IconButton {
                objectName: "closeButton"
                iconName: "close"
                tip: qsTr("Fermer")
                onClicked: Qt.quit()
            }
        }
    }
}
