import QtQuick 2.15 as QQ
import QtQuick.Controls 2.15 as C

// A flickable with a thin themed scroll bar.
QQ.Flickable {
    id: flick
    clip: true
    boundsBehavior: QQ.Flickable.StopAtBounds
    C.ScrollBar.vertical: C.ScrollBar {
        policy: flick.contentHeight > flick.height ? C.ScrollBar.AsNeeded : C.ScrollBar.AlwaysOff
        contentItem: QQ.Rectangle {
            implicitWidth: 6
            radius: 3
            color: g_theme.hoverdColor
        }
    }
}
