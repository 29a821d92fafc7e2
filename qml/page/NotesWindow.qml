import QtQuick 2.15
import TovaUi 0.1

// The notes in a sheet of their own: the notes page with its list and
// commands; a chosen note opens in a document tab.
SheetWindow {
    id: sheet
    title: qsTr("笔记")
    showTitleAndClose: true
    isShowOk: false
    isShowCloseButton: true

    NotesPage {
        objectName: "notesInWindow"
        width: 300
        height: 360
        // The note opens in a tab behind the sheet, so the sheet steps aside.
        onOpenNote: {
            sheet.close()
            sheet.destroyWindow()
        }
    }
}
