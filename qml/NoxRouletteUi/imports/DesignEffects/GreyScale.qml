import QtQuick

// Shows `source` drained of its colours, as the screens show what is suspended or disabled.
ShaderEffect {
    property Item source
    property real amount: 1.0
    fragmentShader: "qrc:/qt/qml/NoxRouletteUi/imports/DesignEffects/shaders/greyscale.frag.qsb"
}
