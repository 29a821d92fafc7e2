import QtQuick 2.15
import QtQuick.Controls 2.15 as C

// A thin separator between menu entries.
C.MenuSeparator {
    padding: 0
    topPadding: 3
    bottomPadding: 3
    contentItem: Rectangle {
        implicitWidth: 180
        implicitHeight: 1
        color: g_theme.lineColor
    }
}
