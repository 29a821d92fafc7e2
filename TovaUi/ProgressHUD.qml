import QtQuick 2.15

// A busy indicator over the page, shown between start() and stop().
Rectangle {
    id: hud
    property string title: ""
    property bool active: false
    function start() { active = true }
    function stop() { active = false }

    visible: active
    anchors.centerIn: parent
    width: 110
    height: 110
    radius: 8
    color: Qt.rgba(0, 0, 0, 0.6)
    z: 900
    LoadingImage {
        anchors.centerIn: parent
        imageWidth: 40
        title: hud.title
        showTitle: hud.title !== ""
        running: hud.active
    }
    MouseArea { anchors.fill: parent }
}
