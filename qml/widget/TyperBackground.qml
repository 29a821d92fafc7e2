import QtQuick 2.15

// Typewriter focus: dims everything but the cursor line of the current
// editor (cglobal.typerRect, in window coordinates) with four shades.
Item {
    id: root
    property color color: "black"
    // The published rectangle is in window (scene) coordinates.
    readonly property rect line: {
        var r = cglobal.typerRect
        var p = root.mapFromItem(null, r.x, r.y)
        return Qt.rect(p.x, p.y, r.width, r.height)
    }
    property real focusY: line.y
    Behavior on focusY { SpringAnimation { spring: 3; damping: 0.2 } }

    Rectangle {
        objectName: "shadeAbove"
        x: 0; y: 0
        width: root.width
        height: Math.max(0, root.focusY)
        color: root.color; opacity: 0.4
    }
    Rectangle {
        objectName: "shadeBelow"
        x: 0; y: root.focusY + root.line.height
        width: root.width
        height: Math.max(0, root.height - y)
        color: root.color; opacity: 0.4
    }
    Rectangle {
        objectName: "shadeLeft"
        x: 0; y: root.focusY
        width: Math.max(0, root.line.x)
        height: root.line.height
        color: root.color; opacity: 0.4
    }
    Rectangle {
        objectName: "shadeRight"
        x: root.line.x + root.line.width; y: root.focusY
        width: Math.max(0, root.width - x)
        height: root.line.height
        color: root.color; opacity: 0.4
    }
}
