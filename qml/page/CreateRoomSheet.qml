import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// Creates a room: a name and, when asked for, a password.
Dialog {
    id: sheet
    property alias roomName: nameField.text
    property alias withPassword: passwordBox.checked
    property alias password: passwordField.text

    title: qsTr("创建房间")
    modal: true
    // as wide as its widest line, at least 260, so nothing lies outside it
    contentWidth: Math.max(260, column.implicitWidth)
    // centred in the window, not in the page that holds it
    parent: Overlay.overlay
    anchors.centerIn: parent
    closePolicy: Popup.CloseOnEscape
    focus: true
    onOpened: nameField.forceActiveFocus(Qt.TabFocusReason)

    onAboutToShow: {
        nameField.text = ""
        passwordBox.checked = false
        passwordField.text = ""
        retypeField.text = ""
    }

    function create() {
        rankingHallModel.createRoom(nameField.text, passwordBox.checked ? passwordField.text : "",
                                    passwordBox.checked ? 1 : 0)
        accept()
    }

    footer: DialogButtonBox {
        Button {
            objectName: "createOkButton"
            text: qsTr("确定")
            DialogButtonBox.buttonRole: DialogButtonBox.InvalidRole
            onClicked: sheet.create()
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
        TextField {
            id: nameField
            objectName: "roomNameField"
            Layout.fillWidth: true
            placeholderText: qsTr("房间名称")
            placeholderTextColor: g_theme.secondaryTextColor
            Accessible.name: placeholderText
            Accessible.description: placeholderText
        }
        CheckBox {
            id: passwordBox
            objectName: "roomPasswordBox"
            text: qsTr("进入房间需要输入密码")
        }
        TextField {
            id: passwordField
            visible: passwordBox.checked
            Layout.fillWidth: true
            echoMode: TextInput.Password
            placeholderText: qsTr("房间密码")
            placeholderTextColor: g_theme.secondaryTextColor
            Accessible.name: placeholderText
            Accessible.description: placeholderText
        }
        TextField {
            id: retypeField
            visible: passwordBox.checked
            Layout.fillWidth: true
            echoMode: TextInput.Password
            placeholderText: qsTr("重新键入")
            placeholderTextColor: g_theme.secondaryTextColor
            Accessible.name: placeholderText
            Accessible.description: placeholderText
        }
    }
}
