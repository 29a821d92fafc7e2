import QtQuick 2.15
import QtQuick.Controls 2.15 as C

// Asks whether the computer should shut down or restart.
SheetWindow {
    id: win
    property string text1: qsTr("保存所有文档后关闭计算机。")
    property string text2: qsTr("保存所有文档后重新启动计算机。")
    property bool reboot: false
    isShowCancel: true
    title: qsTr("关机")
    onOk: functions.systemShutDown(reboot)

    Column {
        width: 320
        spacing: 10
        padding: 10
        Text {
            text: qsTr("希望计算机做什么？")
            color: g_theme.foregroundColor
            font.pixelSize: 14
        }
        ComboBox {
            id: choice
            width: 200
            model: [qsTr("关机"), qsTr("重启")]
            currentIndex: win.reboot ? 1 : 0
            onActivated: win.reboot = index === 1
        }
        Text {
            width: 300
            wrapMode: Text.Wrap
            text: win.reboot ? win.text2 : win.text1
            color: g_theme.secondaryTextColor
            font.pixelSize: 12
        }
    }
}
