import QtQuick 2.15
import QtTest 1.15

Item {
    id: root
    width: 400
    height: 600

    // Stands in for the main window: records the documents it is asked to open.
    QtObject {
        id: applicationWindow
        property var opened: []
        function openFile(file) { opened = opened.concat([file]) }
        property var histories: []
        function showFileHistory(name) { histories = histories.concat([String(name)]) }
    }

    // Somewhere else to click.
    Item {
        id: elsewhere
        focus: false
    }

    Loader {
        id: loader
        anchors.fill: parent
        source: "qrc:/qml/page/FilesPage.qml"
    }

    TestCase {
        name: "FilesPage"
        when: windowShown

        function namesAtTop() {
            var names = []
            for (var r = 0; r < files.model.rowCount(files.index); ++r)
                names.push(files.model.data(files.model.index(r, 0, files.index)))
            return names
        }

        function test_listsTheFolder() {
            verify(loader.status === Loader.Ready, "page loads")
            var tree = loader.item.treeView
            tryCompare(files, "loading", false, 5000)
            tryCompare(loader.item, "visibleRows", 4, 5000)
            compare(namesAtTop(), ["Book", "第1章.txt", "第2章.txt", "第10章.txt"])
        }

        function test_clickOpensDocument() {
            tryCompare(loader.item, "visibleRows", 4, 5000)
            applicationWindow.opened = []
            loader.item.open(files.model.index(1, 0, files.index))
            compare(applicationWindow.opened.length, 1)
            compare(applicationWindow.opened[0], "file://" + documentRoot + "/第1章.txt")
            // A book without an index document only expands.
            loader.item.open(files.model.index(0, 0, files.index))
            verify(applicationWindow.opened.length <= 2)
        }

        // Every Image named "entryIcon" below an item.
        function entryIcons(item, found) {
            found = found || []
            if (item.objectName === "entryIcon")
                found.push(item)
            var children = item.children || []
            for (var i = 0; i < children.length; ++i)
                entryIcons(children[i], found)
            return found
        }

        function test_entriesShowTheirIcons() {
            tryCompare(loader.item, "visibleRows", 4, 5000)
            var sources = []
            tryVerify(function() {
                sources = entryIcons(loader.item).filter(function(i) { return i.visible && i.status === Image.Ready })
                                                 .map(function(i) { return String(i.source) })
                return sources.length >= 4
            }, 5000, "every row shows a loaded icon")
            verify(sources.indexOf("qrc:/source/images/folder.png") >= 0, sources)
            verify(sources.indexOf("qrc:/source/images/file-text.png") >= 0, sources)
        }

        function test_deletedDocumentLeavesNothingSelected() {
            var before = loader.item.visibleRows
            var url = files.newFile()
            files.currentFile = url
            tryCompare(loader.item, "visibleRows", before + 1, 5000)
            loader.item.deleteCurrent()
            verify(!functions.isFileExist(url), "the document is deleted")
            compare(files.currentFile.toString(), "")
            verify(!loader.item.treeView.selection.hasSelection)
            tryCompare(loader.item, "visibleRows", before, 5000)
        }

        function test_historyOfTheDocument() {
            applicationWindow.histories = []
            loader.item.showHistory("file://" + documentRoot + "/第1章.txt")
            loader.item.showHistory("file://" + documentRoot + "/Book/index.txt")
            loader.item.showHistory("")
            compare(applicationWindow.histories, ["file://" + documentRoot + "/第1章.txt", "file://" + documentRoot + "/Book/index.txt"])
        }

        function visibleRenameField(item) {
            if (item.objectName === "renameField" && item.visible)
                return item
            var children = item.children || []
            for (var i = 0; i < children.length; ++i) {
                var found = visibleRenameField(children[i])
                if (found)
                    return found
            }
            return null
        }

        // Runs last (the names sort after the others): it renames a document.
        function test_zz_renameKeepsTypingWhenFocusLeaves() {
            tryCompare(loader.item, "visibleRows", 5, 5000)
            var row = namesAtTop().indexOf("第2章.txt")
            verify(row >= 0)
            loader.item.beginRename(files.model.index(row, 0, files.index))
            var field = null
            tryVerify(function() { field = visibleRenameField(loader.item); return field !== null }, 2000)
            verify(field.activeFocus)
            field.text = "序章"
            elsewhere.forceActiveFocus()
            tryVerify(function() { return functions.isFileExist("file://" + documentRoot + "/序章.txt") }, 2000)
            verify(!functions.isFileExist("file://" + documentRoot + "/第2章.txt"))
            compare(loader.item.editingPath, "")
        }

        function test_newDocumentShowsUp() {
            var tree = loader.item.treeView
            var button = findChild(loader.item, "newFileButton")
            verify(button)
            mouseClick(button)
            tryCompare(loader.item, "visibleRows", 5, 5000)
            compare(files.currentFile.toString(), "file://" + documentRoot + "/第11章.txt")
            // It opens for writing straight away.
            compare(applicationWindow.opened[applicationWindow.opened.length - 1], files.currentFile.toString())
        }
    }
}
