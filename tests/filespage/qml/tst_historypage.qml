import QtQuick 2.15
import QtTest 1.15

Item {
    width: 400
    height: 600

    Loader {
        id: loader
        anchors.fill: parent
        source: "qrc:/qml/page/HistoryPage.qml"
        onLoaded: item.document = "file://" + documentRoot + "/第1章.txt"
    }

    // Stands in for the main window: records the documents it is asked to open.
    QtObject {
        id: applicationWindow
        property var opened: []
        function openFile(file) { opened = opened.concat([file]) }
    }

    Loader {
        id: notes
        anchors.fill: parent
        source: "qrc:/qml/page/NotesPage.qml"
    }

    TestCase {
        name: "HistoryPage"
        when: windowShown

        function test_onlyThatDocumentsSnapshots() {
            verify(loader.status === Loader.Ready, "page loads")
            tryCompare(loader.item, "count", 2, 5000)
            var model = loader.item.model
            compare(model.get(0, "fileHistoryName"), "第1章")
            // Time order, reversed: the oldest first.
            compare(model.get(0, "fileName"), "第1章---100.txt")
            compare(model.get(1, "fileName"), "第1章---300.txt")
        }

        function test_chosenSnapshotIsShown() {
            tryCompare(loader.item, "count", 2, 5000)
            var preview = findChild(loader.item, "historyPreviewText")
            verify(preview)
            verify(!findChild(loader.item, "historyPreview").visible)
            loader.item.chosen = loader.item.model.get(0, "fileUrl")
            compare(preview.text, "old")
            verify(findChild(loader.item, "historyPreview").visible)
            loader.item.chosen = ""
        }

        function test_notesListed() {
            verify(notes.status === Loader.Ready, "notes page loads")
            tryVerify(function() { return notes.item.loaded }, 5000)
            wait(200)
            var before = notes.item.count
            applicationWindow.opened = []
            mouseClick(findChild(notes.item, "newNoteButton"))
            tryCompare(notes.item, "count", before + 1, 5000)
            // The new note opens in the editor.
            compare(applicationWindow.opened.length, 1)
            compare(applicationWindow.opened[0], files.noteCurrentFile.toString())
        }
    }
}
