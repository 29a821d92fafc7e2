import QtQuick 2.15
import QtQuick.Controls 2.15 as C

// A stack of view controllers under a navigation bar.
Item {
    id: nav
    property alias depth: stack.depth
    property alias currentItem: stack.currentItem
    property alias initialItem: stack.initialItem
    readonly property alias navigationBar: navBar
    signal pushed(var item)
    signal popped(var item)
    signal backClicked()

    function push(source, options) {
        var item = stack.push(source, options || {})
        if (item) {
            if (item.navigationController !== undefined)
                item.navigationController = nav
            pushed(item)
        }
        return item
    }
    function pop() {
        if (stack.depth <= 1)
            return null
        var item = stack.pop()
        popped(item)
        return item
    }
    function clear() { stack.clear() }

    NavigationBar {
        id: navBar
        width: parent.width
        navigationItem: stack.currentItem && stack.currentItem.navigationItem ? stack.currentItem.navigationItem : null
        showBack: stack.depth > 1
        onBackClicked: {
            nav.backClicked()
            nav.pop()
        }
        Behavior on opacity { NumberAnimation { duration: 400 } }
    }
    C.StackView {
        id: stack
        anchors.top: navBar.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        clip: true
        pushEnter: Transition { XAnimator { from: stack.width; to: 0; duration: 460; easing.type: Easing.OutCubic } }
        pushExit: Transition { XAnimator { from: 0; to: -stack.width / 3; duration: 460; easing.type: Easing.OutCubic } }
        popEnter: Transition { XAnimator { from: -stack.width / 3; to: 0; duration: 460; easing.type: Easing.OutCubic } }
        popExit: Transition { XAnimator { from: 0; to: stack.width; duration: 460; easing.type: Easing.OutCubic } }
    }
}
