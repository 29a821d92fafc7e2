import QtQuick 2.15
import QtQuick.Controls 2.15 as C

// One item of the status bar: icons and texts side by side, a hover text, and
// the ability to move into a popup when the bar runs out of space.
Item {
    id: widget
    property var textList: []
    property var iconList: []
    property var labelList: []
    property string hoverText: ""
    property color color: g_theme.foregroundColor
    property var homeParent: null
    readonly property bool inPopup: homeParent !== null && parent !== homeParent
    signal click()

    implicitWidth: row.implicitWidth + 12
    implicitHeight: 22

    function moveToPopup(p) {
        if (homeParent === null)
            homeParent = parent
        parent = p
    }
    function moveToState(p) {
        parent = p ? p : homeParent
    }

    Rectangle {
        anchors.fill: parent
        radius: 3
        color: area.containsMouse ? g_theme.hoverdColor : "transparent"
    }
    Row {
        id: row
        anchors.centerIn: parent
        spacing: 4
        Repeater {
            model: Math.max(widget.textList.length, widget.iconList.length, widget.labelList.length)
            Row {
                spacing: 2
                Text {
                    visible: text !== ""
                    text: widget.iconList[index] !== undefined ? widget.iconList[index] : ""
                    font.family: Constant.iconFont
                    font.pixelSize: 12
                    color: widget.color
                    anchors.verticalCenter: parent.verticalCenter
                }
                Text {
                    visible: text !== ""
                    text: widget.labelList[index] !== undefined ? widget.labelList[index] : ""
                    font.pixelSize: 12
                    color: g_theme.secondaryTextColor
                    anchors.verticalCenter: parent.verticalCenter
                }
                Text {
                    visible: text !== ""
                    text: widget.textList[index] !== undefined ? widget.textList[index] : ""
                    font.pixelSize: 12
                    color: widget.color
                    anchors.verticalCenter: parent.verticalCenter
                }
            }
        }
    }
    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: widget.click()
    }
    C.ToolTip.visible: area.containsMouse && hoverText !== ""
    C.ToolTip.text: hoverText
    C.ToolTip.delay: 500
}
