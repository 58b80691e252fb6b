import QtQuick
import QtQuick.Controls
import QtQuick.Controls.impl
import QtQuick.Layouts
import Theme

// One section of the settings accordion: a header that opens or closes it and, while open,
// its content loaded from `content`.
ColumnLayout {
    id: section

    property string title
    property bool expanded: false
    property Component content
    readonly property Item item: loader.item as Item

    signal toggled()

    spacing: 0

    ItemDelegate {
        objectName: "sectionHeader"
        Layout.fillWidth: true
        implicitHeight: 44
        onClicked: section.toggled()
        contentItem: RowLayout {
            Label {
                Layout.fillWidth: true
                text: section.title
                font.pixelSize: Theme.fontSizes.large
                font.weight: section.expanded ? Font.DemiBold : Font.Normal
                color: section.expanded ? Theme.colors.accent : Theme.colors.text
                elide: Text.ElideRight
            }
            // Tinted like the title: the icon's own grey is too dark on the section colour.
            ColorImage {
                objectName: "sectionChevron"
                source: Theme.icon(section.expanded ? "keyboard_arrow_up" : "keyboard_arrow_down")
                sourceSize.width: Theme.metrics.iconSize
                sourceSize.height: Theme.metrics.iconSize
                color: section.expanded ? Theme.colors.accent : Theme.colors.textMuted
            }
        }
        background: Rectangle {
            color: section.expanded ? Theme.colors.surfaceRaised : Theme.colors.surface
            radius: Theme.metrics.controlRadius
        }
    }

    Loader {
        id: loader
        Layout.fillWidth: true
        Layout.leftMargin: Theme.metrics.margin
        Layout.rightMargin: Theme.metrics.margin
        Layout.topMargin: section.expanded ? Theme.metrics.spacing : 0
        Layout.bottomMargin: section.expanded ? Theme.metrics.margin : 0
        active: section.expanded
        sourceComponent: section.content
        visible: active
    }

    Rectangle {
        Layout.fillWidth: true
        implicitHeight: 1
        color: Theme.colors.border
    }
}
