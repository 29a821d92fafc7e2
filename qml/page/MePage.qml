import QtQuick 2.15
import TovaUi 0.1
import "../widget"

// The side page "me": the signed-in account with its avatar, profile,
// password and points, or a way to sign in.
Item {
    id: page
    property string name: "me"
    property string title: qsTr("个人中心")
    property var leftParent: null
    property var rightParent: null
    property var pendentParent: null
    implicitWidth: 280
    implicitHeight: 300

    // Returns the sheet, null when it cannot be made.
    function openSheet(file) {
        var component = Qt.createComponent(file)
        if (component.status !== Component.Ready) {
            console.log("error loading component:", component.errorString())
            return null
        }
        var sheet = component.createObject(page)
        sheet.destroyWindow.connect(function() { sheet.destroy() })
        sheet.show()
        return sheet
    }
    function changeAvatar(url) {
        if (String(url) === "" || String(url) === userdata.avatar_url)
            return
        if (user.updateAvatar(url)) {
            userdata.avatar_file = ""
            user.login(true)
            message.show(qsTr("您的新头像更新成功"), 16)
        } else {
            message.show(user.error, 64)
        }
    }

    Column {
        objectName: "signedOut"
        visible: userdata.logined !== true
        anchors.centerIn: parent
        spacing: 12
        AvatarWidget {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 64
            height: 64
            file: ""
        }
        Button {
            objectName: "showLoginButton"
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("登录")
            onClicked: csettings.showLogin()
        }
    }

    Column {
        objectName: "signedIn"
        visible: userdata.logined === true
        anchors.top: parent.top
        anchors.topMargin: 20
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 40
        spacing: 10

        ImageButton {
            id: avatarButton
            objectName: "avatarButton"
            anchors.horizontalCenter: parent.horizontalCenter
            width: 80
            height: 80
            isUseCloseButton: false
            accessibleName: qsTr("头像设置")
            source: userdata.logined === true ? userdata.avatar_file : ""
            onPicked: page.changeAvatar(fileUrl)
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: userdata.nickname !== "" ? userdata.nickname : userdata.login
            color: g_theme.foregroundColor
            font.pixelSize: 16
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: userdata.email
            color: g_theme.secondaryTextColor
            font.pixelSize: 12
        }
        Text {
            objectName: "pointsText"
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("现有积分") + ": " + i18n.figure(userdata.points)
            color: g_theme.foregroundColor
            font.pixelSize: 13
            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: applicationWindow.showPointsWindow()
                Accessible.role: Accessible.Link
                Accessible.name: parent.text
                Accessible.onPressAction: applicationWindow.showPointsWindow()
            }
        }
        Button {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("头像设置")
            onClicked: avatarButton.doIt()
        }
        Button {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("设置用户信息")
            onClicked: page.openSheet("ProfileWindow.qml")
        }
        Button {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("修改密码")
            onClicked: page.openSheet("PasswordWindow.qml")
        }
        Button {
            objectName: "logoutButton"
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("退出登录")
            onClicked: user.logout()
        }
    }
}
