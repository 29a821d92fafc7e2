import QtQuick 2.15
import QtTest 1.15
import "qrc:/qml/widget"

Item {
    id: root
    width: 500
    height: 700
    LayoutMirroring.enabled: Qt.application.layoutDirection === Qt.RightToLeft // as the main window does
    LayoutMirroring.childrenInherit: true

    // The main window's part in the challenge: the leave question, the
    // resumption offer and the signal that reopens a level.
    Item {
        id: applicationWindow
        signal showThroughRoom(int roomId, int roomNumber)
        property var dialog: null
        property int pointsShown: 0
        property var tabs: []
        function showPointsWindow() { pointsShown += 1 }
        function showTab(name) { tabs = tabs.concat([name]) }
        function openThroughDialog(type, text, subText) {
            var c = Qt.createComponent("qrc:/qml/page/ThroughTipsDialog.qml")
            if (c.status !== Component.Ready)
                console.warn("qrc:/qml/page/ThroughTipsDialog.qml", c.errorString())
            dialog = c.createObject(root, { type: type, text: text, subText: subText })
            dialog.destroyWindow.connect(function() { var d = dialog; dialog = null; d.destroy() })
            dialog.show()
        }
        function showThroughTipsDialog() { openThroughDialog(0, "leave?", "") }
        function checkThrough() {
            if (csettings.isThroughing && csettings.throughType !== "")
                openThroughDialog(1, "resume?", "")
        }
    }

    Loader {
        id: loader
        width: root.width
        height: root.height - 30
        source: "qrc:/qml/page/ThroughPage.qml"
    }
    ThroughLabel {
        id: label
        y: root.height - 30
    }

    SignalSpy { id: loginSpy; target: csettings; signalName: "showLogin" }

    TestCase {
        name: "ThroughPage"
        when: windowShown

        property var page: loader.item

        function initTestCase() { warnings.watch() }

        function init() {
            driver.reset()
            loginSpy.clear()
            applicationWindow.pointsShown = 0
            applicationWindow.tabs = []
            tryVerify(function() { return page.modeCount === 5 }, 5000)
        }

        function modeCard(id) {
            var card = findChild(page, "throughMode" + id)
            verify(card, "mode card " + id)
            return card
        }

        function test_a_signedOutOpensSignIn() {
            verify(findChild(page, "throughModeList").visible)
            compare(findChild(page, "throughPointsButton").text, "未登录")
            mouseClick(modeCard(0))
            compare(loginSpy.count, 1)
            verify(page.openDialog === null)
            verify(!through.running)
        }

        function test_b_tooFewPointsLeadToThePointsWindow() {
            driver.signIn(true, 24)
            compare(findChild(page, "throughPointsButton").text, "现有积分: 24")
            mouseClick(modeCard(0))
            verify(page.openDialog !== null)
            page.openDialog.doOk()
            compare(applicationWindow.pointsShown, 1)
            compare(driver.calls.length, 0)
            verify(!through.running)
        }

        function test_c_enterPlayAndGiveUp() {
            driver.signIn(true, 100)
            mouseClick(modeCard(2))
            verify(page.openDialog !== null)
            compare(page.openDialog.text, "确定花费40积分，进入该闯关模式吗？")
            page.openDialog.doOk()
            compare(driver.calls, ["delPoints 40 Through"])
            verify(through.running)
            tryVerify(function() { return findChild(page, "throughLevelView").visible })
            verify(label.visible)
            compare(label.labelText, "第一关:剩余字数:400 剩余时间:0:10:0 ")

            driver.words(450)
            driver.beat(2)
            compare(through.Status, 1)
            compare(label.labelText, "第二关:剩余字数:600 剩余时间:0:14:58 ")
            var first = findChild(page, "throughLevel0")
            var second = findChild(page, "throughLevel1")
            verify(first && second)
            compare(findChild(first, "levelState").text, "完成")
            compare(findChild(second, "levelState").text, "进行中")
            compare(findChild(page, "throughLeaveButton").text, "放弃")

            // leaving asks first; Cancel keeps playing, OK gives up
            mouseClick(findChild(page, "throughLeaveButton"))
            verify(applicationWindow.dialog !== null)
            compare(applicationWindow.dialog.type, 0)
            applicationWindow.dialog.doCancel()
            verify(through.running)
            verify(findChild(page, "throughLevelView").visible)
            mouseClick(findChild(page, "throughBackArrow"))
            applicationWindow.dialog.doOk()
            verify(!through.running)
            verify(!csettings.isThroughing)
            tryVerify(function() { return findChild(page, "throughModeList").visible })
            verify(!label.visible)
        }

        function test_d_lostLevelShowsFailure() {
            driver.signIn(true, 100)
            mouseClick(modeCard(0))
            page.openDialog.doOk()
            driver.beat(600)
            compare(through.Status, -1)
            compare(findChild(findChild(page, "throughLevel0"), "levelState").text, "失败")
            compare(findChild(page, "throughLeaveButton").text, "返回")
            // not running: back closes at once
            mouseClick(findChild(page, "throughLeaveButton"))
            verify(applicationWindow.dialog === null)
            tryVerify(function() { return findChild(page, "throughModeList").visible })
        }

        function test_e_pendingChallengeOfferedAgain() {
            driver.signIn(true, 0)
            csettings.isThroughing = true
            csettings.throughType = "普通模式"
            csettings.throughRoomId = 2
            csettings.throughNumber = 3
            applicationWindow.checkThrough()
            verify(applicationWindow.dialog !== null)
            compare(applicationWindow.dialog.type, 1)
            applicationWindow.dialog.doOk()
            compare(applicationWindow.tabs, ["through"])
            verify(through.running)
            compare(through.game.currentLevel, 3)
            compare(through.Words, 1000)
            compare(driver.calls.length, 0)
            tryVerify(function() { return findChild(page, "throughLevelView").visible })
            // a second sign-in while playing offers nothing
            applicationWindow.checkThrough()
            verify(applicationWindow.dialog === null)
        }

        function test_f_cancelledResumptionClearsOnlyTheFlag() {
            csettings.isThroughing = true
            csettings.throughType = "简单模式"
            csettings.throughRoomId = 1
            csettings.throughNumber = 5
            applicationWindow.checkThrough()
            applicationWindow.dialog.doCancel()
            verify(!csettings.isThroughing)
            compare(csettings.throughType, "简单模式")
            compare(csettings.throughNumber, 5)
            verify(!through.running)
        }

        // Cards read the language's way, each figure by its label, hours in its decimal form,
        // every figure of a card in the language's one digit form.
        function test_g_cardsInReadingOrder_data() {
            return [{ tag: "English", hours: "4.5" }, { tag: "Deutsch", hours: "4,5" }, { tag: "عربي", hours: "٤٫٥", rtl: true }]
        }
        function test_g_cardsInReadingOrder(data) {
            i18n.reTrans(data.tag)
            var card = modeCard(0), fee = findChild(card, "throughFee")
            var feeX = fee.mapToItem(card, 0, 0).x, rewardX = findChild(card, "throughReward").mapToItem(card, 0, 0).x
            verify(data.rtl ? feeX > rewardX && feeX + fee.width > card.width - 12 : feeX < rewardX && feeX < 12)
            verify(findChild(card, "throughCondition").text.indexOf(data.hours) >= 0)
            var texts = [fee.text, findChild(card, "throughReward").text, findChild(card, "throughCondition").text].join(" ")
            verify(/[0-9\u0660-\u0669]/.test(fee.text) && !(data.rtl ? /[0-9]/ : /[\u0660-\u0669]/).test(texts), texts)
            i18n.reTrans("中文简体")
        }

        // Tab goes from the points button through the cards in order; Enter on one chooses it.
        function test_h_cardsByTab() {
            findChild(page, "throughPointsButton").forceActiveFocus()
            for (var i = 0; i < page.modeCount; ++i) {
                keyClick(Qt.Key_Tab)
                verify(modeCard(i).activeFocus, "card " + i)
            }
            keyClick(Qt.Key_Return)
            compare(loginSpy.count, 1)
            compare(page.chosenMode, page.modeCount - 1)
        }

        function test_z_noWarnings() {
            compare(warnings.texts, [])
        }
    }
}
