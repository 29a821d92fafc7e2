import QtQuick 2.15

// Shows one of its child pages at a time, by index.
Item {
    id: root
    default property alias pages: container.data
    property int currentIndex: 0
    function update() {
        for (var i = 0; i < container.children.length; ++i)
            container.children[i].visible = (i === currentIndex)
    }
    onCurrentIndexChanged: update()
    Item {
        id: container
        anchors.fill: parent
        onChildrenChanged: root.update()
    }
}
