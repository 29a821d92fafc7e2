import QtQuick 2.15

// Invisible resize handles on the four sides and corners of a window.
Item {
    id: border
    property var control: null
    property bool showHandler: false
    property color borderColor: "orange"
    property int handleSize: 5

    function resize(edges, dx, dy) {
        if (!control)
            return
        var minW = control.minimumWidth > 0 ? control.minimumWidth : 100
        var minH = control.minimumHeight > 0 ? control.minimumHeight : 60
        if (edges & Qt.LeftEdge) {
            var w = Math.max(minW, control.width - dx)
            control.x += control.width - w
            control.width = w
        }
        if (edges & Qt.RightEdge)
            control.width = Math.max(minW, control.width + dx)
        if (edges & Qt.TopEdge) {
            var h = Math.max(minH, control.height - dy)
            control.y += control.height - h
            control.height = h
        }
        if (edges & Qt.BottomEdge)
            control.height = Math.max(minH, control.height + dy)
    }

    Rectangle {
        anchors.fill: parent
        visible: border.showHandler
        color: "transparent"
        border.color: border.borderColor
    }

    Repeater {
        model: [
            { e: Qt.LeftEdge, x: 0, y: 1, w: 0, h: 1 },
            { e: Qt.RightEdge, x: 2, y: 1, w: 0, h: 1 },
            { e: Qt.TopEdge, x: 1, y: 0, w: 1, h: 0 },
            { e: Qt.BottomEdge, x: 1, y: 2, w: 1, h: 0 },
            { e: Qt.LeftEdge | Qt.TopEdge, x: 0, y: 0, w: 0, h: 0 },
            { e: Qt.RightEdge | Qt.TopEdge, x: 2, y: 0, w: 0, h: 0 },
            { e: Qt.LeftEdge | Qt.BottomEdge, x: 0, y: 2, w: 0, h: 0 },
            { e: Qt.RightEdge | Qt.BottomEdge, x: 2, y: 2, w: 0, h: 0 }
        ]
        TDragRect {
            control: border.control
            posType: modelData.e
            width: modelData.w ? border.width - 2 * border.handleSize : border.handleSize
            height: modelData.h ? border.height - 2 * border.handleSize : border.handleSize
            x: modelData.x === 0 ? 0 : modelData.x === 1 ? border.handleSize : border.width - border.handleSize
            y: modelData.y === 0 ? 0 : modelData.y === 1 ? border.handleSize : border.height - border.handleSize
            onPosChange: border.resize(posType, xOffset, yOffset)
        }
    }
}
