import QtQuick 2.15
import QtQuick.Controls 2.15 as C

// A field that records a key combination. Every key press is consumed;
// Return or Enter hands over the combination recorded before.
C.TextField {
    id: control
    property string key: ""
    signal enterKey(string key)

    readOnly: true
    text: functions.isMac() && typeof keys.macKeyDisplay === "function" ? keys.macKeyDisplay(key) : key
    font.pixelSize: 12
    color: g_theme.foregroundColor
    selectByMouse: false
    placeholderText: qsTr("请按下快捷键")
    background: Rectangle {
        implicitWidth: 160
        implicitHeight: 28
        radius: 4
        color: "transparent"
        border.color: control.activeFocus ? g_theme.accentColor : g_theme.readableOn(g_theme.hoverdColor, g_theme.popupColor, 3)
    }

    function modifierName(k) {
        switch (k) {
        case Qt.Key_Control: return "Ctrl"
        case Qt.Key_Alt: return "Alt"
        case Qt.Key_Meta: return "Meta"
        case Qt.Key_Shift: return "Shift"
        }
        return ""
    }

    Keys.onPressed: {
        event.accepted = true
        var text = modifierName(event.key)
        if (text === "")
            text = functions.keyEventToString(event.modifiers, event.key)
        if (text === "Return" || text === "Enter") {
            enterKey(key)
            return
        }
        key = text
    }
}
