import QtQuick 2.15
import QtTest 1.15

Item {
    width: 400
    height: 600

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
        name: "NotesPage"
        when: windowShown

        function test_notesListed() {
            verify(notes.status === Loader.Ready, "notes page loads")
            // Asking for the current note makes one when there is none; the
            // list shows it before the count is taken.
            verify(files.noteCurrentFile.toString() !== "")
            tryVerify(function() { return notes.item.loaded && notes.item.count >= 1 }, 5000)
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
