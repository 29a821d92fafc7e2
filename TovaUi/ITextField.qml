import QtQuick 2.15

// A text field with a placeholder and an optional password mode.
TextField {
    id: control
    property bool isPassword: false
    echoMode: isPassword ? TextInput.Password : TextInput.Normal
    passwordCharacter: "\u2022"
}
