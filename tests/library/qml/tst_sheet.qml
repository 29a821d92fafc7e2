import QtQuick 2.15
import QtTest 1.2
import TovaUi 0.1

// Sheets: the ok / cancel / destroyWindow signals callers rely on, the
// message box's OK, and scrolling of content taller than the sheet.
Item {
    id: root
    width: 800
    height: 600

    Component { id: sheetComponent; SheetWindow { Rectangle { width: 200; height: 100 } } }
    Component { id: tallComponent; SheetWindow { Rectangle { width: 200; height: 2000 } } }
    Component { id: boxComponent; MessageBox { text: "确定要删除吗？" } }
    Component { id: shutdownComponent; ShutdownWindow {} }

    SignalSpy { id: okSpy; signalName: "ok" }
    SignalSpy { id: cancelSpy; signalName: "cancel" }
    SignalSpy { id: destroySpy; signalName: "destroyWindow" }

    function watch(sheet) {
        okSpy.clear(); cancelSpy.clear(); destroySpy.clear()
        okSpy.target = sheet
        cancelSpy.target = sheet
        destroySpy.target = sheet
    }

    TestCase {
        name: "Sheets"
        when: windowShown

        function openSheet(component, props) {
            var sheet = createTemporaryObject(component, root, props || {})
            verify(sheet)
            root.watch(sheet)
            sheet.show()
            tryCompare(sheet, "opened", true)
            return sheet
        }

        function button(sheet, name) {
            var b = findChild(sheet.contentItem, name)
            verify(b, name)
            return b
        }

        function test_defaults() {
            var sheet = createTemporaryObject(sheetComponent, root)
            compare(sheet.isShowOk, true)
            compare(sheet.isShowCancel, false)
            compare(sheet.closeOnOk, true)
            compare(sheet.isShowCloseButton, false)
            compare(sheet.title, "")
            compare(sheet.okTitle, "确定")
            compare(sheet.useScrollView, true)
            compare(sheet.color, g_theme.popupColor)
            compare(sheet.buttonColor, g_theme.highlightedTextColor)
        }

        function test_okClosesAndDestroys() {
            var sheet = openSheet(sheetComponent)
            compare(button(sheet, "sheetCancelButton").visible, false)
            mouseClick(button(sheet, "sheetOkButton"))
            compare(okSpy.count, 1)
            compare(destroySpy.count, 1)
            compare(cancelSpy.count, 0)
            tryCompare(sheet, "visible", false)
        }

        function test_okWithoutCloseOnOk() {
            var sheet = openSheet(sheetComponent, { closeOnOk: false })
            mouseClick(button(sheet, "sheetOkButton"))
            compare(okSpy.count, 1)
            compare(destroySpy.count, 0)
            compare(sheet.opened, true)
            sheet.close()
        }

        function test_cancelClosesAndDestroys() {
            var sheet = openSheet(sheetComponent, { isShowCancel: true })
            mouseClick(button(sheet, "sheetCancelButton"))
            compare(cancelSpy.count, 1)
            compare(destroySpy.count, 1)
            compare(okSpy.count, 0)
            tryCompare(sheet, "visible", false)
        }

        function test_escapeCancels() {
            var sheet = openSheet(sheetComponent, { isShowCancel: true })
            sheet.contentItem.forceActiveFocus()
            keyClick(Qt.Key_Escape)
            compare(cancelSpy.count, 1)
            compare(destroySpy.count, 1)
        }

        function test_messageBoxOkClosesWithoutDestroy() {
            var box = openSheet(boxComponent)
            compare(box.buttonColor, g_theme.accentColor)
            compare(box.closeOnOk, false)
            mouseClick(button(box, "sheetOkButton"))
            compare(okSpy.count, 1)
            compare(destroySpy.count, 0)
            tryCompare(box, "visible", false)
        }

        function test_messageBoxCancel() {
            var box = openSheet(boxComponent)
            mouseClick(button(box, "sheetCancelButton"))
            compare(cancelSpy.count, 1)
            compare(destroySpy.count, 1)
        }

        function test_tallContentScrolls() {
            var sheet = openSheet(tallComponent)
            var scroll = findChild(sheet.contentItem, "sheetScrollView")
            verify(scroll.height <= sheet.maxHeight)
            verify(sheet.height <= root.height)
            verify(scroll.contentHeight > scroll.height)
            // the stored height minus 40 and the OK row bounds the content
            verify(sheet.maxHeight <= csettings.mainHeight - 40 - 30)
            sheet.close()
        }

        function test_staleStoredHeightDoesNotOverflowWindow() {
            var old = csettings.mainHeight
            csettings.mainHeight = 5000
            var sheet = openSheet(tallComponent)
            verify(sheet.height <= root.height)
            sheet.close()
            csettings.mainHeight = 0
            verify(sheet.maxHeight > 0)
            csettings.mainHeight = old
        }

        function test_closeGlyphCancels() {
            var sheet = openSheet(sheetComponent, { showTitleAndClose: true, isShowOk: false,
                                                    isShowCloseButton: true, title: "主题" })
            compare(button(sheet, "sheetOkButton").visible, false)
            mouseClick(button(sheet, "sheetCloseButton"))
            compare(cancelSpy.count, 1)
            compare(destroySpy.count, 1)
            compare(okSpy.count, 0)
        }

        function test_placement() {
            var sheet = openSheet(sheetComponent)
            compare(sheet.x, Math.round((root.width - sheet.width) / 2))
            compare(sheet.y, Math.round((root.height - sheet.height) / 2))
            sheet.close()
            sheet = openSheet(sheetComponent, { inCenter: false, x: 40, y: 300 })
            compare(sheet.x, 40)
            compare(sheet.y, 300)
            sheet.close()
        }

        function test_shutdownChoices() {
            var before = functions.shutdownCalls
            var sheet = openSheet(shutdownComponent)
            mouseClick(button(sheet, "sheetOkButton"))
            compare(functions.shutdownCalls, before + 1)
            compare(functions.lastReboot, false)
            sheet = openSheet(shutdownComponent, { reboot: true })
            mouseClick(button(sheet, "sheetOkButton"))
            compare(functions.shutdownCalls, before + 2)
            compare(functions.lastReboot, true)
        }
    }
}
