import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import com.velmora.folderlistmodel 1.0

// The copies the program keeps, oldest first: the history snapshots and the
// copies of unsaved text the history could not take, all of them or those
// of one document (`document` set). A click shows a copy's text; 恢复 puts
// it back into its document, whose current text is kept as a snapshot
// first. An open document is restored in its tab and saved from there.
Item {
    id: page

    // The document whose copies are listed; empty lists every copy.
    property url document: ""
    readonly property alias count: historyModel.count
    readonly property alias model: historyModel
    readonly property alias keptModel: keptModel
    readonly property bool loaded: historyModel.loaded && keptModel.loaded

    signal restored(url document)

    // The copy whose text the preview shows; empty shows none (nor one of
    // another document).
    property url chosen: ""
    onDocumentChanged: chosen = ""
    readonly property string preview: String(chosen) === "" ? "" : files.historyPreview(chosen)
    readonly property var filters: String(page.document) === "" ? ["*---*.txt", "*---*.md"] : files.historyFilters(page.document)

    // The tab that holds the document, if one does.
    function editorOf(url) {
        var tabs = typeof applicationWindow !== "undefined" && applicationWindow ? applicationWindow.documentPage : null
        var open = tabs && typeof tabs.indexOf === "function" ? tabs.indexOf(String(url)) : -1
        return open >= 0 ? tabs.pages[open] : null
    }

    function restore(copy) {
        var target = String(page.document) !== "" ? page.document : files.historyDocument(copy, files.currentFile)
        if (String(target) === "")
            return false
        var editor = editorOf(target)
        if (editor && editor.document) {
            if (editor.loading || editor.readOnly) {
                message.show(qsTr("文档正在载入或不能修改，未恢复。"), 64)
                return false
            }
            var text = files.historyText(copy)
            if (text === undefined || !editor.document.restoreText(text) || !editor.save())
                return false
        } else if (!files.restoreHistory(copy, target)) {
            return false
        }
        if (typeof applicationWindow !== "undefined" && applicationWindow)
            applicationWindow.openFile(String(target))
        message.show(qsTr("已恢复“%1”，恢复前的内容已存入历史记录。").arg(functions.getNameFromUrl(target)), 16)
        page.restored(target)
        return true
    }

    FolderListModel {
        id: historyModel
        folder: files.historyPath
        nameFilters: page.filters
        sortField: FolderListModel.Time
        sortReversed: true
        showDirs: false
    }
    FolderListModel {
        id: keptModel
        folder: files.keptCopiesPath()
        // Without the program's own folder, nothing (not the working folder).
        nameFilters: String(folder) === "" ? ["\u0000"] : page.filters
        sortField: FolderListModel.Time
        sortReversed: true
        showDirs: false
    }

    Component {
        id: copyRow
        ItemDelegate {
            width: ListView.view.width
            highlighted: String(page.chosen) === String(fileUrl)
            // A click shows the copy's text below the lists.
            onClicked: page.chosen = fileUrl
            contentItem: RowLayout {
                Column {
                    Layout.fillWidth: true
                    Label {
                        width: parent.width
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
                    objectName: "restoreButton"
                    text: qsTr("恢复")
                    onClicked: page.restore(fileUrl)
                }
            }
        }
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
            Layout.preferredHeight: 2
            clip: true
            model: historyModel
            delegate: copyRow
        }

        Label {
            Layout.alignment: Qt.AlignHCenter
            Layout.margins: 12
            visible: page.loaded && historyModel.count === 0 && keptModel.count === 0
            text: qsTr("没有历史记录")
        }

        Label {
            Layout.fillWidth: true
            Layout.margins: 6
            visible: keptModel.count > 0
            font.bold: true
            text: qsTr("未能保存的内容")
        }

        ListView {
            id: keptList
            objectName: "keptList"
            visible: keptModel.count > 0
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.preferredHeight: 1
            clip: true
            model: keptModel
            delegate: copyRow
        }

        ScrollView {
            id: previewView
            objectName: "historyPreview"
            visible: String(page.chosen) !== ""
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.preferredHeight: 3
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
