import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NoxRouletteModel
import Theme

// "Sessions": every archived session of the chosen period, newest first, their totals, the
// profit curve and figures of the session touched, its deletion and the exports. The archive
// (UISessionArchive) holds every rule; the page shows and forwards.
AppPage {
    id: page

    property alias list: sessionList
    property alias deleteDialog: deleteDialog
    property alias exportDialog: exportDialog
    readonly property int selected: UISessionArchive.selectedRow

    objectName: "sessionsPage"
    title: qsTr("Sessions")

    // The labels of UISessionArchive.Period, in its order.
    readonly property var periodLabels: [qsTr("Aujourd'hui"), qsTr("7 derniers jours"), qsTr("30 derniers jours"),
                                         qsTr("Cette année"), qsTr("Tout")]

    function gainColor(gain: int): color {
        return gain > 0 ? Theme.colors.gain : (gain < 0 ? Theme.colors.loss : Theme.colors.text)
    }

    function askExport(kind: int) {
        exportDialog.kind = kind
        exportDialog.suggestedName = UISessionArchive.defaultFileName(kind, page.selected)
        exportDialog.open()
    }

    Component.onCompleted: UISessionArchive.refresh()

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: Theme.metrics.margin
        spacing: Theme.metrics.spacing

        RowLayout {
            Layout.fillWidth: true
            spacing: Theme.metrics.spacing
            ComboBox {
                objectName: "periodBox"
                Layout.fillWidth: true
                model: page.periodLabels
                currentIndex: UISessionArchive.period
                onActivated: index => UISessionArchive.period = index
            }
            IconButton {
                objectName: "exportPeriodButton"
                iconName: "download"
                tip: qsTr("Exporter la période (CSV)")
                enabled: UISessionArchive.totalSessions > 0 && !UISessionArchive.exporting
                onClicked: page.askExport(UISessionArchive.PeriodCsv)
            }
        }

        // The totals of the period.
        Rectangle {
            Layout.fillWidth: true
            implicitHeight: totals.implicitHeight + 12
            radius: Theme.metrics.controlRadius
            color: Theme.colors.surfaceRaised
            RowLayout {
                id: totals
                anchors.fill: parent
                anchors.margins: 6
                anchors.leftMargin: 10
                anchors.rightMargin: 10
                ColumnLayout {
                    spacing: 0
                    Label {
                        objectName: "totalSessions"
                        text: qsTr("Sessions : %1").arg(UISessionArchive.totalSessions)
                        font.pixelSize: Theme.fontSizes.body
                    }
                    Label {
                        objectName: "totalCoups"
                        text: qsTr("Coups : %1").arg(UISessionArchive.totalCoups) + " · " + UISessionArchive.totalDuration
                        color: Theme.colors.textMuted
                        font.pixelSize: Theme.fontSizes.small
                    }
                }
                Item { Layout.fillWidth: true }
                ColumnLayout {
                    spacing: 0
                    Label {
                        objectName: "totalResult"
                        Layout.alignment: Qt.AlignRight
                        text: UISessionArchive.totalResult
                        color: page.gainColor(UISessionArchive.totalGain)
                        font.pixelSize: Theme.fontSizes.large
                        font.weight: Font.DemiBold
                    }
                    Label {
                        objectName: "totalPerHour"
                        Layout.alignment: Qt.AlignRight
                        text: UISessionArchive.totalPerHour
                        color: Theme.colors.textMuted
                        font.pixelSize: Theme.fontSizes.small
                    }
                }
            }
        }

        ListView {
            id: sessionList
            objectName: "sessionList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: UISessionArchive.sessions
            // The current row is the session touched, none before (not the first row).
            currentIndex: UISessionArchive.selectedRow
            boundsBehavior: Flickable.StopAtBounds
            ScrollBar.vertical: ScrollBar {}

            // The ids of this file inside a delegate are unqualified names to qmllint 6.4.
            // qmllint disable unqualified
            delegate: ItemDelegate {
                id: row
                required property int index
                required property string started
                required property string duration
                required property int coups
                required property string result
                required property int gain
                required property string perHour
                required property string maxStake

                objectName: "sessionRow" + index
                width: ListView.view.width
                height: 46
                highlighted: page.selected === index
                onClicked: UISessionArchive.selectedRow = index

                contentItem: RowLayout {
                    spacing: Theme.metrics.spacing
                    ColumnLayout {
                        Layout.fillWidth: true
                        spacing: 0
                        Label {
                            text: row.started
                            font.pixelSize: Theme.fontSizes.body
                        }
                        Label {
                            Layout.fillWidth: true
                            text: row.duration + " · " + qsTr("%1 coups").arg(row.coups)
                            color: Theme.colors.textMuted
                            font.pixelSize: Theme.fontSizes.small
                            elide: Text.ElideRight
                        }
                    }
                    ColumnLayout {
                        spacing: 0
                        Label {
                            Layout.alignment: Qt.AlignRight
                            text: row.result
                            color: page.gainColor(row.gain)
                            font.pixelSize: Theme.fontSizes.body
                            font.weight: Font.DemiBold
                        }
                        Label {
                            Layout.alignment: Qt.AlignRight
                            text: row.perHour + " · " + qsTr("max %1").arg(row.maxStake)
                            color: Theme.colors.textMuted
                            font.pixelSize: Theme.fontSizes.small
                        }
                    }
                }
            }
            // qmllint enable unqualified

            Label {
                objectName: "emptyLabel"
                anchors.centerIn: parent
                width: parent.width - 2 * Theme.metrics.margin
                visible: sessionList.count === 0
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                color: Theme.colors.textMuted
                text: UISessionArchive.available
                      ? qsTr("Aucune session dans cette période. Choisissez une autre période : chaque session jouée s'ajoute ici, coup par coup.")
                      : qsTr("Aucune session archivée pour l'instant : chaque session jouée s'ajoute ici, coup par coup.")
            }
        }

        // The session touched: its curve, its figures and what can be done with it.
        Rectangle {
            objectName: "sessionPanel"
            Layout.fillWidth: true
            visible: page.selected >= 0
            implicitHeight: panel.implicitHeight + 16
            radius: Theme.metrics.controlRadius
            color: Theme.colors.surface
            border.color: Theme.colors.border

            ColumnLayout {
                id: panel
                anchors.fill: parent
                anchors.margins: 8
                spacing: 4

                RowLayout {
                    Layout.fillWidth: true
                    Label {
                        objectName: "selectedTitle"
                        Layout.fillWidth: true
                        text: UISessionArchive.selectedTitle
                        font.pixelSize: Theme.fontSizes.body
                        font.weight: Font.DemiBold
                        elide: Text.ElideRight
                    }
                    IconButton {
                        objectName: "exportCsvButton"
                        iconName: "download"
                        tip: qsTr("Exporter la session (CSV)")
                        enabled: !UISessionArchive.exporting
                        onClicked: page.askExport(UISessionArchive.SessionCsv)
                    }
                    IconButton {
                        objectName: "exportHistoryButton"
                        iconName: "description"
                        tip: qsTr("Exporter la permanence (pour noxsim)")
                        enabled: !UISessionArchive.exporting
                        onClicked: page.askExport(UISessionArchive.SessionHistory)
                    }
                    IconButton {
                        objectName: "deleteButton"
                        iconName: "delete"
                        iconColor: Theme.colors.loss
                        tip: qsTr("Supprimer la session")
                        onClicked: deleteDialog.open()
                    }
                }

                Item {
                    id: curve
                    objectName: "sessionCurve"
                    Layout.fillWidth: true
                    Layout.preferredHeight: 90
                    readonly property int extent: {
                        let m = 1
                        for (const v of UISessionArchive.selectedCurve)
                            m = Math.max(m, Math.abs(v))
                        return m
                    }
                    Rectangle {
                        width: parent.width
                        height: 1
                        y: parent.height / 2
                        color: Theme.colors.border
                    }
                    NoxProfitGraph {
                        anchors.fill: parent
                        values: UISessionArchive.selectedCurve
                        valueMin: -curve.extent
                        valueMax: curve.extent
                        color: Theme.colors.accent
                        fillColor: Qt.rgba(0.85, 0.69, 0.35, 0.18)
                        lineWidth: 2
                    }
                }

                Label {
                    objectName: "selectedDetails"
                    Layout.fillWidth: true
                    text: UISessionArchive.selectedDetails
                    color: Theme.colors.textMuted
                    font.pixelSize: Theme.fontSizes.small
                    wrapMode: Text.WordWrap
                    maximumLineCount: 4
                    elide: Text.ElideRight
                }
            }
        }

        Label {
            objectName: "messageLabel"
            Layout.fillWidth: true
            visible: text.length > 0
            text: UISessionArchive.message
            color: Theme.colors.textMuted
            font.pixelSize: Theme.fontSizes.small
            wrapMode: Text.WordWrap
        }
    }

    NoxDialog {
        id: deleteDialog
        objectName: "deleteDialog"
        title: qsTr("Supprimer la session ?")
        acceptText: qsTr("Supprimer")
        rejectText: qsTr("Annuler")
        titleColor: Theme.colors.loss
        onAccepted: UISessionArchive.deleteSession(page.selected)
        MessageText {
            text: qsTr("%1 et ses coups seront effacés de l'archive. Cela ne peut pas être annulé.")
                  .arg(UISessionArchive.selectedTitle)
        }
    }

    NoxFileDialog {
        id: exportDialog
        property int kind: UISessionArchive.SessionCsv
        objectName: "exportDialog"
        title: kind === UISessionArchive.SessionHistory ? qsTr("Exporter la permanence") : qsTr("Exporter en CSV")
        saveFile: true
        defaultSuffix: kind === UISessionArchive.SessionHistory ? "txt" : "csv"
        nameFilters: kind === UISessionArchive.SessionHistory ? [qsTr("Permanences (*.txt)")] : [qsTr("Tableaux CSV (*.csv)")]
        onAccepted: UISessionArchive.exportTo(kind, page.selected, String(selectedFile))
    }
}
