import QtQuick 2.15

// A spinner with an optional title under it.
Column {
    id: root
    property string title: "Loading ..."
    property bool showTitle: true
    property int imageWidth: 50
    property bool running: visible
    spacing: 8

    Item {
        width: root.imageWidth
        height: root.imageWidth
        anchors.horizontalCenter: parent.horizontalCenter
        Repeater {
            model: 8
            Rectangle {
                width: root.imageWidth / 8
                height: width
                radius: width / 2
                color: g_theme.accentColor
                opacity: 0.25 + 0.75 * index / 7
                x: root.imageWidth / 2 - width / 2 + Math.cos(index * Math.PI / 4) * (root.imageWidth / 2 - width)
                y: root.imageWidth / 2 - height / 2 + Math.sin(index * Math.PI / 4) * (root.imageWidth / 2 - width)
            }
        }
        RotationAnimation on rotation {
            running: root.running
            from: 0; to: 360
            duration: 1200
            loops: Animation.Infinite
        }
    }
    Text {
        visible: root.showTitle
        anchors.horizontalCenter: parent.horizontalCenter
        text: root.title
        color: g_theme.foregroundColor
        font.pixelSize: 12
    }
}
