import QtQuick 2.15

// Placeholder of the floating word-count tip of the minimalist mode until
// its own version lands.
Rectangle {
    width: 120
    height: 28
    radius: 6
    color: g_theme.functionAreaColor
    Text {
        anchors.centerIn: parent
        text: wordCountModel.currentCountClass ? String(wordCountModel.currentCountClass.All) : ""
        color: g_theme.foregroundColor
    }
}
