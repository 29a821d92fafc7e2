import QtQuick 2.15

// A rectangle whose top and bottom corners have their own radii.
Item {
    id: root
    property color color: g_theme.primaryColor
    property real topRadius: 0
    property real bottomRadius: 0
    default property alias content: body.data

    Item {
        width: parent.width
        height: Math.ceil(parent.height / 2)
        clip: true
        Rectangle {
            width: root.width
            height: root.height
            radius: root.topRadius
            color: root.color
        }
    }
    Item {
        y: Math.ceil(parent.height / 2)
        width: parent.width
        height: parent.height - y
        clip: true
        Rectangle {
            y: -parent.y
            width: root.width
            height: root.height
            radius: root.bottomRadius
            color: root.color
        }
    }
    Item {
        id: body
        anchors.fill: parent
    }
}
