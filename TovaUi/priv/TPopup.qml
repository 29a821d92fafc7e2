import QtQuick 2.15
import QtQuick.Controls 2.15 as C

// A popup with a small arrow on its top edge pointing at what opened it.
C.Popup {
    id: popup
    property color color: g_theme.popupColor
    property color borderColor: g_theme.accentColor
    property real arrowX: width / 2
    property int arrowSize: 8
    signal destroyWindow()

    function show() { open() }
    function hide() { close() }

    topPadding: arrowSize + 8
    padding: 8
    onClosed: destroyWindow()

    background: Item {
        Rectangle {
            id: arrow
            width: popup.arrowSize * 1.5
            height: width
            rotation: 45
            x: Math.max(8, Math.min(parent.width - width - 8, popup.arrowX - width / 2))
            y: popup.arrowSize / 2
            color: popup.color
            border.color: popup.borderColor
        }
        Rectangle {
            anchors.fill: parent
            anchors.topMargin: popup.arrowSize
            radius: 6
            color: popup.color
            border.color: popup.borderColor
        }
        Rectangle {
            // hides the arrow's inner border so the arrow joins the body
            x: arrow.x + 2
            y: popup.arrowSize + 1
            width: arrow.width - 4
            height: 2
            color: popup.color
        }
    }
}
