import QtQuick

// A soft shadow behind a rounded surface. Place it as a sibling below the surface and anchor it
// to the surface: it grows by `blur` on each side and moves by `offsetY`.
ShaderEffect {
    id: effect

    property Item target
    property color color: "#80000000"
    property real radius: 8
    property real blur: 10
    property real offsetY: 3
    readonly property size itemSize: Qt.size(width, height)

    x: target ? target.x - blur : 0
    y: target ? target.y - blur + offsetY : 0
    width: target ? target.width + 2 * blur : 0
    height: target ? target.height + 2 * blur : 0
    fragmentShader: "qrc:/qt/qml/NoxRouletteUi/imports/DesignEffects/shaders/shadow.frag.qsb"
}
