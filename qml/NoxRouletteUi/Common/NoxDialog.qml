import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Theme

// The dialog frame of the screens: modal, centred in the window, closable with Escape, a title
// and a row of buttons (`acceptText` while `acceptVisible`, and `rejectText` when not empty).
Dialog {
    id: dialog

    property string acceptText: qsTr("OK")
    property string rejectText
    // False hides the accept button, for a dialog that can be accepted only once complete.
    property bool acceptVisible: true
    // False greys the accept button out, for a dialog that waits for a choice.
    property bool acceptEnabled: true
    property color titleColor: Theme.colors.text
    default property alias body: content.data
    // Set by the navigator when the dialog is opened as a popup.
    property string popupId
    property string popupUuid

    // True for a dialog that leaves the window's header usable (drag, minimise, close), as the
    // start-up dialogs do: instead of being modal over the whole window, it blocks and dims
    // only what lies below the header.
    property bool keepsHeader: false

    parent: Overlay.overlay
    anchors.centerIn: parent
    width: Math.min(parent ? parent.width - 32 : 398, 398)
    modal: !keepsHeader
    focus: true
    closePolicy: Popup.CloseOnEscape
    padding: Theme.metrics.margin
    topPadding: 4

    // Below the header: takes every press meant for the page under the dialog. It sits in the
    // window's content just under the popup layer (Overlay.overlay), which would take every
    // press of the window while it holds an item of its own.
    property Item headerKeeper: Rectangle {
        objectName: "dialogBlocker"
        parent: dialog.parent ? dialog.parent.parent : null
        visible: dialog.keepsHeader && dialog.visible
        z: dialog.parent ? dialog.parent.z - 1 : 0
        y: Theme.metrics.headerHeight
        width: parent ? parent.width : 0
        height: parent ? parent.height - y : 0
        color: Theme.colors.overlay
        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.AllButtons
            hoverEnabled: true
            onWheel: wheel => wheel.accepted = true
        }
    }

    background: Rectangle {
        radius: Theme.metrics.radius - 4
        color: Theme.colors.surfaceRaised
        border.color: Theme.colors.border
    }

    header: Label {
        objectName: "dialogTitle"
        text: dialog.title
        color: dialog.titleColor
        font.pixelSize: Theme.fontSizes.large
        font.weight: Font.DemiBold
        wrapMode: Text.WordWrap
        padding: Theme.metrics.margin
        bottomPadding: 4
    }

    // The body alias needs the content's id, which makes Controls create it at once rather
    // than deferred; it replaces the style's content item either way.
    // qmllint disable deferred-property-id
    contentItem: ColumnLayout {
        id: content
        spacing: Theme.metrics.spacing
    }
    // qmllint enable deferred-property-id

    footer: RowLayout {
        spacing: Theme.metrics.spacing
        Item { Layout.fillWidth: true }
        Button {
            objectName: "rejectButton"
            visible: dialog.rejectText.length > 0
            text: dialog.rejectText
            onClicked: dialog.reject()
        }
        Button {
            objectName: "acceptButton"
            visible: dialog.acceptVisible
            enabled: dialog.acceptEnabled
            text: dialog.acceptText
            highlighted: true
            onClicked: dialog.accept()
        }
        Item { implicitWidth: Theme.metrics.margin - 8 }
        Layout.bottomMargin: Theme.metrics.margin
    }
}
