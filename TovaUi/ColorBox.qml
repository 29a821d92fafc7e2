import QtQuick 2.15
import Qt.labs.platform 1.1 as P

// A 40 x 40 colour swatch; a click or open() shows the platform colour
// dialog and the accepted colour becomes the box's colour.
Rectangle {
    id: box
    signal accepted(color color)
    function open() {
        dialog.currentColor = box.color
        dialog.open()
    }
    implicitWidth: 40
    implicitHeight: 40
    radius: 4
    border.color: g_theme.readableOn(g_theme.hoverdColor, g_theme.popupColor, 3)
    color: "black"
    // What a screen reader calls the box; a table row gives its title.
    property string accessibleName: ""
    MouseArea {
        anchors.fill: parent
        onClicked: box.open()
        Accessible.role: Accessible.Button
        Accessible.name: box.accessibleName
        Accessible.onPressAction: box.open()
    }
    P.ColorDialog {
        id: dialog
        onAccepted: {
            box.color = dialog.color
            box.accepted(dialog.color)
        }
    }
}
