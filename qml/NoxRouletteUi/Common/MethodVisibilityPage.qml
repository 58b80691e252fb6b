import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// "Filtre détaillé": the method visibility list with the profile in use and the loading and
// saving of profiles.
AppPage {
    id: page

    property alias list: list
    property alias loadDialog: loadDialog
    property alias saveDialog: saveDialog
    property alias fileErrorDialog: fileErrorDialog
    readonly property string profile: UIWrapper.methodConfig.profile || ""

    objectName: "methodVisibilityPage"
    title: qsTr("Filtre détaillé")

    // A profile that could not be read or written says why.
    function loadProfile(path: string) {
        if (!UIWrapper.loadProfile(path))
            fileErrorDialog.show(UIWrapper.fileMessage)
    }
    function saveProfile(path: string) {
        if (!UIWrapper.saveProfile(path))
            fileErrorDialog.show(UIWrapper.fileMessage)
    }

    ScrollView {
        anchors.fill: parent
        anchors.margins: Theme.metrics.margin
        contentWidth: availableWidth

        ColumnLayout {
            width: parent.width
            spacing: Theme.metrics.spacing

            RowLayout {
                Layout.fillWidth: true
                Label {
                    objectName: "profileLabel"
                    Layout.fillWidth: true
                    text: page.profile.length > 0 ? page.profile : qsTr("Pas de profil selectionné")
                    color: page.profile.length > 0 ? Theme.colors.text : Theme.colors.textMuted
                    elide: Text.ElideRight
                }
                IconButton {
                    objectName: "loadProfileButton"
                    iconName: "folder_open"
                    tip: qsTr("Charger un profil")
                    onClicked: loadDialog.open()
                }
                IconButton {
                    objectName: "saveProfileButton"
                    iconName: "save"
                    tip: qsTr("Enregistrer le profil")
                    onClicked: saveDialog.open()
                }
            }

            MethodVisibilityList {
                id: list
                Layout.fillWidth: true
            }
        }
    }

    NoxFileDialog {
        id: loadDialog
        objectName: "loadProfileDialog"
        title: qsTr("Charger un profil")
        nameFilters: [qsTr("Profile files (*.pfl)")]
        onAccepted: page.loadProfile(String(selectedFile))
    }
    NoxFileDialog {
        id: saveDialog
        objectName: "saveProfileDialog"
        title: qsTr("Enregistrer le profil")
        nameFilters: [qsTr("Profile files (*.pfl)")]
        saveFile: true
        defaultSuffix: "pfl"
        onAccepted: page.saveProfile(String(selectedFile))
    }
    ErrorDialog {
        id: fileErrorDialog
        objectName: "fileErrorDialog"
        function show(reason: string) {
            message = reason
            open()
        }
    }
}
