import QtQuick 2.15
import QtQuick 2.15 as Q
import QtQuick.Controls 1.4
import TovaUi 0.1

// Text area of the editor: a scroll view over a text edit that can hold the
// cursor line at a fixed distance above the bottom of the view (typewriter
// mode), reports pointer positions for word marks and lets the page drive its
// scroll offset. Without a fixed distance it scrolls like a plain text area.
ScrollView {
    id: area

    // Distance in pixels between the bottom of the view and the cursor line
    // while typing; 0 switches typewriter scrolling off.
    property int fixedCorsurPostion: 0
    // Whether the text position under a resting pointer (hoveredPosition,
    // mouseX, mouseY) is kept up to date. A pointer resting over the text is
    // reported again on every frame, so a page that has no use for it
    // switches it off; hoveredPosition is then -1.
    property bool followsPointer: true
    readonly property int hoveredPosition: pointer.hoveredPosition
    readonly property int clickedPosition: pointer.clickedPosition
    property bool hoveredMarkText: false
    readonly property real mouseX: pointer.mouseX
    readonly property real mouseY: pointer.mouseY
    property alias contentY: flick.contentY
    property color selectionColor: g_theme.selectedColor
    property color selectedTextColor: g_theme.highlightedTextColor
    property var menu: null
    // What a screen reader calls the text (the document's name).
    property string accessibleName: ""

    property alias textDocument: edit.textDocument
    property alias text: edit.text
    property alias textFormat: edit.textFormat
    property alias font: edit.font
    property alias wrapMode: edit.wrapMode
    property alias readOnly: edit.readOnly
    property alias selectByMouse: edit.selectByMouse
    property alias cursorPosition: edit.cursorPosition
    property alias selectionStart: edit.selectionStart
    property alias selectionEnd: edit.selectionEnd
    readonly property alias selectedText: edit.selectedText
    readonly property alias lineCount: edit.lineCount
    readonly property alias length: edit.length
    readonly property alias cursorRectangle: edit.cursorRectangle
    readonly property alias textEdit: edit
    // Height of the text itself with its top padding (the typewriter tail
    // below the text is not counted).
    readonly property real textContentHeight: edit.contentHeight + edit.topPadding
    readonly property real textMargin: edit.textMargin

    signal clicked()
    signal doubleClicked()
    signal leftButtonPressed()
    signal rightButtonPressed()
    signal pressAndHold()
    signal released()
    // Every key press of the text edit but plain typing, before the edit
    // handles it; a handler that sets event.accepted keeps it from the edit.
    signal keyPressed(var event)

    frameVisible: false
    horizontalScrollBarPolicy: Qt.ScrollBarAlwaysOff

    function styleValue(name, fallback) {
        return __style && __style[name] !== undefined ? __style[name] : fallback
    }

    // Keeps the cursor in view; with a fixed distance, the cursor line stays
    // at that height while typing.
    function ensureVisible() {
        // A wheel's flick still under way would carry the view off again.
        flick.cancelFlick()
        var r = edit.cursorRectangle
        var t = edit.textMargin
        var f = fixedCorsurPostion
        var h = flick.height
        if (r.y >= flick.contentY + h - r.height - t + f)
            flick.contentY = r.y - h + r.height + t + f
        else if (r.y < flick.contentY)
            flick.contentY = r.y - t
        else if (f !== 0)
            flick.contentY = r.y - h + r.height + t + f
        cursorInView = true
    }
    // Whether the view showed the cursor after the last scroll or cursor
    // move: a resize then keeps it in view as the text flows anew.
    property bool cursorInView: true
    function noteCursorInView() {
        var r = edit.cursorRectangle
        cursorInView = r.y + r.height > flick.contentY && r.y < flick.contentY + flick.height
    }
    function keepCursorInView() {
        if (cursorInView)
            Qt.callLater(ensureVisible)
    }
    function keepsView(key) {
        return key === Qt.Key_PageUp || key === Qt.Key_PageDown || key === Qt.Key_Escape || key === Qt.Key_Shift
            || key === Qt.Key_Control || key === Qt.Key_Alt || key === Qt.Key_Meta || key === Qt.Key_AltGr
            || key === Qt.Key_CapsLock
    }
    function update() { edit.update() }
    function append(string) {
        edit.insert(edit.length, (edit.length > 0 ? "\n" : "") + string)
        flick.contentY = Math.max(0, flick.contentHeight - flick.height)
    }
    function positionAt(x, y) { return edit.positionAt(x, y) }
    function positionToRectangle(position) { return edit.positionToRectangle(position) }
    function select(start, end) { edit.select(start, end) }
    function selectWord() { edit.selectWord() }
    function deselect() { edit.deselect() }
    function insert(position, text) { edit.insert(position, text) }
    function remove(start, end) { edit.remove(start, end) }
    function getText(start, end) { return edit.getText(start, end) }
    function moveCursorSelection(position, mode) { edit.moveCursorSelection(position, mode) }

    // QtQuick's own flickable: this module's Flickable would add a scroll
    // bar of its own, over the window and not the document.
    Q.Flickable {
        id: flick
        flickableDirection: Q.Flickable.VerticalFlick
        boundsBehavior: Q.Flickable.DragAndOvershootBounds
        interactive: !edit.selectByMouse
        contentWidth: width
        contentHeight: edit.contentHeight + (area.fixedCorsurPostion !== 0 ? area.height : 0)
        onContentYChanged: area.noteCursorInView()
        onWidthChanged: area.keepCursorInView()
        onHeightChanged: area.keepCursorInView()

        TextEdit {
            id: edit
            objectName: "typerTextEdit"
            // A screen reader reads, edits and follows the text here.
            Accessible.role: Accessible.EditableText
            Accessible.name: area.accessibleName
            Accessible.multiLine: true
            Accessible.editable: !readOnly
            Accessible.readOnly: readOnly
            Accessible.focusable: true
            Accessible.focused: activeFocus
            width: flick.width
            height: Math.max(flick.height, contentHeight + area.fixedCorsurPostion)
            topPadding: area.fixedCorsurPostion
            textFormat: TextEdit.RichText
            wrapMode: TextEdit.Wrap
            persistentSelection: true
            selectByMouse: true
            focus: true
            renderType: area.styleValue("renderType", Text.NativeRendering)
            textMargin: area.styleValue("textMargin", 4)
            color: area.styleValue("textColor", "black")
            selectionColor: area.styleValue("selectionColor", area.selectionColor)
            selectedTextColor: area.styleValue("selectedTextColor", area.selectedTextColor)

            onCursorPositionChanged: {
                area.ensureVisible()
                area.noteCursorInView()
            }
            // A selection start at the cursor moved with it: the cursor's
            // handler has already run (typing moves both).
            onSelectionStartChanged: if (selectionStart !== cursorPosition) area.ensureVisible()

            // Plain typing goes straight to the text, past this handler.
            PlainKeys { item: edit }
            Keys.onPressed: {
                // Whatever the key does happens at the cursor, which comes
                // into view first; only scrolling and bare modifiers leave
                // the view where it is. (Typing moves the cursor into view.)
                if (!area.keepsView(event.key))
                    area.ensureVisible()
                area.keyPressed(event)
                if (event.accepted)
                    return
                if (event.key === Qt.Key_PageUp || event.key === Qt.Key_PageDown) {
                    var step = event.key === Qt.Key_PageUp ? -area.height : area.height
                    var bottom = Math.max(0, flick.contentHeight - flick.height)
                    flick.contentY = Math.max(0, Math.min(bottom, flick.contentY + step))
                    event.accepted = true
                }
            }

            // Watches the pointer without taking its events from the text.
            Item {
                id: pointer
                anchors.fill: parent
                property int hoveredPosition: -1
                property int clickedPosition: -1
                property real mouseX: 0
                property real mouseY: 0

                // The text position under a point, or -1 when the point lies
                // a line height or more to the side of that character.
                function positionNear(p) {
                    var position = edit.positionAt(p.x, p.y)
                    var r = edit.positionToRectangle(position)
                    var distance = Math.min(Math.abs(p.x - r.x), Math.abs(p.x - (r.x + r.width)))
                    if (p.x >= r.x && p.x <= r.x + Math.max(r.width, 1))
                        distance = 0
                    return distance < r.height ? position : -1
                }
                function follow(p) {
                    var mapped = edit.mapToItem(null, p.x, p.y)
                    mouseX = mapped.x
                    mouseY = mapped.y
                }

                function track() {
                    if (!hover.hovered)
                        return
                    follow(hover.point.position)
                    hoveredPosition = positionNear(hover.point.position)
                }

                HoverHandler {
                    id: hover
                    cursorShape: edit.hoveredLink !== "" || area.hoveredMarkText ? Qt.PointingHandCursor : Qt.IBeamCursor
                }
                Connections {
                    target: hover
                    enabled: area.followsPointer
                    function onPointChanged() { pointer.track() }
                }
                Connections {
                    target: area
                    function onFollowsPointerChanged() {
                        if (area.followsPointer)
                            pointer.track()
                        else
                            pointer.hoveredPosition = -1
                    }
                }
                // Only observes (a point handler never takes the events
                // from the text edit below it).
                PointHandler {
                    id: press
                    acceptedButtons: Qt.LeftButton | Qt.RightButton
                    property real lastPress: 0
                    property point pressedAt
                    onActiveChanged: {
                        if (!active) {
                            holdTimer.stop()
                            area.released()
                            return
                        }
                        if (point.pressedButtons & Qt.RightButton)
                            area.rightButtonPressed()
                        else
                            area.leftButtonPressed()
                        area.clicked()
                        pressedAt = point.position
                        pointer.follow(point.position)
                        pointer.clickedPosition = pointer.positionNear(point.position)
                        var now = Date.now()
                        if (now - lastPress < Qt.styleHints.mouseDoubleClickInterval)
                            area.doubleClicked()
                        lastPress = now
                        holdTimer.restart()
                        if (!area.menu)
                            edit.forceActiveFocus()
                    }
                    onPointChanged: {
                        var d = Qt.styleHints.startDragDistance
                        if (active && (Math.abs(point.position.x - pressedAt.x) > d || Math.abs(point.position.y - pressedAt.y) > d))
                            holdTimer.stop()
                    }
                }
                Timer {
                    id: holdTimer
                    interval: Qt.styleHints.mousePressAndHoldInterval
                    onTriggered: {
                        area.pressAndHold()
                        if (area.menu)
                            return
                        edit.cursorPosition = edit.positionAt(press.pressedAt.x, press.pressedAt.y)
                        if (edit.selectByMouse)
                            edit.selectWord()
                        edit.forceActiveFocus()
                    }
                }
            }
        }
    }
}
