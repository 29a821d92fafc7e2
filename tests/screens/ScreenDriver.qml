import QtQuick 2.15
import QtQuick.Controls 2.15 as C

// The screens of the main window, each one opened and closed the way the
// program opens it (menus by their menu, sheets by the window's own
// functions). The test opens a screen, grabs it in every theme, and closes
// it again.
QtObject {
    id: driver

    property var win: null

    // ---- finding things ------------------------------------------------

    function find(root, name) {
        if (!root)
            return null
        if (root.objectName === name)
            return root
        var kids = root.data || root.children || root.contentData || []
        for (var i = 0; i < kids.length; ++i) {
            var hit = find(kids[i], name)
            if (hit)
                return hit
        }
        if (root.contentItem && root.contentItem !== root) {
            var inContent = find(root.contentItem, name)
            if (inContent)
                return inContent
        }
        return null
    }
    function menuBar() { return find(win.header, "windowsMenuBar") }
    function barMenu(name) {
        var bar = menuBar()
        for (var i = 0; i < bar.count; ++i) {
            if (bar.menuAt(i).objectName === name)
                return bar.menuAt(i)
        }
        return null
    }
    function subMenu(menu, name) {
        for (var i = 0; i < menu.count; ++i) {
            var item = menu.itemAt(i)
            if (item && item.subMenu && item.subMenu.objectName === name)
                return item
        }
        return null
    }
    function page(name) { return win.pcMain.page(name) }
    property string documentFolder: ""
    property var accountSheet: null
    function docUrl(path) { return "file://" + documentFolder + "/" + path }
    function editor() { return win.documentPage.currentEditor }
    function settingMenu() { return win.pcMain.homeBar.settingButton.menu }
    // The first flickable under `root` whose content is taller than it.
    function scroller(root) {
        if (!root)
            return null
        if (root.contentHeight !== undefined && root.contentY !== undefined && root.height > 0
                && root.contentHeight > root.height + 1)
            return root
        var kids = root.children || []
        for (var i = 0; i < kids.length; ++i) {
            var hit = scroller(kids[i])
            if (hit)
                return hit
        }
        return null
    }
    function scrollTo(root, part) {
        var f = scroller(root)
        if (f)
            f.contentY = Math.max(0, (f.contentHeight - f.height) * part)
    }
    function tabPage(objectName) {
        var pages = win.documentPage.pages
        for (var i = 0; i < pages.length; ++i) {
            if (String(pages[i].objectName).indexOf(objectName) >= 0)
                return pages[i]
        }
        return null
    }
    function closeTabPage(objectName) {
        var pages = win.documentPage.pages
        for (var i = 0; i < pages.length; ++i) {
            if (String(pages[i].objectName).indexOf(objectName) >= 0) {
                win.documentPage.closeAt(i)
                return
            }
        }
    }
    function popupMenu(menu) { menu.popup(win.contentItem, 200, 80) }
    function openSub(menu, name) {
        menu.popup(win.contentItem, 200, 80)
        var item = subMenu(menu, name)
        item.subMenu.popup(menu.contentItem, menu.width - 4, item.y)
    }
    function closeMenu(menu) {
        for (var i = 0; i < menu.count; ++i) {
            var item = menu.itemAt(i)
            if (item && item.subMenu)
                item.subMenu.close()
        }
        menu.close()
    }
    // Cancels the sheets and dialogs that `root` holds and are showing.
    function cancelSheets(root) {
        var kids = root.data || []
        for (var i = 0; i < kids.length; ++i) {
            var sheet = kids[i]
            if (!sheet || sheet.opened !== true)
                continue
            if (typeof sheet.doCancel === "function")
                sheet.doCancel()
            else if (typeof sheet.reject === "function")
                sheet.reject()
            else
                sheet.close()
        }
    }
    // Notices close by themselves after a few seconds; on a slow machine
    // that could happen while the themes are still being grabbed.
    function holdNotices() {
        find(win, "noticePopup").duration = 600000
        find(win, "tipPopup").duration = 600000
    }
    function loaderItem(name) {
        var holder = find(win, name)
        return holder ? holder.item : null
    }
    function closeLoader(name) {
        var holder = find(win, name)
        if (holder)
            holder.active = false
    }

    // ---- the screens ---------------------------------------------------

    function sidePage(name) {
        return { name: "page-" + name, open: function() { win.showTab(name) }, close: function() {} }
    }

    readonly property var scenes: [
        sidePage("files"), sidePage("autoChapter"), sidePage("wordCount"), sidePage("ranking"),
        sidePage("through"), sidePage("notes"), sidePage("me"),
        { name: "page-wordCount-bottom",
          open: function() { win.showTab("wordCount"); scrollTo(page("wordCount"), 1) },
          close: function() { scrollTo(page("wordCount"), 0); win.showTab("files") } },
        { name: "menu-file", open: function() { popupMenu(barMenu("fileMenu")) }, close: function() { closeMenu(barMenu("fileMenu")) } },
        { name: "menu-file-import",
          open: function() {
              var m = barMenu("fileMenu")
              m.popup(win.contentItem, 200, 80)
              for (var i = 0; i < m.count; ++i) {
                  var item = m.itemAt(i)
                  if (item && item.subMenu && item.subMenu !== barMenu("fileMenu").recentMenu && item.subMenu.objectName !== "recentMenu")
                      item.subMenu.popup(m.contentItem, m.width - 4, item.y)
              }
          },
          close: function() { closeMenu(barMenu("fileMenu")) } },
        { name: "menu-edit", open: function() { popupMenu(barMenu("editMenu")) }, close: function() { closeMenu(barMenu("editMenu")) } },
        { name: "menu-show", open: function() { popupMenu(barMenu("showMenu")) }, close: function() { closeMenu(barMenu("showMenu")) } },
        { name: "menu-tools", open: function() { popupMenu(barMenu("toolsMenu")) }, close: function() { closeMenu(barMenu("toolsMenu")) } },
        { name: "menu-typewriter", open: function() { openSub(barMenu("toolsMenu"), "typewriterMenu") },
          close: function() { closeMenu(barMenu("toolsMenu")) } },
        { name: "menu-help", open: function() { popupMenu(barMenu("helpMenu")) }, close: function() { closeMenu(barMenu("helpMenu")) } },
        { name: "menu-settings", open: function() { popupMenu(settingMenu()) }, close: function() { closeMenu(settingMenu()) } },
        { name: "menu-settings-tools", open: function() { openSub(settingMenu(), "toolsMenu") },
          close: function() { closeMenu(settingMenu()) } },
        { name: "menu-editor", open: function() { popupMenu(find(editor(), "contextMenu")) },
          close: function() { find(editor(), "contextMenu").close() } },
        { name: "find", open: function() { win.replace() }, close: function() { find(editor(), "findWidget").visible = false } },
        { name: "sheet-about", open: function() { win.showAbout() }, close: function() { closeLoader("aboutLoader") } },
        { name: "sheet-theme", open: function() { win.showTheme() }, close: function() { closeLoader("themeLoader") } },
        { name: "sheet-help", open: function() { win.showHelp() }, close: function() { win.showHelp() } },
        { name: "sheet-statistics", open: function() { win.showCountWindow() },
          close: function() { if (win.countWindow) { win.countWindow.destroy() } } },
        { name: "sheet-lock", open: function() { win.showTarget() }, close: function() { closeLoader("targetLoader") } },
        { name: "sheet-subtle", open: function() { win.showSubtle() },
          close: function() { var s = find(editor(), "subtlePage"); if (s) s.close() } },
        { name: "sheet-notes", open: function() { win.showNotes() }, close: function() { closeLoader("notesLoader") } },
        { name: "sheet-login", open: function() { win.showLogin() }, close: function() { closeLoader("loginLoader") } },
        { name: "sheet-points", open: function() { win.showPointsWindow() }, close: function() { win.showPointsWindow() } },
        { name: "sheet-conflict", open: function() { win.showConflictPage() }, close: function() { closeLoader("conflictLoader") } },
        { name: "sheet-folder-account", open: function() { win.showFolderAccountSheet() }, close: function() { closeLoader("folderAccountLoader") } },
        { name: "sheet-file-history", open: function() { win.showFileHistory(files.currentFile) }, close: function() { closeLoader("fileHistoryLoader") } },
        { name: "sheet-through-tips", open: function() { win.showThroughTipsDialog() }, close: function() { closeLoader("throughTipsLoader") } },
        // (its "Saved successfully" notice would fade out over the next screen)
        { name: "sheet-shutdown", open: function() { win.showShutdown() },
          close: function() { closeLoader("shutdownLoader"); find(win, "noticePopup").close(); find(win, "tipPopup").close() } },
        { name: "sheet-cloud", open: function() { find(win, "cloudSheetLoader").active = true; loaderItem("cloudSheetLoader").open() },
          close: function() { loaderItem("cloudSheetLoader").close(); closeLoader("cloudSheetLoader") } },
        { name: "notices", open: function() { message.show(qsTranslate("main", "锁定状态不能退出程序"), 2); message.show(qsTranslate("main", "窗口已置顶"), 16); holdNotices() },
          close: function() { find(win, "noticePopup").close(); find(win, "tipPopup").close() } },
        { name: "notice-warning", open: function() { message.show(qsTranslate("main", "锁定状态不能退出程序"), 1); message.show(qsTranslate("main", "窗口已置顶"), 64); holdNotices() },
          close: function() { find(win, "noticePopup").close(); find(win, "tipPopup").close() } },
        { name: "notice-error", open: function() { message.show(qsTranslate("main", "锁定状态不能退出程序"), 0); holdNotices() },
          close: function() { find(win, "noticePopup").close() } },
        { name: "sheet-update", open: function() { message.show("Penlark 2.1.0", 4, 5000, "2.1.0") },
          close: function() { find(win, "updateDialog").close() } },
        { name: "tab-preferences", open: function() { win.openPerferences() }, close: function() {} },
        { name: "tab-preferences-middle", open: function() { scrollTo(tabPage("PreferencesPage"), 0.5) }, close: function() {} },
        { name: "tab-preferences-bottom", open: function() { scrollTo(tabPage("PreferencesPage"), 1) },
          close: function() { closeTabPage("PreferencesPage") } },
        { name: "tab-history", open: function() { win.openHistory() }, close: function() { closeTabPage("HistoryPage") } },
        { name: "tab-clockin", open: function() { win.openClockIn() }, close: function() { closeTabPage("ClockInPage") } },
        { name: "layout-free", open: function() {
              csettings.layoutLefttoRight = false
              win.openPerferences()
              win.openFile(docUrl("Novel/chapter-2.txt"))
          },
          close: function() {
              closeTabPage("PreferencesPage")
              closeTabPage("chapter-2.txt")
              csettings.layoutLefttoRight = true
              win.showTab("files")
          } },
        { name: "signed-in-me", open: function() {
              userdata.nickname = "Writer"
              userdata.email = "writer@example.org"
              userdata.logined = true
              win.showTab("me")
          }, close: function() {} },
        { name: "signed-in-ranking", open: function() { win.showTab("ranking") }, close: function() {} },
        // (the account page's sheets lie in the window's overlay, not in the page)
        { name: "sheet-profile", open: function() { accountSheet = page("me").openSheet("ProfileWindow.qml") },
          close: function() { accountSheet.doCancel() } },
        { name: "sheet-password", open: function() { accountSheet = page("me").openSheet("PasswordWindow.qml") },
          close: function() { accountSheet.doCancel() } },
        { name: "sheet-points-signed-in", open: function() { win.showPointsWindow() }, close: function() { win.showPointsWindow() } },
        { name: "sheet-create-room", open: function() { page("ranking").showCreateSheet() },
          close: function() { cancelSheets(page("ranking")) } },
        { name: "signed-in-room", open: function() { page("ranking").openRoom("Room A", false, "") },
          close: function() { find(page("ranking"), "leaveRoomButton").clicked() } },
        { name: "sheet-room-password", open: function() { page("ranking").openRoom("Room A", true, "secret") },
          close: function() { cancelSheets(page("ranking")); userdata.logined = false; win.showTab("files") } },
        // 1280 x 800 at 200 %
        { name: "window-640x400", open: function() { win.width = 640; win.height = 400 },
          close: function() { win.width = 920; win.height = 600 } },
        { name: "minimalist", open: function() { win.setMinimalistMode(); win.isShowPendentTips = true },
          close: function() {} },
        { name: "minimalist-drawer", open: function() { win.showTab("wordCount"); win.isShowPendentTips = false },
          close: function() { win.setMinimalistMode() } }
    ]
    readonly property int count: scenes.length
    function sceneName(i) { return scenes[i].name }
    function openScene(i) { scenes[i].open() }
    function closeScene(i) { scenes[i].close() }
}
