import QtQuick 2.15
import QtQuick.Controls 2.15 as C

// A small "?" that explains something when hovered or clicked.
Rectangle {
    id: root
    property string text: ""
    implicitWidth: 16
    implicitHeight: 16
    radius: 8
    color: "transparent"
    border.color: g_theme.secondaryTextColor

    Text {
        anchors.centerIn: parent
        text: "?"
        font.pixelSize: 11
        color: g_theme.secondaryTextColor
    }
    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: tip.visible = !tip.visible
        Accessible.role: Accessible.Button
        Accessible.name: qsTr("帮助")
        Accessible.description: root.text
        Accessible.onPressAction: tip.visible = !tip.visible
    }
    C.ToolTip {
        id: tip
        visible: area.containsMouse && root.text !== ""
        text: root.text
        delay: 300
    }
}
