import QtQuick 2.15
import TovaUi 0.1

// The theme chooser and the start-up password screen, for screenshots:
//   GALLERY_PAGE=ThemeSheet.qml xvfb-run -a -s "-screen 0 1280x900x24" env QT_QPA_PLATFORM=xcb \
//       build/tests/tst_library -gallery theme.png
MainWindow {
    title: "主题与启动密码"
    normalRect: Qt.rect(20, 20, 1000, 600)
    visible: true

    Rectangle {
        width: parent.width / 2
        height: parent.height
        color: g_theme.functionAreaColor
        LoginPasswordWidget {
            anchors.fill: parent
            visible: false
            Component.onCompleted: {
                csettings.loginPassword = "1234"
                visible = true
                checkPasswrod()
            }
        }
    }
    ThemePage { id: themes; x: 520; y: 120; inCenter: false }
    Timer { interval: 300; running: true; onTriggered: themes.show() }
}
