import QtQuick 2.15
import QtQuick.Controls 2.15 as C
import QtQuick.Layouts 1.15
import TovaUi 0.1

// The writing-challenge page: the list of modes with their tickets and, once
// a mode is entered or resumed, the view of its nine levels. The rules run in
// through.game; this page shows them and asks before money or progress is
// lost.
Item {
    id: page
    objectName: "throughPage"
    property string name: "through"
    property string title: qsTr("Challenge")
    property var leftParent: null
    property var rightParent: null
    property var pendentParent: null
    implicitWidth: 280
    implicitHeight: 300

    // The page is also built by layouts and tests that offer no challenge
    // object; it then shows the mode list only.
    readonly property var model: typeof through !== "undefined" ? through : null
    readonly property var game: model ? model.game : null
    readonly property bool levelViewOpen: game !== null && game.opened === true
    readonly property bool running: model !== null && model.running === true
    readonly property bool signedIn: typeof userdata !== "undefined" && userdata.logined === true
    readonly property int points: signedIn && userdata.points !== undefined ? userdata.points : 0
    readonly property var shell: typeof applicationWindow !== "undefined" ? applicationWindow : null

    // mode list state
    property bool loading: false
    property int chosenMode: -1
    property var openDialog: null
    readonly property alias modeCount: modes.count

    // The levels come from the challenge object; a layout without one reads
    // the resource itself.
    function loadModes() {
        loading = true
        if (game) {
            Qt.callLater(function() {
                modes.json = page.game.levelsText()
                page.loading = false
            })
            return
        }
        var xhr = new XMLHttpRequest()
        xhr.open("GET", "qrc:/source/through/through.json")
        xhr.onreadystatechange = function() {
            if (xhr.readyState !== XMLHttpRequest.DONE)
                return
            modes.json = xhr.responseText
            page.loading = false
        }
        xhr.send()
    }

    function pointsClicked() {
        if (signedIn) {
            if (shell)
                shell.showPointsWindow()
        } else {
            csettings.showLogin()
        }
    }

    function ask(text, subText, onOk) {
        if (openDialog)
            openDialog.destroy()
        openDialog = askComponent.createObject(page, { text: text, subText: subText })
        openDialog.ok.connect(onOk)
        openDialog.show()
    }

    function chooseMode(index) {
        var mode = modes.get(index)
        chosenMode = mode.id
        if (!signedIn) {
            csettings.showLogin()
            return
        }
        if (points < mode.needCoins) {
            ask(qsTr("您的剩余积分不够支付本次闯关门票，快去领一些积分吧!"), "", function() {
                if (page.shell)
                    page.shell.showPointsWindow()
            })
            return
        }
        var id = mode.id
        ask(qsTr("确定花费%n积分，进入该闯关模式吗？", "", mode.needCoins),
            qsTr("如果中途退出，扣除的积分不返还。"), function() {
                if (page.game)
                    page.game.enter(id)
            })
    }

    // Give up or go back: a running challenge asks first.
    function leaveLevelView() {
        if (!game)
            return
        if (running) {
            if (shell && typeof shell.showThroughTipsDialog === "function")
                shell.showThroughTipsDialog()
            return
        }
        game.leave()
    }

    Component.onCompleted: loadModes()

    Connections {
        target: page.shell
        ignoreUnknownSignals: true
        function onShowThroughRoom(roomId, roomNumber) {
            if (page.game)
                page.game.resume(roomId, roomNumber)
        }
    }

    Component {
        id: askComponent
        SheetWindow {
            id: askSheet
            property string text: ""
            property string subText: ""
            title: qsTr("提示")
            isShowOk: true
            isShowCancel: true
            onDestroyWindow: {
                if (page.openDialog === askSheet)
                    page.openDialog = null
                askSheet.destroy()
            }
            Text {
                objectName: "throughAskText"
                width: 320
                wrapMode: Text.Wrap
                color: g_theme.foregroundColor
                font.pixelSize: 13
                text: askSheet.text
            }
            Text {
                width: 320
                wrapMode: Text.Wrap
                visible: text !== ""
                color: g_theme.secondaryTextColor
                font.pixelSize: 12
                text: askSheet.subText
            }
        }
    }

    component PointsButton: Button {
        text: page.signedIn ? qsTr("现有积分") + ": " + i18n.figure(page.points) : qsTr("未登录")
        onClicked: page.pointsClicked()
    }

    JSONListModel {
        id: modes
        query: "$.data.main[*]"
    }

    // ---- mode list ------------------------------------------------------

    ColumnLayout {
        id: modeList
        objectName: "throughModeList"
        anchors.fill: parent
        anchors.margins: 8
        visible: !page.levelViewOpen
        spacing: 8

        PointsButton {
            objectName: "throughPointsButton"
            Layout.alignment: Qt.AlignHCenter
        }

        LoadingImage {
            Layout.alignment: Qt.AlignHCenter
            visible: page.loading && modes.count === 0
            showTitle: false
        }

        Column {
            Layout.alignment: Qt.AlignHCenter
            visible: !page.loading && modes.count === 0
            spacing: 6
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: qsTr("闯关信息载入失败,请稍后再试")
                color: g_theme.readableOn("red", g_theme.functionAreaColor)
                font.pixelSize: 13
            }
            Button {
                objectName: "throughRefreshButton"
                anchors.horizontalCenter: parent.horizontalCenter
                text: page.loading ? qsTr("正在刷新...") : qsTr("刷新")
                onClicked: page.loadModes()
            }
        }

        ListView {
            id: modeView
            objectName: "throughModeView"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            spacing: 8
            model: modes.model
            delegate: Rectangle {
                id: modeCard
                objectName: "throughMode" + model.id
                width: ListView.view.width
                height: modeColumn.implicitHeight + 16
                radius: 6
                color: modeArea.containsMouse || activeFocus ? g_theme.hoverdColor : "transparent"
                border.width: page.chosenMode === model.id || activeFocus ? 2 : 1
                border.color: page.chosenMode === model.id || activeFocus ? g_theme.accentColor : g_theme.secondaryTextColor
                // Each card is a Tab stop, read as a button by its mode's
                // name; Enter or Space chooses it as a click does.
                activeFocusOnTab: true
                onActiveFocusChanged: if (activeFocus) modeView.positionViewAtIndex(index, ListView.Contain)
                Keys.onReturnPressed: page.chooseMode(index)
                Keys.onEnterPressed: page.chooseMode(index)
                Keys.onSpacePressed: page.chooseMode(index)
                Accessible.role: Accessible.Button
                Accessible.name: t.r(model.type)
                Accessible.description: conditionText.text
                Accessible.focusable: true
                Accessible.focused: activeFocus
                Accessible.onPressAction: page.chooseMode(index)

                // Each line starts where the reading does (the right edge in
                // Arabic); the fee and the reward are each one piece, label
                // and figure together, placed in reading order.
                Column {
                    id: modeColumn
                    anchors.fill: parent
                    anchors.margins: 8
                    spacing: 4
                    Text {
                        width: parent.width
                        horizontalAlignment: Text.AlignLeft
                        text: t.r(model.type)
                        font.pixelSize: 15
                        font.bold: true
                        color: g_theme.foregroundColor
                    }
                    Row {
                        anchors.left: parent.left
                        spacing: 16
                        Text {
                            objectName: "throughFee"
                            text: qsTr("门票") + " \u2068" + i18n.figure(model.needCoins) + "\u2069"
                            font.pixelSize: 12
                            color: g_theme.foregroundColor
                        }
                        Text {
                            objectName: "throughReward"
                            text: qsTr("通关奖励") + " \u2068" + i18n.figure(model.rewardConins) + "\u2069"
                            font.pixelSize: 12
                            color: g_theme.foregroundColor
                        }
                    }
                    Text {
                        width: parent.width
                        horizontalAlignment: Text.AlignLeft
                        text: qsTr("通关条件") + ":"
                        font.pixelSize: 12
                        color: g_theme.secondaryTextColor
                    }
                    Text {
                        id: conditionText
                        objectName: "throughCondition"
                        width: parent.width
                        horizontalAlignment: Text.AlignLeft
                        wrapMode: Text.Wrap
                        text: i18n.digits(qsTr("需要在最多%1小时内完成9关，共%n字的挑战", "", model.word)
                                          .arg(Number(model.time / 60).toLocaleString(Qt.locale(i18n.localeName), "f", 1)))
                        font.pixelSize: 12
                        color: g_theme.secondaryTextColor
                    }
                }
                MouseArea {
                    id: modeArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: page.chooseMode(index)
                }
            }
        }
    }

    // ---- level view -----------------------------------------------------

    ColumnLayout {
        id: levelView
        objectName: "throughLevelView"
        anchors.fill: parent
        anchors.margins: 8
        visible: page.levelViewOpen
        spacing: 8

        RowLayout {
            Layout.fillWidth: true
            Button {
                objectName: "throughBackArrow"
                text: "‹"
                font.pixelSize: 18
                onClicked: page.leaveLevelView()
            }
            PointsButton {
                Layout.fillWidth: true
            }
            Button {
                objectName: "throughLeaveButton"
                text: page.running ? qsTr("放弃") : qsTr("返回")
                onClicked: page.leaveLevelView()
            }
        }

        ListView {
            id: levelList
            objectName: "throughLevelList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            spacing: 6
            model: page.game
            delegate: Rectangle {
                readonly property int current: page.game ? page.game.currentLevel : 0
                readonly property int failId: page.game ? page.game.failId : -1
                readonly property bool done: (page.model && page.model.Status === 2) || index < current
                readonly property string stateText: done ? qsTr("完成")
                    : index === current ? (failId < 0 ? qsTr("进行中") : qsTr("失败"))
                    : qsTr("目标") + ":" + model.needWords
                readonly property color stateColor: g_theme.readableOn(done ? "green"
                    : index === current ? (failId < 0 ? "#c8a000" : "red")
                    : g_theme.secondaryTextColor, g_theme.functionAreaColor)
                objectName: "throughLevel" + index
                width: ListView.view.width
                height: levelColumn.implicitHeight + 16
                radius: 6
                color: "transparent"
                border.width: index === current ? 2 : 1
                border.color: index === current ? g_theme.accentColor : g_theme.secondaryTextColor

                Column {
                    id: levelColumn
                    anchors.fill: parent
                    anchors.margins: 8
                    spacing: 3
                    Row {
                        spacing: 10
                        Text {
                            text: model.name
                            font.pixelSize: 14
                            font.bold: true
                            color: g_theme.foregroundColor
                        }
                        Text {
                            objectName: "levelState"
                            text: stateText
                            font.pixelSize: 12
                            color: stateColor
                        }
                    }
                    Text {
                        text: qsTr("奖励积分") + ":" + i18n.figure(model.rewardConins)
                        font.pixelSize: 12
                        color: g_theme.secondaryTextColor
                    }
                    Text {
                        text: qsTr("剩余字数") + ":" + i18n.figure(model.needWords)
                        font.pixelSize: 12
                        color: g_theme.secondaryTextColor
                    }
                    Text {
                        text: qsTr("剩余时间") + ":" + functions.formatSecond(model.needTime)
                        font.pixelSize: 12
                        color: g_theme.secondaryTextColor
                    }
                }
            }
        }

        Connections {
            target: page.game
            ignoreUnknownSignals: true
            function onCurrentLevelChanged() { levelList.positionViewAtIndex(page.game.currentLevel, ListView.Contain) }
            function onOpenedChanged() {
                if (page.game.opened)
                    levelList.positionViewAtIndex(page.game.currentLevel, ListView.Contain)
            }
        }
    }
}
