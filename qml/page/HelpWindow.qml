import QtQuick 2.15
import TovaUi 0.1

// The help sheet: the keyboard shortcuts of the active shortcut scheme, one
// row per command with its key.
SheetWindow {
    id: sheet
    objectName: "helpWindow"
    title: qsTr("帮助")
    showTitleAndClose: true
    isShowOk: false
    isShowCloseButton: true

    // The key that opened the sheet closes it: the window's own keys are
    // off while a sheet covers it. Closed, the sheet leaves the key to
    // the window (F1 reaches the page in front).
    Shortcut {
        objectName: "closeKey"
        enabled: sheet.visible
        sequence: keys.getKey("help") !== "" ? keys.message + keys.getKey("help") : "F1"
        onActivated: applicationWindow.showHelp()
    }

    Text {
        width: 360
        text: qsTr("快捷键") + " (" + keys.currentName + ")"
        color: g_theme.secondaryTextColor
        font.pixelSize: 12
        bottomPadding: 4
    }
    Repeater {
        objectName: "shortcutRows"
        model: keys.keysModel
        Item {
            width: 360
            height: 26
            Text {
                anchors.left: parent.left
                anchors.verticalCenter: parent.verticalCenter
                width: parent.width - keyText.width - 12
                elide: Text.ElideRight
                text: t.r(model.name) + ":"
                color: g_theme.foregroundColor
                font.pixelSize: 13
            }
            Text {
                id: keyText
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                text: model.value
                color: g_theme.secondaryTextColor
                font.pixelSize: 13
            }
            Rectangle {
                anchors.bottom: parent.bottom
                width: parent.width
                height: 1
                color: g_theme.lineColor
            }
        }
    }
}
