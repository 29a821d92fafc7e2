import QtQuick 2.15

// A floating rounded text button.
Rectangle {
    id: root
    property alias text: label.text
    property color textColor: g_theme.readableOn(g_theme.highlightedTextColor, g_theme.accentColor)
    signal clicked()

    implicitWidth: label.implicitWidth + 24
    implicitHeight: 32
    radius: height / 2
    color: area.pressed ? Qt.darker(g_theme.accentColor, 1.2) : g_theme.accentColor
    opacity: area.containsMouse ? 1 : 0.85

    Text {
        id: label
        anchors.centerIn: parent
        color: root.textColor
        font.pixelSize: 12
    }
    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: root.clicked()
    }
}
