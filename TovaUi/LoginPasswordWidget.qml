import QtQuick 2.15
import QtQuick.Window 2.15

// The start-up password screen over the whole window. It closes at once
// when no start-up password is set.
Rectangle {
    id: screen
    property string errorText: ""
    property string noteText: ""
    signal close()

    anchors.fill: parent
    z: 10000
    color: g_theme.baseColor

    function setWindowFlag(value) {
        var w = Window.window
        if (w && w.loginPasswordWindowVisible !== undefined)
            w.loginPasswordWindowVisible = value
    }
    function finish() {
        setWindowFlag(false)
        visible = false
        close()
    }
    function checkPasswrod() {
        if (field.text === String(csettings.loginPassword)) {
            errorText = ""
            noteText = ""
            finish()
            return true
        }
        errorText = qsTr("启动密码错误")
        noteText = qsTr("注意启动密码不是您用户账号的密码。\n而是您在软件偏好设置中设置的启动密码。\n此功能可以在本软件的偏好设置中取消。")
        return false
    }
    function becameVisible() {
        setWindowFlag(true)
        if (String(csettings.loginPassword) === "") {
            finish()
            return
        }
        field.text = ""
        field.forceActiveFocus()
    }

    onVisibleChanged: if (visible) becameVisible()
    Component.onCompleted: if (visible) becameVisible()

    MouseArea {
        anchors.fill: parent
        hoverEnabled: true
    }
    Column {
        anchors.centerIn: parent
        spacing: 14
        width: 280
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("请输入启动密码")
            color: g_theme.foregroundColor
            font.pixelSize: 16
        }
        ITextField {
            id: field
            objectName: "passwordField"
            width: parent.width
            isPassword: true
            placeholderText: qsTr("启动密码")
            onAccepted: screen.checkPasswrod()
        }
        SheetButton {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("进入")
            accent: true
            onClicked: screen.checkPasswrod()
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            visible: text !== ""
            text: screen.errorText
            color: g_theme.readableOn("red", g_theme.baseColor)
            font.pixelSize: 13
        }
        Text {
            width: parent.width
            visible: text !== ""
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignHCenter
            text: screen.noteText
            color: g_theme.secondaryTextColor
            font.pixelSize: 12
        }
    }
}
