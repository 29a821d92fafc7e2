import QtQuick 2.15
import QtQuick.Dialogs 1.3 as D

// Shows an image; clicking picks a new one (native picker when usePicker,
// otherwise a file dialog and the crop sheet); a close button clears it.
Rectangle {
    id: root
    property url source: ""
    property url tmpFileUrl: ""
    property bool isUseCloseButton: true
    property bool usePicker: false
    property bool useCrop: true
    signal picked(url fileUrl)

    implicitWidth: 80
    implicitHeight: 80
    radius: 4
    color: g_theme.lightHoverdColor
    border.color: area.containsMouse ? g_theme.accentColor : g_theme.readableOn(g_theme.hoverdColor, g_theme.popupColor, 3)

    function setImage(url) {
        source = url
        tmpFileUrl = url
        picked(url)
    }

    function openCrop(url) {
        var c = Qt.createComponent("ImageCropSheet.qml")
        var sheet = c.createObject(root, { sourceImage: url })
        sheet.picked.connect(function(fileName) { root.setImage("file://" + fileName) })
        sheet.destroyWindow.connect(function() { sheet.destroy() })
        sheet.show()
    }

    function doIt() {
        if (usePicker) {
            var picker = Qt.createQmlObject("import TovaUi 0.1; ImagePicker {}", root)
            picker.ready.connect(function() {
                picker.saved.connect(function(url) { root.setImage(url); picker.destroy() })
                picker.saveAsTemp()
            })
            picker.show(true)
            return
        }
        dialog.open()
    }

    D.FileDialog {
        id: dialog
        title: qsTr("选择图片")
        nameFilters: [qsTr("图片") + " (*.png *.jpg *.jpeg *.bmp *.gif)"]
        onAccepted: root.useCrop ? root.openCrop(fileUrl) : root.setImage(fileUrl)
    }

    Image {
        anchors.fill: parent
        anchors.margins: 2
        source: root.source
        fillMode: Image.PreserveAspectCrop
        visible: root.source.toString() !== ""
    }
    Text {
        anchors.centerIn: parent
        visible: root.source.toString() === ""
        text: "+"
        font.pixelSize: 28
        color: g_theme.secondaryTextColor
    }
    // What a screen reader calls the picker; the caller names it.
    property string accessibleName: ""
    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: root.doIt()
        Accessible.role: Accessible.Button
        Accessible.name: root.accessibleName
        Accessible.onPressAction: root.doIt()
    }
    Button {
        width: 20
        height: 20
        implicitWidth: 20
        implicitHeight: 20
        padding: 0
        anchors.top: parent.top
        anchors.right: parent.right
        visible: root.isUseCloseButton && root.source.toString() !== ""
        icontext: "\ue601"
        iconSize: 10
        hoverText: qsTr("移除")
        onClicked: {
            root.source = ""
            root.tmpFileUrl = ""
        }
    }
}
