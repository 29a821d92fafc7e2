import QtQuick 2.15
import QtTest 1.2
import TovaUi 0.1

// The crop sheet saves the framed square of an image and reports it.
Item {
    id: root
    width: 800
    height: 600

    Rectangle {
        id: source
        width: 200
        height: 100
        color: "#3366cc"
        Rectangle { x: 100; width: 100; height: 100; color: "orange" }
    }
    Component { id: cropComponent; ImageCropSheet {} }
    Component { id: spyComponent; SignalSpy {} }

    TestCase {
        name: "Crop"
        when: windowShown

        function test_cropSavesSquare() {
            var path = fontCheck.tempPath("source.png")
            var grabbed = false
            source.grabToImage(function(r) { grabbed = r.saveToFile(path) })
            tryVerify(function() { return grabbed })
            var sheet = createTemporaryObject(cropComponent, root, { sourceImage: "file://" + path })
            var picked = createTemporaryObject(spyComponent, root, { target: sheet, signalName: "picked" })
            var destroyed = createTemporaryObject(spyComponent, root, { target: sheet, signalName: "destroyWindow" })
            sheet.show()
            tryCompare(sheet, "opened", true)
            compare(sheet.title, "剪裁")
            var frame = findChild(sheet.contentItem, "cropFrame")
            compare(frame.border.color, "#ffa500")
            mouseClick(findChild(sheet.contentItem, "sheetOkButton"))
            tryCompare(picked, "count", 1)
            compare(destroyed.count, 1)
            var saved = picked.signalArguments[0][0]
            compare(sheet.tmpFileUrl.toString(), "file://" + saved)
            var size = fontCheck.imageSize(saved)
            verify(size.width > 0)
            compare(size.width, size.height)
        }

        function test_noImageIsAnError() {
            var sheet = createTemporaryObject(cropComponent, root, { sourceImage: "" })
            var err = createTemporaryObject(spyComponent, root, { target: sheet, signalName: "error" })
            sheet.save()
            compare(err.count, 1)
        }
    }
}
