import QtQuick 2.15

// A row that floats beside a target item (below it by default).
Row {
    id: row
    property Item target: null
    property int edge: Qt.BottomEdge
    property real gap: 4
    function follow() {
        if (!target || !parent)
            return
        var p = target.mapToItem(parent, 0, 0)
        x = p.x
        y = edge === Qt.TopEdge ? p.y - height - gap : p.y + target.height + gap
    }
    spacing: 4
    z: 500
    onTargetChanged: follow()
    onHeightChanged: follow()
    Connections {
        target: row.target
        function onXChanged() { row.follow() }
        function onYChanged() { row.follow() }
        function onHeightChanged() { row.follow() }
    }
    Component.onCompleted: follow()
}
