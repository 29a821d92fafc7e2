import QtQuick 2.15

// Pages switched by a segmented control at the top.
ViewController {
    id: root
    default property alias pages: stack.pages
    property alias titles: segment.titles
    property alias currentIndex: stack.currentIndex
    Segment {
        id: segment
        anchors.horizontalCenter: parent.horizontalCenter
        y: 8
        currentIndex: stack.currentIndex
        onSelected: stack.currentIndex = index
    }
    StackViewController {
        id: stack
        anchors.top: segment.bottom
        anchors.topMargin: 8
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
    }
}
