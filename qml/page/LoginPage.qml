import QtQuick 2.15
import TovaUi 0.1

// The sign-in sheet with its sign-up side. The sign-in fields are bound to
// the account data, which holds what is typed; the settings file keeps only
// a name and password that signed in. The sign-up
// side keeps its own entries, emptied when the writer signs out, so that the
// next one does not find them; a new account's name and password go to the
// sign-in side.
SheetWindow {
    id: sheet
    property bool signUp: false
    title: signUp ? qsTr("注册") : qsTr("登录")
    showTitleAndClose: true
    isShowOk: false
    isShowCloseButton: true
    // Without an account server address nothing can be signed in or up.
    readonly property bool serverConfigured: csettings.homeHost() !== ""

    // An error left over from an earlier attempt (an automatic sign-in at
    // start-up, say) does not greet the user on a fresh sheet.
    Component.onCompleted: user.error = ""
    onVisibleChanged: if (visible) user.error = ""

    function refuse(text) {
        user.error = text
        return false
    }
    function doLogin() {
        if (userdata.login === "")
            return refuse(qsTr("用户名或邮箱不能为空"))
        if (userdata.password === "")
            return refuse(qsTr("密码不能为空"))
        user.login()
        return true
    }
    function doSignUp() {
        if (signUpName.text === "")
            return refuse(qsTr("用户名不能为空"))
        if (signUpEmail.text === "")
            return refuse(qsTr("邮箱不能为空"))
        if (signUpPassword.text === "")
            return refuse(qsTr("密码不能为空"))
        if (retypeField.text === "")
            return refuse(qsTr("确认密码不能为空"))
        if (retypeField.text !== signUpPassword.text)
            return refuse(qsTr("两次输入的密码不一致"))
        if (captchaField.text === "")
            return refuse(qsTr("验证码不能为空"))
        user.reg(signUpName.text, signUpEmail.text, signUpPassword.text, retypeField.text, userdata.captchaId,
                 captchaField.text)
        return true
    }
    function clearSignUp() {
        for (var field of [signUpName, signUpEmail, signUpPassword, retypeField, captchaField])
            field.text = ""
    }
    function showSignUp() {
        signUp = true
        user.error = ""
        userdata.updateCaptcha()
    }
    function showSignIn() {
        signUp = false
        user.error = ""
    }

    Connections {
        target: user
        function onLoginFinished(ok, error) {
            // The account client shows the outcome's notice itself.
            if (ok) {
                sheet.close()
                sheet.destroyWindow()
            }
        }
        function onRegFinished(ok, error) {
            if (ok) {
                message.show(qsTr("注册成功，您可以登陆了"), 16)
                userdata.login = signUpName.text
                userdata.password = signUpPassword.text
                sheet.showSignIn()
            }
            captchaField.text = ""
            userdata.updateCaptcha()
        }
    }
    Connections {
        target: userdata
        function onLoginedChanged(logined) {
            if (!logined)
                sheet.clearSignUp()
        }
    }

    Text {
        objectName: "offlineNotice"
        width: 300
        visible: !sheet.serverConfigured
        text: qsTr("未配置服务器地址，无法登录或注册。")
        color: g_theme.secondaryTextColor
        font.pixelSize: 12
        wrapMode: Text.Wrap
    }

    // ---- sign-in side ----
    Column {
        objectName: "signInSide"
        visible: !sheet.signUp
        width: 300
        spacing: 8
        JTextField {
            objectName: "loginName"
            width: parent.width
            placeholderText: qsTr("用户名或邮箱")
            text: userdata.login
            onTextEdited: {
                userdata.login = text
                if (text !== "")
                    user.error = ""
            }
            onAccepted: sheet.doLogin()
        }
        JTextField {
            objectName: "loginPassword"
            width: parent.width
            placeholderText: qsTr("密码")
            echoMode: TextInput.Password
            text: userdata.password
            onTextEdited: userdata.password = text
            onAccepted: sheet.doLogin()
        }
        CheckBox {
            text: qsTr("自动登录")
            checked: userdata.autologin
            onToggled: userdata.autologin = checked
        }
        Text {
            objectName: "loginTips"
            width: parent.width
            visible: text !== ""
            text: user.tips
            color: g_theme.secondaryTextColor
            font.pixelSize: 12
            wrapMode: Text.Wrap
        }
        Text {
            objectName: "loginError"
            width: parent.width
            visible: text !== ""
            text: user.error
            color: g_theme.readableOn("red", g_theme.popupColor)
            font.pixelSize: 12
            wrapMode: Text.Wrap
        }
        Flow {
            width: parent.width
            spacing: 12
            Button {
                objectName: "loginButton"
                text: qsTr("登录")
                onClicked: sheet.doLogin()
            }
            Button {
                objectName: "signUpLink"
                text: qsTr("注册")
                urlStyle: true
                onClicked: sheet.showSignUp()
            }
            Button {
                text: qsTr("找回密码")
                urlStyle: true
                onClicked: user.rePassword()
            }
        }
    }

    // ---- sign-up side ----
    Column {
        objectName: "signUpSide"
        visible: sheet.signUp
        width: 300
        spacing: 8
        JTextField {
            id: signUpName
            objectName: "signUpName"
            width: parent.width
            placeholderText: qsTr("用户名")
            onTextEdited: retypeField.text = ""
        }
        JTextField {
            id: signUpEmail
            objectName: "signUpEmail"
            width: parent.width
            placeholderText: qsTr("电子邮箱")
            onTextEdited: retypeField.text = ""
        }
        JTextField {
            id: signUpPassword
            objectName: "signUpPassword"
            width: parent.width
            placeholderText: qsTr("密码")
            echoMode: TextInput.Password
        }
        JTextField {
            id: retypeField
            objectName: "signUpRetype"
            width: parent.width
            placeholderText: qsTr("再次输入")
            echoMode: TextInput.Password
        }
        Row {
            spacing: 8
            Image {
                width: 120
                height: 40
                source: userdata.captchaFile
                cache: false
                fillMode: Image.PreserveAspectFit
                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: userdata.updateCaptcha()
                }
            }
            Button {
                text: qsTr("刷新")
                onClicked: userdata.updateCaptcha()
            }
        }
        JTextField {
            id: captchaField
            objectName: "signUpCaptcha"
            width: parent.width
            placeholderText: qsTr("验证码")
            onAccepted: sheet.doSignUp()
        }
        Text {
            width: parent.width
            visible: text !== ""
            text: user.error
            color: g_theme.readableOn("red", g_theme.popupColor)
            font.pixelSize: 12
            wrapMode: Text.Wrap
        }
        Row {
            spacing: 12
            Button {
                objectName: "signUpButton"
                text: qsTr("创建新账户")
                onClicked: sheet.doSignUp()
            }
            Button {
                text: qsTr("登录")
                urlStyle: true
                onClicked: sheet.showSignIn()
            }
        }
    }
}
