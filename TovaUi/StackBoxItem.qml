import QtQuick 2.15

// One collapsible section of a StackBox: a header with title, arrow and
// right-hand items over its content.
Rectangle {
    id: item
    property string title: ""
    property bool expanded: true
    property real defaultHeight: 200
    property alias rightItem: rightRow.data
    default property alias content: body.data
    readonly property int headerHeight: 28
    signal toggled(bool expanded)

    clip: true
    color: g_theme.functionAreaColor
    implicitHeight: expanded ? defaultHeight : headerHeight

    Rectangle {
        id: header
        width: parent.width
        height: item.headerHeight
        color: headerArea.containsMouse ? g_theme.lightHoverdColor : g_theme.functionAreaColor
        Text {
            id: arrow
            x: 6
            anchors.verticalCenter: parent.verticalCenter
            text: item.expanded ? "\u25be" : "\u25b8"
            color: g_theme.foregroundColor
            font.pixelSize: 12
        }
        Text {
            anchors.left: arrow.right
            anchors.leftMargin: 6
            anchors.verticalCenter: parent.verticalCenter
            text: item.title
            color: g_theme.foregroundColor
            font.pixelSize: 12
            font.bold: true
        }
        MouseArea {
            id: headerArea
            anchors.fill: parent
            hoverEnabled: true
            Accessible.role: Accessible.Button
            Accessible.name: item.title
            Accessible.checkable: true
            Accessible.checked: item.expanded
            Accessible.onPressAction: clicked(null)
            onClicked: {
                item.expanded = !item.expanded
                item.toggled(item.expanded)
            }
        }
        Row {
            id: rightRow
            anchors.right: parent.right
            anchors.rightMargin: 4
            anchors.verticalCenter: parent.verticalCenter
        }
        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 1
            color: g_theme.lineColor
        }
    }
    Item {
        id: body
        visible: item.expanded
        anchors.top: header.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
    }
}
