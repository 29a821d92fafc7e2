import QtQuick 2.15
import QtQuick.Window 2.15

// The 30-pixel title bar of the frameless window: menu bar, title and the
// minimise, maximise / restore and close buttons. Dragging moves the window,
// a double click toggles maximised. Locked: no buttons, no moving.
Rectangle {
    id: bar
    property var control: null
    property Component windowsMenuBar: null
    property bool lockState: false
    property bool menuVisible: true
    readonly property bool fullScreen: control ? (control.visibility === Window.FullScreen || control.isFullScreen === true) : false
    readonly property bool maximized: control ? control.visibility === Window.Maximized : false
    readonly property var config: GlobalConfig {}

    implicitHeight: 30
    color: g_theme.titleColor
    radius: control && control.frameRadius !== undefined ? control.frameRadius : 0

    function moveTitle(dx, dy) {
        if (!control || lockState || fullScreen || maximized)
            return false
        control.x += dx
        control.y += dy
        return true
    }
    function toggleMaximized() {
        if (!control || lockState || fullScreen)
            return false
        if (maximized)
            control.showNormal()
        else
            control.showMaximized()
        return true
    }

    // squares off the bottom corners under the rounded top
    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: parent.radius
        color: parent.color
    }

    MouseArea {
        id: moveArea
        anchors.fill: parent
        // moves the window; the window manager's keys do the same
        Accessible.ignored: true
        property point pressPos
        onPressed: pressPos = Qt.point(mouse.x, mouse.y)
        onPositionChanged: if (pressed) bar.moveTitle(mouse.x - pressPos.x, mouse.y - pressPos.y)
        onDoubleClicked: bar.toggleMaximized()
    }

    Loader {
        id: menuLoader
        anchors.left: parent.left
        anchors.leftMargin: 6
        anchors.verticalCenter: parent.verticalCenter
        sourceComponent: bar.windowsMenuBar
        visible: bar.menuVisible
    }

    // The title stands in the middle, moved aside into the room the menu
    // bar and the buttons leave (in either layout direction) where the
    // middle is taken: at 200 % a menu bar reaches past the middle.
    readonly property Item leftItem: menuLoader.x < buttons.x ? menuLoader : buttons
    readonly property Item rightItem: leftItem === menuLoader ? buttons : menuLoader
    readonly property real roomLeft: (leftItem.visible ? leftItem.x + leftItem.width : 0) + 10
    readonly property real roomRight: (rightItem.visible ? rightItem.x : width) - 10
    Text {
        objectName: "windowTitle"
        anchors.verticalCenter: parent.verticalCenter
        width: Math.max(0, Math.min(implicitWidth, bar.roomRight - bar.roomLeft))
        x: Math.max(bar.roomLeft, Math.min(bar.roomRight - width, (parent.width - width) / 2))
        visible: width > 0
        text: bar.control ? bar.control.title : ""
        elide: Text.ElideRight
        color: g_theme.foregroundColor
        font.pixelSize: 12
    }

    Row {
        id: buttons
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        visible: !bar.lockState
        Button {
            objectName: "minButton"
            width: 40; height: 30
            radius: 0
            icontext: bar.config.minIcon
            iconSize: 12
            hoverText: qsTr("最小化")
            onClicked: if (bar.control) bar.control.showMinimized()
        }
        Button {
            objectName: "maxButton"
            width: 40; height: 30
            radius: 0
            icontext: bar.maximized ? bar.config.normalIcon : bar.config.maxIcon
            iconSize: 12
            hoverText: bar.maximized ? qsTr("还原") : qsTr("最大化")
            onClicked: bar.toggleMaximized()
        }
        Button {
            objectName: "closeButton"
            width: 40; height: 30
            radius: 0
            icontext: bar.config.closeIcon
            iconSize: 12
            hoverText: qsTr("关闭")
            hoverColor: "#e81123"
            onClicked: if (bar.control) bar.control.close()
        }
    }
}
