import QtQuick

// Blurs `source` (any item, hidden or not) over the area of this item.
ShaderEffect {
    property Item source
    property real radius: 2
    readonly property size texelSize: Qt.size(1 / Math.max(1, width), 1 / Math.max(1, height))
    fragmentShader: "qrc:/qt/qml/NoxRouletteUi/imports/DesignEffects/shaders/blur.frag.qsb"
}
