import QtQuick 2.15

// A column that floats beside a target item (on its right by default).
Column {
    id: column
    property Item target: null
    property int edge: Qt.RightEdge
    property real gap: 4
    function follow() {
        if (!target || !parent)
            return
        var p = target.mapToItem(parent, 0, 0)
        y = p.y
        x = edge === Qt.LeftEdge ? p.x - width - gap : p.x + target.width + gap
    }
    spacing: 4
    z: 500
    onTargetChanged: follow()
    onWidthChanged: follow()
    Connections {
        target: column.target
        function onXChanged() { column.follow() }
        function onYChanged() { column.follow() }
        function onWidthChanged() { column.follow() }
    }
    Component.onCompleted: follow()
}
