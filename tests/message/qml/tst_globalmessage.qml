import QtQuick 2.15
import QtTest 1.15

Item {
    id: top
    width: 800
    height: 600

    // Takes keys the way the editor does, to see whether Escape reaches it.
    Item {
        id: editorStandIn
        focus: true
        property int escapes: 0
        Keys.onEscapePressed: escapes++
    }

    Loader {
        id: loader
        anchors.centerIn: parent
        source: "qrc:/qml/function/GlobalMessage.qml"
    }

    TestCase {
        name: "GlobalMessage"
        when: windowShown

        property var view: loader.item
        property var notice: findChild(loader.item, "noticePopup")
        property var tip: findChild(loader.item, "tipPopup")
        property var update: findChild(loader.item, "updateDialog")

        function init() {
            notice.close()
            tip.close()
            update.close()
            tryCompare(notice, "visible", false)
            tryCompare(tip, "visible", false)
            tryCompare(update, "visible", false)
        }

        function test_constants() {
            compare(message.Error, 0)
            compare(message.Warn, 1)
            compare(message.Note, 2)
            compare(message.Update, 4)
            compare(message.Masking, 8)
            compare(message.Tips, 16)
            compare(message.Log, 32)
            compare(message.TipsError, 64)
        }

        function test_warnIsAWarning() {
            message.show("careful", message.Warn)
            tryCompare(notice, "opened", true)
            compare(notice.text, "careful")
            verify(Qt.colorEqual(notice.backgroundColor, "yellow"))
            verify(Qt.colorEqual(notice.textColor, "black"))
            compare(notice.closeTimer.interval, 3000)
            verify(notice.closeTimer.running)
            verify(!tip.visible)
        }

        function test_defaultIsANote() {
            message.show("saved")
            tryCompare(notice, "opened", true)
            verify(!Qt.colorEqual(notice.backgroundColor, "red"))
            verify(!Qt.colorEqual(notice.backgroundColor, "yellow"))
        }

        function test_kinds_data() {
            return [
                { tag: "error", type: 0, popup: "notice", background: "#d32f2f", duration: 8000 },
                { tag: "masking", type: 8, popup: "notice", background: "", duration: 3000 },
                { tag: "log", type: 32, popup: "notice", background: "", duration: 3000 },
                { tag: "tips", type: 16, popup: "tip", background: "", duration: 8000 },
                { tag: "tipsError", type: 64, popup: "tip", background: "#d32f2f", duration: 8000 },
            ]
        }

        function test_kinds(data) {
            message.show("text " + data.tag, data.type, 5000)
            var popup = data.popup === "notice" ? notice : tip
            var other = data.popup === "notice" ? tip : notice
            tryCompare(popup, "opened", true)
            verify(!other.visible)
            compare(popup.text, "text " + data.tag)
            compare(popup.closeTimer.interval, data.duration)
            if (data.background !== "")
                verify(Qt.colorEqual(popup.backgroundColor, data.background))
        }

        function test_unknownKindShowsNothing() {
            message.show("nothing", 3)
            wait(50)
            verify(!notice.visible)
            verify(!tip.visible)
            verify(!update.visible)
        }

        function test_secondNoteReplacesText() {
            message.show("first", message.Note)
            tryCompare(notice, "opened", true)
            message.show("second", message.Note)
            compare(notice.text, "second")
            verify(notice.opened)
        }

        function test_escapePassesANotice() {
            message.show("保存成功", message.Tips)
            tryCompare(tip, "visible", true)
            editorStandIn.forceActiveFocus()
            editorStandIn.escapes = 0
            keyClick(Qt.Key_Escape)
            compare(editorStandIn.escapes, 1)
            verify(tip.visible)
        }

        function test_noticeClosesWhenTimerFires() {
            message.show("short", message.Error)
            tryCompare(notice, "opened", true)
            notice.closeTimer.interval = 10
            notice.closeTimer.restart()
            tryCompare(notice, "visible", false)
            notice.closeTimer.interval = Qt.binding(function() { return notice.duration })
        }

        function test_nativeUpdateWithoutVersion() {
            nativeMessage.showNative(message.Update, "release notes", "")
            tryCompare(update, "opened", true)
            compare(update.text, "release notes")
            compare(update.versionLine, cglobal.version() + " → New")
            update.close()
            nativeMessage.showNative(message.Update, "notes", "2.1.0")
            tryCompare(update, "opened", true)
            compare(update.versionLine, cglobal.version() + " → 2.1.0")
        }
    }
}
