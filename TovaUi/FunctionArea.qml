import QtQuick 2.15

// The frame of a side page: a title bar over the page content.
Rectangle {
    id: area
    property alias title: titleBar.title
    property alias showBackButton: titleBar.showBackButton
    property alias showMinButton: titleBar.showMinButton
    property alias rightItem: titleBar.rightItem
    property alias titleBar: titleBar
    default property alias content: body.data
    signal back()

    color: g_theme.functionAreaColor
    FunctionTitleBar {
        id: titleBar
        width: parent.width
        onBack: area.back()
    }
    Item {
        id: body
        anchors.top: titleBar.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
    }
}
