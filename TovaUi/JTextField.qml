import QtQuick 2.15

// A text field with an error line under it.
Column {
    id: root
    property alias text: field.text
    property alias placeholderText: field.placeholderText
    property alias echoMode: field.echoMode
    property alias field: field
    property alias validator: field.validator
    readonly property bool hasError: errorLabel.text !== ""
    signal accepted()
    signal textEdited()

    spacing: 2
    function showError(text) { errorLabel.text = text }
    function hideError() { errorLabel.text = "" }
    function forceActiveFocus() { field.forceActiveFocus() }

    TextField {
        id: field
        width: root.width > 0 ? root.width : implicitWidth
        onAccepted: root.accepted()
        onTextEdited: {
            root.hideError()
            root.textEdited()
        }
    }
    Text {
        id: errorLabel
        visible: text !== ""
        width: field.width
        color: g_theme.readableOn("red", g_theme.popupColor)
        font.pixelSize: 11
        wrapMode: Text.Wrap
    }
}
