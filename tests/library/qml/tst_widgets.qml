import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.2
import TovaUi 0.1

// Menus, the start-up password screen, the title bar under the writing lock,
// the shortcut field, multiple selection and the table section.
Item {
    id: root
    width: 800
    height: 600

    BaseMenu {
        id: menu
        BaseMenuItem { text: "新建"; shortcut: "Ctrl+N" }
        MenuSeparator {}
        BaseMenuItem { text: "打开"; shortcut: "Ctrl+O"; enabled: false }
        BaseMenuItem { text: "关闭" }
    }
    SignalSpy { id: triggeredSpy; signalName: "triggered" }

    Component {
        id: passwordWindow
        Window {
            property bool loginPasswordWindowVisible: false
            property alias screen: screen
            width: 400
            height: 300
            visible: true
            LoginPasswordWidget { id: screen; visible: false }
        }
    }

    QtObject {
        id: fakeWindow
        property string title: "窗口"
        property int visibility: Window.Windowed
        property int frameRadius: 0
        property int x: 100
        property int y: 100
        property int showMaximizedCalls: 0
        function showMaximized() { showMaximizedCalls += 1 }
        function showNormal() {}
        function showMinimized() {}
        function close() {}
    }

    Component { id: titleBarComponent; WindowsTitleBar { width: 400; control: fakeWindow } }
    Component { id: shortcutComponent; ShortcutBox { width: 150 } }
    Component {
        id: listComponent
        MultipleSelectionListView {
            width: 200
            height: 200
            sourceModel: ListModel {
                ListElement { name: "第一章" }
                ListElement { name: "第二章" }
                ListElement { name: "第三章" }
            }
            itemDelegate: Text { text: name; height: 20 }
        }
    }
    Component { id: sectionComponent; TableSection { model: ["偏好设置", { title: "主题" }, "快捷键"] } }
    Component { id: themeComponent; ThemePage {} }
    Component { id: stackComponent; StackBox {
        width: 200; height: 400
        StackBoxItem { title: "a"; defaultHeight: 100 }
        StackBoxItem { title: "b"; defaultHeight: 300 }
        StackBoxItem { title: "c"; expanded: false }
    } }
    Component { id: spyComponent; SignalSpy {} }

    TestCase {
        name: "Widgets"
        when: windowShown

        function test_menuItems() {
            compare(menu.count, 4)
            compare(menu.itemAt(0).text, "新建")
            compare(menu.itemAt(0).shortcut, "Ctrl+N")
            compare(menu.itemAt(2).enabled, false)
            triggeredSpy.target = menu.itemAt(3)
            triggeredSpy.clear()
            menu.open()
            tryCompare(menu, "opened", true)
            mouseClick(menu.itemAt(3))
            compare(triggeredSpy.count, 1)
            tryCompare(menu, "visible", false)
        }

        function test_passwordEmptyClosesAtOnce() {
            csettings.loginPassword = ""
            var win = createTemporaryObject(passwordWindow, root)
            var spy = createTemporaryObject(spyComponent, root, { target: win.screen, signalName: "close" })
            win.screen.visible = true
            compare(spy.count, 1)
            compare(win.screen.visible, false)
            compare(win.loginPasswordWindowVisible, false)
        }

        function test_passwordCheck() {
            csettings.loginPassword = "墨水123"
            var win = createTemporaryObject(passwordWindow, root)
            var spy = createTemporaryObject(spyComponent, root, { target: win.screen, signalName: "close" })
            win.screen.visible = true
            compare(win.loginPasswordWindowVisible, true)
            var field = findChild(win.screen, "passwordField")
            field.text = "wrong"
            verify(!win.screen.checkPasswrod())
            compare(win.screen.errorText, "启动密码错误")
            verify(win.screen.noteText.indexOf("注意启动密码不是您用户账号的密码。") === 0)
            compare(spy.count, 0)
            compare(win.screen.visible, true)
            field.text = "墨水123"
            verify(win.screen.checkPasswrod())
            compare(spy.count, 1)
            compare(win.screen.visible, false)
            compare(win.loginPasswordWindowVisible, false)
            csettings.loginPassword = ""
        }

        function test_titleBarLock() {
            var bar = createTemporaryObject(titleBarComponent, root)
            verify(findChild(bar, "closeButton").visible)
            verify(bar.moveTitle(5, 7))
            compare(fakeWindow.x, 105)
            compare(fakeWindow.y, 107)
            verify(bar.toggleMaximized())
            compare(fakeWindow.showMaximizedCalls, 1)
            bar.lockState = true
            verify(!findChild(bar, "closeButton").visible)
            verify(!findChild(bar, "minButton").visible)
            verify(!findChild(bar, "maxButton").visible)
            verify(!bar.moveTitle(5, 5))
            compare(fakeWindow.x, 105)
            mouseDoubleClickSequence(bar, 200, 15)
            compare(fakeWindow.showMaximizedCalls, 1)
        }

        function test_shortcutRecording() {
            var box = createTemporaryObject(shortcutComponent, root)
            var spy = createTemporaryObject(spyComponent, root, { target: box, signalName: "enterKey" })
            box.forceActiveFocus()
            keyClick(Qt.Key_S, Qt.ControlModifier)
            compare(box.key, "Ctrl+S")
            keyClick(Qt.Key_Control)
            compare(box.key, "Ctrl")
            keyClick(Qt.Key_F1, Qt.AltModifier)
            compare(box.key, "Alt+F1")
            keyClick(Qt.Key_Return)
            compare(spy.count, 1)
            compare(spy.signalArguments[0][0], "Alt+F1")
            compare(box.key, "Alt+F1")
        }

        function test_multipleSelection() {
            var list = createTemporaryObject(listComponent, root)
            var done = createTemporaryObject(spyComponent, root, { target: list, signalName: "selectionDone" })
            var canceled = createTemporaryObject(spyComponent, root, { target: list, signalName: "selectionCanceled" })
            list.selectItem(0)
            compare(list.selectedCount, 0)   // not in selection mode
            list.startSelection()
            list.selectItem(2)
            list.selectItem(0)
            list.selectItem(7)               // out of range: ignored
            compare(list.selectedCount, 2)
            list.deselectItem(0)
            list.selectItem(1)
            list.endSelection()
            compare(done.count, 1)
            var items = done.signalArguments[0][0]
            compare(items.length, 2)
            compare(items[0].index, 1)
            compare(items[0].model.name, "第二章")
            compare(items[1].model.name, "第三章")
            compare(list.selecting, false)
            compare(list.selectedCount, 0)
            list.startSelection()
            list.selectAll()
            compare(list.selectedCount, 3)
            list.cancelSelection()
            compare(canceled.count, 1)
            compare(list.selectedCount, 0)
        }

        function test_tableSection() {
            var section = createTemporaryObject(sectionComponent, root)
            var spy = createTemporaryObject(spyComponent, root, { target: section, signalName: "selected" })
            compare(section.rowHeight, 44)
            mouseClick(section, 100, section.height - 30)
            compare(spy.count, 1)
            compare(spy.signalArguments[0][0], 2)
            compare(spy.signalArguments[0][1], "快捷键")
            section.showError("出错了")
            compare(section.errorText, "出错了")
        }

        function test_themePageMarksAndChooses() {
            g_theme.currentTheme = 1
            var page = createTemporaryObject(themeComponent, root)
            page.show()
            tryCompare(page, "opened", true)
            var grid = page.contentItem
            var swatches = []
            function collect(item) {
                for (var i = 0; i < item.children.length; ++i) {
                    var c = item.children[i]
                    if (c.objectName === "themeSwatch")
                        swatches.push(c)
                    collect(c)
                }
            }
            collect(grid)
            compare(swatches.length, g_theme.themes.count)
            compare(swatches[1].border.width, 3)
            mouseClick(swatches[4])
            compare(g_theme.currentTheme, 4)
            compare(swatches[4].border.width, 3)
            compare(swatches[1].border.width, 1)
            page.close()
            g_theme.currentTheme = 1
        }

        function test_stackBoxSharesHeight() {
            var box = createTemporaryObject(stackComponent, root)
            var a = box.children[0].children[0]
            var b = box.children[0].children[1]
            var c = box.children[0].children[2]
            compare(c.height, c.headerHeight)
            compare(a.height + b.height + c.height <= 400, true)
            compare(b.height, 3 * a.height)
            a.expanded = false
            a.toggled(false)
            compare(a.height, a.headerHeight)
            compare(b.height, 400 - 2 * a.headerHeight)
        }
    }
}
