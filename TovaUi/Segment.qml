import QtQuick 2.15

// A segmented switch: one button per title.
Row {
    id: seg
    property var titles: []
    property int currentIndex: 0
    signal selected(int index)
    spacing: 0
    Repeater {
        model: seg.titles
        Rectangle {
            width: Math.max(60, label.implicitWidth + 20)
            height: 26
            color: seg.currentIndex === index ? Constant.tintColor : "transparent"
            border.color: Constant.tintColor
            Text {
                id: label
                anchors.centerIn: parent
                text: modelData
                font.pixelSize: 12
                color: seg.currentIndex === index ? g_theme.highlightedTextColor : Constant.tintColor
            }
            MouseArea {
                anchors.fill: parent
                onClicked: {
                    seg.currentIndex = index
                    seg.selected(index)
                }
            }
        }
    }
}
