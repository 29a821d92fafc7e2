import QtQuick 2.15

// A rounded frame around its content.
Rectangle {
    default property alias content: body.data
    radius: 8
    color: g_theme.primaryColor
    border.color: g_theme.lineColor
    clip: true
    Item {
        id: body
        anchors.fill: parent
        anchors.margins: parent.radius / 2
    }
}
