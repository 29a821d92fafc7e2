import QtQuick 2.15
import QtQuick.Controls 2.15 as C
import QtQml 2.15
import TovaUi 0.1
import com.velmora.clouddisk 1.0

// The menu bar of the title bar. Every entry calls a function or emits a
// signal of the main window, or sets a setting; shortcut texts follow the
// active shortcut scheme.
C.MenuBar {
    id: menuBar
    objectName: "windowsMenuBar"
    property var window: applicationWindow
    readonly property var documentPage: window ? window.documentPage : null
    readonly property bool hiddenByMinimalist: window.minimalistModel && !window.isShowPendentTips
    readonly property alias recentMenu: recentMenu
    readonly property var filesPage: window && window.pcMain ? window.pcMain.page("files") : null

    function keyOf(name) { return keys.message + keys.getKey(name) }
    // The window's keys act only while no sheet covers it; those that act
    // on the open document only while its editor is in front (the document
    // page's flags say so).
    readonly property bool keysOn: window.sheetOpen !== true
    function pageFlag(name) { return !!documentPage && documentPage[name] === true }
    function setting(name, fallback) { return window.settingValue(name, fallback) }
    function baseName(path) {
        var s = String(path)
        var name = s.substring(s.lastIndexOf("/") + 1)
        // a book's "index.txt" goes by its folder's name, as in its tab
        if (name === "index.txt") {
            var folder = s.substring(0, s.lastIndexOf("/"))
            var folderName = folder.substring(folder.lastIndexOf("/") + 1)
            if (folderName !== "")
                return folderName
        }
        var dot = name.lastIndexOf(".")
        return dot > 0 ? name.substring(0, dot) : name
    }
    // Escape closes an open menu the way a click on its title does. Qt's own
    // Escape handling, after the pointer has moved from one title to the
    // next, leaves the bar highlighted and opening menus on mere hover.
    function anyMenuOpen() {
        for (var i = 0; i < count; ++i) {
            var item = itemAt(i)
            if (item && item.menu && item.menu.visible)
                return true
        }
        return false
    }
    function closeOpenMenu() {
        for (var i = 0; i < count; ++i) {
            var item = itemAt(i)
            if (item && item.menu && item.menu.visible) {
                item.triggered()
                return
            }
        }
    }
    Shortcut {
        sequence: "Esc"
        enabled: menuBar.menuOpen
        onActivated: menuBar.closeOpenMenu()
    }
    property bool menuOpen: false
    // Where the keyboard was when a menu opened: it goes back there once
    // the menus are closed (Escape would otherwise leave it on the bar,
    // where typing is lost), unless the chosen entry sent it elsewhere.
    property Item focusBefore: null
    function within(item, ancestor) {
        for (var p = item; p; p = p.parent) {
            if (p === ancestor)
                return true
        }
        return false
    }
    function noteFocus() {
        var item = window.activeFocusItem
        if (item && !within(item, menuBar) && !within(item, C.Overlay.overlay))
            focusBefore = item
    }
    function restoreFocus() {
        var now = window.activeFocusItem
        if (menuOpen || !focusBefore || !focusBefore.visible || !focusBefore.enabled
                || (now && !within(now, menuBar) && !within(now, C.Overlay.overlay)))
            return
        focusBefore.forceActiveFocus()
        // the bar is left quiet, as after a click elsewhere
        for (var i = 0; i < count; ++i)
            itemAt(i).highlighted = false
    }
    onMenuOpenChanged: if (!menuOpen) Qt.callLater(function() { if (!menuBar.anyMenuOpen()) menuBar.keyboardWalk = false; menuBar.restoreFocus() })

    // The keyboard's way into the menus: Alt and a menu's letter opens it,
    // F10 the first; the arrow keys then walk the entries and the menus.
    // Each menu's letter: in a language written in capital and small
    // letters, the first free letter of its own title, underlined there
    // ("Datei", "Bearbeiten"); otherwise its English letter after the title
    // ("文件(F)"). A letter the active scheme binds with Alt (Alt+A selects
    // the chapter) is never free: the menu takes its title's next letter,
    // else the first free one of A to Z.
    readonly property var menuTitles: [["fileMenu", qsTr("文件"), "F"], ["editMenu", qsTr("编辑"), "E"],
                                       ["showMenu", qsTr("显示"), "V"], ["toolsMenu", qsTr("工具"), "T"],
                                       ["helpMenu", qsTr("帮助"), "H"]]
    readonly property var mnemonics: {
        var taken = schemeAltLetters(keys.message)
        var result = {}
        for (var i = 0; i < menuTitles.length; ++i) {
            var letter = ownLetter(menuTitles[i][1], taken)
            if (!letter && !taken[menuTitles[i][2]])
                letter = menuTitles[i][2]
            for (var c = 65; !letter && c <= 90; ++c) {
                if (!taken[String.fromCharCode(c)])
                    letter = String.fromCharCode(c)
            }
            taken[letter] = true
            result[menuTitles[i][0]] = letter
        }
        return result
    }
    // The letters of the scheme's keys that are Alt and one letter alone
    // ("Alt+A", "Alt+N"); the argument only ties the binding to a reload.
    function schemeAltLetters(reload) {
        var found = {}
        var model = keys.keysModel
        for (var i = 0; model && i < model.rowCount(); ++i) {
            var key = String(model.data(model.index(i, 0), 1258)).toUpperCase().replace(/\s/g, "")
            if (key.length === 5 && key.indexOf("ALT+") === 0)
                found[key.charAt(4)] = true
        }
        return found
    }
    // Accented Latin letters are passed over, as keyboards give them by
    // more than one key.
    function ownLetter(title, taken) {
        var s = String(title)
        for (var i = 0; i < s.length; ++i) {
            var up = s.charAt(i).toUpperCase()
            var cased = up !== s.charAt(i).toLowerCase()
            var plain = (up >= "A" && up <= "Z") || up.charCodeAt(0) > 0x36f
            if (cased && plain && !taken[up])
                return up
        }
        return ""
    }
    // While the keyboard walks the menus, each menu it opens (Left and Right
    // included) puts the keyboard on its first entry, which a screen reader
    // then names.
    property bool keyboardWalk: false
    function menuOpened(menu) {
        if (keyboardWalk)
            menu.focusFirst()
    }
    function openMenu(index) {
        keyboardWalk = true
        if (anyMenuOpen())
            closeOpenMenu()
        var item = itemAt(index)
        if (!item)
            return
        item.triggered()
        item.highlighted = !!item.menu && item.menu.visible
        if (item.highlighted)
            item.menu.focusFirst()
    }
    // A title with its letter underlined in place ("File"), or added after
    // it ("文件(F)").
    function titleWithMnemonic(title, letter) {
        var escaped = String(title).replace(/&/g, "&amp;").replace(/</g, "&lt;")
        if (!letter)
            return escaped
        for (var i = 0; i < escaped.length; ++i) {
            if (escaped.charAt(i).toUpperCase() === letter)
                return escaped.substring(0, i) + "<u>" + escaped.charAt(i) + "</u>" + escaped.substring(i + 1)
        }
        return escaped + "(<u>" + letter + "</u>)"
    }
    MenuLetters {
        letters: {
            var list = []
            for (var i = 0; i < menuBar.count; ++i) {
                var menu = menuBar.menuAt(i)
                list.push(menu ? (menuBar.mnemonics[menu.objectName] || "") : "")
            }
            return list
        }
        enabled: menuBar.keysOn
        onChosen: menuBar.openMenu(index)
    }
    Shortcut {
        objectName: "menuKey"
        sequence: "F10"
        enabled: menuBar.keysOn
        onActivated: menuBar.openMenu(0)
    }
    // The scheme's own preferences key, which the welcome page shows.
    Shortcut {
        objectName: "preferencesShortcut"
        sequence: menuBar.keyOf("showSetting")
        enabled: sequence !== "" && menuBar.keysOn
        onActivated: menuBar.window.openPerferences()
    }
    // Functions of the scheme without a menu entry. They act on the open
    // document and are off while none is current; bound here, the key never
    // reaches the text (Alt+A would type an "a").
    Shortcut {
        objectName: "selectChapterShortcut"
        sequence: menuBar.keyOf("editSelectThisChapter")
        enabled: sequence !== "" && menuBar.pageFlag("editorInFront")
        onActivated: menuBar.window.selectThisChapter()
    }
    Shortcut {
        objectName: "equalFontShortcut"
        sequence: menuBar.keyOf("equalFont")
        enabled: sequence !== "" && menuBar.pageFlag("editorInFront")
        onActivated: menuBar.stepFont(1)
    }
    Shortcut {
        objectName: "minusFontShortcut"
        sequence: menuBar.keyOf("minusFont")
        enabled: sequence !== "" && menuBar.pageFlag("editorInFront")
        onActivated: menuBar.stepFont(-1)
    }
    function showPage(name) {
        window.showTab(name)
        if (window.pcMain)
            window.pcMain.focusPage(name)
    }
    function stepFont(step) {
        if (documentPage && typeof documentPage.withEditor === "function")
            documentPage.withEditor(function(e) { e.fontStep += step })
    }
    // A local path as an address that names exactly that file ("#", "%"
    // and the like escaped).
    function fileUrl(path) {
        var s = String(path)
        return s.indexOf("file:") === 0 ? s : functions.fileToUrl(s)
    }

    // "Open Recent": one entry per recent file, newest at the top, then a
    // separator and "Clear Menu".
    function rebuildRecent() {
        while (recentMenu.count > 2)
            recentMenu.takeItem(0).destroy()
        var list = files.recentFiles || []
        for (var i = 0; i < list.length; ++i)
            recentMenu.insertItem(0, recentItem.createObject(null, { text: baseName(list[i]), path: list[i] }))
    }

    height: 30
    y: hiddenByMinimalist ? -height - 10 : 0
    Behavior on y { NumberAnimation { duration: 200 } }
    font.pixelSize: 12

    background: Item {}
    delegate: C.MenuBarItem {
        id: barItem
        // To a screen reader each title is a menu of its own (Qt Quick
        // calls every one of them "menu bar").
        AccessibleState { role: Accessible.PopupMenu }
        font.pixelSize: 12
        implicitHeight: 24
        leftPadding: 8
        rightPadding: 8
        contentItem: Text {
            text: menuBar.titleWithMnemonic(barItem.text, barItem.menu ? menuBar.mnemonics[barItem.menu.objectName] : "")
            textFormat: Text.StyledText
            font: barItem.font
            color: barItem.highlighted ? g_theme.highlightedTextColor : g_theme.foregroundColor
            verticalAlignment: Text.AlignVCenter
        }
        background: Rectangle {
            radius: 3
            color: barItem.highlighted ? g_theme.hoverdColor : "transparent"
        }
    }

    Component.onCompleted: {
        rebuildRecent()
        if (window.debugBuild)
            helpMenu.addItem(forceQuitItem.createObject(null))
    }
    Component {
        id: forceQuitItem
        BaseMenuItem {
            text: qsTr("强制退出")
            onTriggered: Qt.exit(0)
        }
    }
    Connections {
        target: files
        ignoreUnknownSignals: true
        function onRecentFilesChanged() { menuBar.rebuildRecent() }
    }

    Component {
        id: recentItem
        BaseMenuItem {
            property string path: ""
            onTriggered: menuBar.window.openFile(menuBar.fileUrl(path))
        }
    }

    BaseMenu {
        objectName: "fileMenu"
        closePolicy: C.Popup.CloseOnPressOutside
        onAboutToShow: menuBar.noteFocus()
        onOpened: menuBar.menuOpened(this)
        onVisibleChanged: menuBar.menuOpen = visible || menuBar.anyMenuOpen()
        title: qsTr("文件")
        BaseMenuItem {
            text: qsTr("新建")
            shortcut: menuBar.keyOf("fileNew")
            action: C.Action { enabled: menuBar.keysOn; shortcut: "Ctrl+n"; onTriggered: menuBar.window.newFile() }
        }
        BaseMenuItem {
            text: qsTr("打开")
            shortcut: menuBar.keyOf("fileOpen")
            action: C.Action { enabled: menuBar.keysOn; shortcut: menuBar.keyOf("fileOpen"); onTriggered: menuBar.window.open() }
        }
        BaseMenu {
            id: recentMenu
            objectName: "recentMenu"
            title: qsTr("Open Recent")
            MenuSeparator {}
            BaseMenuItem {
                objectName: "clearRecent"
                text: qsTr("Clear Menu")
                enabled: (files.recentFiles || []).length > 0
                onTriggered: files.clearRecentFiles()
            }
        }
        BaseMenuItem {
            text: qsTr("保存")
            shortcut: menuBar.keyOf("fileSave")
            action: C.Action { enabled: menuBar.keysOn; shortcut: menuBar.keyOf("fileSave"); onTriggered: menuBar.window.saveAll() }
        }
        BaseMenuItem {
            text: qsTr("另存为")
            shortcut: menuBar.keyOf("fileSaveAs")
            action: C.Action { enabled: menuBar.keysOn; shortcut: menuBar.keyOf("fileSaveAs"); onTriggered: menuBar.window.saveAs() }
        }
        BaseMenu {
            title: qsTr("导入")
            BaseMenuItem { text: qsTr("导入文件夹"); onTriggered: menuBar.window.importDir() }
            BaseMenuItem { text: qsTr("导入文件"); onTriggered: menuBar.window.importFiles() }
        }
        BaseMenuItem {
            text: qsTr("关闭")
            shortcut: menuBar.keyOf("fileClose")
            action: C.Action { enabled: menuBar.keysOn; shortcut: menuBar.keyOf("fileClose"); onTriggered: menuBar.window.closeDocument() }
        }
        BaseMenuItem {
            objectName: "quitItem"
            text: qsTr("退出程序")
            shortcut: menuBar.keyOf("appQuit")
            action: C.Action { enabled: menuBar.keysOn; shortcut: menuBar.keyOf("appQuit"); onTriggered: menuBar.window.close() }
        }
    }

    BaseMenu {
        objectName: "editMenu"
        closePolicy: C.Popup.CloseOnPressOutside
        onAboutToShow: menuBar.noteFocus()
        onOpened: menuBar.menuOpened(this)
        onVisibleChanged: menuBar.menuOpen = visible || menuBar.anyMenuOpen()
        title: qsTr("编辑")
        BaseMenuItem {
            text: qsTr("撤销") + " Ctrl+Z"
            action: C.Action {
                enabled: menuBar.pageFlag("isUndoAvailable")
                shortcut: StandardKey.Undo
                onTriggered: menuBar.window.undo()
            }
        }
        BaseMenuItem {
            text: qsTr("重做") + " Ctrl+Y"
            action: C.Action {
                enabled: menuBar.pageFlag("isRedoAvailable")
                shortcut: "Ctrl+y"
                onTriggered: menuBar.window.redo()
            }
        }
        BaseMenuItem {
            text: qsTr("剪切") + " Ctrl+X"
            action: C.Action {
                enabled: menuBar.pageFlag("isCutAvailable")
                shortcut: StandardKey.Cut
                onTriggered: menuBar.window.cut()
            }
        }
        BaseMenuItem {
            text: qsTr("复制") + " Ctrl+C"
            action: C.Action {
                enabled: menuBar.pageFlag("isCopyAvailable")
                shortcut: StandardKey.Copy
                onTriggered: menuBar.window.copy()
            }
        }
        BaseMenuItem {
            text: qsTr("粘贴") + " Ctrl+V"
            action: C.Action { enabled: menuBar.pageFlag("isPasteAvailable"); shortcut: StandardKey.Paste; onTriggered: menuBar.window.paste() }
        }
        BaseMenuItem {
            text: qsTr("全选") + " Ctrl+A"
            action: C.Action { enabled: menuBar.pageFlag("isSelectAllAvailable"); shortcut: StandardKey.SelectAll; onTriggered: menuBar.window.selectAll() }
        }
        BaseMenuItem {
            text: qsTr("查找")
            shortcut: menuBar.keyOf("find")
            action: C.Action { enabled: menuBar.keysOn; shortcut: menuBar.keyOf("find"); onTriggered: menuBar.window.find() }
        }
        BaseMenuItem {
            text: qsTr("替换")
            shortcut: menuBar.keyOf("replace")
            action: C.Action { enabled: menuBar.keysOn; shortcut: menuBar.keyOf("replace"); onTriggered: menuBar.window.replace() }
        }
    }

    BaseMenu {
        objectName: "showMenu"
        closePolicy: C.Popup.CloseOnPressOutside
        onAboutToShow: menuBar.noteFocus()
        onOpened: menuBar.menuOpened(this)
        onVisibleChanged: menuBar.menuOpen = visible || menuBar.anyMenuOpen()
        title: qsTr("显示")
        BaseMenuItem {
            text: qsTr("显示 文件")
            shortcut: menuBar.keyOf("showFile")
            action: C.Action { enabled: menuBar.keysOn; shortcut: menuBar.keyOf("showFile"); onTriggered: menuBar.showPage("files") }
        }
        BaseMenuItem {
            text: qsTr("显示 自动章节")
            shortcut: menuBar.keyOf("showChapter")
            action: C.Action {
                enabled: menuBar.pageFlag("isMakeupAvailable")
                shortcut: menuBar.keyOf("showChapter")
                onTriggered: menuBar.showPage("autoChapter")
            }
        }
        BaseMenuItem {
            text: qsTr("显示 字数统计")
            shortcut: menuBar.keyOf("showWordCount")
            action: C.Action { enabled: menuBar.keysOn; shortcut: menuBar.keyOf("showWordCount"); onTriggered: menuBar.showPage("wordCount") }
        }
        BaseMenuItem {
            text: qsTr("显示 拼字")
            shortcut: menuBar.keyOf("showRanking")
            action: C.Action { enabled: menuBar.keysOn; shortcut: menuBar.keyOf("showRanking"); onTriggered: menuBar.showPage("ranking") }
        }
        BaseMenuItem {
            text: qsTr("显示 闯关")
            shortcut: menuBar.keyOf("showThrough")
            action: C.Action { enabled: menuBar.keysOn; shortcut: menuBar.keyOf("showThrough"); onTriggered: menuBar.showPage("through") }
        }
        BaseMenuItem {
            text: qsTr("显示 笔记")
            shortcut: menuBar.keyOf("showNotes")
            action: C.Action { enabled: menuBar.keysOn; shortcut: menuBar.keyOf("showNotes"); onTriggered: menuBar.showPage("notes") }
        }
        BaseMenuItem {
            text: qsTr("显示 我")
            shortcut: menuBar.keyOf("showMe")
            action: C.Action { enabled: menuBar.keysOn; shortcut: menuBar.keyOf("showMe"); onTriggered: menuBar.showPage("me") }
        }
        BaseMenuItem {
            text: qsTr("窗口置顶")
            shortcut: menuBar.keyOf("windowTop")
            action: C.Action {
                enabled: menuBar.keysOn
                shortcut: menuBar.keyOf("windowTop")
                onTriggered: menuBar.window.windowTop = !menuBar.window.windowTop
            }
        }
        BaseMenuItem {
            text: menuBar.window.minimalistModel ? qsTr("退出 极简 模式") : qsTr("进入 极简 模式")
            shortcut: menuBar.keyOf("minimalistModel")
            action: C.Action { enabled: menuBar.keysOn; shortcut: menuBar.keyOf("minimalistModel"); onTriggered: menuBar.window.setMinimalistMode() }
        }
        BaseMenuItem {
            text: menuBar.window.lumoModel ? qsTr("退出 Lumo 模式") : qsTr("进入 Lumo 模式")
            shortcut: menuBar.keyOf("lumoModel")
            action: C.Action { enabled: menuBar.keysOn; shortcut: menuBar.keyOf("lumoModel"); onTriggered: menuBar.window.setLumoModel() }
        }
    }

    BaseMenu {
        objectName: "toolsMenu"
        closePolicy: C.Popup.CloseOnPressOutside
        onAboutToShow: menuBar.noteFocus()
        onOpened: menuBar.menuOpened(this)
        onVisibleChanged: menuBar.menuOpen = visible || menuBar.anyMenuOpen()
        title: qsTr("工具")
        BaseMenuItem {
            text: qsTr("统计卡片")
            shortcut: menuBar.keyOf("countWindow")
            // F2 renames in the document tree while it has the keyboard.
            action: C.Action {
                enabled: menuBar.keysOn && !(menuBar.filesPage && menuBar.filesPage.treeKeysOn && menuBar.keyOf("countWindow") === "F2")
                shortcut: menuBar.keyOf("countWindow")
                onTriggered: menuBar.window.showCountWindow()
            }
        }
        BaseMenuItem {
            text: qsTr("过滤敏感词")
            shortcut: menuBar.keyOf("showSubtle")
            action: C.Action {
                enabled: menuBar.keysOn && cglobal.isCurrentEdit === true
                shortcut: menuBar.keyOf("showSubtle")
                onTriggered: menuBar.window.showSubtle()
            }
        }
        BaseMenuItem {
            text: qsTr("锁定")
            shortcut: menuBar.keyOf("showTarget")
            action: C.Action { enabled: menuBar.keysOn; shortcut: menuBar.keyOf("showTarget"); onTriggered: menuBar.window.showTarget() }
        }
        BaseMenuItem {
            text: qsTr("添加章节名")
            shortcut: menuBar.keyOf("addChapterName")
            action: C.Action { enabled: menuBar.keysOn; shortcut: menuBar.keyOf("addChapterName"); onTriggered: menuBar.window.addChapterName() }
        }
        BaseMenuItem {
            text: qsTr("一键排版")
            shortcut: menuBar.keyOf("makeup")
            action: C.Action {
                enabled: menuBar.pageFlag("isMakeupAvailable")
                shortcut: menuBar.keyOf("makeup")
                onTriggered: menuBar.window.makeup()
            }
        }
        BaseMenuItem {
            text: qsTr("历史记录")
            onTriggered: menuBar.window.openHistory()
        }
        BaseMenuItem {
            objectName: "cloudItem"
            text: qsTr("云同步")
            onTriggered: cloudDisk.sync(CloudDisk.Writer)
        }
        BaseMenu {
            objectName: "typewriterMenu"
            title: qsTr("打字机模式")
            BaseMenuItem {
                text: qsTr("启动打字机模式")
                checkable: true
                checked: menuBar.setting("isTypewriter", false) === true
                onTriggered: menuBar.window.storeSetting("isTypewriter", checked)
            }
            BaseMenuItem {
                text: qsTr("高亮显示当前行")
                checkable: true
                enabled: menuBar.setting("isTypewriter", false) === true
                checked: menuBar.setting("typewriterFocusedText", 0) > 0
                onTriggered: menuBar.window.storeSetting("typewriterFocusedText", checked ? 1 : 0)
            }
            BaseMenu {
                id: rollingMenu
                objectName: "rollingMenu"
                title: qsTr("固定滚动")
                enabled: menuBar.setting("isTypewriter", false) === true
                C.ButtonGroup { id: rollingGroup }
                Instantiator {
                    model: [qsTr("关"), qsTr("上"), qsTr("中"), qsTr("下"), qsTr("可变")]
                    BaseMenuItem {
                        text: modelData
                        checkable: true
                        C.ButtonGroup.group: rollingGroup
                        checked: menuBar.setting("typewriterFixedRolling", 4) === index
                        onTriggered: menuBar.window.storeSetting("typewriterFixedRolling", index)
                    }
                    onObjectAdded: rollingMenu.insertItem(index, object)
                    onObjectRemoved: rollingMenu.removeItem(object)
                }
            }
            BaseMenuItem {
                text: qsTr("标记当前行")
                checkable: true
                enabled: menuBar.setting("isTypewriter", false) === true
                checked: menuBar.setting("isTypewriterMarkCurrentLine", false) === true
                onTriggered: menuBar.window.storeSetting("isTypewriterMarkCurrentLine", checked)
            }
        }
        BaseMenuItem {
            text: qsTr("偏好设置") + " " + "Ctrl+Shift+P"
            action: C.Action { enabled: menuBar.keysOn; shortcut: "Ctrl+Shift+P"; onTriggered: menuBar.window.openPerferences() }
        }
    }

    BaseMenu {
        id: helpMenu
        objectName: "helpMenu"
        closePolicy: C.Popup.CloseOnPressOutside
        onAboutToShow: menuBar.noteFocus()
        onOpened: menuBar.menuOpened(this)
        onVisibleChanged: menuBar.menuOpen = visible || menuBar.anyMenuOpen()
        title: qsTr("帮助")
        BaseMenuItem {
            text: qsTr("帮助")
            shortcut: menuBar.keyOf("help") !== "" ? menuBar.keyOf("help") : "F1"
            action: C.Action {
                enabled: menuBar.keysOn
                shortcut: menuBar.keyOf("help") !== "" ? menuBar.keyOf("help") : StandardKey.HelpContents
                onTriggered: menuBar.window.showHelp()
            }
        }
        BaseMenuItem {
            text: qsTr("关于")
            onTriggered: menuBar.window.showAbout()
        }
    }
}
