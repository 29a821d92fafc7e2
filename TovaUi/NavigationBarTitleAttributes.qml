import QtQuick 2.15

// Text attributes of the navigation bar title.
QtObject {
    property color textColor: g_theme.foregroundColor
    property int fontSize: 16
    property bool bold: true
}
