import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Theme

// A figure of the dashboard: a small muted caption over a large value.
ColumnLayout {
    property alias caption: captionLabel.text
    property alias value: valueLabel.text
    property alias valueColor: valueLabel.color
    property alias valueObjectName: valueLabel.objectName

    spacing: 0
    Label {
        id: captionLabel
        color: Theme.colors.textMuted
        font.pixelSize: Theme.fontSizes.small
    }
    Label {
        id: valueLabel
        font.pixelSize: Theme.fontSizes.figure
        font.weight: Font.DemiBold
    }
}
