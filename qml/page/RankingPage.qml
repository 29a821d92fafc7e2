import QtQuick 2.15

// Placeholder of the side page "ranking" until its own version lands: the name,
// title and parents the desktop layout sets.
Item {
    id: page
    property string name: "ranking"
    property string title: qsTr("拼字")
    property var leftParent: null
    property var rightParent: null
    property var pendentParent: null
    implicitWidth: 280
    implicitHeight: 300

    Text {
        anchors.centerIn: parent
        text: page.title
        color: g_theme.secondaryTextColor
        font.pixelSize: 13
    }
}
