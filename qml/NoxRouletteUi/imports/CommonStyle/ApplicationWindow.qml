import QtQuick
import QtQuick.Templates as T
import Theme

T.ApplicationWindow {
    color: Theme.colors.background
}
