import QtQuick 2.15

// Placeholder of the history page, opened as a tab page, until its own version lands.
Rectangle {
    id: page
    property string title: qsTr("历史记录")
    color: g_theme.baseColor
    Text {
        anchors.centerIn: parent
        text: page.title
        color: g_theme.secondaryTextColor
        font.pixelSize: 13
    }
}
