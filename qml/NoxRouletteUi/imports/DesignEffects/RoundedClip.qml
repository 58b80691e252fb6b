import QtQuick

// Shows `source` cut to a rounded rectangle of this item's size.
ShaderEffect {
    property Item source
    property real radius: 8
    readonly property size itemSize: Qt.size(width, height)
    fragmentShader: "qrc:/qt/qml/NoxRouletteUi/imports/DesignEffects/shaders/roundedclip.frag.qsb"
}
