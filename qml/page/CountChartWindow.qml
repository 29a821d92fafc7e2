import QtQuick 2.15
import QtQuick.Layouts 1.15
import TovaUi 0.1

// The statistics card: the fourteen-day charts of words, speed and time, one
// at a time, with today's figures and what is left of the writing lock. A
// sheet of the window, in the theme's colours; Escape or its close button
// closes it.
SheetWindow {
    id: root
    objectName: "countChartWindow"
    title: qsTr("统计卡片")
    showTitleAndClose: true
    isShowOk: false
    isShowCloseButton: true

    // The key that opened the sheet closes it: the window's own keys are
    // off while a sheet covers it. Closed, the sheet leaves the key to
    // the window (F2 renames in the document tree).
    Shortcut {
        objectName: "closeKey"
        enabled: root.visible
        sequence: keys.getKey("countWindow") !== "" ? keys.message + keys.getKey("countWindow") : "F2"
        onActivated: applicationWindow.showCountWindow()
    }

    // 0 words, 1 speed, 2 time.
    property int chart: 0
    readonly property var today: g_data.todayData
    readonly property var titles: [qsTr("近期字数"), qsTr("近期速度"), qsTr("近期用时")]
    readonly property var chartModel: chart === 0 ? g_data.dayWordModel
                                    : chart === 1 ? g_data.daySpeedModel : g_data.dayTimeModel
    // Figures and days in the interface language's digits.
    readonly property var shownLocale: Qt.locale(i18n.localeName)

    function previousChart() { chart = (chart + 2) % 3 }
    function nextChart() { chart = (chart + 1) % 3 }

    ColumnLayout {
        width: 530
        spacing: 8

        RowLayout {
            Layout.fillWidth: true
            Button {
                objectName: "previousChart"
                text: "<"
                // named by the chart it brings
                Accessible.name: root.titles[(root.chart + 2) % 3]
                onClicked: root.previousChart()
            }
            Text {
                objectName: "chartTitle"
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                text: root.titles[root.chart]
                color: g_theme.foregroundColor
                font.bold: true
                font.pixelSize: 16
            }
            Button {
                objectName: "nextChart"
                text: ">"
                Accessible.name: root.titles[(root.chart + 1) % 3]
                onClicked: root.nextChart()
            }
        }

        // One bar per day: 230 × number / max high, the number above and
        // the day below. Without any value (max 0) the bars stay flat.
        Row {
            id: bars
            objectName: "bars"
            Layout.alignment: Qt.AlignHCenter
            Layout.preferredHeight: 230 + 40
            spacing: 8
            Repeater {
                model: root.chartModel
                delegate: Item {
                    width: 28
                    height: bars.height
                    readonly property real barHeight: model.max > 0 ? Math.min(230, 230 * model.number / model.max) : 0
                    Text {
                        anchors.horizontalCenter: parent.horizontalCenter
                        anchors.bottom: bar.top
                        text: Number(model.number).toLocaleString(root.shownLocale, "f", 0)
                        color: g_theme.foregroundColor
                        font.pixelSize: 10
                    }
                    Rectangle {
                        id: bar
                        anchors.horizontalCenter: parent.horizontalCenter
                        anchors.bottom: dayLabel.top
                        width: 18
                        height: parent.barHeight
                        color: g_theme.accentColor
                    }
                    Text {
                        id: dayLabel
                        anchors.horizontalCenter: parent.horizontalCenter
                        anchors.bottom: parent.bottom
                        text: Date.fromLocaleDateString(Qt.locale("C"), model.date, "yyyy-MM-dd").toLocaleDateString(root.shownLocale, "MM-dd")
                        color: g_theme.secondaryTextColor
                        font.pixelSize: 10
                    }
                }
            }
        }

        // Today's figures; each shows its chart when clicked. They take a
        // second line when one line is too short for them.
        Flow {
            Layout.fillWidth: true
            spacing: 16
            Repeater {
                model: [
                    qsTr("今日字数") + ": " + qsTr("%n 字", "", root.today ? root.today.tmpWords : 0),
                    qsTr("今日速度") + ": " + qsTr("%n 字/分钟", "", root.today ? root.today.speed : 0),
                    qsTr("今日用时") + ": " + qsTr("%n 分钟", "", Math.floor((root.today ? root.today.tmpSecond : 0) / 60))
                ]
                Text {
                    text: modelData
                    color: g_theme.foregroundColor
                    font.pixelSize: 13
                    MouseArea {
                        anchors.fill: parent
                        onClicked: root.chart = index
                        Accessible.role: Accessible.Button
                        Accessible.name: modelData
                        Accessible.onPressAction: root.chart = index
                    }
                }
            }
        }

        Text {
            color: g_theme.foregroundColor
            font.pixelSize: 13
            text: g_data.lockSecond > 0 ? qsTr("剩余锁定时间(分钟):") + i18n.figure(Math.floor(g_data.lockSecond / 60))
                                        : qsTr("锁定时间没有启动")
        }
        Text {
            color: g_theme.foregroundColor
            font.pixelSize: 13
            text: g_data.lockWord > 0 ? qsTr("剩余锁定字数(有效字数): ") + i18n.figure(g_data.lockWord)
                                      : qsTr("锁定字数没有启动")
        }
    }
}
