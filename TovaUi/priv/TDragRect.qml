import QtQuick 2.15

// One resize handle: reports how far the pointer moved since the press.
MouseArea {
    id: handle
    property var control
    // One of Qt.LeftEdge, Qt.RightEdge, Qt.TopEdge, Qt.BottomEdge or an OR of two.
    property int posType: Qt.LeftEdge
    property point pressPos: Qt.point(0, 0)
    signal posChange(real xOffset, real yOffset)

    hoverEnabled: true
    // The window manager's keys resize the window; nothing to speak here.
    Accessible.ignored: true
    acceptedButtons: Qt.LeftButton
    cursorShape: {
        var h = (posType & (Qt.LeftEdge | Qt.RightEdge)) !== 0
        var v = (posType & (Qt.TopEdge | Qt.BottomEdge)) !== 0
        if (h && v)
            return (posType === (Qt.LeftEdge | Qt.TopEdge) || posType === (Qt.RightEdge | Qt.BottomEdge))
                    ? Qt.SizeFDiagCursor : Qt.SizeBDiagCursor
        return h ? Qt.SizeHorCursor : Qt.SizeVerCursor
    }
    onPressed: pressPos = Qt.point(mouse.x, mouse.y)
    onPositionChanged: {
        if (pressed)
            posChange(mouse.x - pressPos.x, mouse.y - pressPos.y)
    }
}
