import QtQuick 2.15

// An empty placeholder that takes the height of the on-screen keyboard, so
// content above it stays visible.
Item {
    width: parent ? parent.width : 0
    height: Qt.inputMethod.visible ? Qt.inputMethod.keyboardRectangle.height : 0
    Behavior on height { NumberAnimation { duration: 200 } }
}
