import QtQuick

// An engine notification (a limit reached, a large gap, ...): its title and content.
NoxDialog {
    id: dialog

    property string content

    objectName: "notificationDialog"

    MessageText {
        objectName: "notificationContent"
        text: dialog.content
    }
}
