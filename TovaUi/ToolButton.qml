import QtQuick 2.15
import QtQuick.Controls 2.15 as C

// A tool-bar button: an icon-font glyph or text, with a hover tool tip.
C.ToolButton {
    id: control
    property string icontext: ""
    property string hoverText: ""
    property color color: g_theme.foregroundColor
    property bool urlStyle: false
    property string fontFamily: Constant.iconFont
    property int iconSize: 16

    implicitWidth: Math.max(30, contentItem.implicitWidth + leftPadding + rightPadding)
    implicitHeight: 30
    padding: 4
    hoverEnabled: true
    font.pixelSize: 12

    contentItem: Text {
        text: control.icontext !== "" ? control.icontext : control.text
        font.family: control.icontext !== "" ? control.fontFamily : control.font.family
        font.pixelSize: control.icontext !== "" ? control.iconSize : control.font.pixelSize
        font.underline: control.urlStyle && control.hovered
        color: control.urlStyle ? g_theme.readableOn(g_theme.accentColor, g_theme.popupColor) : control.color
        opacity: control.enabled ? 1 : 0.4
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }
    background: Rectangle {
        radius: 4
        color: control.down ? g_theme.darkHoverdColor
             : (control.hovered || control.checked) ? g_theme.hoverdColor : "transparent"
        // focus reached by the keyboard shows
        border.width: control.visualFocus ? 2 : 0
        border.color: g_theme.accentColor
    }
    // A glyph or two ("✕", ".*") say nothing to a screen reader: the tool
    // tip names the button.
    readonly property bool glyphOnly: icontext !== "" || text.length <= 2
    Accessible.name: glyphOnly && hoverText !== "" ? hoverText : text
    Accessible.description: hoverText

    C.ToolTip.visible: hovered && hoverText !== ""
    C.ToolTip.text: hoverText
    C.ToolTip.delay: 500
}
