import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import TovaUi 0.1 as Tova
import com.velmora.folderlistmodel 1.0

// The notes: the notes folder as a list, the current note, new and delete,
// and the recent notes.
Item {
    id: page
    objectName: "notesPage"

    // The side page's name and title, and the places the desktop layout
    // moves it between.
    property string name: "notes"
    property string title: qsTr("笔记")
    property var leftParent: null
    property var rightParent: null
    property var pendentParent: null

    readonly property alias count: notesModel.count
    // What takes the keyboard when the page is shown from it.
    readonly property Item keyboardItem: list
    readonly property alias loaded: notesModel.loaded

    // The editor opens the chosen note.
    signal openNote(url note)

    // Shows a note: announced through openNote and opened in a document tab
    // of the main window, where it is edited like any document.
    function showNote(url) {
        if (String(url) === "")
            return
        page.openNote(url)
        if (typeof applicationWindow !== "undefined" && applicationWindow)
            applicationWindow.openFile(String(url))
    }

    function choose(url) {
        files.noteCurrentFile = url
        files.setRecentNote(url)
        page.showNote(url)
    }

    FolderListModel {
        id: notesModel
        folder: files.noteRootUrl
        nameFilters: ["*.txt", "*.md"]
        sortReversed: cglobal.filesSortType
        showDirs: true
        showOnlyReadable: false
        excludeFiles: [".history", ".Note", ".History", ".note", ".MateData", ".matedata", "Library", "stateless", "index.txt"]
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        RowLayout {
            Layout.fillWidth: true
            Layout.margins: 4
            Label {
                text: qsTr("笔记")
                font.bold: true
                Layout.fillWidth: true
            }
            ToolButton {
                objectName: "newNoteButton"
                text: "+"
                Accessible.name: ToolTip.text
                ToolTip.visible: hovered
                ToolTip.text: qsTr("创建新笔记")
                onClicked: page.choose(files.newNoteFile())
            }
            ToolButton {
                text: "−"
                Accessible.name: ToolTip.text
                ToolTip.visible: hovered
                ToolTip.text: qsTr("删除笔记")
                onClicked: {
                    page.showNote(files.deleteNoteFile())
                }
            }
            ToolButton {
                text: "⋯"
                Accessible.name: ToolTip.text
                ToolTip.visible: hovered
                ToolTip.text: qsTr("打开最近笔记")
                onClicked: recentMenu.popup()
            }
        }

        ListView {
            id: list
            objectName: "notesList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: notesModel
            // Tab reaches the list; the arrows walk it, Enter opens a note.
            activeFocusOnTab: true
            Accessible.role: Accessible.List
            Accessible.name: page.title
            Keys.onReturnPressed: if (currentItem) page.choose(currentItem.note)
            Keys.onEnterPressed: if (currentItem) page.choose(currentItem.note)
            // The keyboard's place shows.
            Rectangle {
                objectName: "notesFocusFrame"
                // over the list, not scrolling with its rows
                parent: list
                anchors.fill: parent
                color: "transparent"
                border.width: 2
                border.color: g_theme.accentColor
                visible: list.activeFocus
                z: 1
            }
            Connections {
                target: notesModel
                function onCountChanged() { list.currentIndex = notesModel.indexOf(files.noteCurrentFile) }
            }
            delegate: ItemDelegate {
                id: noteRow
                readonly property url note: fileUrl
                width: list.width
                focusPolicy: Qt.NoFocus
                text: fileBaseName
                highlighted: ListView.isCurrentItem
                // told to a screen reader as the list takes the keyboard and on every move
                Tova.AccessibleState { current: noteRow.highlighted && list.activeFocus }
                onClicked: page.choose(fileUrl)
            }
        }
    }

    Menu {
        id: recentMenu
        Repeater {
            model: files.recentNotes.slice().reverse()
            MenuItem {
                text: modelData.substring(modelData.lastIndexOf("/") + 1).replace(/\.[^.]*$/, "")
                onTriggered: page.choose(functions.fileToUrl(modelData))
            }
        }
        MenuSeparator {}
        MenuItem {
            text: qsTr("Clear Menu")
            onTriggered: files.clearRecentNotes()
        }
    }
}
