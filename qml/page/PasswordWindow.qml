import QtQuick 2.15
import TovaUi 0.1

// Changing the account's password: old, new and repeated.
SheetWindow {
    id: sheet
    title: qsTr("修改密码")
    closeOnOk: false
    isShowCancel: true

    onOk: {
        if (user.changePassword(oldField.text, newField.text, retypeField.text)) {
            message.show(qsTr("密码修改成功"), 16)
            sheet.close()
            sheet.destroyWindow()
        } else {
            errorText.text = user.error
        }
    }
    onClosed: {
        oldField.text = ""
        newField.text = ""
        retypeField.text = ""
    }

    JTextField { id: oldField; width: 280; placeholderText: qsTr("旧密码"); echoMode: TextInput.Password }
    JTextField { id: newField; width: 280; placeholderText: qsTr("新密码"); echoMode: TextInput.Password }
    JTextField { id: retypeField; width: 280; placeholderText: qsTr("再次输入"); echoMode: TextInput.Password }
    Text {
        id: errorText
        width: 280
        visible: text !== ""
        color: g_theme.readableOn("red", g_theme.popupColor)
        font.pixelSize: 12
        wrapMode: Text.Wrap
    }
}
