import QtQuick 2.15

// A two-sided card that flips between a front and a back widget.
Flipable {
    id: card
    property bool flipped: false
    property Item frontWidget: null
    property Item backWidget: null
    function changeFlipped() { flipped = !flipped }

    // Flipable takes each side once and does not accept an empty one.
    function attach() {
        if (frontWidget && !front) {
            front = frontWidget
            frontWidget.anchors.fill = card
        }
        if (backWidget && !back) {
            back = backWidget
            backWidget.anchors.fill = card
        }
    }
    onFrontWidgetChanged: attach()
    onBackWidgetChanged: attach()
    Component.onCompleted: attach()

    transform: Rotation {
        id: rotation
        origin.x: card.width / 2
        origin.y: card.height / 2
        axis.x: 0; axis.y: 1; axis.z: 0
        angle: card.flipped ? 180 : 0
        Behavior on angle { NumberAnimation { duration: 400 } }
    }
}
