import QtQuick 2.15

// A progress bar from minimum to maximum.
Rectangle {
    id: root
    property real minimum: 0
    property real maximum: 100
    property real current: 0
    readonly property real ratio: maximum > minimum
                                  ? Math.max(0, Math.min(1, (current - minimum) / (maximum - minimum))) : 0
    implicitWidth: 200
    implicitHeight: 6
    radius: height / 2
    color: g_theme.hoverdColor
    Rectangle {
        width: parent.width * root.ratio
        height: parent.height
        radius: parent.radius
        color: g_theme.accentColor
    }
}
