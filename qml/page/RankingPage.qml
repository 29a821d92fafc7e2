import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import TovaUi 0.1 as Tova
import "../widget"

// The writing rooms: the room hall, and the ranking of the room entered from
// it. Rooms with a password ask for it once; the password's digest is
// remembered per room.
Item {
    id: page

    // The side page's name and title, and the places the desktop layout
    // moves it between.
    property string name: "ranking"
    property string title: qsTr("拼字")
    property var leftParent: null
    property var rightParent: null
    property var pendentParent: null
    implicitWidth: 280
    implicitHeight: 300

    readonly property alias depth: stack.depth
    readonly property bool folded: csettings.rankingIsMin

    function enterRoom(roomName) {
        if (roomName === "")
            return
        if (stack.depth > 1)
            stack.pop(null, StackView.Immediate)
        stack.push(roomPage, { roomName: roomName }, StackView.Immediate)
    }

    // A click on a hall row.
    function openRoom(roomName, hasPassword, password) {
        if (!userdata.logined) {
            message.show(qsTr("请先登录"))
            csettings.showLogin()
            return
        }
        if (!hasPassword || csettings.roomPassword(roomName) === password) {
            enterRoom(roomName)
            return
        }
        passwordSheet.ask(roomName, password)
    }

    function showCreateSheet() {
        if (!userdata.logined) {
            csettings.showLogin()
            return
        }
        createSheet.open()
    }

    // A room belongs to the account that entered it: that account enters it
    // again at its sign-in; a sign-out, or another account, goes back to
    // the hall (the room model stops publishing into it).
    function backToHall() {
        if (stack.depth > 1)
            stack.pop(null, StackView.Immediate)
        // What the last writer typed for a room is not left for the next.
        passwordSheet.close()
        passwordSheet.input = ""
        passwordSheet.error = ""
    }
    Connections {
        target: userdata
        function onLoginedChanged() {
            if (!userdata.logined) {
                page.backToHall()
                return
            }
            var room = csettings.enteredRoom(userdata.login)
            if (room !== "")
                page.enterRoom(room)
        }
        function onLoginChanged() {
            page.backToHall()
        }
    }

    StackView {
        id: stack
        anchors.fill: parent
        clip: true
        initialItem: hallPage
    }

    // Title bar shared by the hall and the room: a fold switch on the
    // desktop keeps only the title.
    component TitleBar: RowLayout {
        property alias text: titleLabel.text
        default property alias tools: toolRow.data
        spacing: 2
        Label {
            id: titleLabel
            font.bold: true
            elide: Text.ElideRight
            textFormat: Text.PlainText
            Layout.fillWidth: true
            Layout.leftMargin: 6
        }
        Row { id: toolRow }
        ToolButton {
            objectName: "foldButton"
            text: csettings.rankingIsMin ? "▸" : "▾"
            // folds the page down to its title
            Accessible.name: titleLabel.text
            Accessible.checkable: true
            Accessible.checked: !csettings.rankingIsMin
            onClicked: csettings.rankingIsMin = !csettings.rankingIsMin
        }
    }

    Component {
        id: hallPage
        ColumnLayout {
            objectName: "rankingHall"
            spacing: 0
            TitleBar {
                Layout.fillWidth: true
                text: qsTr("拼字大厅")
                ToolButton {
                    objectName: "hallMenuButton"
                    text: "⋯"
                    Accessible.name: ToolTip.text
                    ToolTip.visible: hovered
                    ToolTip.text: qsTr("菜单")
                    onClicked: hallMenu.popup()
                    Menu {
                        id: hallMenu
                        MenuItem {
                            text: qsTr("创建房间")
                            onTriggered: page.showCreateSheet()
                        }
                        MenuItem {
                            text: qsTr("刷新大厅")
                            onTriggered: rankingHallModel.updateHall()
                        }
                    }
                }
            }
            // Why the hall is empty: no account server to reach, nobody
            // signed in to read it, or a clock the server refuses (told
            // also above a hall read before).
            Label {
                objectName: "hallNotice"
                visible: !page.folded && (hallList.count === 0 || roomModel.problem !== "") && text !== ""
                text: csettings.homeHost() === "" ? qsTr("未配置服务器地址，拼字房间不可用。")
                                                  : (userdata.logined !== true ? qsTr("请先登录") : roomModel.problem)
                wrapMode: Text.Wrap
                color: g_theme.secondaryTextColor
                horizontalAlignment: Text.AlignHCenter
                Layout.fillWidth: true
                Layout.margins: 12
            }
            ListView {
                id: hallList
                objectName: "hallList"
                visible: !page.folded
                Layout.fillWidth: true
                Layout.fillHeight: true
                clip: true
                model: rankingHallModel
                // A Tab stop: the arrow keys walk the rooms, Enter enters one
                // as a click does.
                activeFocusOnTab: true
                onActiveFocusChanged: if (activeFocus && currentIndex < 0 && count > 0) currentIndex = 0
                Keys.onReturnPressed: if (currentItem) currentItem.clicked()
                Keys.onEnterPressed: if (currentItem) currentItem.clicked()
                Rectangle {
                    anchors.fill: parent
                    color: "transparent"
                    border.width: 2
                    border.color: g_theme.accentColor
                    visible: hallList.activeFocus
                }
                delegate: ItemDelegate {
                    id: hallRow
                    width: hallList.width
                    height: 44
                    text: displaytext
                    highlighted: ListView.isCurrentItem
                    // told to a screen reader as the list takes the keyboard and on every move
                    Tova.AccessibleState { current: hallRow.highlighted && hallList.activeFocus }
                    onClicked: {
                        hallList.currentIndex = index
                        page.openRoom(displaytext, haspassword, password)
                    }
                    contentItem: RowLayout {
                        spacing: 8
                        AvatarWidget {
                            file: iconfile
                            Layout.preferredWidth: 28
                            Layout.preferredHeight: 28
                        }
                        Label {
                            text: displaytext
                            textFormat: Text.PlainText
                            elide: Text.ElideRight
                            Layout.fillWidth: true
                        }
                    }
                }
            }
            Item {
                visible: page.folded
                Layout.fillHeight: true
            }
        }
    }

    Component {
        id: roomPage
        ColumnLayout {
            id: room
            objectName: "roomPage"
            property string roomName: ""
            // The number columns are as wide as their headers, within bounds
            // that leave the nickname its room in the side column; a longer
            // header wraps onto a second line.
            readonly property real wordsWidth: Math.min(Math.max(56, wordsHeader.implicitWidth), 72)
            readonly property real minuteWidth: Math.min(Math.max(40, minuteHeader.implicitWidth), 56)
            spacing: 0

            function leave() {
                var left = room.roomName
                roomModel.leaveRoom()
                csettings.roomName = ""
                message.show(qsTr("已离开 %1 房间").arg(left))
                stack.pop()
            }

            onRoomNameChanged: {
                if (roomName !== "")
                    message.show(qsTr("已进入 %1 房间").arg(roomName))
            }
            Component.onCompleted: roomModel.setRoomName(roomName)

            TitleBar {
                Layout.fillWidth: true
                text: qsTr("房间") + ": " + room.roomName
                ToolButton {
                    objectName: "leaveRoomButton"
                    text: "←"
                    Accessible.name: qsTr("离开房间")
                    ToolTip.visible: hovered
                    ToolTip.text: qsTr("离开房间") + ":" + room.roomName
                    onClicked: room.leave()
                }
            }
            RowLayout {
                visible: !page.folded
                Layout.fillWidth: true
                Layout.leftMargin: 6
                Layout.rightMargin: 6
                // Over the avatar and the name: the rank's column needs no title.
                Label { text: qsTr("昵称"); wrapMode: Text.Wrap; Layout.fillWidth: true; Layout.leftMargin: 28 }
                Label {
                    id: wordsHeader
                    text: qsTr("字数")
                    wrapMode: Text.Wrap
                    horizontalAlignment: Text.AlignRight
                    Layout.preferredWidth: room.wordsWidth
                }
                Label {
                    id: minuteHeader
                    text: qsTr("分钟")
                    wrapMode: Text.Wrap
                    horizontalAlignment: Text.AlignRight
                    Layout.preferredWidth: room.minuteWidth
                }
            }
            Label {
                objectName: "roomNotice"
                visible: !page.folded && text !== ""
                text: roomModel.problem
                wrapMode: Text.Wrap
                color: g_theme.readableOn("red", g_theme.functionAreaColor)
                Layout.fillWidth: true
                Layout.margins: 6
            }
            BusyIndicator {
                visible: roomModel.loading && roomList.count === 0 && !page.folded
                running: visible
                Layout.alignment: Qt.AlignHCenter
            }
            ListView {
                id: roomList
                objectName: "roomList"
                visible: !page.folded
                Layout.fillWidth: true
                Layout.fillHeight: true
                clip: true
                model: roomModel
                delegate: ItemDelegate {
                    width: roomList.width
                    height: 40
                    highlighted: ListView.isCurrentItem
                    onClicked: roomList.currentIndex = index
                    readonly property color rowColor: isme ? g_theme.readableOn("red", g_theme.functionAreaColor)
                                                           : unavailable ? g_theme.secondaryTextColor : g_theme.foregroundColor
                    // A member whose record could not be had: no rank, no figures.
                    contentItem: RowLayout {
                        spacing: 6
                        Label {
                            text: unavailable ? "" : number
                            color: rowColor
                            horizontalAlignment: Text.AlignRight
                            Layout.preferredWidth: 22
                        }
                        AvatarWidget {
                            file: iconfile
                            Layout.preferredWidth: 26
                            Layout.preferredHeight: 26
                        }
                        Label {
                            text: displaytext
                            color: rowColor
                            textFormat: Text.PlainText
                            elide: Text.ElideRight
                            Layout.fillWidth: true
                        }
                        Label {
                            text: unavailable ? qsTr("暂不可用") : words
                            color: rowColor
                            horizontalAlignment: Text.AlignRight
                            elide: Text.ElideRight
                            Layout.preferredWidth: room.wordsWidth
                        }
                        Label {
                            text: unavailable ? "" : minute
                            color: rowColor
                            horizontalAlignment: Text.AlignRight
                            Layout.preferredWidth: room.minuteWidth
                        }
                    }
                }
            }
            Item {
                visible: page.folded
                Layout.fillHeight: true
            }
        }
    }

    RoomPasswordSheet {
        id: passwordSheet
        objectName: "roomPasswordSheet"
        onAccepted: page.enterRoom(roomName)
    }

    CreateRoomSheet {
        id: createSheet
        objectName: "createRoomSheet"
    }
}
