import QtQuick 2.15

// The phone layout's header: back button, title and tool-menu button.
Rectangle {
    id: header
    property string title: Qt.application.name
    property bool showBack: false
    readonly property var config: GlobalConfig {}
    signal showToolMenu()
    signal back()
    implicitHeight: 44
    color: g_theme.titleColor
    Button {
        anchors.left: parent.left
        anchors.verticalCenter: parent.verticalCenter
        visible: header.showBack
        text: "\u2039"
        font.pixelSize: 20
        onClicked: header.back()
    }
    Text {
        anchors.centerIn: parent
        text: header.title
        color: g_theme.foregroundColor
        font.pixelSize: 16
        font.bold: true
    }
    Button {
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        icontext: header.config.menuIcon
        onClicked: header.showToolMenu()
    }
}
