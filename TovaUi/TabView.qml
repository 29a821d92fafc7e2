import QtQuick 2.15

// Pages with a tab bar below them.
Item {
    id: root
    default property alias pages: stack.pages
    property alias tabs: tabBar.tabs
    property alias currentIndex: tabBar.currentIndex
    StackViewController {
        id: stack
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: tabBar.top
        currentIndex: tabBar.currentIndex
    }
    TabBar {
        id: tabBar
        anchors.bottom: parent.bottom
        width: parent.width
    }
}
