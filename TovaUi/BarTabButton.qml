import QtQuick 2.15

// One button of the phone tab bars: icon over a short title.
Item {
    id: button
    property string icontext: ""
    property string text: ""
    property bool checked: false
    signal clicked()
    implicitWidth: 64
    implicitHeight: 48
    Column {
        anchors.centerIn: parent
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: button.icontext
            font.family: Constant.iconFont
            font.pixelSize: 20
            color: button.checked ? g_theme.accentColor : g_theme.secondaryTextColor
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: button.text
            font.pixelSize: 10
            color: button.checked ? g_theme.accentColor : g_theme.secondaryTextColor
        }
    }
    MouseArea {
        anchors.fill: parent
        onClicked: button.clicked()
    }
}
