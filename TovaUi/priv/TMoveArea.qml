import QtQuick 2.15

// Drag-to-move area for a window.
MouseArea {
    id: area
    property var control
    property bool enableMove: true
    property point pressPos: Qt.point(0, 0)
    signal move(real xOffset, real yOffset)

    acceptedButtons: Qt.LeftButton
    // The window manager's keys move the window; nothing to speak here.
    Accessible.ignored: true
    onPressed: pressPos = Qt.point(mouse.x, mouse.y)
    onPositionChanged: {
        if (!pressed || !enableMove || !control)
            return
        var dx = mouse.x - pressPos.x
        var dy = mouse.y - pressPos.y
        control.x += dx
        control.y += dy
        move(dx, dy)
    }
}
