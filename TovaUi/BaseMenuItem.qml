import QtQuick 2.15
import QtQuick.Controls 2.15 as C

// A menu entry with its shortcut text on the right.
C.MenuItem {
    id: item
    property string shortcut: ""
    implicitHeight: 28
    font.pixelSize: 12

    contentItem: Item {
        implicitWidth: title.anchors.leftMargin + title.implicitWidth + keyText.implicitWidth
                       + keyText.anchors.rightMargin + 40
        implicitHeight: 20
        Text {
            id: title
            anchors.left: parent.left
            anchors.leftMargin: item.checkable ? 14 : 0
            anchors.verticalCenter: parent.verticalCenter
            text: item.text
            font: item.font
            color: item.highlighted ? g_theme.highlightedTextColor : g_theme.foregroundColor
            opacity: item.enabled ? 1 : 0.4
        }
        Text {
            id: keyText
            anchors.right: parent.right
            anchors.rightMargin: item.subMenu ? 12 : 0
            anchors.verticalCenter: parent.verticalCenter
            text: item.shortcut
            font.pixelSize: 11
            color: g_theme.secondaryTextColor
            opacity: item.enabled ? 1 : 0.4
        }
    }
    // The check mark at the text's start and the submenu arrow at its end,
    // both sides swapped in a mirrored layout.
    indicator: Text {
        x: item.mirrored ? item.width - width - 6 : 6
        y: (item.height - height) / 2
        visible: item.checkable && item.checked
        text: "\u2713"
        color: g_theme.accentColor
        font.pixelSize: 12
    }
    arrow: Text {
        x: item.mirrored ? 8 : item.width - width - 8
        y: (item.height - height) / 2
        visible: item.subMenu !== null
        text: item.mirrored ? "\u25c2" : "\u25b8"
        color: g_theme.foregroundColor
        font.pixelSize: 12
    }
    background: Rectangle {
        implicitWidth: 200
        color: item.highlighted ? g_theme.hoverdColor : "transparent"
    }
}
