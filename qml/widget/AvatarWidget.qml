import QtQuick 2.15
import QtQuick.Window 2.15
import QtGraphicalEffects 1.15

// The round avatar picture; file is a picture URL (the home bars give it
// userdata.avatar_file).
Item {
    id: root
    property string file: "qrc:/source/images/user.png"
    implicitWidth: 40
    implicitHeight: 40
    // The round mask needs shader effects, which the software renderer does
    // not draw; there the picture shows square instead of not at all.
    readonly property bool masked: GraphicsInfo.api !== GraphicsInfo.Software

    Image {
        id: picture
        anchors.fill: parent
        source: root.file !== "" ? root.file : "qrc:/source/images/user.png"
        // Decoded once, off the GUI thread, at a size enough for the largest
        // avatar (64 px) on a double-density screen; a resize only scales
        // the decoded picture, and rows showing the same picture share it.
        asynchronous: true
        sourceSize.width: 128
        sourceSize.height: 128
        fillMode: Image.PreserveAspectCrop
        cache: true
        smooth: true
        visible: !root.masked
    }
    Rectangle {
        id: mask
        anchors.fill: parent
        radius: Math.min(width, height) / 2
        visible: false
    }
    OpacityMask {
        anchors.fill: parent
        visible: root.masked
        source: picture
        maskSource: mask
    }
}
