import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// Asks for the password of a room. A correct password is remembered for the
// room (as its digest) and the sheet is accepted.
Dialog {
    id: sheet
    property string roomName: ""
    property string digest: ""
    property alias input: passwordField.text
    property alias error: errorLabel.text

    title: qsTr("请输入房间密码")
    modal: true
    // as wide as its widest line, at least 260, so nothing lies outside it
    contentWidth: Math.max(260, column.implicitWidth)
    // centred in the window, not in the page that holds it
    parent: Overlay.overlay
    anchors.centerIn: parent
    closePolicy: Popup.CloseOnEscape
    focus: true
    onOpened: passwordField.forceActiveFocus(Qt.TabFocusReason)

    // Opens the sheet for a room with the digest its hall row carries.
    function ask(name, passwordDigest) {
        if (name !== roomName) {
            passwordField.text = ""
            errorLabel.text = ""
        }
        roomName = name
        digest = passwordDigest
        open()
    }

    function check() {
        if (passwordField.text === "") {
            errorLabel.text = qsTr("请输入密码")
            return false
        }
        var typed = Qt.md5(passwordField.text)
        if (typed !== digest) {
            errorLabel.text = qsTr("密码错误")
            return false
        }
        csettings.setRoomPassword(roomName, typed)
        errorLabel.text = ""
        return true
    }

    // OK closes the sheet only for the right password.
    footer: DialogButtonBox {
        Button {
            objectName: "passwordOkButton"
            text: qsTr("确定")
            DialogButtonBox.buttonRole: DialogButtonBox.InvalidRole
            onClicked: if (sheet.check()) sheet.accept()
        }
        Button {
            text: qsTr("取消")
            DialogButtonBox.buttonRole: DialogButtonBox.RejectRole
        }
    }

    ColumnLayout {
        id: column
        width: sheet.availableWidth
        spacing: 8
        Label {
            Layout.fillWidth: true
            wrapMode: Text.Wrap
            textFormat: Text.PlainText
            text: qsTr("房间“%1”需要输入房主指定的密码方可进入。").arg(sheet.roomName)
        }
        TextField {
            id: passwordField
            objectName: "roomPasswordField"
            Layout.fillWidth: true
            echoMode: TextInput.Password
            placeholderText: qsTr("在此输入房间密码")
            placeholderTextColor: g_theme.secondaryTextColor
            Accessible.name: placeholderText
            Accessible.description: placeholderText
            onAccepted: if (sheet.check()) sheet.accept()
        }
        Label {
            id: errorLabel
            objectName: "roomPasswordError"
            Layout.fillWidth: true
            color: g_theme.readableOn("red", g_theme.popupColor)
            wrapMode: Text.Wrap
        }
    }
}
