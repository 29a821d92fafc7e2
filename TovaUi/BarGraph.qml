import QtQuick 2.15

// A bar chart over a model with the roles "name", "number" and "max": one
// bar per row, 230 * number / max high and never more than 230, the number
// above the bar and the name under it. Arrows beside the title emit
// previous() and next().
Rectangle {
    id: graph
    property var model: null
    property string title: qsTr("柱状图")
    property bool hasNext: false
    property bool hasPrevious: false
    property int barWidth: 24
    readonly property int maxBarHeight: 230
    readonly property alias count: bars.count
    signal next()
    signal previous()

    // A missing or non-positive maximum or a negative number draws no bar
    // rather than an undefined one.
    function barHeight(number, max) {
        number = Number(number)
        max = Number(max)
        if (!(number > 0))
            return 0
        if (!(max > 0) || number >= max)
            return maxBarHeight
        return maxBarHeight * number / max
    }
    function barAt(index) { return bars.itemAt(index) }

    implicitWidth: Math.max(300, bars.count * (barWidth + 16) + 40)
    implicitHeight: 330
    color: "transparent"

    Row {
        id: titleRow
        anchors.horizontalCenter: parent.horizontalCenter
        y: 4
        spacing: 10
        Button {
            objectName: "previousButton"
            width: 26; height: 26
            text: "\u25c0"
            font.pixelSize: 11
            enabled: graph.hasPrevious
            onClicked: graph.previous()
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: graph.title
            color: g_theme.foregroundColor
            font.pixelSize: 14
            font.bold: true
        }
        Button {
            objectName: "nextButton"
            width: 26; height: 26
            text: "\u25b6"
            font.pixelSize: 11
            enabled: graph.hasNext
            onClicked: graph.next()
        }
    }

    Row {
        id: barRow
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 4
        spacing: 16
        Repeater {
            id: bars
            model: graph.model
            Column {
                readonly property real barHeight: graph.barHeight(model.number, model.max)
                width: graph.barWidth
                spacing: 2
                Item { width: 1; height: graph.maxBarHeight - parent.barHeight }
                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: model.number
                    color: g_theme.foregroundColor
                    font.pixelSize: 10
                }
                Rectangle {
                    width: parent.width
                    height: parent.barHeight
                    radius: 2
                    color: g_theme.accentColor
                }
                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: model.name
                    color: g_theme.secondaryTextColor
                    font.pixelSize: 10
                }
            }
        }
    }
}
