import QtQuick 2.15
import QtQuick.Controls 2.15 as C

// A check box with text in the theme's colours.
C.CheckBox {
    id: control
    property color textColor: g_theme.foregroundColor
    font.pixelSize: 12
    spacing: 6
    indicator: Rectangle {
        implicitWidth: 16
        implicitHeight: 16
        // on the right in a right-to-left layout
        x: control.mirrored ? control.width - width - control.rightPadding : control.leftPadding
        y: (control.height - height) / 2
        radius: 3
        color: control.checked ? g_theme.accentColor : "transparent"
        border.color: control.checked || control.visualFocus ? g_theme.accentColor : g_theme.secondaryTextColor
        border.width: control.visualFocus ? 2 : 1
        opacity: control.enabled ? 1 : 0.4
        Text {
            anchors.centerIn: parent
            text: "\u2713"
            visible: control.checked
            color: g_theme.readableOn("white", g_theme.accentColor, 3)
            font.pixelSize: 12
        }
    }
    // The keyboard's place shows, ticked or not (a ticked box is filled
    // with the accent colour its focus border would be drawn in).
    background: Rectangle {
        objectName: "focusFrame"
        color: "transparent"
        radius: 3
        border.width: 2
        border.color: g_theme.accentColor
        visible: control.visualFocus
    }
    contentItem: Text {
        leftPadding: control.mirrored ? 0 : control.indicator.width + control.spacing
        rightPadding: control.mirrored ? control.indicator.width + control.spacing : 0
        text: control.text
        font: control.font
        color: control.textColor
        opacity: control.enabled ? 1 : 0.4
        horizontalAlignment: Text.AlignLeft
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
}
