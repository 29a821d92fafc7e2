import QtQuick 2.15

// A measuring ruler with arrow heads, for checking layouts while debugging.
Item {
    id: ruler
    property int orientation: Qt.Horizontal
    property real length: 100
    property color color: "#FF0000"
    readonly property bool horizontal: orientation === Qt.Horizontal

    implicitWidth: horizontal ? length : 11
    implicitHeight: horizontal ? 11 : length

    Canvas {
        anchors.fill: parent
        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            ctx.strokeStyle = ruler.color
            ctx.fillStyle = ruler.color
            ctx.lineWidth = 1
            var l = ruler.length
            ctx.beginPath()
            if (ruler.horizontal) {
                ctx.moveTo(0, 5.5); ctx.lineTo(l, 5.5)
                ctx.moveTo(0, 5.5); ctx.lineTo(5, 1); ctx.moveTo(0, 5.5); ctx.lineTo(5, 10)
                ctx.moveTo(l, 5.5); ctx.lineTo(l - 5, 1); ctx.moveTo(l, 5.5); ctx.lineTo(l - 5, 10)
            } else {
                ctx.moveTo(5.5, 0); ctx.lineTo(5.5, l)
                ctx.moveTo(5.5, 0); ctx.lineTo(1, 5); ctx.moveTo(5.5, 0); ctx.lineTo(10, 5)
                ctx.moveTo(5.5, l); ctx.lineTo(1, l - 5); ctx.moveTo(5.5, l); ctx.lineTo(10, l - 5)
            }
            ctx.stroke()
        }
    }
    Text {
        anchors.centerIn: parent
        text: Math.round(ruler.length)
        color: ruler.color
        font.pixelSize: 9
    }
    onLengthChanged: children[0].requestPaint()
    onColorChanged: children[0].requestPaint()
}
