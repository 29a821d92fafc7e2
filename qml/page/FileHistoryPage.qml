import QtQuick 2.15
import QtQuick.Controls 2.15 as C
import com.velmora.folderlistmodel 1.0
import TovaUi 0.1

// The history snapshots of one document, newest first (the shell sets the
// name filters and the title). A click opens the snapshot in a tab, where
// its text can be read and copied.
SheetWindow {
    id: sheet
    title: qsTr("History")
    showTitleAndClose: true
    isShowOk: false
    isShowCloseButton: true
    property var fileNameFilters: []
    readonly property alias model: historyModel

    FolderListModel {
        id: historyModel
        folder: files.historyPath
        // No filters yet would list every snapshot; match nothing instead.
        nameFilters: sheet.fileNameFilters.length > 0 ? sheet.fileNameFilters : ["\u0000"]
        sortField: FolderListModel.Time
        sortReversed: true
        showDirs: false
    }

    ListView {
        id: list
        objectName: "fileHistoryList"
        width: 360
        height: 300
        clip: true
        model: historyModel
        delegate: C.ItemDelegate {
            width: list.width
            contentItem: Column {
                Text {
                    width: parent.width
                    text: fileHistoryName
                    elide: Text.ElideRight
                    color: g_theme.foregroundColor
                    font.pixelSize: 13
                }
                Text {
                    text: fileHistoryTime
                    color: g_theme.secondaryTextColor
                    font.pixelSize: 11
                }
            }
            onClicked: {
                if (typeof applicationWindow !== "undefined" && applicationWindow)
                    applicationWindow.openFile(String(fileUrl))
            }
        }
        Text {
            anchors.centerIn: parent
            visible: historyModel.count === 0
            text: qsTr("没有历史记录")
            color: g_theme.secondaryTextColor
            font.pixelSize: 13
        }
    }
}
