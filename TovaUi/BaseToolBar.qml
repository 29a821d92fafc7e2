import QtQuick 2.15

// A tool bar: a row of tool buttons on the function-area colour.
Rectangle {
    default property alias content: row.data
    property alias spacing: row.spacing
    implicitHeight: 30
    implicitWidth: row.implicitWidth + 8
    color: g_theme.functionAreaColor
    Row {
        id: row
        anchors.left: parent.left
        anchors.leftMargin: 4
        anchors.verticalCenter: parent.verticalCenter
        spacing: 2
    }
}
