import QtQuick

// An empty spot of a screen: pressing it drags the window, which has no title bar of its own.
// Controls above it keep their clicks; only presses nothing else takes reach it.
MouseArea {
    objectName: "windowDragArea"
    acceptedButtons: Qt.LeftButton
    onPressed: if (Window.window) Window.window.startSystemMove()
}
