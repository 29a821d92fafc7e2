import QtQuick 2.15

// A column of collapsible sections that share the column's height:
// collapsed sections keep their header, expanded ones split the rest in
// proportion to their default heights.
Item {
    id: box
    default property alias items: column.data
    implicitWidth: 250
    property var connected: []

    function updateWidget() {
        var list = column.children
        var fixed = 0
        var weight = 0
        var i
        for (i = 0; i < list.length; ++i) {
            if (!list[i].visible)
                continue
            if (list[i].expanded)
                weight += Math.max(1, list[i].defaultHeight)
            else
                fixed += list[i].headerHeight !== undefined ? list[i].headerHeight : list[i].implicitHeight
        }
        var rest = Math.max(0, height - fixed)
        for (i = 0; i < list.length; ++i) {
            var it = list[i]
            it.width = box.width
            if (it.expanded)
                it.height = weight > 0 ? Math.floor(rest * Math.max(1, it.defaultHeight) / weight) : 0
            else
                it.height = it.headerHeight !== undefined ? it.headerHeight : it.implicitHeight
        }
    }

    Column {
        id: column
        anchors.fill: parent
        onChildrenChanged: {
            for (var i = 0; i < children.length; ++i) {
                var c = children[i]
                if (c.toggled && box.connected.indexOf(c) < 0) {
                    c.toggled.connect(box.updateWidget)
                    box.connected.push(c)
                }
            }
            box.updateWidget()
        }
    }
    onHeightChanged: updateWidget()
    onWidthChanged: updateWidget()
    Component.onCompleted: updateWidget()
}
