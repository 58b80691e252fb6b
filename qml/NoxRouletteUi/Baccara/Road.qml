import QtQuick
import QtQuick.Controls
import NoxRouletteModel
import Theme

// One road of the current shoe in the theme's colours, its name in a tooltip.
NoxRoadView {
    id: road

    property string tip

    roads: UIWrapper.roads
    bankerColor: Theme.colors.banker
    playerColor: Theme.colors.player
    tieColor: Theme.colors.tie
    gridColor: Theme.colors.surfaceHover
    textColor: Theme.colors.text
    newestColor: Theme.colors.highlight

    HoverHandler {
        id: hover
    }
    ToolTip.visible: hover.hovered && tip.length > 0
    ToolTip.delay: 800
    ToolTip.text: tip
}
