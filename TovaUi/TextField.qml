import QtQuick 2.15
import QtQuick.Controls 2.15 as C

// A plain text field in the theme's colours.
C.TextField {
    id: control
    font.pixelSize: 12
    color: g_theme.foregroundColor
    placeholderTextColor: g_theme.secondaryTextColor
    selectByMouse: true
    // what the field asks for, unless the caller names it (a password
    // field is spoken by its description only)
    Accessible.name: placeholderText
    Accessible.description: placeholderText
    selectionColor: g_theme.selectedColor
    background: Rectangle {
        implicitWidth: 160
        implicitHeight: 28
        radius: 4
        color: "transparent"
        border.color: control.activeFocus ? g_theme.accentColor : g_theme.readableOn(g_theme.hoverdColor, g_theme.popupColor, 3)
    }
}
