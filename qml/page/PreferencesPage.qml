import QtQuick 2.15

// Placeholder of the preferences page, opened as a tab page, until its own version lands.
Rectangle {
    id: page
    property string title: qsTr("偏好设置")
    color: g_theme.baseColor
    Text {
        anchors.centerIn: parent
        text: page.title
        color: g_theme.secondaryTextColor
        font.pixelSize: 13
    }
}
