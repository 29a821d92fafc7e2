import QtQuick 2.15
import TovaUi 0.1

// Changing the account's e-mail address and nickname; a blank field keeps
// its current value.
SheetWindow {
    id: sheet
    title: qsTr("设置用户信息")
    closeOnOk: false
    isShowCancel: true

    onOk: {
        var email = emailField.text.trim()
        var nickname = nicknameField.text.trim()
        if (email === "" && nickname === "") {
            message.show(qsTr("请输入新的昵称或邮箱"), 16)
            return
        }
        if (email === "")
            email = userdata.email
        if (nickname === "")
            nickname = userdata.nickname
        if (user.pushUserSetting(email, nickname)) {
            user.login(true)
            message.show(qsTr("修改昵称或邮箱成功！"), 16)
            sheet.close()
            sheet.destroyWindow()
        } else {
            errorText.text = user.error
        }
    }

    JTextField { id: emailField; width: 280; placeholderText: userdata.email !== "" ? userdata.email : qsTr("电子邮箱") }
    JTextField { id: nicknameField; width: 280; placeholderText: userdata.nickname !== "" ? userdata.nickname : qsTr("昵称") }
    Text {
        id: errorText
        width: 280
        visible: text !== ""
        color: g_theme.readableOn("red", g_theme.popupColor)
        font.pixelSize: 12
        wrapMode: Text.Wrap
    }
}
