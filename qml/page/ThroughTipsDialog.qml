import QtQuick 2.15
import TovaUi 0.1

// Placeholder of the writing-challenge dialog until its own version lands.
SheetWindow {
    id: sheet
    title: qsTr("Challenge")
    showTitleAndClose: true
    isShowOk: false
    isShowCloseButton: true
    property int type: 0
    property string text: ""
    property string subText: ""

    Text {
        width: 300
        text: sheet.title
        color: g_theme.foregroundColor
        font.pixelSize: 13
    }
}
