import QtQuick 2.15

// A row of preset colours; clicking one makes it the current colour.
Row {
    id: root
    property var colorList: ["#f44336", "#e91e63", "#9c27b0", "#3f51b5", "#2196f3", "#009688",
                             "#4caf50", "#ffc107", "#ff9800", "#795548", "#607d8b", "#000000"]
    property color currentColor: colorList[0]
    property int boxSize: 20
    signal colorClicked(color color)
    spacing: 6

    Repeater {
        model: root.colorList
        Rectangle {
            width: root.boxSize
            height: root.boxSize
            radius: 3
            color: modelData
            border.width: Qt.colorEqual(root.currentColor, modelData) ? 2 : 1
            border.color: Qt.colorEqual(root.currentColor, modelData) ? g_theme.foregroundColor : g_theme.hoverdColor
            MouseArea {
                anchors.fill: parent
                onClicked: {
                    root.currentColor = modelData
                    root.colorClicked(modelData)
                }
            }
        }
    }
}
