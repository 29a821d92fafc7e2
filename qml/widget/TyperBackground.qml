import QtQuick 2.15

// Typewriter focus: dims everything but the cursor line of the current
// editor (cglobal.typerRect, in window coordinates) with four shades.
Item {
    id: root
    property color color: "black"
    readonly property rect focus: cglobal.typerRect
    property real focusY: focus.y
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
        x: 0; y: root.focusY + root.focus.height
        width: root.width
        height: Math.max(0, root.height - y)
        color: root.color; opacity: 0.4
    }
    Rectangle {
        objectName: "shadeLeft"
        x: 0; y: root.focusY
        width: Math.max(0, root.focus.x)
        height: root.focus.height
        color: root.color; opacity: 0.4
    }
    Rectangle {
        objectName: "shadeRight"
        x: root.focus.x + root.focus.width; y: root.focusY
        width: Math.max(0, root.width - x)
        height: root.focus.height
        color: root.color; opacity: 0.4
    }
}
