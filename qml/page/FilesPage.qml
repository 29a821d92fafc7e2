import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 1.4 as C1
import QtQuick.Controls.Styles 1.4 as S1
import QtQml.Models 2.15
import QtQuick.Dialogs 1.3
import TovaUi 0.1 as Tova
import com.velmora.clouddisk 1.0

// The document tree: the document folder as a tree of books and chapters,
// with the commands of the files object (new document, new book, rename,
// delete, sort, cloud sync, history).
Item {
    id: page
    objectName: "filesPage"

    // The side page's name and title, and the places the desktop layout
    // moves it between.
    property string name: "files"
    property string title: qsTr("文件")
    property var leftParent: null
    property var rightParent: null
    property var pendentParent: null

    // Emitted for "历史记录": the history window of one document, which the
    // main window opens.
    signal showHistory(url document)
    onShowHistory: {
        if (String(document) !== "" && typeof applicationWindow !== "undefined" && applicationWindow
                && typeof applicationWindow.showFileHistory === "function")
            applicationWindow.showFileHistory(document)
    }

    readonly property alias treeView: tree
    readonly property Item keyboardItem: tree
    // Rows the tree shows (expanded folders included).
    readonly property int visibleRows: tree.__listView.count
    property string editingPath: ""

    function pathOf(index) {
        return files.model.data(index, 257)
    }

    function nameOf(path) {
        var parts = String(path).split("/")
        return parts[parts.length - 1]
    }

    function choose(index) {
        if (!index.valid)
            return
        files.currentFile = files.model.getFileName(index)
    }

    // A click on a document (or on a book, which stands for its index.txt)
    // opens it in a tab; folders without one only expand.
    function open(index) {
        if (!index.valid)
            return
        var url = files.model.getFileName(index)
        var name = String(url)
        if (!/\.(txt|md)$/i.test(name) || !functions.isFileExist(url))
            return
        if (typeof applicationWindow !== "undefined" && applicationWindow)
            applicationWindow.openFile(name)
    }

    function openHighlighted() {
        var url = String(page.highlighted)
        if (/\.(txt|md)$/i.test(url) && functions.isFileExist(url) && typeof applicationWindow !== "undefined" && applicationWindow)
            applicationWindow.openFile(url)
    }

    // Creates the next chapter in the current folder, selects it and opens it
    // for writing.
    function newDocument() {
        var url = files.newFile()
        files.currentFile = url
        if (functions.isFileExist(url) && typeof applicationWindow !== "undefined" && applicationWindow)
            applicationWindow.openFile(String(url))
    }

    // The document of the highlighted row (a book stands for its
    // index.txt); empty when no row is highlighted.
    readonly property url highlighted: highlightRevision, tree.selection.currentIndex.valid
                                       ? files.model.documentUrl(tree.selection.currentIndex) : ""
    property int highlightRevision: 0
    property bool syncing: false
    property bool keyNavigating: false

    // Deletes the highlighted document or book after a confirmation that
    // names it; once it is gone nothing stays selected, so the next delete
    // does not silently aim at a file that no longer exists.
    function deleteCurrent() {
        var target = String(page.highlighted)
        if (target === "") {
            files.delFile()
            return
        }
        files.currentFile = target
        files.delFile()
        if (!functions.isFileExist(target) && String(files.currentFile) === target) {
            files.currentFile = ""
            syncHighlight()
        }
    }

    // The highlight shows the current document and nothing else. Rows keep
    // their places when the tree is re-sorted or an entry is renamed, so
    // the highlight is taken off and put back on the current document's
    // row after every such change.
    function syncHighlight() {
        var index = files.treeIndex(files.currentFile)
        var row = tree.__listView.currentIndex
        if (!index.valid || row < 0 || row >= tree.__listView.count || tree.__model.mapRowToModelIndex(row) !== index) {
            row = -1
            for (var r = 0; index.valid && r < tree.__listView.count; ++r) {
                if (tree.__model.mapRowToModelIndex(r) === index) {
                    row = r
                    break
                }
            }
        }
        syncing = true
        // Every save reloads the document's folder and lands here with the
        // document on the same row and highlighted: nothing is taken off and
        // put back then, so that the rows need not be drawn again.
        var selected = tree.selection.selectedIndexes
        var inPlace = row === tree.__listView.currentIndex
                && (index.valid ? tree.selection.currentIndex === index && selected.length === 1 && selected[0] === index
                                : !tree.selection.currentIndex.valid && selected.length === 0)
        if (!inPlace) {
            tree.selection.clearCurrentIndex()
            tree.selection.clearSelection()
            if (index.valid)
                tree.selection.setCurrentIndex(index, 0x0002 | 0x0001)
            tree.__listView.currentIndex = row
        }
        if (row >= 0)
            tree.__listView.positionViewAtIndex(row, ListView.Contain)
        syncing = false
        highlightRevision += 1
    }

    // A row the user highlighted with the mouse or the arrow keys becomes
    // the current document.
    function adoptHighlight() {
        var index = tree.selection.currentIndex
        if (index.valid)
            files.currentFile = files.model.getFileName(index)
        else
            syncHighlight()
    }

    // The tree's own keys while it has the keyboard: the Menu key and
    // Shift+F10 open the context menu at the highlighted row, F2 renames it,
    // as desktop file trees do (elsewhere F2 shows the statistics card, which
    // gives way meanwhile).
    readonly property bool treeKeysOn: tree.activeFocus && editingPath === ""
    Shortcut {
        sequences: ["Menu", "Shift+F10"]
        enabled: page.treeKeysOn
        onActivated: page.popupMenuAtRow()
    }
    Shortcut {
        sequence: "F2"
        enabled: page.treeKeysOn
        onActivated: page.beginRename(tree.selection.currentIndex)
    }
    // The context menu opened from the keyboard, beside the highlighted
    // row (at the top when none is).
    function popupMenuAtRow() {
        var index = tree.selection.currentIndex
        var row = index.valid ? tree.__listView.currentItem : null
        var at = row ? row.mapToItem(tree, 24, row.height) : Qt.point(24, 0)
        contextMenu.target = index
        contextMenu.popup(tree, at.x, at.y)
        contextMenu.currentIndex = 0 // the keyboard's place, for a screen reader
    }

    // The entry's document (a book's index.txt), taken with editingPath as
    // the rename begins: saves that land meanwhile move rows about, and the
    // row an editor ends on may stand for another entry by then.
    property string editingDocument: ""

    // Where the keyboard was in the tree as a rename began.
    property Item keysBeforeRename: null
    // While the keyboard goes back there, the row waits to be told as the
    // keyboard's place until the tree has been.
    property bool handingBack: false
    function beginRename(index) {
        if (!index.valid)
            return
        // (a rename begun by the mouse goes back to the tree itself)
        var item = applicationWindow.activeFocusItem
        for (var p = item; p && p !== tree; p = p.parent) {}
        keysBeforeRename = p ? item : tree
        files.model.setEditing(index, true)
        editingDocument = decodeURIComponent(String(files.model.documentUrl(index)).replace(/^file:\/\//, ""))
        editingPath = pathOf(index)
    }

    function finishRename(text, accepted) {
        // Enter or Escape ends the editor, and the focus it then loses would
        // end it a second time.
        if (editingPath === "")
            return
        var oldPath = editingPath
        var oldFull = editingDocument
        files.model.setEditing(files.treeIndex(functions.fileToUrl(oldFull)), false)
        editingPath = ""
        editingDocument = ""
        var oldName = nameOf(oldPath)
        if (!accepted || text === oldName)
            return
        var oldSuffix = oldFull.substring(oldFull.lastIndexOf(".") + 1)
        var dot = text.lastIndexOf(".")
        var suffix = dot >= 0 ? text.substring(dot + 1) : ""
        var newName = (dot < 0 || suffix !== oldSuffix) ? text + "." + oldSuffix : text
        files.renameFile(newName, oldFull)
    }

    // The title bar's buttons, narrow enough to leave the title its room in
    // the side column.
    // A glyph button named by its tool tip.
    component BarButton: ToolButton {
        implicitWidth: 32
        Accessible.name: ToolTip.text
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        // Title bar with the tree's commands.
        RowLayout {
            Layout.fillWidth: true
            Layout.margins: 4
            spacing: 2

            Label {
                text: qsTr("文件")
                font.bold: true
                Layout.fillWidth: true
                // the buttons give way before the title does
                Layout.minimumWidth: implicitWidth
            }
            BarButton {
                objectName: "newDirButton"
                font.family: Tova.Constant.iconFont
                text: "\ue614"
                ToolTip.visible: hovered
                ToolTip.text: qsTr("新建文件夹")
                onClicked: files.newDir()
            }
            BarButton {
                objectName: "newFileButton"
                text: "+"
                ToolTip.visible: hovered
                ToolTip.text: qsTr("新建文件")
                onClicked: page.newDocument()
            }
            BarButton {
                objectName: "deleteButton"
                text: "−"
                ToolTip.visible: hovered
                ToolTip.text: qsTr("删除")
                onClicked: page.deleteCurrent()
            }
            BarButton {
                objectName: "sortButton"
                // The sort glyphs live in the icon font.
                font.family: Tova.Constant.iconFont
                text: files.sortIcon
                ToolTip.visible: hovered
                ToolTip.text: qsTr("排序")
                onClicked: files.sortFile()
            }
            BarButton {
                text: files.updating ? "…" : "☁"
                ToolTip.visible: hovered
                ToolTip.text: files.cloudTips === "" ? qsTr("云同步") : files.cloudTips
                onClicked: cloudDisk.sync(CloudDisk.Writer)
                BusyIndicator {
                    anchors.fill: parent
                    running: files.updating
                    visible: running
                }
            }
            BarButton {
                objectName: "historyButton"
                text: "⟲"
                ToolTip.visible: hovered
                ToolTip.text: qsTr("历史记录")
                onClicked: page.showHistory(files.currentFile)
            }
        }

        Item {
            Layout.fillWidth: true
            Layout.fillHeight: true

            C1.TreeView {
                id: tree
                Accessible.role: Accessible.Tree
                Accessible.name: page.title
                anchors.fill: parent
                headerVisible: false
                alternatingRowColors: false
                // Theme colours, so the tree stays readable in dark themes.
                style: S1.TreeViewStyle {
                    backgroundColor: g_theme.functionAreaColor
                    alternateBackgroundColor: g_theme.functionAreaColor
                    textColor: g_theme.foregroundColor
                    frame: Item {}
                    rowDelegate: Rectangle {
                        height: 20
                        color: styleData.selected ? g_theme.selectedColor : "transparent"
                    }
                }
                model: files.model
                rootIndex: files.index
                selectionMode: C1.SelectionMode.SingleSelection
                selection: ItemSelectionModel {
                    model: files.model
                    // Only a change made by the user moves the current
                    // document; the model moves the highlight by itself
                    // when a row goes, and that is undone by syncHighlight.
                    onCurrentChanged: {
                        if (!page.syncing && (tree.__mouseArea.pressed || page.keyNavigating))
                            Qt.callLater(page.adoptHighlight)
                    }
                }
                // Forwarded here before the tree's own key handling. Enter
                // opens the highlighted document, or the book's index.
                Keys.onPressed: {
                    if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                        event.accepted = true
                        page.openHighlighted()
                        return
                    }
                    page.keyNavigating = true
                    event.accepted = false
                }
                Keys.onReleased: {
                    page.keyNavigating = false
                    event.accepted = false
                }

                C1.TableViewColumn {
                    role: "fileName"
                    width: tree.width - 4
                }

                itemDelegate: Item {
                    id: entryRow
                    readonly property bool editing: page.editingPath !== "" && page.pathOf(styleData.index) === page.editingPath
                    // A screen reader reads every row: its name, whether it
                    // is highlighted and whether a book is open.
                    Accessible.role: Accessible.TreeItem
                    Accessible.name: styleData.value === undefined ? "" : styleData.value
                    Accessible.selectable: true
                    Accessible.selected: styleData.selected
                    // The keyboard's row, while the tree has the keyboard,
                    // is told where it went on every move.
                    Tova.AccessibleState {
                        expandable: styleData.hasChildren
                        expanded: styleData.isExpanded
                        current: tree.activeFocus && !entryRow.editing && !page.handingBack && styleData.row === tree.__listView.currentIndex
                    }
                    Image {
                        id: entryIcon
                        objectName: "entryIcon"
                        // anchored, so that it and the name swap sides together
                        // in a mirrored layout, where the tree's indentation
                        // (always on the left) is given on the right
                        anchors.left: parent.left
                        anchors.leftMargin: parent.LayoutMirroring.enabled ? styleData.depth * 12 : 0
                        anchors.verticalCenter: parent.verticalCenter
                        width: 16
                        height: 16
                        sourceSize: Qt.size(32, 32)
                        smooth: true
                        source: model && model.filePath ? files.model.iconSource(model.filePath) : ""
                    }
                    Text {
                        anchors.verticalCenter: parent.verticalCenter
                        anchors.left: entryIcon.right
                        anchors.leftMargin: 4
                        anchors.right: parent.right
                        visible: !parent.editing
                        text: styleData.value === undefined ? "" : styleData.value
                        horizontalAlignment: Text.AlignLeft
                        elide: Text.ElideRight
                        color: styleData.selected ? g_theme.readableOn(g_theme.foregroundColor, g_theme.selectedColor)
                                                  : g_theme.foregroundColor
                    }
                    TextField {
                        objectName: "renameField"
                        Accessible.name: qsTr("重命名")
                        anchors.fill: parent
                        anchors.leftMargin: entryIcon.width + 4
                        // Slim enough for the row, so the name stays readable.
                        topPadding: 0
                        bottomPadding: 0
                        leftPadding: 2
                        rightPadding: 2
                        verticalAlignment: TextInput.AlignVCenter
                        visible: parent.editing
                        // Taken once when the field opens: a save that lands
                        // meanwhile updates the row, and must not undo what
                        // is being typed.
                        onVisibleChanged: {
                            if (!visible)
                                return
                            text = styleData.value === undefined ? "" : styleData.value
                            forceActiveFocus()
                            selectAll()
                        }
                        onAccepted: close(true)
                        Keys.onEscapePressed: close(false)
                        // Enter and Escape hand the keyboard back to where it
                        // was in the tree, so a screen reader is not left on
                        // the hidden field. The rename ends first: the focus
                        // the field then loses would end it as accepted. The
                        // field took the focus for the scopes between it and
                        // the tree, which would hand it straight back.
                        function close(accepted) {
                            page.handingBack = true
                            Qt.callLater(function() { page.handingBack = false })
                            page.finishRename(text, accepted)
                            var before = page.keysBeforeRename || tree
                            for (var p = this; p && p !== before; p = p.parent)
                                p.focus = false
                            before.forceActiveFocus()
                        }
                        // Clicking elsewhere keeps what was typed, as Enter does.
                        onActiveFocusChanged: if (!activeFocus && visible) page.finishRename(text, true)
                    }
                }

                // The keyboard's place shows.
                Rectangle {
                    objectName: "treeFocusFrame"
                    anchors.fill: parent
                    color: "transparent"
                    border.width: 2
                    border.color: g_theme.accentColor
                    visible: tree.activeFocus
                }

                // A click opens the document once it is clear that no
                // double click (a rename) follows: the editor that opens
                // takes the keyboard focus, which would end the rename.
                onClicked: {
                    page.choose(index)
                    openTimer.index = index
                    openTimer.restart()
                }
                onDoubleClicked: {
                    openTimer.stop()
                    page.beginRename(index)
                }
                Timer {
                    id: openTimer
                    property var index
                    interval: Qt.styleHints.mouseDoubleClickInterval
                    onTriggered: page.open(index)
                }

                MouseArea {
                    anchors.fill: parent
                    acceptedButtons: Qt.RightButton
                    onClicked: {
                                var index = tree.indexAt(mouse.x, mouse.y)
                        if (index.valid) {
                            tree.selection.setCurrentIndex(index, 0x0002 | 0x0001)
                            page.choose(index)
                        }
                        contextMenu.target = index
                        contextMenu.popup()
                    }
                }
            }

            Column {
                anchors.centerIn: parent
                spacing: 8
                visible: !files.loading && page.visibleRows === 0
                Label {
                    text: qsTr("还没有文档")
                    anchors.horizontalCenter: parent.horizontalCenter
                }
                Button {
                    text: qsTr("新建文件")
                    anchors.horizontalCenter: parent.horizontalCenter
                    onClicked: page.newDocument()
                }
                Button {
                    text: qsTr("云同步")
                    anchors.horizontalCenter: parent.horizontalCenter
                    onClicked: cloudDisk.sync(CloudDisk.Writer)
                }
            }

            BusyIndicator {
                anchors.centerIn: parent
                running: files.loading
                visible: running
            }
        }
    }

    Menu {
        id: contextMenu
        objectName: "treeMenu"
        property var target
        // As wide as its longest entry, which carries a document's name.
        width: {
            var widest = implicitWidth
            for (var i = 0; i < count; ++i)
                widest = Math.max(widest, itemAt(i).implicitWidth)
            return widest
        }

        MenuItem {
            text: qsTr("新建文件")
            onTriggered: page.newDocument()
        }
        MenuItem {
            text: qsTr("新建文件夹")
            onTriggered: files.newDir()
        }
        MenuItem {
            text: qsTr("重命名")
            enabled: contextMenu.target !== undefined && contextMenu.target.valid
            onTriggered: page.beginRename(contextMenu.target)
        }
        MenuItem {
            text: qsTr("删除") + " " + functions.getNameFromUrl(page.highlighted)
            enabled: String(page.highlighted) !== ""
            onTriggered: page.deleteCurrent()
        }
        MenuItem {
            text: qsTr("在文件夹中显示")
            onTriggered: files.showInFinder()
        }
        MenuItem {
            text: qsTr("合并并导出文档：") + page.nameOf(files.currentPath.toString())
            onTriggered: exportDialog.open()
        }
        MenuItem {
            text: qsTr("历史记录")
            onTriggered: page.showHistory(files.currentFile)
        }
    }

    FileDialog {
        id: exportDialog
        title: qsTr("合并并导出文档：") + page.nameOf(files.currentPath.toString())
        selectExisting: false
        defaultSuffix: "txt"
        nameFilters: ["Text files (*.txt)"]
        folder: shortcuts.documents
        onAccepted: files.exportThisBook(files.currentPath, fileUrl)
    }

    Connections {
        target: files
        function onExpand(index) {
            if (index.valid)
                tree.expand(index)
        }
        function onEnsureVisible(index) { Qt.callLater(page.syncHighlight) }
        function onCurrentFileChanged() { Qt.callLater(page.syncHighlight) }
        function onTreeChanged() { Qt.callLater(page.syncHighlight) }
    }
}
