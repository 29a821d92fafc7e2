import QtQuick 2.15

// The status bar under the editor: a row of widgets on the left and one on
// the right. Widgets that do not fit move into a popup behind a "..." button.
Rectangle {
    id: bar
    property list<Item> leftWidgets
    property list<Item> rightWidgets
    readonly property int overflowCount: overflowColumn.children.length

    implicitHeight: 24
    color: g_theme.statusBarColor
    clip: true

    function arrange() {
        var all = []
        var i
        for (i = 0; i < leftWidgets.length; ++i) all.push(leftWidgets[i])
        for (i = 0; i < rightWidgets.length; ++i) all.push(rightWidgets[i])
        var avail = width - 40
        var used = 0
        for (i = 0; i < all.length; ++i) {
            var w = all[i]
            var home = i < leftWidgets.length ? leftRow : rightRow
            used += w.implicitWidth + 6
            if (used > avail && w.moveToPopup)
                w.moveToPopup(overflowColumn)
            else if (w.moveToState)
                w.moveToState(home)
            else
                w.parent = home
        }
    }

    onWidthChanged: arrange()
    Component.onCompleted: {
        var i
        for (i = 0; i < leftWidgets.length; ++i) leftWidgets[i].parent = leftRow
        for (i = 0; i < rightWidgets.length; ++i) rightWidgets[i].parent = rightRow
        arrange()
    }

    Row {
        id: leftRow
        anchors.left: parent.left
        anchors.leftMargin: 6
        anchors.verticalCenter: parent.verticalCenter
        spacing: 6
    }
    Row {
        id: rightRow
        anchors.right: more.visible ? more.left : parent.right
        anchors.rightMargin: 6
        anchors.verticalCenter: parent.verticalCenter
        spacing: 6
    }
    Button {
        id: more
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        visible: bar.overflowCount > 0
        width: 26; height: 22
        text: "\u2026"
        onClicked: popup.show()
    }
    TPopup {
        id: popup
        y: -implicitHeight
        x: bar.width - width
        Column {
            id: overflowColumn
            spacing: 4
        }
    }
}
