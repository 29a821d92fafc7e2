import QtQuick 2.15

// A centred tip for empty lists, four fifths of the widget wide.
Item {
    id: root
    property string tips: ""
    default property alias content: extra.data
    Column {
        anchors.centerIn: parent
        width: root.width * 4 / 5
        spacing: 10
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            text: root.tips
            color: g_theme.secondaryTextColor
            font.pixelSize: 13
        }
        Item {
            id: extra
            width: parent.width
            height: childrenRect.height
        }
    }
}
