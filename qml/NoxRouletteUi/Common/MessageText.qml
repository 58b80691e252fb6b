import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Theme

Label {
    Layout.fillWidth: true
    wrapMode: Text.WordWrap
    color: Theme.colors.text
    textFormat: Text.PlainText
}
