import QtQuick
import QtQuick.Controls.impl
import Theme

// The tendency of a method (none 0, down 1, mid 2, inter 3, up 4) as an arrow.
Item {
    id: trend

    property int tendance

    implicitWidth: 20
    implicitHeight: 20

    ColorImage {
        anchors.centerIn: parent
        width: 18
        height: 18
        visible: trend.tendance > 0
        source: Theme.icon(trend.tendance >= 3 ? "trending_up" : trend.tendance === 2 ? "trending_flat" : "trending_down")
        color: trend.tendance === 4 ? Theme.colors.gain : trend.tendance === 3 ? Theme.colors.accent
             : trend.tendance === 2 ? Theme.colors.textMuted : Theme.colors.loss
    }
}
