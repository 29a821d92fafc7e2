import QtQuick 2.15
import QtQuick.Controls 2.15 as C

// A combo box in the theme's colours; showBorder draws a frame around it.
C.ComboBox {
    id: control
    property bool showBorder: true
    property color textColor: g_theme.foregroundColor
    font.pixelSize: 12
    implicitHeight: 28
    implicitWidth: 140

    delegate: C.ItemDelegate {
        width: control.width
        height: 26
        highlighted: control.highlightedIndex === index
        contentItem: Text {
            text: control.textRole ? (Array.isArray(control.model) ? modelData[control.textRole] : model[control.textRole]) : modelData
            color: control.textColor
            font: control.font
            elide: Text.ElideRight
            verticalAlignment: Text.AlignVCenter
        }
        background: Rectangle { color: highlighted ? g_theme.hoverdColor : "transparent" }
    }
    // The arrow stands at the end of the text: on the left when mirrored.
    contentItem: Text {
        leftPadding: control.mirrored ? control.indicator.width + 4 : 8
        rightPadding: control.mirrored ? 8 : control.indicator.width + 4
        horizontalAlignment: Text.AlignLeft
        text: control.displayText
        font: control.font
        color: control.textColor
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
    indicator: Text {
        x: control.mirrored ? 8 : control.width - width - 8
        y: (control.height - height) / 2
        text: "\u25be"
        color: control.textColor
        font.pixelSize: 12
    }
    background: Rectangle {
        radius: 4
        color: control.hovered ? g_theme.lightHoverdColor : "transparent"
        border.width: control.visualFocus ? 2 : control.showBorder ? 1 : 0
        border.color: control.activeFocus ? g_theme.accentColor : g_theme.readableOn(g_theme.hoverdColor, g_theme.popupColor, 3)
    }
    popup: C.Popup {
        y: control.height
        width: control.width
        implicitHeight: Math.min(contentItem.implicitHeight + 2, 300)
        padding: 1
        contentItem: ListView {
            clip: true
            implicitHeight: contentHeight
            model: control.popup.visible ? control.delegateModel : null
            currentIndex: control.highlightedIndex
        }
        background: Rectangle {
            color: g_theme.popupColor
            border.color: g_theme.accentColor
            radius: 4
        }
    }
}
