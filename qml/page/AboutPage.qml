import QtQuick 2.15
import TovaUi 0.1

// Placeholder of the About sheet until its own version lands.
SheetWindow {
    id: sheet
    title: qsTr("关于")
    showTitleAndClose: true
    isShowOk: false
    isShowCloseButton: true

    Text {
        width: 300
        text: sheet.title
        color: g_theme.foregroundColor
        font.pixelSize: 13
    }
}
