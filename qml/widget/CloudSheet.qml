import QtQuick 2.15
import TovaUi 0.1

// The sheet shown while the quit-time sync runs. Its one button closes the
// program without waiting for the sync.
SheetWindow {
    id: sheet
    objectName: "cloudSheet"
    title: qsTr("正在云同步")
    isShowOk: false
    isShowCancel: true
    cancelTitle: qsTr("不同步，直接退出")

    signal quitWithoutSync()

    onCancel: quitWithoutSync()

    Text {
        width: 240
        horizontalAlignment: Text.AlignHCenter
        text: sheet.title
        font.bold: true
        font.pixelSize: 12
        color: g_theme.foregroundColor
    }
    LoadingImage {
        width: 240
        title: qsTr("正在云同步") + "..."
    }
}
