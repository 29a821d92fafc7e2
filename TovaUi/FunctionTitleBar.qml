import QtQuick 2.15

// Title bar of a side page: back button, title, minimise button and items on
// the right.
Rectangle {
    id: bar
    property string title: ""
    property bool showBackButton: false
    property string backTips: qsTr("返回")
    property bool showMinButton: false
    property alias rightItem: rightRow.data
    readonly property var config: GlobalConfig {}
    signal back()
    signal minClicked()

    implicitHeight: config.sizeTitleH
    color: g_theme.functionAreaColor

    Row {
        anchors.left: parent.left
        anchors.leftMargin: 4
        anchors.verticalCenter: parent.verticalCenter
        spacing: 4
        Button {
            visible: bar.showBackButton
            width: 26; height: 26
            text: "\u2039"
            font.pixelSize: 18
            hoverText: bar.backTips
            onClicked: bar.back()
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: bar.title
            color: g_theme.foregroundColor
            font.pixelSize: 13
            font.bold: true
        }
    }
    Row {
        id: rightRow
        anchors.right: parent.right
        anchors.rightMargin: 4
        anchors.verticalCenter: parent.verticalCenter
        spacing: 2
        Button {
            visible: bar.showMinButton
            width: 26; height: 26
            icontext: bar.config.minIcon
            iconSize: 12
            hoverText: qsTr("最小化")
            onClicked: bar.minClicked()
        }
    }
}
