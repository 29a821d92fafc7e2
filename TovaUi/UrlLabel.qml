import QtQuick 2.15

// A label that opens its url in the system browser when clicked.
Text {
    id: label
    property string url: ""
    color: g_theme.readableOn(g_theme.accentColor, g_theme.popupColor)
    font.underline: area.containsMouse
    font.pixelSize: 12
    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: if (label.url !== "") Qt.openUrlExternally(label.url)
    }
}
