import QtQuick 2.15

// A bar of function buttons with a button that hides the bar.
Rectangle {
    id: bar
    default property alias content: row.data
    property bool showHideButton: true
    property bool hidden: false
    signal hideClicked()

    implicitHeight: hidden ? 0 : 30
    visible: !hidden
    color: g_theme.functionAreaColor
    Row {
        id: row
        anchors.left: parent.left
        anchors.leftMargin: 4
        anchors.verticalCenter: parent.verticalCenter
        spacing: 2
    }
    Button {
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        visible: bar.showHideButton
        width: 26; height: 26
        text: "\u2715"
        font.pixelSize: 11
        hoverText: qsTr("隐藏")
        onClicked: {
            bar.hidden = true
            bar.hideClicked()
        }
    }
}
