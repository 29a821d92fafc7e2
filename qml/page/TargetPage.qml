import QtQuick 2.15
import QtQuick.Window 2.15

// Placeholder of the writing-lock target window until its own version lands.
Window {
    id: root
    title: qsTr("写作目标")
    width: 420
    height: 320
    flags: Qt.Dialog
    color: g_theme.baseColor
    signal doLock()

    signal destroyWindow()

    onClosing: destroyWindow()

    Text {
        anchors.centerIn: parent
        text: root.title
        color: g_theme.foregroundColor
    }
}
