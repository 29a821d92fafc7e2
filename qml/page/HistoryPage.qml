import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import com.velmora.folderlistmodel 1.0

// The history snapshots, oldest first: all of them, or those of one
// document (`document` set), each restorable into its document.
Item {
    id: page

    // The document whose snapshots are listed; empty lists every snapshot.
    property url document: ""
    readonly property alias count: historyModel.count
    readonly property alias model: historyModel

    signal restored(url document)

    // The snapshot whose text the preview shows; empty shows none.
    property url chosen: ""
    readonly property string preview: String(chosen) === "" ? "" : functions.readTextFile(chosen)

    FolderListModel {
        id: historyModel
        folder: files.historyPath
        nameFilters: page.document.toString() === "" ? ["*.txt", "*.md"] : files.historyFilters(page.document)
        sortField: FolderListModel.Time
        sortReversed: true
        showDirs: false
        excludeFiles: [".history", ".Note", ".History", ".note", ".MateData", ".matedata", "Library", "stateless", "index.txt"]
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Label {
            Layout.fillWidth: true
            Layout.margins: 6
            font.bold: true
            text: qsTr("历史记录")
        }

        ListView {
            id: list
            objectName: "historyList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.preferredHeight: 1
            clip: true
            model: historyModel
            delegate: ItemDelegate {
                width: list.width
                highlighted: String(page.chosen) === String(fileUrl)
                // A click shows the snapshot's text below the list.
                onClicked: page.chosen = fileUrl
                contentItem: RowLayout {
                    Column {
                        Layout.fillWidth: true
                        Label {
                            text: fileHistoryName
                            elide: Text.ElideRight
                        }
                        Label {
                            text: fileHistoryTime
                            color: g_theme.secondaryTextColor
                            font.pixelSize: 11
                        }
                    }
                    Button {
                        text: qsTr("恢复")
                        visible: page.document.toString() !== ""
                        onClicked: {
                            if (files.restoreHistory(fileUrl, page.document))
                                page.restored(page.document)
                        }
                    }
                }
            }
        }

        Label {
            Layout.alignment: Qt.AlignHCenter
            Layout.margins: 12
            visible: historyModel.loaded && historyModel.count === 0
            text: qsTr("没有历史记录")
        }

        ScrollView {
            id: previewView
            objectName: "historyPreview"
            visible: String(page.chosen) !== ""
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.preferredHeight: 2
            clip: true
            contentWidth: availableWidth
            TextArea {
                objectName: "historyPreviewText"
                width: previewView.availableWidth
                readOnly: true
                selectByMouse: true
                wrapMode: TextEdit.Wrap
                textFormat: TextEdit.PlainText
                text: page.preview
            }
        }
    }
}
