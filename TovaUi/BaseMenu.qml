import QtQuick 2.15
import QtQuick.Controls 2.15 as C

// A menu in the theme's colours with a border in the accent colour.
C.Menu {
    id: menu
    implicitWidth: 200
    font.pixelSize: 12
    delegate: BaseMenuItem {}
    background: Rectangle {
        implicitWidth: 200
        color: g_theme.popupColor
        border.color: g_theme.accentColor
        radius: 4
    }
}
