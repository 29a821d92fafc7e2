import QtQuick 2.15

// A stack of pages of which only the one at index current is shown.
StackViewController {
    id: root
    property alias current: root.currentIndex
    readonly property int count: pages.length
}
