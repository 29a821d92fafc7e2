import QtQuick 2.15
import QtQuick.Window 2.15

// Placeholder of the statistics card until its own version lands.
Window {
    id: root
    title: qsTr("统计卡片")
    width: 420
    height: 320
    flags: Qt.Dialog
    color: g_theme.baseColor

    signal destroyWindow()

    onClosing: destroyWindow()

    Text {
        anchors.centerIn: parent
        text: root.title
        color: g_theme.foregroundColor
    }
}
