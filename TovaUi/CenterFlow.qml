import QtQuick 2.15

// Lays its children out in rows like a Flow, each row centred.
Item {
    id: flow
    default property alias items: container.data
    property real spacing: 10

    implicitHeight: container.contentHeight

    function relayout() {
        var list = []
        for (var i = 0; i < container.children.length; ++i)
            if (container.children[i].visible)
                list.push(container.children[i])
        var y = 0
        var start = 0
        while (start < list.length) {
            var rowWidth = list[start].width
            var rowHeight = list[start].height
            var end = start + 1
            while (end < list.length && rowWidth + spacing + list[end].width <= width) {
                rowWidth += spacing + list[end].width
                rowHeight = Math.max(rowHeight, list[end].height)
                ++end
            }
            var x = Math.max(0, (width - rowWidth) / 2)
            for (var j = start; j < end; ++j) {
                list[j].x = x
                list[j].y = y + (rowHeight - list[j].height) / 2
                x += list[j].width + spacing
            }
            y += rowHeight + spacing
            start = end
        }
        container.contentHeight = Math.max(0, y - spacing)
    }

    Item {
        id: container
        property real contentHeight: 0
        anchors.fill: parent
        onChildrenChanged: flow.relayout()
    }
    onWidthChanged: relayout()
    onSpacingChanged: relayout()
    Component.onCompleted: relayout()
}
