import QtQuick 2.15
import QtQuick.Controls 2.15 as C
import QtQuick.Layouts 1.15
import QtQuick.Dialogs 1.3 as D
import TovaUi 0.1
import "../widget"

// The document tab area: opens documents in tabs of editor pages (a file
// already open only activates its tab), closes them after a successful save,
// saves them all, mirrors the current file into the settings, the files
// object and the word-count registry, and passes the main window's commands
// to the current editor page.
Rectangle {
    id: tabPage
    objectName: "documentTabPage"

    // The main window whose commands the page answers.
    property var window: typeof applicationWindow !== "undefined" ? applicationWindow : null

    readonly property int count: tabModel.count
    readonly property int currentIndex: tabBar.currentIndex
    readonly property var currentPage: currentIndex >= 0 && currentIndex < pages.length ? pages[currentIndex] : null
    readonly property bool currentIsEditor: isEditor(currentPage)
    readonly property var currentEditor: currentIsEditor ? currentPage : null

    // Whether a sheet or dialog covers the window (set by the window).
    property bool covered: !!window && window.sheetOpen === true
    // The one answer to whether the current editor may act on keys: its tab
    // is in front (not Preferences, History or another page) and no sheet
    // covers it. The menu entries, their shortcuts and the editor's own key
    // handling all ask this.
    readonly property bool editorInFront: currentIsEditor && !covered

    // Availability of the edit commands, for the menus.
    property bool isUndoAvailable: editorInFront && !!currentEditor && currentEditor.isUndoAvailable
    property bool isRedoAvailable: editorInFront && !!currentEditor && currentEditor.isRedoAvailable
    property bool isCutAvailable: editorInFront && !!currentEditor && currentEditor.isCutAvailable
    property bool isCopyAvailable: editorInFront && !!currentEditor && currentEditor.isCopyAvailable
    property bool isSelectAllAvailable: editorInFront && !!currentEditor && currentEditor.isSelectAllAvailable
    property bool isPasteAvailable: editorInFront && !!currentEditor && currentEditor.isPasteAvailable
    property bool isMakeupAvailable: editorInFront && !!currentEditor && currentEditor.isMakeupAvailable

    // Pages in tab order (the model holds their titles and URLs).
    property var pages: []
    // The width at the start edge that a floating drawer covers; the status
    // bar's counts start beside it.
    property real drawerWidth: 0

    color: g_theme.baseColor

    // Editor pages (documents on disk or built-in texts) and the other pages.
    function isEditor(page) { return !!page && typeof page.saveForClose === "function" }
    function isFilePage(page) { return isEditor(page) && String(page.objectName).indexOf("file:") === 0 }
    function notice(text, type) { message.show(text, type === undefined ? 16 : type) }
    function keyOf(name) { return keys.message + keys.getKey(name) }

    // A document's tab is found by the file it shows (one file, one tab,
    // however its address is written); other tabs by their address.
    function indexOf(url) {
        var file = String(url).indexOf("file:") === 0
        for (var i = 0; i < pages.length; ++i) {
            var name = String(pages[i].objectName)
            if (file ? name.indexOf("file:") === 0 && functions.isSameFile(name, url) : name === String(url))
                return i
        }
        return -1
    }

    function tabTitle(page) {
        if (!page)
            return ""
        var index = pages.indexOf(page)
        var title = page.title !== undefined && page.title !== "" ? page.title
                  : index >= 0 && index < tabModel.count ? tabModel.get(index).title : ""
        if (page.deleted === true)
            title += qsTr(" (已删除)")
        if (isFilePage(page) && cglobal.isExternal(page.fileName))
            title += qsTr(" (外部文档)")
        return title
    }

    function addPage(page, url, title) {
        var list = pages.slice()
        list.push(page)
        pages = list
        tabModel.append({ url: String(url), title: title === undefined ? "" : String(title) })
        tabBar.setCurrentIndex(list.length - 1)
    }

    // Opens a document in a tab, or activates its tab when it is open.
    function openFile(file) {
        var url = String(file)
        if (url === "" || !functions.isFileExist(url))
            return
        // Only a regular file is a document: a device, a FIFO or a folder
        // is not read at all.
        var problem = functions.documentProblem(url)
        if (problem !== "") {
            notice(qsTr("无法打开“%1”：%2").arg(decodeURIComponent(url.replace(/^file:\/\//, ""))).arg(problem), 0)
            return
        }
        var open = indexOf(url)
        if (open >= 0) {
            tabBar.setCurrentIndex(open)
            Qt.callLater(focusPage, pages[open])
            return
        }
        if (currentEditor && currentEditor.loading) {
            notice(qsTr("请稍等,等正在载入中的文件载入完成后再打开。"))
            return
        }
        if (url.indexOf("file:") === 0)
            files.setRecentFile(url)
        var page = editorComponent.createObject(stack, { fileName: url, objectName: url })
        if (!page) {
            console.log("error loading component:", editorComponent.errorString())
            return
        }
        page.inFront = Qt.binding(function() { return tabPage.currentPage === page && tabPage.editorInFront })
        addPage(page, url)
    }

    // Opens a QML page as a tab.
    function openWidget(file, title) {
        var url = String(file)
        var open = indexOf(url)
        if (open >= 0) {
            tabBar.setCurrentIndex(open)
            return
        }
        var component = Qt.createComponent(url)
        if (component.status !== Component.Ready) {
            console.log("error loading component:", component.errorString())
            return
        }
        var page = component.createObject(stack, { objectName: url })
        if (!page) {
            console.log("error loading component:", url)
            return
        }
        addPage(page, url, title)
    }

    function removeAt(index) {
        var page = pages[index]
        var list = pages.slice()
        list.splice(index, 1)
        pages = list
        tabModel.remove(index)
        if (page)
            page.destroy()
        updateCurrent()
    }

    // Closes the current tab; an editor's tab only once its text is saved.
    function close() {
        closeAt(currentIndex)
    }
    function closeAt(index) {
        var page = pages[index]
        if (!page)
            return
        if (isEditor(page)) {
            if (!page.saveForClose()) {
                if (page.deleted)
                    askCloseDeleted(page)
                else
                    notice(qsTr("保存失败，文档没有关闭。"), 1)
                return
            }
            wordCountModel.closeFile(page.fileName)
            page.exit()
        }
        removeAt(index)
    }
    // A document whose file is gone and cannot be written again closes
    // only when the writer says so, told where its text is kept (Enter
    // closes only then).
    function askCloseDeleted(page) {
        var kept = page.document.keepUnsaved()
        var box = closeDeletedQuestion.createObject(tabPage, {
            text: kept !== "" ? qsTr("文件已被删除，无法保存。未保存的文字已存入：%1\n关闭这个文档吗？").arg(kept)
                              : qsTr("文件已被删除，无法保存，未保存的文字也无处存放：关闭后这些文字会丢失。\n关闭这个文档吗？"),
            okOnEnter: kept !== ""
        })
        box.ok.connect(function() { closeFile(page.fileName) })
        box.closed.connect(function() { box.destroy() })
        box.show()
    }
    Component {
        id: closeDeletedQuestion
        MessageBox { objectName: "closeDeletedQuestion"; okTitle: qsTr("关闭") }
    }

    // Removes the tab of a file that is gone, without saving.
    function closeFile(file) {
        var index = indexOf(file)
        if (index < 0)
            return
        var page = pages[index]
        wordCountModel.closeFile(page.fileName)
        page.exit()
        removeAt(index)
    }

    // A document or book renamed in the tree: its tabs take the new name
    // with their text, edits, history and counts, so nothing is written
    // under the old name again.
    function followMove(from, to) {
        var oldUrl = String(from)
        var newUrl = String(to)
        var moved = false
        for (var i = 0; i < pages.length; ++i) {
            var page = pages[i]
            if (!isFilePage(page))
                continue
            var url = String(page.fileName)
            var now = url === oldUrl ? newUrl
                    : url.indexOf(oldUrl + "/") === 0 ? newUrl + url.substring(oldUrl.length) : ""
            if (now === "")
                continue
            page.document.followRename(now)
            page.deleted = false
            page.fileName = now
            page.objectName = now
            page.countHandler.fileName = now
            tabModel.setProperty(i, "url", now)
            wordCountModel.closeFile(url)
            moved = true
        }
        if (moved)
            updateCurrent()
    }

    function saveAllNoTips() {
        var ok = true
        for (var i = 0; i < pages.length; ++i) {
            if (isFilePage(pages[i]) && !pages[i].save())
                ok = false
        }
        return ok
    }
    // A failed save has already been told, with its file, by the document.
    // Asked by the writer, a document whose file is gone is written again
    // (or the write says why not).
    function saveAll() {
        var ok = true
        for (var i = 0; i < pages.length; ++i) {
            if (isFilePage(pages[i]) && !pages[i].saveForClose())
                ok = false
        }
        if (ok)
            notice(qsTr("Saved successfully"))
    }

    // The current file goes to the settings, the files object and the
    // word-count registry.
    function updateCurrent() {
        var index = tabBar.currentIndex
        for (var i = 0; i < pages.length; ++i) {
            if (pages[i] && pages[i].isCurrent !== undefined)
                pages[i].isCurrent = i === index
        }
        var editor = index >= 0 && isEditor(pages[index]) ? pages[index] : null
        cglobal.isCurrentEdit = !!editor
        // The keyboard goes with the page in front: a page left behind
        // keeps no focus that would take the keys meant for the new one.
        if (index >= 0 && pages[index])
            Qt.callLater(focusPage, pages[index])
        if (!editor)
            return
        csettings.currentFile = String(editor.fileName)
        files.currentFile = editor.fileName
        wordCountModel.setCurrentFile(editor.fileName)
    }

    function focusPage(page) {
        if (page !== currentPage || covered)
            return
        if (isEditor(page)) {
            page.focusText()
            return
        }
        // Another page: its first control, from where Tab goes on.
        var first = page.nextItemInFocusChain(true)
        for (var p = first; p; p = p.parent) {
            if (p === page) {
                first.forceActiveFocus()
                return
            }
        }
        page.forceActiveFocus()
    }

    // The main window's commands act on the current editor only while it
    // is in front.
    function withEditor(action) {
        if (editorInFront && currentEditor)
            action(currentEditor)
    }

    Component { id: editorComponent; LazyEdit {} }
    ListModel { id: tabModel }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0
        visible: tabModel.count > 0

        C.TabBar {
            id: tabBar
            objectName: "tabBar"
            Layout.fillWidth: true
            // tabs that do not fit scroll within the strip instead of
            // running under the column beside it
            clip: true
            onCurrentIndexChanged: tabPage.updateCurrent()
            // The strip runs left to right in every language: mirrored, its
            // list places tabs of their own width outside the strip, where
            // a newly opened document's tab cannot be seen.
            LayoutMirroring.enabled: false
            LayoutMirroring.childrenInherit: true
            background: Rectangle { color: g_theme.functionAreaColor }
            Repeater {
                model: tabModel
                C.TabButton {
                    id: tabButton
                    readonly property var page: index < tabPage.pages.length ? tabPage.pages[index] : null
                    objectName: "tab_" + index
                    width: Math.max(120, implicitWidth)
                    implicitHeight: 32
                    // Asking whether the file lies outside the library reads
                    // the disk: done when the page, its title or the document
                    // folder changes, not on every edit that marks it unsaved.
                    readonly property string title: files.documentPath, tabPage.tabTitle(page)
                    text: title + (page && page.isModified ? " \u2022" : "")
                    rightPadding: 28
                    font.bold: checked
                    // A click on the tab already in front gives the keyboard
                    // back to its page too (another tab's does on the change).
                    onClicked: Qt.callLater(tabPage.focusPage, page)
                    // Theme colours: the current tab takes the page colour
                    // and a bar in the accent colour along its top, so that
                    // it stands out in every theme; the others the tab
                    // strip's. The keyboard's place is framed.
                    background: Rectangle {
                        color: tabButton.checked ? g_theme.baseColor
                                                 : (tabButton.hovered ? g_theme.hoverdColor : g_theme.tabColor)
                        border.width: tabButton.visualFocus ? 2 : 0
                        border.color: g_theme.accentColor
                        Rectangle {
                            objectName: "frontMark"
                            visible: tabButton.checked
                            width: parent.width
                            height: 3
                            color: g_theme.accentColor
                        }
                    }
                    contentItem: Text {
                        text: tabButton.text
                        font: tabButton.font
                        color: g_theme.foregroundColor
                        elide: Text.ElideRight
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                    }
                    ToolButton {
                        objectName: "closeTab"
                        anchors.right: parent.right
                        anchors.verticalCenter: parent.verticalCenter
                        text: "\u2715"
                        implicitWidth: 24
                        implicitHeight: 24
                        hoverText: tabPage.isEditor(tabButton.page) ? qsTr("保存并关闭文档") : qsTr("关闭")
                        onClicked: tabPage.closeAt(index)
                    }
                }
            }
        }

        StackLayout {
            id: stack
            objectName: "tabStack"
            Layout.fillWidth: true
            Layout.fillHeight: true
            currentIndex: tabBar.currentIndex
        }

        // Status bar: the current document's counts.
        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: 24
            color: g_theme.statusBarColor
            RowLayout {
                anchors.fill: parent
                anchors.leftMargin: 8 + tabPage.drawerWidth
                anchors.rightMargin: 8
                CountLabel { hasDocument: !!tabPage.currentEditor; loading: hasDocument && tabPage.currentEditor.loading }
                Item { Layout.fillWidth: true }
                ThroughLabel {}
                LockerLabel {}
                CloudButton {}
            }
        }
    }

    // With no tab open: the application name and how to begin.
    Column {
        objectName: "documentTips"
        anchors.centerIn: parent
        spacing: 12
        visible: tabModel.count === 0
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: cglobal.appName()
            color: g_theme.foregroundColor
            font.pixelSize: 28
            font.bold: true
        }
        Repeater {
            // One sentence each; the names and the keys are isolated so that
            // each reads as a whole in a right-to-left sentence too.
            function way(what, menu, entry, key) {
                var isolated = function(text) { return "\u2068" + text + "\u2069" }
                return qsTr("%1：选择“%2”菜单中的“%3”，或按 %4")
                    .arg(what).arg(isolated(menu)).arg(isolated(entry)).arg(isolated(key))
            }
            model: [
                way(qsTr("Open a document"), qsTr("文件"), qsTr("打开"), tabPage.keyOf("fileOpen")),
                way(qsTr("New a document"), qsTr("文件"), qsTr("新建"), tabPage.keyOf("fileNew")),
                way(qsTr("偏好设置"), qsTr("工具"), qsTr("偏好设置"), tabPage.keyOf("showSetting"))
            ]
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                // wrapped within a narrow pane (a small or highly scaled screen)
                width: Math.min(implicitWidth, tabPage.width - 32)
                wrapMode: Text.Wrap
                horizontalAlignment: Text.AlignHCenter
                text: modelData
                color: g_theme.secondaryTextColor
                font.pixelSize: 13
            }
        }
    }

    D.FileDialog {
        id: openDialog
        title: qsTr("打开")
        nameFilters: ["*.txt *.md"]
        onAccepted: tabPage.openFile(fileUrl)
    }
    D.FileDialog {
        id: saveAsDialog
        title: qsTr("另存为")
        selectExisting: false
        nameFilters: ["*.txt *.md"]
        onAccepted: tabPage.withEditor(function(e) {
            if (e.saveAs(fileUrl))
                tabPage.openFile(fileUrl)
        })
    }
    D.FileDialog {
        id: importFilesDialog
        title: qsTr("导入文件")
        selectMultiple: true
        nameFilters: ["*.txt *.md"]
        onAccepted: files.importFiles(fileUrls, files.currentPath)
    }
    D.FileDialog {
        id: importDirDialog
        title: qsTr("导入文件夹")
        selectFolder: true
        onAccepted: files.importDir(fileUrl, files.currentPath)
    }

    Connections {
        target: tabPage.window
        ignoreUnknownSignals: true
        function onOpenFile(file) { tabPage.openFile(file) }
        function onOpenWidget(file, name) { tabPage.openWidget(file, name) }
        function onCloseDocument() { tabPage.close() }
        function onCloseFile(file) { tabPage.closeFile(file) }
        function onSaveAll() { tabPage.saveAll() }
        function onSaveAllNoTips() { tabPage.saveAllNoTips() }
        function onOpen() {
            // The desktop dialog takes its folder when it is shown, so the
            // folder is set again once it is open.
            var folder = String(files.currentPath) !== "" ? files.currentPath : files.documentUrl
            openDialog.folder = folder
            openDialog.open()
            openDialog.folder = folder
        }
        function onSaveAs() { if (tabPage.currentEditor) saveAsDialog.open() }
        function onImportFiles() { importFilesDialog.open() }
        function onImportDir() { importDirDialog.open() }
        function onNewFile() {
            var url = files.newFile()
            // A file that could not be made has been told already.
            if (String(url) !== "" && functions.isFileExist(url))
                tabPage.openFile(url)
        }
        function onNewDir() { files.newDir() }
        function onDelFile() { files.delFile() }
        function onShowReadme() { tabPage.openFile("qrc:/source/Readme/Readme_" + csettings.language + ".md") }
        function onPaste() { tabPage.withEditor(function(e) { e.paste() }) }
        function onAddChapterName() { tabPage.withEditor(function(e) { e.addChapterName() }) }
        function onFind() { tabPage.withEditor(function(e) { e.showFind(false) }) }
        function onReplace() { tabPage.withEditor(function(e) { e.showFind(true) }) }
        function onUndo() { tabPage.withEditor(function(e) { e.undo() }) }
        function onRedo() { tabPage.withEditor(function(e) { e.redo() }) }
        function onCut() { tabPage.withEditor(function(e) { e.cut() }) }
        function onCopy() { tabPage.withEditor(function(e) { e.copy() }) }
        function onSelectAll() { tabPage.withEditor(function(e) { e.selectAll() }) }
        function onSelectThisChapter() { tabPage.withEditor(function(e) { e.selectThisChapter() }) }
        function onGotoLine(line) { tabPage.withEditor(function(e) { e.gotoLine(line) }) }
        function onMakeup() { tabPage.withEditor(function(e) { e.makeup() }) }
        function onShowSubtle() { tabPage.withEditor(function(e) { if (e.showSubtle) e.showSubtle() }) }
    }

    Connections {
        target: files
        ignoreUnknownSignals: true
        function onMoved(from, to) { tabPage.followMove(from, to) }
        // Before a rename or a delete: files takes what it needs of each
        // document (it picks those under the target itself).
        function onChanging(target) {
            for (var i = 0; i < tabPage.pages.length; ++i) {
                if (tabPage.isFilePage(tabPage.pages[i]))
                    files.offerOpenDocument(tabPage.pages[i].document)
            }
        }
    }

    // At start the last current file opens again (pages are not reopened).
    Component.onCompleted: {
        var file = csettings.currentFile === undefined ? "" : String(csettings.currentFile)
        if (file !== "" && !/\.qml$/.test(file))
            openFile(file)
    }
}
