import QtQuick 2.15
import QtTest 1.15
import TovaUi 0.1

// The typewriter text area on its own: pointer positions, clicks and the
// scroll rule without a fixed line.
TestCase {
    id: testCase
    name: "TyperTextArea"
    when: windowShown

    Component {
        id: areaComponent
        TyperTextArea {
            width: 400
            height: 200
            textFormat: TextEdit.PlainText
            style: TyperTextAreaStyle { textMargin: 20 }
        }
    }

    function makeArea(text) {
        var area = createTemporaryObject(areaComponent, testCase.parent)
        area.text = text
        area.textEdit.forceActiveFocus()
        waitForRendering(area)
        return area
    }

    function test_pressPositions() {
        var area = makeArea("short line\nsecond line")
        var edit = area.textEdit
        var first = edit.positionToRectangle(2)
        mousePress(edit, first.x + 1, first.y + first.height / 2)
        compare(area.clickedPosition, 2)
        mouseRelease(edit, first.x + 1, first.y + first.height / 2)
        // Far to the side of every character: no position.
        var end = edit.positionToRectangle(10)
        mousePress(edit, end.x + end.height * 3, end.y + end.height / 2)
        compare(area.clickedPosition, -1)
        mouseRelease(edit, end.x + end.height * 3, end.y + end.height / 2)
        // The click still puts the cursor at the end of that line.
        compare(edit.cursorPosition, 10)
        mouseMove(edit, first.x + 1, first.y + first.height / 2)
        compare(area.hoveredPosition, 2)
    }

    // Switched off, the resting pointer is not followed; switched on again,
    // the position under it is there at once, and it moves with the text
    // that moves under a pointer at rest.
    function test_followsPointerOnlyWhenAsked() {
        var area = makeArea("short line\nsecond line")
        var edit = area.textEdit
        area.followsPointer = false
        var first = edit.positionToRectangle(2)
        mouseMove(edit, first.x + 1, first.y + first.height / 2)
        compare(area.hoveredPosition, -1)
        var second = edit.positionToRectangle(14)
        mouseMove(edit, second.x + 1, second.y + second.height / 2)
        compare(area.hoveredPosition, -1)
        area.followsPointer = true
        compare(area.hoveredPosition, 14)
        fuzzyCompare(area.mouseX, edit.mapToItem(null, second.x + 1, 0).x, 1)
        // A line put in front moves the text under the resting pointer.
        edit.insert(0, "new first line\n")
        tryCompare(area, "hoveredPosition", 18)
        area.followsPointer = false
        compare(area.hoveredPosition, -1)
    }

    function test_scrollsLikePlainTextArea() {
        var lines = []
        for (var i = 0; i < 60; ++i)
            lines.push("line " + i)
        var area = makeArea(lines.join("\n"))
        compare(area.fixedCorsurPostion, 0)
        area.cursorPosition = area.length
        var r = area.cursorRectangle
        // The cursor's bottom sits one text margin above the view's bottom.
        compare(area.contentY, r.y + r.height + area.textMargin - area.height)
        area.cursorPosition = 0
        compare(area.contentY, area.cursorRectangle.y - area.textMargin)
        // A selection start that moves while the cursor stays also brings
        // the cursor back into a view scrolled away from it.
        area.cursorPosition = area.length
        area.contentY = 0
        area.select(10, area.length)
        compare(area.cursorPosition, area.length)
        compare(area.contentY, r.y + r.height + area.textMargin - area.height)
    }

    // Switched off, the view's own scroll bar never shows, also once the
    // text is longer than the view and has scrolled (the editor page has a
    // bar of its own for the whole document).
    function test_noScrollBarWhenSwitchedOff() {
        var lines = []
        for (var i = 0; i < 60; ++i)
            lines.push("line " + i)
        var area = makeArea(lines.join("\n"))
        area.verticalScrollBarPolicy = Qt.ScrollBarAlwaysOff
        area.cursorPosition = area.length
        verify(area.contentY > 0)
        waitForRendering(area)
        var shown = []
        var visit = function(item) {
            if (!item.visible)
                return
            if (String(item).indexOf("ScrollBar") >= 0 && item.width > 0 && item.height > 0)
                shown.push(String(item))
            for (var i = 0; i < item.children.length; ++i)
                visit(item.children[i])
        }
        visit(area)
        compare(shown, [])
    }

    // Plain typing goes into the text past the page's key handler; every
    // other key, before or after it, still reaches that handler first.
    function test_plainTypingPassesKeyHandler() {
        var area = makeArea("ab")
        var edit = area.textEdit
        edit.cursorPosition = 2
        var seen = []
        var modifierKeys = [Qt.Key_Shift, Qt.Key_Control, Qt.Key_Alt, Qt.Key_Meta]
        var record = function(event) {
            if (modifierKeys.indexOf(event.key) < 0)
                seen.push(event.key)
            if (event.key === Qt.Key_Escape)
                event.accepted = true
        }
        area.keyPressed.connect(record)
        keyClick(Qt.Key_C)
        keyClick("D")
        keyClick(Qt.Key_Space)
        compare(seen, [])
        keyClick(Qt.Key_Home, Qt.ControlModifier)
        compare(seen, [Qt.Key_Home])
        compare(edit.cursorPosition, 0)
        keyClick(Qt.Key_E)
        keyClick(Qt.Key_Escape)
        keyClick(Qt.Key_Right)
        keyClick(Qt.Key_F)
        compare(seen, [Qt.Key_Home, Qt.Key_Escape, Qt.Key_Right])
        compare(edit.getText(0, edit.length), "eafbcD ")
        area.keyPressed.disconnect(record)
    }
}
