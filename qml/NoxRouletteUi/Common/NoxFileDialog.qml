import QtQuick
import QtQuick.Controls
import QtQuick.Controls.impl
import QtQuick.Layouts
import QtCore
import Qt.labs.folderlistmodel
import Theme

// The file dialog of the screens: the folder's path, its folders and the files its filter
// shows (name left, date right), and in save mode the file name, in the dialog frame and the
// language of the program. Qt's own file dialog, drawn where the platform has none, is laid
// out for 600 px and light colours, and does not fit a 430 px dark window.
//   nameFilters: one filter, "Label (*.ext ...)", as FileDialog takes them (the first is used)
//   saveFile: true to choose a name to save to; defaultSuffix is added to a name without one
//   selectedFile: the chosen file (a file URL) once accepted
//   suggestedName: the name in the field when it opens (empty by default)
NoxDialog {
    id: dialog

    property var nameFilters: []
    property bool saveFile: false
    property string defaultSuffix
    property url currentFolder: StandardPaths.writableLocation(StandardPaths.HomeLocation)
    property url selectedFile
    // The name typed or picked in the list.
    property alias fileName: nameField.text
    // The name the field holds when the dialog opens (saving: a name to keep or change).
    property string suggestedName

    // The patterns between the parentheses of the first filter ("*.pfl"), all files without one.
    readonly property var globs: {
        const filter = nameFilters.length > 0 ? String(nameFilters[0]) : ""
        const open = filter.indexOf("(")
        const close = filter.lastIndexOf(")")
        if (open < 0 || close <= open)
            return ["*"]
        return filter.substring(open + 1, close).trim().split(/\s+/)
    }
    readonly property string folderPath: String(currentFolder).replace(/^file:\/\//, "")

    function openFolder(url: url) {
        currentFolder = url
        list.currentIndex = -1
    }

    function parentFolder(): url {
        const path = folderPath.replace(/\/+$/, "")
        const cut = path.lastIndexOf("/")
        return "file://" + (cut <= 0 ? "/" : path.substring(0, cut))
    }

    // The name typed, with the default suffix when it has none.
    function chosenName(): string {
        const name = fileName.trim()
        if (saveFile && defaultSuffix.length > 0 && name.indexOf(".") < 0)
            return name + "." + defaultSuffix
        return name
    }

    acceptText: saveFile ? qsTr("Enregistrer") : qsTr("Ouvrir")
    rejectText: qsTr("Annuler")
    acceptEnabled: fileName.trim().length > 0
    width: parent ? parent.width - 24 : 406

    onAboutToShow: {
        fileName = suggestedName
        list.currentIndex = -1
    }
    // The file of the name chosen; without a name (set from outside), selectedFile stays.
    onAccepted: if (chosenName().length > 0)
                    selectedFile = "file://" + folderPath.replace(/\/+$/, "") + "/" + chosenName()

    RowLayout {
        Layout.fillWidth: true
        spacing: 4
        IconButton {
            objectName: "parentFolderButton"
            iconName: "arrow_upward"
            tip: qsTr("Dossier parent")
            enabled: dialog.folderPath !== "/" && dialog.folderPath.length > 0
            onClicked: dialog.openFolder(dialog.parentFolder())
        }
        Label {
            objectName: "folderPath"
            Layout.fillWidth: true
            text: dialog.folderPath
            elide: Text.ElideLeft
            color: Theme.colors.textMuted
        }
    }

    ListView {
        id: list
        objectName: "fileList"
        Layout.fillWidth: true
        Layout.preferredHeight: 7 * Theme.metrics.rowHeight
        clip: true
        currentIndex: -1
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}

        model: FolderListModel {
            id: folderModel
            folder: dialog.currentFolder
            nameFilters: dialog.globs
            showDirsFirst: true
            showDotAndDotDot: false
            sortCaseSensitive: false
        }

        delegate: ItemDelegate {
            id: row
            required property int index
            required property string fileName
            required property url fileUrl
            required property date fileModified
            required property bool fileIsDir

            objectName: "fileRow_" + fileName
            width: ListView.view.width
            highlighted: ListView.isCurrentItem
            // The ids of this file inside a delegate are unqualified names to qmllint 6.4.
            // qmllint disable unqualified
            onClicked: {
                if (row.fileIsDir) {
                    dialog.openFolder(row.fileUrl)
                } else {
                    list.currentIndex = row.index
                    dialog.fileName = row.fileName
                }
            }
            onDoubleClicked: if (!row.fileIsDir) dialog.accept()
            // qmllint enable unqualified

            contentItem: RowLayout {
                spacing: Theme.metrics.spacing
                IconImage {
                    source: Theme.icon(row.fileIsDir ? "folder" : "description")
                    color: row.fileIsDir ? Theme.colors.accent : Theme.colors.textMuted
                    sourceSize.width: Theme.metrics.iconSize
                    sourceSize.height: Theme.metrics.iconSize
                    Layout.preferredWidth: Theme.metrics.iconSize
                    Layout.preferredHeight: Theme.metrics.iconSize
                }
                Label {
                    Layout.fillWidth: true
                    text: row.fileName
                    elide: Text.ElideRight
                }
                Label {
                    visible: !row.fileIsDir
                    text: Qt.formatDateTime(row.fileModified, "dd/MM/yyyy HH:mm")
                    color: Theme.colors.textMuted
                    font.pixelSize: Theme.fontSizes.small
                }
            }
        }

        Label {
            anchors.centerIn: parent
            width: parent.width - 2 * Theme.metrics.margin
            visible: list.count === 0
            text: qsTr("Aucun fichier ici : %1").arg(dialog.nameFilters.length > 0 ? dialog.nameFilters[0] : "*")
            color: Theme.colors.textMuted
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
        }
    }

    Label {
        Layout.fillWidth: true
        text: qsTr("Filtre : %1").arg(dialog.nameFilters.length > 0 ? dialog.nameFilters[0] : "*")
        color: Theme.colors.textMuted
        font.pixelSize: Theme.fontSizes.small
        elide: Text.ElideRight
    }

    TextField {
        id: nameField
        objectName: "fileNameField"
        Layout.fillWidth: true
        visible: dialog.saveFile
        placeholderText: qsTr("Nom du fichier")
        onAccepted: if (dialog.acceptEnabled) dialog.accept()
    }
}
