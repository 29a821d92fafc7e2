import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15

// The statistics card: the fourteen-day charts of words, speed and time, one
// at a time, with today's figures and what is left of the writing lock.
Window {
    id: root
    title: qsTr("统计卡片")
    width: 560
    height: 470
    flags: Qt.Dialog

    signal destroyWindow()

    // Opens centred over the main window, also where no window manager
    // places dialogs.
    Component.onCompleted: {
        if (typeof applicationWindow === "undefined" || !applicationWindow)
            return
        x = applicationWindow.x + Math.round((applicationWindow.width - width) / 2)
        y = applicationWindow.y + Math.round((applicationWindow.height - height) / 2)
    }

    // 0 words, 1 speed, 2 time.
    property int chart: 0
    readonly property var today: g_data.todayData
    readonly property var titles: [qsTr("近期字数"), qsTr("近期速度"), qsTr("近期用时")]
    readonly property var chartModel: chart === 0 ? g_data.dayWordModel
                                    : chart === 1 ? g_data.daySpeedModel : g_data.dayTimeModel

    Shortcut {
        sequence: StandardKey.Cancel
        onActivated: root.close()
    }

    function previousChart() { chart = (chart + 2) % 3 }
    function nextChart() { chart = (chart + 1) % 3 }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 16
        spacing: 8

        RowLayout {
            Layout.fillWidth: true
            Button { text: "<"; flat: true; onClicked: root.previousChart() }
            Label {
                objectName: "chartTitle"
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                text: root.titles[root.chart]
                font.bold: true
                font.pixelSize: 16
            }
            Button { text: ">"; flat: true; onClicked: root.nextChart() }
        }

        // One bar per day: 230 × number / max high, the number above and
        // the day below. Without any value (max 0) the bars stay flat.
        Row {
            id: bars
            Layout.alignment: Qt.AlignHCenter
            Layout.preferredHeight: 230 + 40
            spacing: 8
            Repeater {
                model: root.chartModel
                delegate: Item {
                    width: 28
                    height: bars.height
                    readonly property real barHeight: model.max > 0 ? Math.min(230, 230 * model.number / model.max) : 0
                    Label {
                        anchors.horizontalCenter: parent.horizontalCenter
                        anchors.bottom: bar.top
                        text: model.number
                        font.pixelSize: 10
                    }
                    Rectangle {
                        id: bar
                        anchors.horizontalCenter: parent.horizontalCenter
                        anchors.bottom: dayLabel.top
                        width: 18
                        height: parent.barHeight
                        color: "#5b8def"
                    }
                    Label {
                        id: dayLabel
                        anchors.horizontalCenter: parent.horizontalCenter
                        anchors.bottom: parent.bottom
                        text: model.name
                        font.pixelSize: 10
                    }
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 16
            Label {
                text: qsTr("今日字数") + ": " + (root.today ? root.today.tmpWords : 0) + " " + qsTr("字")
                MouseArea { anchors.fill: parent; onClicked: root.chart = 0 }
            }
            Label {
                text: qsTr("今日速度") + ": " + (root.today ? root.today.speed : 0) + " " + qsTr("字/分钟")
                MouseArea { anchors.fill: parent; onClicked: root.chart = 1 }
            }
            Label {
                text: qsTr("今日用时") + ": " + Math.floor((root.today ? root.today.tmpSecond : 0) / 60) + " " + qsTr("分钟")
                MouseArea { anchors.fill: parent; onClicked: root.chart = 2 }
            }
        }

        Label {
            text: g_data.lockSecond > 0 ? qsTr("剩余锁定时间(分钟):") + Math.floor(g_data.lockSecond / 60)
                                        : qsTr("锁定时间没有启动")
        }
        Label {
            text: g_data.lockWord > 0 ? qsTr("剩余锁定字数(有效字数): ") + g_data.lockWord
                                      : qsTr("锁定字数没有启动")
        }
    }

    onClosing: root.destroyWindow()
}
