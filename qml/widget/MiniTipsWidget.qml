import QtQuick 2.15

// The floating word count of the minimalist mode. It can be dragged to
// another place, which is kept in the settings.
Rectangle {
    id: tip
    objectName: "miniTipsWidget"
    width: 120
    height: 28
    radius: 6
    color: g_theme.functionAreaColor
    border.color: g_theme.lineColor
    Text {
        anchors.centerIn: parent
        text: wordCountModel.currentCountClass ? String(wordCountModel.currentCountClass.All) : ""
        color: g_theme.foregroundColor
    }
    MouseArea {
        objectName: "tipDragArea"
        anchors.fill: parent
        // only moves the figure; nothing to speak
        Accessible.ignored: true
        cursorShape: Qt.SizeAllCursor
        // the loader that holds the tip is what moves
        drag.target: tip.parent
        drag.minimumX: 0
        drag.minimumY: 0
        drag.maximumX: tip.parent && tip.parent.parent ? tip.parent.parent.width - tip.width : 0
        drag.maximumY: tip.parent && tip.parent.parent ? tip.parent.parent.height - tip.height : 0
        onReleased: {
            if (!tip.parent)
                return
            csettings.miniTipsX = Math.round(tip.parent.x)
            csettings.miniTipsY = Math.round(tip.parent.y)
        }
    }
}
