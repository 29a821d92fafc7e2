import QtQuick 2.15

// Placeholder of the document tab area until the editor's version lands:
// the availability flags the menus read and the hints of an empty area.
Rectangle {
    id: page
    objectName: "documentTabPage"
    property int count: 0
    property bool isUndoAvailable: false
    property bool isRedoAvailable: false
    property bool isCutAvailable: false
    property bool isCopyAvailable: false
    property bool isPasteAvailable: false
    property bool isMakeupAvailable: false

    color: g_theme.baseColor

    function keyOf(name) { return keys.message + keys.getKey(name) }

    Column {
        anchors.centerIn: parent
        spacing: 12
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: cglobal.appName()
            color: g_theme.foregroundColor
            font.pixelSize: 28
            font.bold: true
        }
        Repeater {
            model: [
                qsTr("Open a document") + "    " + qsTr("文件") + " > " + qsTr("打开") + "  " + page.keyOf("fileOpen"),
                qsTr("New a document") + "    " + qsTr("文件") + " > " + qsTr("新建") + "  " + page.keyOf("fileNew"),
                qsTr("Preferences...") + "    " + page.keyOf("showSetting")
            ]
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: modelData
                color: g_theme.secondaryTextColor
                font.pixelSize: 13
            }
        }
    }
}
