import QtQuick 2.15
import TovaUi 0.1

// The copies the program keeps of one document (the shell sets the document
// and the title): the history page for that document, in a sheet. Its
// 恢复 puts a copy back; the sheet closes once it has.
SheetWindow {
    id: sheet
    title: qsTr("History")
    showTitleAndClose: true
    isShowOk: false
    isShowCloseButton: true
    useScrollView: false
    property url document: ""
    readonly property alias model: historyPage.model
    readonly property alias page: historyPage

    HistoryPage {
        id: historyPage
        width: 480
        height: 420
        // No document yet would list every copy; none is shown instead.
        document: sheet.document
        visible: String(sheet.document) !== ""
        onRestored: sheet.close()
    }
}
