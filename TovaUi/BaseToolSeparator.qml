import QtQuick 2.15

// A vertical separator between tool-bar buttons.
Item {
    implicitWidth: 9
    implicitHeight: 20
    Rectangle {
        anchors.centerIn: parent
        width: 1
        height: parent.height * 0.8
        color: g_theme.lineColor
    }
}
