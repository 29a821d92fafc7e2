import QtQuick 2.15
import QtQuick.Controls 2.15 as C

// The Cancel / OK buttons of a sheet: 80 x 30, wider when the title needs
// more room.
C.Button {
    id: control
    property bool accent: false
    property color textColor: g_theme.foregroundColor
    implicitWidth: Math.max(80, contentItem.implicitWidth + 20)
    implicitHeight: 30
    font.pixelSize: 12
    contentItem: Text {
        text: control.text
        font: control.font
        color: control.textColor
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }
    background: Rectangle {
        radius: 4
        color: control.down ? Qt.rgba(g_theme.accentColor.r, g_theme.accentColor.g, g_theme.accentColor.b, 0.35)
             : control.accent ? Qt.rgba(g_theme.accentColor.r, g_theme.accentColor.g, g_theme.accentColor.b, 0.18)
             : control.hovered ? g_theme.hoverdColor : "transparent"
        border.width: control.visualFocus ? 2 : 1
        border.color: control.accent || control.activeFocus ? g_theme.accentColor
                                                          : g_theme.readableOn(g_theme.hoverdColor, g_theme.popupColor, 3)
    }
}
