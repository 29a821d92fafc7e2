import QtQuick 2.15

// A row of BarTabButtons; model entries are { text, icontext }.
Rectangle {
    id: bar
    property var model: []
    property int currentIndex: 0
    signal tabClicked(int index)
    implicitHeight: 48
    color: g_theme.tabColor
    Row {
        anchors.fill: parent
        Repeater {
            model: bar.model
            BarTabButton {
                width: bar.width / Math.max(1, bar.model.length)
                height: bar.height
                text: modelData.text
                icontext: modelData.icontext
                checked: bar.currentIndex === index
                onClicked: {
                    bar.currentIndex = index
                    bar.tabClicked(index)
                }
            }
        }
    }
}
