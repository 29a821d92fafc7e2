import QtQuick 2.15
import QtQuick.Controls 2.15 as C

// A menu in the theme's colours with a border in the accent colour; at
// least 200 wide, wider when an entry needs more room.
C.Menu {
    id: menu
    implicitWidth: {
        var widest = 200
        for (var i = 0; i < count; ++i) {
            var entry = itemAt(i)
            if (entry)
                widest = Math.max(widest, entry.implicitWidth)
        }
        return widest + leftPadding + rightPadding
    }
    font.pixelSize: 12
    // Opened from the keyboard: the first entry that acts takes the
    // keyboard, so a screen reader hears where it is.
    function focusFirst() {
        for (var i = 0; i < count; ++i) {
            var entry = itemAt(i)
            if (entry && entry.enabled && entry.text !== undefined && entry.visible) {
                currentIndex = i
                return
            }
        }
    }
    delegate: BaseMenuItem {}
    background: Rectangle {
        implicitWidth: 200
        color: g_theme.popupColor
        border.color: g_theme.accentColor
        radius: 4
    }
}
