import QtQuick 2.15

// A panel that slides in from the left edge.
Rectangle {
    id: drawer
    default property alias content: body.data
    property bool isOpened: false
    property int duration: 200
    function open() { isOpened = true }
    function close() { isOpened = false }

    width: 300
    height: parent ? parent.height : 0
    x: isOpened ? 0 : -width - 4
    visible: x > -width - 4
    z: 800
    color: g_theme.functionAreaColor
    border.color: g_theme.lineColor
    Behavior on x { NumberAnimation { duration: drawer.duration; easing.type: Easing.OutCubic } }
    Item {
        id: body
        anchors.fill: parent
        anchors.margins: 1
    }
}
