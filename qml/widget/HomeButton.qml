import QtQuick 2.15
import QtQuick.Controls 2.15 as C
import TovaUi 0.1

// One button of the navigation bar: an icon-font glyph, a marker on the left
// edge while selected, and a hover text.
Item {
    id: button
    property string name: ""
    property string icontext: ""
    property string hoverText: ""
    // What a screen reader calls the button: the hover text without its
    // shortcut, when the caller gives it.
    property string title: hoverText
    property bool selected: false
    property url imageSource: ""
    signal clicked()

    width: 37
    height: 37
    // Reached by Tab; Enter or Space clicks it.
    activeFocusOnTab: true
    Accessible.role: Accessible.Button
    Accessible.name: title
    Accessible.description: hoverText
    // a page's button tells whether its page is the one shown
    Accessible.checkable: name !== ""
    Accessible.checked: selected
    Accessible.onPressAction: button.clicked()
    Keys.onReturnPressed: button.clicked()
    Keys.onEnterPressed: button.clicked()
    Keys.onSpacePressed: button.clicked()

    Rectangle {
        anchors.fill: parent
        radius: 4
        color: area.pressed ? g_theme.darkHoverdColor : area.containsMouse ? g_theme.lightHoverdColor : "transparent"
    }
    Rectangle {
        anchors.left: parent.left
        width: 3
        height: parent.height
        color: g_theme.hoverdColor
        visible: button.selected
    }
    Rectangle {
        objectName: "focusFrame"
        anchors.fill: parent
        radius: 4
        color: "transparent"
        border.width: 2
        border.color: g_theme.accentColor
        visible: button.activeFocus
    }
    Text {
        anchors.centerIn: parent
        visible: button.imageSource.toString() === ""
        text: button.icontext
        font.family: Constant.iconFont
        font.pixelSize: 18
        color: button.selected ? g_theme.highlightedTextColor : g_theme.foregroundColor
    }
    Image {
        anchors.centerIn: parent
        visible: button.imageSource.toString() !== ""
        width: 24
        height: 24
        sourceSize.width: 48
        sourceSize.height: 48
        source: button.imageSource
        fillMode: Image.PreserveAspectCrop
    }
    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: button.clicked()
    }
    // Shown beside the bar rather than above the button, where it would
    // hide the neighbouring buttons; not while the button's own menu is open.
    property bool tipSuppressed: false
    C.ToolTip {
        objectName: "hoverTip"
        x: button.LayoutMirroring.enabled ? -width - 6 : button.width + 6
        y: Math.round((button.height - height) / 2)
        visible: (area.containsMouse || button.activeFocus) && button.hoverText !== "" && !button.tipSuppressed
        text: button.hoverText
        delay: 500
    }
}
