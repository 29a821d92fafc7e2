import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import com.velmora.clouddisk 1.0

// The main window against the stand-ins of ShellStandIns.qml: start-up
// geometry, first activation, the close sequence with the quit-time sync,
// the side pages and the menus.
TestCase {
    id: testCase
    name: "MainWindow"
    when: windowShown

    property var win: null

    SignalSpy { id: saveAllSpy; signalName: "saveAll" }
    SignalSpy { id: openFileSpy; signalName: "openFile" }
    SignalSpy { id: closeDocumentSpy; signalName: "closeDocument" }
    SignalSpy { id: openWidgetSpy; signalName: "openWidget" }
    SignalSpy { id: showLoginSpy; target: csettings; signalName: "showLogin" }

    Window {
        id: otherWindow
        width: 100
        height: 100
    }

    function init() {
        standIns.reset()
    }

    function cleanup() {
        otherWindow.visible = false
        if (win) {
            win.visible = false
            win.destroy()
            win = null
        }
        wait(0)
    }

    function createWindow() {
        var c = Qt.createComponent("qrc:/qml/main.qml")
        verify(c.status === Component.Ready, c.errorString())
        win = c.createObject(null)
        verify(win, "main window")
        saveAllSpy.target = win
        saveAllSpy.clear()
        openFileSpy.target = win
        openFileSpy.clear()
        closeDocumentSpy.target = win
        closeDocumentSpy.clear()
        openWidgetSpy.target = win
        openWidgetSpy.clear()
        showLoginSpy.clear()
        tryVerify(function() { return win.pcMain !== null && win.documentPage !== null })
        return win
    }

    function lastMessage() {
        var list = message.texts
        return list.length > 0 ? list[list.length - 1] : ""
    }

    function menuBar() {
        var bar = findChild(win.header, "windowsMenuBar")
        verify(bar, "menu bar")
        return bar
    }

    function menuNamed(objectName) {
        var bar = menuBar()
        for (var i = 0; i < bar.count; ++i) {
            if (bar.menuAt(i).objectName === objectName)
                return bar.menuAt(i)
        }
        fail("no menu " + objectName)
    }

    function entries(menu) {
        var list = []
        for (var i = 0; i < menu.count; ++i) {
            var item = menu.itemAt(i)
            list.push(item.text === undefined ? "-" : item.text)
        }
        return list
    }

    function entry(menu, text) {
        for (var i = 0; i < menu.count; ++i) {
            if (menu.itemAt(i).text === text)
                return menu.itemAt(i)
        }
        fail("no entry " + text)
    }

    function activate(item) {
        if (item.action)
            item.action.trigger()
        else
            item.triggered()
    }

    // ---- start-up ------------------------------------------------------

    function test_startGeometry_data() {
        return [
            { tag: "stored 200x100 opens at the minimum", w: 200, h: 100, vis: 2, ew: 300, eh: 200, evis: Window.Windowed },
            { tag: "stored size kept", w: 700, h: 500, vis: 2, ew: 700, eh: 500, evis: Window.Windowed },
            { tag: "minimised opens windowed", w: 800, h: 500, vis: 3, ew: 800, eh: 500, evis: Window.Windowed },
            { tag: "hidden opens windowed", w: 800, h: 500, vis: 0, ew: 800, eh: 500, evis: Window.Windowed }
        ]
    }
    function test_startGeometry(data) {
        csettings.tmpMainWidth = data.w
        csettings.tmpMainHeight = data.h
        csettings.mainVisibility = data.vis
        createWindow()
        compare(win.width, data.ew)
        compare(win.height, data.eh)
        compare(win.minimumWidth, 300)
        compare(win.minimumHeight, 200)
        compare(win.visibility, data.evis)
        compare(countly.starts, 1)
        compare(keys.currentName, "default")
        compare(win.objectName, "applicationWindow")
    }

    function test_startUpPassword_data() {
        return [
            { tag: "password set", use: true, password: "secret", shown: true },
            { tag: "switched off", use: false, password: "secret", shown: false },
            { tag: "empty password", use: true, password: "", shown: false }
        ]
    }
    function test_startUpPassword(data) {
        csettings.useLoginPassword = data.use
        csettings.loginPassword = data.password
        createWindow()
        compare(win.loginPasswordWindowVisible, data.shown)
        compare(win.title, "Penlark")
    }

    function test_firstActivationOnce_data() {
        return [
            { tag: "auto sign-in", autologin: true, logins: 1 },
            { tag: "no auto sign-in", autologin: false, logins: 0 }
        ]
    }
    function test_firstActivationOnce(data) {
        userdata.autologin = data.autologin
        createWindow()
        win.requestActivate()
        tryCompare(win, "active", true)
        compare(cUpdate.checks, 1)
        compare(user.logins, data.logins)
        compare(cglobal.firstCalls, 1)

        otherWindow.visible = true
        otherWindow.requestActivate()
        tryCompare(win, "active", false)
        win.requestActivate()
        tryCompare(win, "active", true)
        compare(cUpdate.checks, 1)
        compare(user.logins, data.logins)
        compare(cglobal.firstCalls, 1)
        var acts = cglobal.appActions
        compare(acts[acts.length - 1], true)
        verify(acts.indexOf(false) >= 0, "deactivation reported")
    }

    function test_geometryWritten() {
        createWindow()
        win.geometrySaveDelay = 10
        win.width = 700
        win.height = 450
        tryCompare(csettings, "tmpMainWidth", 700)
        tryCompare(csettings, "tmpMainHeight", 450)
        tryCompare(csettings, "mainWidth", 700)
        compare(csettings.mainHeight, 450)
        win.x = 123
        tryCompare(csettings, "tmpMainX", 123)
        compare(csettings.mainX, 123)
    }

    // ---- close sequence --------------------------------------------------

    function test_closeRefusedWhileLocked() {
        createWindow()
        g_data.lockState = true
        win.close()
        wait(10)
        verify(win.visible, "stays open while locked")
        compare(lastMessage(), "锁定状态不能退出程序")
        compare(saveAllSpy.count, 0)
        compare(countly.stops, 0)

        g_data.lockState = false
        win.close()
        tryCompare(win, "visible", false)
        compare(saveAllSpy.count, 1)
        compare(countly.stops, 1)
        compare(cglobal.cleanCalls, 1)
    }

    // A document that cannot be saved keeps the window open once; the next
    // close quits.
    QtObject {
        id: unsavable
        property int attempts: 0
        function saveAllNoTips() { ++attempts; return false }
        function saveAll() {}
    }
    function test_closeRefusedOnceWhenADocumentCannotBeSaved() {
        createWindow()
        var real = win.documentPage
        win.documentPage = unsavable
        unsavable.attempts = 0
        win.close()
        wait(10)
        verify(win.visible, "stays open")
        compare(unsavable.attempts, 1)
        compare(lastMessage(), "有文档未能保存，程序没有退出。再次退出时，未保存的内容会另存一份副本，下次启动时告知存放位置。")
        compare(saveAllSpy.count, 0)
        compare(countly.stops, 0)

        win.close()
        tryCompare(win, "visible", false)
        compare(unsavable.attempts, 1)
        compare(saveAllSpy.count, 1)
        compare(countly.stops, 1)
        win.documentPage = real
    }

    function test_quitFromMenuFollowsTheCloseSequence() {
        createWindow()
        g_data.lockState = true
        activate(entry(menuNamed("fileMenu"), "退出程序"))
        wait(10)
        verify(win.visible)
        compare(lastMessage(), "锁定状态不能退出程序")
    }

    function test_closeWithoutQuitSync_data() {
        return [
            { tag: "cloud on quit off", cloudOnQuit: false, useCloud: true, logined: true },
            { tag: "cloud off", cloudOnQuit: true, useCloud: false, logined: true },
            { tag: "signed out", cloudOnQuit: true, useCloud: true, logined: false }
        ]
    }
    function test_closeWithoutQuitSync(data) {
        csettings.cloudOnQuit = data.cloudOnQuit
        csettings.useCloud = data.useCloud
        userdata.logined = data.logined
        createWindow()
        win.close()
        tryCompare(win, "visible", false)
        compare(files.doCloudCalls, 0)
        compare(saveAllSpy.count, 1)
    }

    function prepareQuitSync() {
        csettings.cloudOnQuit = true
        csettings.useCloud = true
        userdata.logined = true
        createWindow()
    }

    function test_quitSyncClosesWhenSyncEnds() {
        prepareQuitSync()
        win.close()
        wait(10)
        verify(win.visible, "the first close waits for the sync")
        verify(win.isSyncedOnQuit)
        compare(files.doCloudCalls, 1)
        compare(cloudDisk.origins, [CloudDisk.Program])
        compare(saveAllSpy.count, 1)
        compare(countly.stops, 1)

        // A second close while the sync runs keeps waiting.
        win.close()
        wait(10)
        verify(win.visible)
        compare(files.doCloudCalls, 1)

        files.updating = false
        tryCompare(win, "visible", false)
        // The documents are not saved again after the sync.
        compare(saveAllSpy.count, 1)
        compare(countly.stops, 1)
        compare(cglobal.cleanCalls, 1)
    }

    function test_quitSyncTimesOut() {
        prepareQuitSync()
        win.quitSyncTimeout = 50
        win.close()
        wait(10)
        verify(win.visible)
        verify(files.updating)
        tryCompare(win, "visible", false, 2000)
        compare(saveAllSpy.count, 1)
    }

    function test_quitSyncThatNeverStarts() {
        prepareQuitSync()
        files.startsSync = false
        win.close()
        tryCompare(win, "visible", false)
        compare(files.doCloudCalls, 1)
    }

    function test_quitSyncAlreadyRunning() {
        prepareQuitSync()
        files.updating = true
        files.startsSync = false
        win.close()
        wait(10)
        verify(win.visible, "waits for the run already under way")
        files.updating = false
        tryCompare(win, "visible", false)
    }

    function test_quitWithoutSyncButton() {
        prepareQuitSync()
        win.close()
        wait(10)
        verify(win.visible)
        verify(win.cloudSheet, "cloud sheet")
        verify(win.cloudSheet.visible)
        compare(win.cloudSheet.title, "正在云同步")
        win.cloudSheet.doCancel()
        tryCompare(win, "visible", false)
        compare(saveAllSpy.count, 1)
    }

    // ---- layout ----------------------------------------------------------

    function test_currentFunctionFollowsTabs() {
        createWindow()
        var pages = win.pcMain.pages
        compare(win.pcMain.currentPage, "files")
        verify(pages.files.visible)
        win.showTab("notes")
        compare(csettings.currentFunction, "notes")
        verify(pages.notes.visible)
        verify(!pages.files.visible)
        win.showTab("wordCount")
        compare(csettings.currentFunction, "wordCount")
        verify(pages.wordCount.visible)
        verify(!pages.notes.visible)
    }

    function test_currentFunctionRestored() {
        csettings.currentFunction = "notes"
        createWindow()
        compare(win.pcMain.currentPage, "notes")
        verify(win.pcMain.pages.notes.visible)
    }

    function test_freeLayout() {
        csettings.layoutLefttoRight = false
        createWindow()
        var bar = win.pcMain.homeBar
        verify(!findChild(bar, "homeButton_autoChapter").visible)
        verify(findChild(bar, "homeButton_notes").visible)
        var rightBox = findChild(win.pcMain, "rightBox")
        verify(rightBox.visible)
        var pages = win.pcMain.pages
        verify(pages.autoChapter.visible)
        verify(pages.autoChapter.parent !== findChild(win.pcMain, "leftStack"))
        win.showTab("notes")
        verify(pages.notes.visible)
        compare(pages.notes.parent, findChild(win.pcMain, "leftStack"))
        win.showTab("ranking")
        verify(pages.files.visible, "a right-column name shows the first entry")
        verify(!pages.notes.visible)
    }

    function test_barWidths() {
        createWindow()
        var left = findChild(win.pcMain, "leftStack")
        tryCompare(cglobal, "leftBarWidth", left.width + 40)
        compare(cglobal.rightBarWidth, 0)
        win.isShowLeftWidget = false
        tryCompare(cglobal, "leftBarWidth", 40)
    }

    function test_lumoAndMinimalist() {
        createWindow()
        win.setLumoModel()
        verify(win.lumoModel)
        compare(csettings.lumoModel, true)
        verify(win.isFullScreen)
        verify(!win.pcMain.homeBar.visible)
        verify(lastMessage().indexOf("Ctrl+Return") >= 0, lastMessage())

        // Lumo mode: the drawer holds the page; leaving it puts the page back.
        win.showTab("wordCount")
        verify(win.pcMain.drawerOpen)
        win.setLumoModel()
        verify(!win.lumoModel)
        verify(!win.isFullScreen)
        verify(win.pcMain.homeBar.visible)
        compare(win.pcMain.currentPage, "wordCount")
        compare(win.pcMain.pages.wordCount.parent, findChild(win.pcMain, "leftStack"))
        verify(win.pcMain.pages.wordCount.visible)

        win.setLumoModel()
        win.setMinimalistMode()
        verify(!win.lumoModel)
        verify(win.minimalistModel)
        compare(csettings.minimalistModel, true)
        verify(!win.isFullScreen)
        verify(!win.pcMain.homeBar.visible)

        // The drawer: showing the page it holds closes it.
        win.showTab("notes")
        verify(win.pcMain.drawerOpen)
        compare(win.pcMain.pages.notes.parent.parent, findChild(win.pcMain, "drawer"))
        win.showTab("notes")
        verify(!win.pcMain.drawerOpen)

        win.setMinimalistMode()
        verify(!win.minimalistModel)
        verify(win.pcMain.homeBar.visible)
        compare(win.pcMain.currentPage, "files")
        compare(win.pcMain.pages.notes.parent, findChild(win.pcMain, "leftStack"))
    }

    function test_minimalistFloatingControls() {
        createWindow()
        var tips = findChild(win.contentItem, "miniTipsLoader")
        wordCountModel.currentCountClass = wordCountModel.counts(12)
        verify(!tips.active)
        win.setMinimalistMode()
        verify(tips.active, "word-count tip while a document is counted")
        // first in the lower right corner, clear of the tab strip
        verify(tips.y > win.height / 2 && tips.x > win.width / 2, "tip at " + tips.x + "," + tips.y)
        verify(tips.x + tips.width <= win.contentItem.width && tips.y + tips.height <= win.contentItem.height)
        // then where it was dragged to, kept in the settings
        var drag = findChild(tips.item, "tipDragArea")
        verify(drag)
        mouseDrag(drag, 10, 10, -200, -200)
        tryVerify(function() { return csettings.miniTipsX >= 0 && csettings.miniTipsY >= 0 })
        compare(csettings.miniTipsX, Math.round(tips.x))
        compare(csettings.miniTipsY, Math.round(tips.y))
        wordCountModel.currentCountClass = wordCountModel.counts(-1)
        verify(!tips.active)

        // The menu bar slides out of view while the floating controls hide.
        verify(!win.isShowPendentTips)
        var bar = menuBar()
        tryVerify(function() { return bar.y < 0 })
        win.isShowPendentTips = true
        tryCompare(bar, "y", 0)
        win.setMinimalistMode()
        verify(win.isShowPendentTips)
    }

    function test_dropAcceptsOnlyDocuments_data() {
        return [
            { tag: "txt and md", urls: ["file:///a/one.txt", "file:///a/two.md"], ok: true },
            { tag: "upper-case suffix", urls: ["file:///a/ONE.TXT"], ok: true },
            { tag: "one other file", urls: ["file:///a/one.txt", "file:///a/pic.png"], ok: false },
            { tag: "suffix only in the folder", urls: ["file:///a.txt/readme"], ok: false },
            { tag: "nothing", urls: [], ok: false }
        ]
    }
    function test_dropAcceptsOnlyDocuments(data) {
        createWindow()
        var target = findChild(win.pcMain, "fileDragTarget")
        verify(target)
        compare(target.acceptable(data.urls), data.ok)
    }

    function test_navigationHoverTexts() {
        createWindow()
        var bar = win.pcMain.homeBar
        compare(findChild(bar, "homeButton_files").hoverText, "文件(Ctrl+1)")
        compare(findChild(bar, "homeButton_autoChapter").hoverText, "自动章节")
        compare(findChild(bar, "homeButton_me").hoverText, "个人中心")
        compare(findChild(bar, "homeButton_lumo").hoverText, "进入 Lumo 模式(Ctrl+Return)")
        win.setLumoModel()
        compare(findChild(bar, "homeButton_lumo").hoverText, "退出 Lumo 模式(Ctrl+Return)")
        findChild(bar, "homeButton_notes").clicked()
        compare(csettings.currentFunction, "notes")
    }

    function test_windowTopNotices() {
        createWindow()
        win.windowTop = true
        compare(lastMessage(), "窗口已置顶")
        win.windowTop = false
        compare(lastMessage(), "窗口已取消置顶")
        win.windowTop = true
        g_data.lockState = true
        win.windowTop = false
        compare(lastMessage(), "锁定状态不能取消窗口置顶")
    }

    function test_targetLocks_data() {
        return [
            { tag: "words set", words: 500, seconds: 0, locks: 1 },
            { tag: "nothing set", words: 0, seconds: 0, locks: 0 }
        ]
    }
    function test_targetLocks(data) {
        createWindow()
        g_data.lockWord = data.words
        g_data.lockSecond = data.seconds
        win.showTarget()
        win.targetLocked()
        compare(locker.lockCalls, data.locks)
    }

    // ---- secondary windows ------------------------------------------------

    function holder(name) {
        var h = findChild(win.contentItem, name)
        verify(h, name)
        return h
    }

    function test_onDemandSheets() {
        createWindow()
        var points = holder("pointsLoader")
        win.showPointsWindow()
        verify(points.item && points.item.visible)
        win.showPointsWindow()
        compare(points.item, null)
        win.showPointsWindow()
        verify(points.item)

        var about = holder("aboutLoader")
        win.showAbout()
        verify(about.item.visible)
        var first = about.item
        // closing the sheet (its destroyWindow) releases it; the next request builds afresh
        about.item.doCancel()
        compare(about.item, null)
        win.showAbout()
        verify(about.item && about.item !== first)

        win.showTheme()
        verify(holder("themeLoader").item.visible)

        var login = holder("loginLoader")
        csettings.showLogin()
        verify(login.item.visible)
        win.closeWidget()
        verify(!login.item || !login.item.visible)

        cglobal.showConflictPage()
        verify(holder("conflictLoader").item.visible)

        win.showFileHistory("file:///books/Book/index.txt")
        var history = holder("fileHistoryLoader").item
        compare(String(history.document), "file:///books/Book/index.txt")
        compare(history.title, "History - Book")
        verify(history.visible)

        win.showShutdown()
        compare(saveAllSpy.count, 1)
        verify(holder("shutdownLoader").item.visible)
    }

    function test_closeWidgetWithoutLogin() {
        createWindow()
        win.closeWidget()
        compare(closeDocumentSpy.count, 1)
    }

    function test_tabPagesFromSignals() {
        createWindow()
        var spy = openWidgetSpy
        cglobal.showHistory()
        compare(spy.count, 1)
        compare(spy.signalArguments[0][0], "qrc:/qml/page/HistoryPage.qml")
        compare(spy.signalArguments[0][1], "历史记录")
        win.openPerferences()
        compare(spy.signalArguments[1][0], "qrc:/qml/page/PreferencesPage.qml")
        compare(spy.signalArguments[1][1], "偏好设置")
    }

    function test_helpAndCountWindows() {
        createWindow()
        win.showHelp()
        verify(win.helpWindow && win.helpWindow.visible)
        win.showHelp()
        compare(win.helpWindow, null)
        // closed by its own button, the next request shows help again
        win.showHelp()
        var help = win.helpWindow
        tryVerify(function() { return help.opened })
        help.close()
        tryVerify(function() { return !help.visible })
        win.showHelp()
        verify(win.helpWindow && win.helpWindow.visible)
        // it lists the active scheme's shortcuts
        var rows = findChild(win.helpWindow.contentItem, "shortcutRows")
        verify(rows)
        compare(rows.count, keys.keysModel.count)
        win.showHelp()
        compare(win.helpWindow, null)

        win.showCountWindow()
        var card = win.countWindow
        verify(card && card.visible)
        card.visible = false
        win.showCountWindow()
        compare(win.countWindow, card)
        verify(card.visible)
        win.showCountWindow()
        compare(win.countWindow, null)
    }

    function test_loginStartsSyncAndOffersChallenge() {
        createWindow()
        files.startsSync = false
        csettings.isThroughing = true
        csettings.throughType = "speed"
        user.loginFinished(false, "bad")
        compare(files.doCloudCalls, 0)
        user.loginFinished(true, "")
        compare(files.doCloudCalls, 1)
        compare(cloudDisk.origins, [CloudDisk.Program])
        var dialog = holder("throughTipsLoader").item
        verify(dialog)
        compare(dialog.type, 1)
        verify(dialog.text.indexOf("speed") >= 0, dialog.text)
    }

    function test_lockAtStartGoesFullScreen() {
        g_data.lockState = true
        createWindow()
        verify(win.isFullScreen)
        g_data.lockState = false
    }

    // The lock's end brings the window back as it was before: windowed, its
    // size, and its title and menu bar.
    function test_lockEndRestoresWindow_data() {
        return [ { tag: "locked while open", atStart: false }, { tag: "locked at start", atStart: true },
                 { tag: "lock outlived a restart", atStart: false, restart: true } ]
    }
    function test_lockEndRestoresWindow(data) {
        csettings.tmpMainWidth = 700
        g_data.lockState = data.atStart
        createWindow()
        g_data.lockState = true
        verify(win.isFullScreen && !win.header.visible)
        if (data.restart) { cleanup(); createWindow() }
        g_data.lockState = false
        tryCompare(win, "visibility", Window.Windowed)
        verify(!win.isFullScreen && win.header.visible)
        compare(win.width, 700)
    }

    // ---- menus -----------------------------------------------------------

    function test_menuEntries() {
        createWindow()
        var bar = menuBar()
        var titles = []
        for (var i = 0; i < bar.count; ++i)
            titles.push(bar.menuAt(i).title)
        compare(titles, ["文件", "编辑", "显示", "工具", "帮助"])
        compare(entries(menuNamed("fileMenu")), ["新建", "打开", qsTranslate("WindowsMenuBar", "Open Recent"), "保存", "另存为", "导入", "关闭", "退出程序"])
        compare(entries(menuNamed("editMenu")), ["撤销 Ctrl+Z", "重做 Ctrl+Y", "剪切 Ctrl+X", "复制 Ctrl+C",
                                                 "粘贴 Ctrl+V", "全选 Ctrl+A", "查找", "替换"])
        compare(entries(menuNamed("showMenu")), ["显示 文件", "显示 自动章节", "显示 字数统计", "显示 拼字",
                                                 "显示 闯关", "显示 笔记", "显示 我", "窗口置顶",
                                                 "进入 极简 模式", "进入 Lumo 模式"])
        compare(entries(menuNamed("toolsMenu")), ["统计卡片", "过滤敏感词", "锁定", "添加章节名", "一键排版",
                                                  "历史记录", "云同步", "打字机模式", "偏好设置 Ctrl+Shift+P"])
        compare(entries(menuNamed("helpMenu")), ["帮助", "关于"])
        compare(entry(menuNamed("fileMenu"), "新建").shortcut, "Ctrl+N")

        // the scheme's preferences key opens the preferences page too
        var prefs = findChild(menuBar(), "preferencesShortcut")
        verify(prefs)
        compare(prefs.sequence, "Ctrl+,")
        verify(prefs.enabled)
        prefs.activated()
        compare(openWidgetSpy.count, 1)
        compare(openWidgetSpy.signalArguments[0][0], "qrc:/qml/page/PreferencesPage.qml")
    }

    function test_menuEnabledStates() {
        createWindow()
        var edit = menuNamed("editMenu")
        var tools = menuNamed("toolsMenu")
        var show = menuNamed("showMenu")
        verify(!entry(edit, "撤销 Ctrl+Z").enabled)
        verify(!entry(edit, "重做 Ctrl+Y").enabled)
        verify(!entry(edit, "剪切 Ctrl+X").enabled)
        verify(!entry(edit, "复制 Ctrl+C").enabled)
        verify(!entry(edit, "粘贴 Ctrl+V").enabled) // no text to take it (or one still loading)
        verify(!entry(tools, "一键排版").enabled)
        verify(!entry(show, "显示 自动章节").enabled)
        verify(!entry(tools, "过滤敏感词").enabled)

        win.documentPage.isUndoAvailable = true
        win.documentPage.isCopyAvailable = true
        win.documentPage.isPasteAvailable = true
        win.documentPage.isMakeupAvailable = true
        cglobal.isCurrentEdit = true
        verify(entry(edit, "撤销 Ctrl+Z").enabled)
        verify(entry(edit, "复制 Ctrl+C").enabled)
        verify(!entry(edit, "剪切 Ctrl+X").enabled)
        verify(entry(edit, "粘贴 Ctrl+V").enabled)
        verify(entry(tools, "一键排版").enabled)
        verify(entry(show, "显示 自动章节").enabled)
        verify(entry(tools, "过滤敏感词").enabled)

        win.setMinimalistMode()
        compare(entry(show, "退出 极简 模式").text, "退出 极简 模式")
    }

    // Escape after the pointer moved from one menu title to the next closes
    // the menu and leaves the bar quiet: hovering a title opens nothing.
    // (Key clicks reach only the test's own window, so the Escape shortcut's
    // handler is called directly; a popup's own Escape close is what used
    // to leave the bar opening menus on hover.)
    function test_escapeAfterHoverSwitch() {
        createWindow()
        var bar = menuBar()
        var file = bar.itemAt(0)
        var show = bar.itemAt(2)
        var tools = bar.itemAt(3)
        // hover effects are off on the offscreen platform
        bar.hoverEnabled = true
        for (var i = 0; i < bar.count; ++i) {
            bar.itemAt(i).hoverEnabled = true
            verify(!(bar.itemAt(i).menu.closePolicy & 0x20), "Escape is the bar's, not the popup's")  // Popup.CloseOnEscape
        }
        mouseClick(file)
        tryVerify(function() { return file.menu.opened })
        mouseMove(show, 2, 2)
        mouseMove(show)
        tryVerify(function() { return show.menu.opened && !file.menu.visible })
        verify(bar.menuOpen)
        bar.closeOpenMenu()
        tryVerify(function() { return !show.menu.visible && !bar.menuOpen })
        mouseMove(tools, 2, 2)
        mouseMove(tools)
        wait(50)
        verify(!tools.menu.visible)
        mouseMove(win.contentItem, win.width / 2, win.height / 2)
        tryVerify(function() { return !show.highlighted && !tools.highlighted })
        mouseClick(tools)
        tryVerify(function() { return tools.menu.opened })
        bar.closeOpenMenu()
        tryVerify(function() { return !tools.menu.visible })
    }

    // Typing with the pointer resting: the window's hover cover takes the
    // hover test of each frame until the pointer moves; then the item under
    // the pointer has its hover back at once, and a click made while the
    // pointer rests reaches the item below.
    function test_hoverCoverWhileTyping() {
        createWindow()
        var bar = menuBar()
        var file = bar.itemAt(0)
        file.hoverEnabled = true  // hover effects are off on the offscreen platform
        var cover = findChild(win.contentItem.parent, "hoverCover")
        verify(cover, "hover cover")
        win.requestActivate()
        tryVerify(function() { return win.active })
        mouseMove(file, file.width / 2, file.height / 2)
        tryVerify(function() { return file.hovered })
        verify(!cover.hoverEnabled)

        keyClick(Qt.Key_A)
        verify(cover.hoverEnabled, "a key press: the pointer rests")
        file.opacity = 0.9  // a frame with a changed item
        tryVerify(function() { return !file.hovered })
        mouseMove(file, file.width / 2 + 1, file.height / 2)
        verify(!cover.hoverEnabled, "the pointer moved")
        tryVerify(function() { return file.hovered })

        keyClick(Qt.Key_A)
        verify(cover.hoverEnabled)
        mouseClick(file)
        verify(!cover.hoverEnabled)
        tryVerify(function() { return file.menu.opened })
        bar.closeOpenMenu()
        tryVerify(function() { return !file.menu.visible })
    }

    function test_settingButtonMenu() {
        createWindow()
        var menu = win.pcMain.homeBar.settingButton.menu
        compare(entries(menu), ["关于", "帮助", "主题", "工具", "偏好设置"])
        var tools = findChild(menu, "toolsMenu")
        verify(tools)
        compare(entries(tools), ["过滤敏感词", "笔记", "锁定", "在光标处添加章节名", "一键排版", "历史记录"])
        // the document-only entries wait for a document
        verify(!entry(tools, "过滤敏感词").enabled)
        verify(!entry(tools, "一键排版").enabled)
        cglobal.isCurrentEdit = true
        win.documentPage.isMakeupAvailable = true
        verify(entry(tools, "过滤敏感词").enabled)
        verify(entry(tools, "一键排版").enabled)
        cglobal.isCurrentEdit = false

        entry(menu, "偏好设置").triggered()
        compare(openWidgetSpy.count, 1)
        compare(openWidgetSpy.signalArguments[0][1], "偏好设置")
        entry(menu, "关于").triggered()
        verify(findChild(win.contentItem, "aboutLoader").item)
        entry(menu, "主题").triggered()
        verify(findChild(win.contentItem, "themeLoader").item)
    }

    function test_typewriterMenu() {
        createWindow()
        var menu = findChild(menuBar(), "typewriterMenu")
        verify(menu)
        compare(entries(menu), ["启动打字机模式", "高亮显示当前行", "固定滚动", "标记当前行"])
        verify(menu.itemAt(0).enabled)
        verify(!menu.itemAt(1).enabled)
        verify(!menu.itemAt(3).enabled)
        menu.itemAt(0).toggle()
        menu.itemAt(0).triggered()
        compare(csettings.isTypewriter, true)
        verify(menu.itemAt(1).enabled)
        var rolling = findChild(menuBar(), "rollingMenu")
        compare(entries(rolling), ["关", "上", "中", "下", "可变"])
        verify(rolling.itemAt(4).checked)
    }

    function test_recentFiles() {
        createWindow()
        var recent = findChild(menuBar(), "recentMenu")
        verify(recent)
        // the catalogue of the source language names the entry in Chinese
        var clearMenu = qsTranslate("WindowsMenuBar", "Clear Menu")
        compare(entries(recent), ["-", clearMenu])
        verify(!entry(recent, clearMenu).enabled)

        files.recentFiles = ["/docs/one.txt", "/docs/two.md"]
        compare(entries(recent), ["two", "one", "-", clearMenu])
        verify(entry(recent, clearMenu).enabled)
        entry(recent, "two").triggered()
        compare(openFileSpy.count, 1)
        compare(openFileSpy.signalArguments[0][0], "file:///docs/two.md")

        // a book's index goes by its folder's name
        files.recentFiles = ["/docs/one.txt", "/docs/我的书/index.txt"]
        compare(entries(recent), ["我的书", "one", "-", clearMenu])

        entry(recent, clearMenu).triggered()
        compare(entries(recent), ["-", clearMenu])
        verify(!entry(recent, clearMenu).enabled)
    }

    // The sync's one entry point decides (sign-in, conflicts, a run).
    function test_cloudMenuEntry() {
        createWindow()
        files.startsSync = false
        entry(menuNamed("toolsMenu"), "云同步").triggered()
        compare(cloudDisk.origins, [CloudDisk.Writer])
    }
}
