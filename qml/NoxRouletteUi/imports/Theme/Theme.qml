pragma Singleton
import QtQuick

// Colours, sizes and icons of the screens. Dark, calm surfaces (the felt at night), one accent
// for actions, and the three result colours players know from every table: PLAYER blue,
// BANKER red, TIE green, used for results and their stakes only.
QtObject {
    id: theme

    // Selects the baccarat colour and image set (set by Main.qml at start-up).
    property bool baccara: false

    component Colors: QtObject {
        readonly property color background: "#0e1613"
        readonly property color surface: "#16211d"
        readonly property color surfaceRaised: "#1d2a25"
        readonly property color surfaceHover: "#253530"
        readonly property color border: "#2c3c36"
        readonly property color text: "#e9efeb"
        readonly property color textMuted: "#9db0a7"
        readonly property color textDisabled: "#5d6f67"
        readonly property color accent: "#d9b15a"
        readonly property color accentText: "#1a1408"
        readonly property color player: "#2a6fd0"
        readonly property color playerLight: "#7fb0f5"
        readonly property color banker: "#c5363f"
        readonly property color bankerLight: "#f08a90"
        readonly property color tie: "#1e8a52"
        readonly property color tieLight: "#6fd39d"
        readonly property color gain: "#4fcf8d"
        readonly property color loss: "#f27474"
        readonly property color warning: "#e0483e"
        readonly property color highlight: "#2f4a3f"
        readonly property color overlay: "#b0000000"
    }

    component Metrics: QtObject {
        readonly property int windowWidth: 430
        readonly property int windowHeight: 720
        readonly property int radius: 16
        readonly property int controlRadius: 8
        readonly property int spacing: 8
        readonly property int margin: 12
        readonly property int headerHeight: 40
        readonly property int keyHeight: 72
        readonly property int rowHeight: 34
        readonly property int iconSize: 20
        readonly property int controlHeight: 34
    }

    component FontSizes: QtObject {
        readonly property int small: 11
        readonly property int body: 13
        readonly property int large: 17
        readonly property int figure: 22
    }

    readonly property Colors colors: Colors {}
    readonly property Metrics metrics: Metrics {}
    readonly property FontSizes fontSizes: FontSizes {}

    // The theme's colours as a window palette, for what draws with the palette rather than with
    // the Theme: Qt's own dialogs (the file dialog of QtQuick.Dialogs, drawn by Qt Quick Controls
    // where the platform has no dialog of its own) and the fall-back controls of the style.
    function applyPalette(palette: var) {
        palette.window = colors.surfaceRaised
        palette.windowText = colors.text
        palette.base = colors.surface
        palette.alternateBase = colors.surfaceRaised
        palette.text = colors.text
        palette.button = colors.surfaceHover
        palette.buttonText = colors.text
        palette.brightText = colors.text
        palette.placeholderText = colors.textMuted
        palette.light = colors.surface
        palette.midlight = colors.surfaceHover
        palette.mid = colors.border
        palette.dark = colors.border
        palette.shadow = "black"
        palette.highlight = colors.accent
        palette.highlightedText = colors.text
        palette.toolTipBase = colors.surfaceRaised
        palette.toolTipText = colors.text
        palette.link = colors.accent
        palette.disabled.windowText = colors.textDisabled
        palette.disabled.text = colors.textDisabled
        palette.disabled.buttonText = colors.textDisabled
    }

    // The colour of a played value: 1 PLAYER, 2 BANKER, anything else TIE.
    function resultColor(value: int): color {
        return value === 1 ? colors.player : value === 2 ? colors.banker : colors.tie
    }

    function resultLetter(value: int): string {
        return value === 1 ? "P" : value === 2 ? "B" : "T"
    }

    // An icon of the Material Symbols set compiled into the resources.
    function icon(name: string): url {
        return "qrc:/IconLibrary/material-symbols/" + name + ".svg"
    }

    // Money in hundredths shown with its sign and two decimals ("+12.50", "−3.00").
    function signedMoney(hundredths: real): string {
        const v = hundredths / 100
        return (v > 0 ? "+" : v < 0 ? "\u2212" : "") + Math.abs(v).toFixed(2)
    }

    function money(hundredths: real): string {
        return (hundredths / 100).toFixed(2)
    }
}
