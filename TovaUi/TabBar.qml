import QtQuick 2.15

// A row of tab buttons at the bottom of a phone page.
Rectangle {
    id: bar
    property var tabs: []
    property int currentIndex: 0
    property int tabsHeight: 48
    signal tabItemClicked(int index)

    implicitHeight: tabsHeight
    color: Constant.barTintColor
    Rectangle { width: parent.width; height: 1; color: Constant.dividerColor }
    Row {
        anchors.fill: parent
        Repeater {
            model: bar.tabs
            Item {
                width: bar.width / Math.max(1, bar.tabs.length)
                height: bar.tabsHeight
                Column {
                    anchors.centerIn: parent
                    Text {
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: modelData.icontext !== undefined ? modelData.icontext : ""
                        font.family: Constant.iconFont
                        font.pixelSize: 20
                        color: bar.currentIndex === index ? Constant.tintColor : g_theme.secondaryTextColor
                    }
                    Text {
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: modelData.title !== undefined ? modelData.title : modelData
                        font.pixelSize: 10
                        color: bar.currentIndex === index ? Constant.tintColor : g_theme.secondaryTextColor
                    }
                }
                MouseArea {
                    anchors.fill: parent
                    onClicked: {
                        bar.currentIndex = index
                        bar.tabItemClicked(index)
                    }
                }
            }
        }
    }
}
