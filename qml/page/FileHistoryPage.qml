import QtQuick 2.15
import TovaUi 0.1

// Placeholder of the history sheet of one document until its own version lands.
SheetWindow {
    id: sheet
    title: qsTr("History")
    showTitleAndClose: true
    isShowOk: false
    isShowCloseButton: true
    property var fileNameFilters: []

    Text {
        width: 300
        text: sheet.title
        color: g_theme.foregroundColor
        font.pixelSize: 13
    }
}
