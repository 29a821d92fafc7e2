import QtQuick 2.15
import QtQuick.Window 2.15

Window {
    id: applicationWindow
    width: 1024
    height: 720
    minimumWidth: 640
    minimumHeight: 480
    visible: true
    title: cglobal.appName()

    onActiveChanged: cglobal.setIsAppAction(active)

    Connections {
        target: cglobal
        function onSendQuitApp() { applicationWindow.close() }
    }

    Rectangle {
        anchors.fill: parent
        color: "#f7f5f0"
        Text {
            anchors.centerIn: parent
            text: cglobal.appName() + " " + cglobal.version()
            font.pixelSize: 20
            color: "#444"
        }
    }
}
