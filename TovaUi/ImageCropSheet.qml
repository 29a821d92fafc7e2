import QtQuick 2.15
import Qt.labs.platform 1.1 as P

// Crops a picked image to a square chosen with an orange frame and saves the
// result as a temporary PNG file. (The native picker of the module is
// "ImagePicker"; this sheet only crops.)
SheetWindow {
    id: crop
    property url sourceImage: ""
    property url tmpFileUrl: ""
    property int viewSize: 300
    property int previewSize: 100
    signal picked(string fileName)
    signal error(string fileName)

    title: qsTr("剪裁")
    okTitle: qsTr("剪裁")
    isShowCancel: true
    closeOnOk: false
    onOk: save()

    function tempFilePath() {
        var dir = P.StandardPaths.writableLocation(P.StandardPaths.TempLocation).toString()
        if (dir.indexOf("file://") === 0)
            dir = dir.substring(7)
        return dir + "/crop-" + Date.now() + ".png"
    }

    // Saves the framed part; picked() or error() follows, then the sheet
    // closes.
    function save() {
        if (image.status !== Image.Ready) {
            error(sourceImage.toString())
            return
        }
        var path = tempFilePath()
        cropArea.grabToImage(function(result) {
            if (result.saveToFile(path)) {
                crop.tmpFileUrl = "file://" + path
                crop.picked(path)
            } else {
                crop.error(path)
            }
            crop.close()
            crop.destroyWindow()
        }, Qt.size(frame.width, frame.height))
    }

    Row {
        spacing: 10

        Item {
            id: view
            width: crop.viewSize
            height: crop.viewSize
            clip: true
            Image {
                id: image
                anchors.fill: parent
                source: crop.sourceImage
                fillMode: Image.PreserveAspectFit
            }
            Rectangle {
                id: frame
                objectName: "cropFrame"
                readonly property real limit: Math.min(image.paintedWidth, image.paintedHeight)
                width: Math.max(20, limit * 0.8)
                height: width
                x: (view.width - width) / 2
                y: (view.height - height) / 2
                color: "transparent"
                border.color: "orange"
                border.width: 2
                MouseArea {
                    anchors.fill: parent
                    drag.target: parent
                    drag.minimumX: (view.width - image.paintedWidth) / 2
                    drag.maximumX: (view.width + image.paintedWidth) / 2 - frame.width
                    drag.minimumY: (view.height - image.paintedHeight) / 2
                    drag.maximumY: (view.height + image.paintedHeight) / 2 - frame.height
                }
            }
        }

        // preview of the framed part; this item is what gets saved
        Item {
            width: crop.previewSize
            height: crop.previewSize
            Item {
                id: cropArea
                width: frame.width
                height: frame.height
                clip: true
                visible: image.status === Image.Ready
                scale: crop.previewSize / Math.max(1, frame.width)
                transformOrigin: Item.TopLeft
                Image {
                    x: -frame.x
                    y: -frame.y
                    width: view.width
                    height: view.height
                    source: crop.sourceImage
                    fillMode: Image.PreserveAspectFit
                }
            }
        }
    }
}
