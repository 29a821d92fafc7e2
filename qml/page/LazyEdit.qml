import QtQuick 2.15
import QtQuick.Controls 2.15 as C
import QtQuick.Controls.Styles 1.4
import QtQuick.Window 2.15
import TovaUi 0.1
import com.velmora.clouddisk 1.0
import com.velmora.count 1.0
import "../widget"

// The editor page of one document tab: the typewriter text area showing the
// window of a LazyTextDocument, bound to the settings, with its counting
// handler, the find bar, the context menu, the typewriter marks and the
// whole-document scroll bar. Nothing here binds to the whole text: counts and
// searches go through the document objects.
Rectangle {
    id: page
    objectName: "LumoEdit"

    property url fileName: ""
    property bool isMainEdit: true
    // Whether this page is the current tab (publishes the typewriter focus).
    property bool isCurrent: true
    // Whether the page is in front (its tab current, no sheet over it): only
    // then does it take keys, typing and input-method text. The tab page
    // binds it; a page on its own is always in front.
    property bool inFront: true
    property bool deleted: false
    readonly property string title: String(fileName) === "" ? qsTr("未命名文件") : functions.getNameFromUrl(fileName)

    readonly property alias document: lazyDocument
    readonly property alias textDocument: lazyDocument.allTextDocument
    readonly property alias textArea: textArea
    readonly property alias countHandler: countHandler
    readonly property alias findWidget: findWidget
    readonly property alias contextMenu: contextMenu
    // Word marks and sensitive words.
    readonly property alias highlighter: highlighter
    readonly property alias markModel: highlighter.markModel
    readonly property alias subtlePage: subtlePage
    readonly property alias markTextWidget: markTextWidget
    readonly property string trimmedSelection: hasSelection ? lazyDocument.allSelectedText.trim() : ""
    readonly property bool isMarkAvailable: trimmedSelection !== "" && highlighter.useMark && !readOnly

    readonly property bool isModified: lazyDocument.isModified
    readonly property bool loading: lazyDocument.loading
    readonly property bool textLoaded: lazyDocument.textLoaded
    // Whether the text may be edited now: never while it is loading, nor
    // when it is read-only. The document decides; every entry follows it.
    readonly property bool editable: lazyDocument.editable
    readonly property bool readOnly: !editable
    readonly property bool hasSelection: lazyDocument.allSelectionStart !== lazyDocument.allSelectionEnd
    readonly property bool isUndoAvailable: editable && lazyDocument.isUndoAvailable
    readonly property bool isRedoAvailable: editable && lazyDocument.isRedoAvailable
    readonly property bool isCutAvailable: editable && hasSelection
    readonly property bool isCopyAvailable: !loading && hasSelection
    readonly property bool isSelectAllAvailable: !loading
    readonly property bool isPasteAvailable: editable
    readonly property bool isMakeupAvailable: editable && textLoaded

    // Font size steps of the "equalFont" and "minusFont" keys.
    property int fontStep: 0
    // Escape alternates between the end and the start of the document.
    property bool escapedToEnd: false

    signal esc()

    color: g_theme.pageBackgroundColor

    // ---- page layout -------------------------------------------------------

    FontMetrics { id: metrics; font: textArea.font }
    readonly property real pageWidthPixels: csettings.pageWidthType === 0
        ? csettings.pageWidth
        : metrics.advanceWidth("中中中中中中") / 6 * csettings.pageWidthChineseCharacters + 120 + metrics.advanceWidth("中")
    readonly property bool pageMode: csettings.isPageStyle && width >= pageWidthPixels
    readonly property real sideMargin: isMainEdit ? Math.max(0, Math.min(csettings.pageSideMargin, (width - 100) / 2)) : 0
    // "Centre the editor in the whole window": the page stands in the middle
    // of the window rather than of the editor area, as far as the area
    // allows (the side column takes part of the window).
    readonly property real globalCenterShift: {
        if (!pageMode || !isMainEdit || !csettings.editGlobalCenter || !Window.window)
            return 0
        var room = (width - pageWidthPixels) / 2
        var shift = Window.window.width / 2 - (mapToItem(null, 0, 0).x + width / 2)
        return Math.max(-room, Math.min(room, shift))
    }

    Rectangle {
        id: paper
        objectName: "paper"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.horizontalCenterOffset: page.globalCenterShift
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        width: page.pageMode ? page.pageWidthPixels : page.width - 2 * page.sideMargin
        color: page.pageMode ? g_theme.pageColor : "transparent"

        TyperTextArea {
            id: textArea
            objectName: "textArea"
            anchors.fill: parent
            anchors.leftMargin: page.pageMode ? 60 : 0
            anchors.rightMargin: page.pageMode ? 60 : 0
            visible: !lazyDocument.loading
            // Behind another page or a sheet the text takes no keys at all
            // (a hidden item would otherwise keep the keyboard).
            enabled: page.inFront
            textFormat: TextEdit.PlainText
            // Keys meet no text while the file is still being read.
            readOnly: !lazyDocument.editable
            font.family: csettings.editFontName
            font.pointSize: Math.max(1, csettings.editFontSize + page.fontStep)
            verticalScrollBarPolicy: Qt.ScrollBarAlwaysOff
            menu: contextMenu
            accessibleName: page.title
            // The position under the pointer only matters over marked words.
            followsPointer: !!highlighter.markModel && highlighter.markModel.wordList.length > 0
            fixedCorsurPostion: {
                if (!csettings.isTypewriter)
                    return 0
                switch (csettings.typewriterFixedRolling) {
                case 1: return Math.round(height * 3 / 4)
                case 2: return Math.round(height / 2)
                case 3: return Math.round(height / 4)
                default: return 0
                }
            }
            style: TyperTextAreaStyle {
                textMargin: 20
                frame: Item {}
                transientScrollBars: true
                // The view's own scroll bars never show (the whole-document
                // bar stands in for them), but a transient one still flashes
                // on every scroll of the view as one types: it goes out at
                // once, with no fade that would draw frames for nothing.
                __scrollBarFadeDelay: 0
                __scrollBarFadeDuration: 0
                incrementControl: Item {}
                decrementControl: Item {}
                // The theme's word colour (kept per theme), else the stored one.
                textColor: g_theme.wordColor.valid ? g_theme.wordColor : csettings.editFontColor
                selectionColor: g_theme.accentColor
                selectedTextColor: g_theme.wordColor.valid ? g_theme.wordColor : csettings.editFontColor
            }

            onHeightChanged: lazyDocument.editHeight = Math.round(height)
            onContentYChanged: {
                lazyDocument.contentY = Math.max(0, Math.floor(contentY))
                page.publishTyperRect()
            }
            onKeyPressed: page.handleKey(event)
            onRightButtonPressed: contextMenu.popup()
            onPressAndHold: contextMenu.popup()
        }

        // The cursor line mark of typewriter mode, made only while it is
        // switched on: it follows the cursor on every key.
        Loader {
            active: csettings.isTypewriter && csettings.isTypewriterMarkCurrentLine
            sourceComponent: Rectangle {
                objectName: "lineMark"
                visible: !lazyDocument.loading
                x: textArea.x + 4
                width: textArea.width - 8
                height: textArea.cursorRectangle.height + 6
                y: textArea.y + textArea.cursorRectangle.y - textArea.contentY - 3
                color: "transparent"
                border.width: 1
                border.color: g_theme.accentColor
                radius: 5
                Behavior on y { SpringAnimation { spring: 3; damping: 0.2 } }
            }
        }
    }

    LoadingImage {
        anchors.centerIn: parent
        visible: lazyDocument.loading
    }

    // The keyboard's place while the text is hidden for its load: a key that
    // would edit is refused with the notice that the file is still loading,
    // instead of vanishing; others (Tab, the menus' shortcuts) go on.
    Item {
        id: loadingKeys
        objectName: "loadingKeys"
        anchors.fill: parent
        visible: lazyDocument.loading
        Keys.onPressed: {
            var typed = event.text !== "" && !(event.modifiers & (Qt.ControlModifier | Qt.AltModifier))
            var editing = typed || event.key === Qt.Key_Return || event.key === Qt.Key_Enter
                || event.key === Qt.Key_Backspace || event.key === Qt.Key_Delete
                || event.matches(StandardKey.Paste) || event.matches(StandardKey.Cut)
                || event.matches(StandardKey.Undo) || event.matches(StandardKey.Redo)
            if (!page.inFront || !editing)
                return
            event.accepted = true
            lazyDocument.mayEdit()
        }
    }

    // Scroll bar over the whole document (the text area only holds a window):
    // its size is the view's share of the book, however small (the handle
    // is drawn at least 0.05 long), its position the share above the view.
    C.ScrollBar {
        id: wholeBar
        objectName: "wholeBar"
        property bool wide: hovered || pressed || wideTimer.running
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        width: wide ? 16 : 10
        orientation: Qt.Vertical
        minimumSize: 0.05
        policy: C.ScrollBar.AlwaysOn
        visible: !lazyDocument.loading && size < 1
        size: lazyDocument.scrollSize
        onHoveredChanged: if (!hovered) wideTimer.restart(10000)
        onPositionChanged: {
            if (pressed)
                lazyDocument.scrollPostion = position
        }
        Binding on position {
            when: !wholeBar.pressed
            value: Math.min(lazyDocument.scrollPostion, 1 - wholeBar.size)
        }
        Timer {
            id: wideTimer
            function restart(ms) { interval = ms; start() }
        }
        Connections {
            target: lazyDocument
            function onScrollPostionChanged() { if (!wholeBar.hovered) wideTimer.restart(3000) }
        }
    }

    FindWidget {
        id: findWidget
        objectName: "findWidget"
        anchors.right: parent.right
        anchors.rightMargin: 20
        anchors.top: parent.top
        document: lazyDocument
        visible: false
        z: 10
        // Closed, the bar gives the keyboard back to the text, where the
        // match stays selected.
        onVisibleChanged: if (!visible) page.focusText()
    }

    // ---- the document and its counting -------------------------------------

    Timer {
        id: textArriving
        interval: 0
    }

    LazyTextDocument {
        id: lazyDocument
        document: textArea.textDocument
        contentHeight: Math.round(textArea.textContentHeight)
        editLineCount: textArea.lineCount
        // The text area's cursor and selection are read from its text edit.
        textEdit: textArea.textEdit
        historyPath: files.historyPath
        historyTime: csettings.historyTime
        addEmptyLineAtEndByEnter: csettings.isMakeupParagraphSpacing
        add2SpaceAtFrontByEnter: csettings.isMakeupFirstLineIndentation
        chapterKeys: cglobal.autoChapterKeys
        lineSpacing: csettings.pageLineSpacing
        paragraphHeight: csettings.pageParagraphSpacing
        textIndent: csettings.pageTextIndent
        searchMode: csettings.searchMode
        matchCaseSensitive: csettings.matchCaseSensitive

        // The document has put the text area's cursor there: the text area
        // takes the focus. A search from the find bar keeps the focus in the
        // bar, so the next Enter searches again instead of breaking a line.
        // A text that has just come in gets its cursor without taking the
        // keyboard: the page took it when it came to the front, and the
        // writer may have moved it elsewhere while the file was read.
        onSendEditPostion: {
            if (!findWidget.editing && !textArriving.running)
                page.focusText()
        }
        onLoadingChanged: {
            if (!lazyDocument.loading) {
                textArriving.restart()
                // Kept by the page through the load: the text takes it.
                if (loadingKeys.activeFocus)
                    textArea.textEdit.forceActiveFocus()
            } else if (textArea.textEdit.activeFocus) {
                loadingKeys.forceActiveFocus()
            }
        }
        onEnsureVisible: textArea.ensureVisible()
        onContentYChanged: {
            if (Math.floor(textArea.contentY) !== contentY)
                textArea.contentY = contentY
        }
        onFileDeleted: if (String(fileName) === String(page.fileName)) page.deleted = isDeleted
        // The document's save schedule asks for a save (its 3 s timer among
        // others): an edit is waiting for the cloud.
        onSendSave: if (isModified) files.cloudTips = qsTr("等待同步")
        onSeriseEnterNumberChanged: {
            if (seriseEnterNumber > 4 && csettings.isAutoAddChapterName) {
                addChapterName(countHandler.getNextTitleNumber(cursorLineNumber))
                seriseEnterNumber = 0
            }
        }
        onTextLoadedChanged: countHandler.setInited(textLoaded)
    }

    CountHandler {
        id: countHandler
        textDocument: lazyDocument.allTextDocument
        selectedText: page.hasSelection ? lazyDocument.allSelectedText : ""
        cursorLinePostion: lazyDocument.cursorLinePostion
        cursorLineNumber: lazyDocument.cursorLineNumber
        cursorLinePreText: lazyDocument.cursorLinePreText
        onSelectLine: lazyDocument.selectLine(start, end)
    }

    MarkdownHighlighter {
        id: highlighter
        document: lazyDocument.editDocument
        eventObjectName: "textArea"
        fileName: page.fileName
        autoChapterKeys: cglobal.autoChapterKeys
        isMarkAutoChapter: true
        sensitiveWords: csettings.sensitiveWords
        isTypewriter: csettings.isTypewriter
        typewriterFocusedText: csettings.typewriterFocusedText
        defaultFontSize: csettings.editFontSize
        hoveredPosition: textArea.hoveredPosition
        onMarkModelChanged: lazyDocument.update()
        onMarkTextHovered: textArea.hoveredMarkText = markText !== ""
        onMarkTextActivated: page.openMark(markText)
    }

    // Capitalised property names cannot be bound in place.
    Binding { target: highlighter; property: "TitleColor"; value: csettings.TitleColor }
    // Titles in "the text colour" follow the colour the text is drawn in.
    Binding { target: highlighter; property: "wordColor"; value: g_theme.wordColor.valid ? g_theme.wordColor : csettings.editFontColor }
    Binding { target: highlighter; property: "TitleColorSame"; value: csettings.TitleColorSame }
    Binding { target: highlighter; property: "TitleMultiple"; value: csettings.TitleMultiple }

    // Backspace needs no help from the key filter: the text area's own
    // deletion removes the whole selection, also one reaching beyond the
    // window (removing it first would take one more character with it).
    Connections {
        target: cglobal
        ignoreUnknownSignals: true
        function onSaveTmpFile(file) {
            if (String(file) === String(page.fileName))
                lazyDocument.saveTmpFile()
        }
    }
    Connections {
        target: csubtle
        ignoreUnknownSignals: true
        function onSubtleFinish(text, file) {
            if (String(file) !== String(page.fileName))
                return
            // A result for text that has been edited since would drop those edits.
            if (page.subtleSentText !== lazyDocument.allText) {
                message.show(qsTr("过滤期间文档已被修改，过滤结果未应用。"), 16)
                return
            }
            page.subtleSentText = ""
            lazyDocument.subtleFinish(text)
        }
    }

    // ---- word marks and sensitive words -------------------------------------

    property string subtleSentText: ""

    Connections {
        target: textArea
        function onClickedPositionChanged() { highlighter.clickedPosition(textArea.clickedPosition) }
    }

    SubtlePage {
        id: subtlePage
        fileName: page.fileName
        visible: false
        onVisibleChanged: if (visible) text = lazyDocument.allText
        onFilteringStarted: page.subtleSentText = text
    }

    MarkTextWidget {
        id: markTextWidget
        parent: page
        onOk: highlighter.markModel.setMark(markText, String(color), note)
        onDeleteMark: highlighter.markModel.deleteMark(markText)
    }

    // Floating "mark" button beside a selection.
    C.Button {
        id: markButton
        objectName: "markButton"
        visible: page.isMarkAvailable && textArea.textEdit.activeFocus && !markTextWidget.visible
        text: qsTr("标记")
        font.pixelSize: 12
        padding: 4
        leftPadding: 10
        rightPadding: 10
        hoverEnabled: true
        // A small framed button, so it reads as a control over the text.
        background: Rectangle {
            radius: 4
            color: markButton.hovered ? g_theme.hoverdColor : g_theme.popupColor
            border.width: 1
            border.color: g_theme.accentColor
        }
        contentItem: Text {
            text: markButton.text
            font: markButton.font
            color: g_theme.foregroundColor
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
        // Placed beside the selection's start only while shown: looking the
        // start up would otherwise run on every key.
        readonly property rect selectionStartRect: visible ? textArea.positionToRectangle(textArea.selectionStart) : Qt.rect(0, 0, 0, 0)
        x: Math.max(0, Math.min(page.width - width, paper.x + textArea.x + selectionStartRect.x + 20))
        y: Math.max(0, Math.min(page.height - height, paper.y + textArea.y + selectionStartRect.y - textArea.contentY - height - 4))
        z: 10
        onClicked: page.markSelection()
    }

    // ---- context menu --------------------------------------------------------

    BaseMenu {
        id: contextMenu
        objectName: "contextMenu"
        BaseMenuItem { text: qsTr("撤销"); enabled: page.isUndoAvailable; onTriggered: lazyDocument.undo() }
        BaseMenuItem { text: qsTr("重做"); enabled: page.isRedoAvailable; onTriggered: lazyDocument.redo() }
        MenuSeparator {}
        BaseMenuItem { text: qsTr("剪切"); enabled: page.isCutAvailable; onTriggered: page.cut() }
        BaseMenuItem { text: qsTr("复制"); enabled: page.isCopyAvailable; onTriggered: lazyDocument.copy() }
        BaseMenuItem { text: qsTr("粘贴"); enabled: page.isPasteAvailable; onTriggered: page.paste() }
        BaseMenuItem { text: qsTr("删除"); enabled: page.isCutAvailable; onTriggered: lazyDocument.removeSelect(true) }
        BaseMenuItem { text: qsTr("全选"); enabled: page.isSelectAllAvailable; onTriggered: lazyDocument.selectAll() }
        MenuSeparator {}
        BaseMenuItem { text: qsTr("选中当前章节"); onTriggered: countHandler.selectThisChapter() }
        BaseMenuItem { text: qsTr("转到文档开始"); onTriggered: lazyDocument.gotoStart() }
        BaseMenuItem { text: qsTr("转到文档结尾"); onTriggered: lazyDocument.gotoEnd() }
        BaseMenuItem { text: qsTr("一键排版"); enabled: page.isMakeupAvailable; onTriggered: lazyDocument.makeup() }
        BaseMenuItem { text: qsTr("标记"); enabled: page.isMarkAvailable; onTriggered: page.markSelection() }
        BaseMenuItem { text: qsTr("云同步"); onTriggered: page.cloudSync() }
        BaseMenuItem {
            text: csettings.isPageStyle ? qsTr("自适应模式") : qsTr("页面模式")
            onTriggered: csettings.isPageStyle = !csettings.isPageStyle
        }
    }

    // ---- operations ------------------------------------------------------------

    function save() { return lazyDocument.save() }
    function sendSave() { lazyDocument.sendSave() }
    function saveAs(url) { return lazyDocument.saveAs(url) }
    // Saving the writer asks for (the tab closing, Ctrl+S): a document whose
    // file is gone is written again, so that a folder that no longer exists
    // fails with its reason instead of the text silently going away.
    function saveForClose() {
        if (lazyDocument.readOnly)
            return true
        if (page.deleted || !functions.isFileExist(page.fileName))
            return lazyDocument.saveAs(page.fileName)
        return lazyDocument.save()
    }
    // The document refuses edits while it may not be edited (and tells a
    // writer whose text is still loading).
    function undo() { lazyDocument.undo() }
    function redo() { lazyDocument.redo() }
    function cut() { lazyDocument.cut() }
    function copy() { lazyDocument.copy() }
    function paste() { lazyDocument.paste() }
    function selectAll() { lazyDocument.selectAll() }
    function makeup() { lazyDocument.makeup() }
    function showSubtle() { subtlePage.open() }
    // Opens the mark editor for the trimmed selection.
    function markSelection() {
        if (!page.isMarkAvailable)
            return
        if (markTextWidget.visible && markTextWidget.changed)
            markTextWidget.ok()
        var word = page.trimmedSelection
        var model = highlighter.markModel
        markTextWidget.markText = word
        markTextWidget.showDelete = false
        markTextWidget.color = model.getColor(word) !== "" ? model.getColor(word) : "#f44336"
        markTextWidget.note = model.getNote(word)
        lazyDocument.deselect()
        var r = textArea.cursorRectangle
        var p = textArea.mapToItem(null, r.x, r.y - textArea.contentY + r.height)
        markTextWidget.showAt(p.x, p.y)
    }
    // Opens the mark editor for a clicked marked word; an empty word hides it.
    function openMark(word) {
        if (markTextWidget.visible && markTextWidget.changed)
            markTextWidget.ok()
        if (word === "") {
            markTextWidget.close()
            return
        }
        var model = highlighter.markModel
        markTextWidget.markText = word
        markTextWidget.showDelete = true
        markTextWidget.color = model.getColor(word) !== "" ? model.getColor(word) : "#f44336"
        markTextWidget.note = model.getNote(word)
        markTextWidget.showAt(textArea.mouseX, textArea.mouseY)
    }
    function gotoLine(line) { lazyDocument.gotoLine(line) }
    function selectThisChapter() { countHandler.selectThisChapter() }
    function addChapterName() { lazyDocument.addChapterName(countHandler.getNextTitleNumber(lazyDocument.cursorLineNumber)) }
    function showFind(replace) {
        lazyDocument.replaceMode = replace === true
        findWidget.visible = false
        findWidget.visible = true
    }
    function cloudSync() { cloudDisk.sync(CloudDisk.Writer) }
    // The stored cursor position belongs to the current file.
    function saveCursorPosition() {
        if (page.isCurrent && !lazyDocument.loading)
            csettings.saveCursorPosition(lazyDocument.allCursorPostion)
    }
    function exit() {
        saveCursorPosition()
        lazyDocument.exit()
        countHandler.exit()
    }
    Component.onDestruction: saveCursorPosition()

    // The text takes the keyboard, when the page is in front (the page
    // itself while the text is loading).
    function focusText() {
        if (!page.inFront || !page.visible)
            return
        if (lazyDocument.loading)
            loadingKeys.forceActiveFocus()
        else
            textArea.textEdit.forceActiveFocus()
    }

    function matchesKey(event, action) {
        var name = functions.keyEventToString(event.modifiers, event.key)
        var key = keys.getKey(action)
        return key !== "" && name.toLowerCase() === key.toLowerCase()
    }

    function handleKey(event) {
        // Keys meant for the page in front never act here.
        if (!page.inFront) {
            event.accepted = true
            return
        }
        if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
            if (lazyDocument.mayEdit())
                lazyDocument.enterPressed()
            return
        }
        // A typed character while the text is still loading goes nowhere:
        // the writer is told why.
        if (page.loading && event.text !== "" && !(event.modifiers & Qt.ControlModifier)) {
            lazyDocument.mayEdit()
            return
        }
        if (event.key === Qt.Key_Escape) {
            event.accepted = true
            page.esc()
            if (findWidget.visible) {
                findWidget.visible = false
            } else if (page.escapedToEnd) {
                page.escapedToEnd = false
                lazyDocument.gotoStart()
            } else {
                page.escapedToEnd = true
                lazyDocument.gotoEnd()
            }
            return
        }
        // The text area only holds a window: Ctrl+Home and Ctrl+End go to
        // the start and the end of the whole document.
        if ((event.modifiers & Qt.ControlModifier) && (event.key === Qt.Key_Home || event.key === Qt.Key_End)) {
            event.accepted = true
            if (event.modifiers & Qt.ShiftModifier)
                lazyDocument.selectTo(event.key === Qt.Key_Home ? 0 : 2147483647) // bounded to the end
            else if (event.key === Qt.Key_Home)
                lazyDocument.gotoStart()
            else
                lazyDocument.gotoEnd()
            return
        }
        if ((event.modifiers & Qt.ControlModifier) && event.key === Qt.Key_Y) {
            event.accepted = true
            page.redo()
            return
        }
        var actions = {
            find: function() { page.showFind(false) },
            replace: function() { page.showFind(true) },
            makeup: function() { page.makeup() },
            equalFont: function() { page.fontStep += 1 },
            minusFont: function() { page.fontStep -= 1 },
            selectAll: function() { page.selectAll() },
            cut: function() { page.cut() },
            copy: function() { page.copy() },
            paste: function() { page.paste() },
            undo: function() { page.undo() },
            redo: function() { page.redo() }
        }
        var standard = { selectAll: StandardKey.SelectAll, cut: StandardKey.Cut, copy: StandardKey.Copy,
                         paste: StandardKey.Paste, undo: StandardKey.Undo, redo: StandardKey.Redo }
        for (var action in actions) {
            if (matchesKey(event, action) || (standard[action] !== undefined && event.matches(standard[action]))) {
                event.accepted = true
                actions[action]()
                return
            }
        }
    }

    // Whether the typewriter backdrop follows this page's cursor line. Held
    // in a binding, so that a keystroke with the backdrop off runs no script.
    readonly property bool publishesTyperRect: isCurrent && csettings.isTypewriter
        && csettings.typewriterFocusedText > 0 && !lazyDocument.loading
    Connections {
        target: textArea
        enabled: page.publishesTyperRect
        function onCursorRectangleChanged() { page.publishTyperRect() }
    }
    // The cursor line in window coordinates for the typewriter backdrop.
    function publishTyperRect() {
        if (!publishesTyperRect)
            return
        var r = textArea.cursorRectangle
        var p = textArea.mapToItem(null, 0, r.y - textArea.contentY - 1)
        cglobal.typerRect = Qt.rect(Math.round(p.x), Math.round(p.y), Math.round(textArea.width), Math.round(r.height + 2))
    }
    onPublishesTyperRectChanged: publishTyperRect()
    onWidthChanged: publishTyperRect()

    // The main editor reopens the current file at the stored cursor position.
    function openFileName() {
        if (String(fileName) === "" || String(lazyDocument.fileName) === String(fileName))
            return
        objectName = String(fileName)
        lazyDocument.initPosition = String(fileName) === String(csettings.currentFile) ? csettings.cursorPosition : 0
        countHandler.fileName = fileName
        lazyDocument.fileName = fileName
    }
    onFileNameChanged: openFileName()
    Component.onCompleted: openFileName()
}
