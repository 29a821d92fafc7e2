import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import TovaUi 0.1 as Tova

// The statistics side page: the current document's counts and the figures of
// today, this week, this month and this year with their trends.
Item {
    id: root
    objectName: "wordCount"
    property string name: "wordCount"
    property string title: qsTr("字数统计")
    implicitWidth: 280
    implicitHeight: 300

    readonly property real figureSize: (typeof csettings !== "undefined" && csettings.wordCountFontSize > 0)
                                       ? csettings.wordCountFontSize : 13
    readonly property int royalties: (typeof csettings !== "undefined" && csettings.royalties) ? csettings.royalties : 0
    readonly property var counts: wordCountModel.currentCountClass

    // One titled figure with an optional trend line under it. Figures share
    // the width of their card equally; a caption too long for its share
    // wraps instead of running into the next one. Caption, value and trend
    // start at the same edge (the right one in a mirrored layout) whatever
    // the direction of their own text, so a value stays under its caption.
    component Figure: ColumnLayout {
        objectName: "figure"
        property string caption
        property string value
        property bool hasTrend: false
        property int trend: 0
        Layout.fillWidth: true
        Layout.preferredWidth: 1
        Layout.alignment: Qt.AlignTop
        spacing: 0
        Label {
            Layout.fillWidth: true
            text: caption + ":"
            horizontalAlignment: Text.AlignLeft
            wrapMode: Text.Wrap
            font.pixelSize: root.figureSize
        }
        Label {
            Layout.fillWidth: true
            text: value
            horizontalAlignment: Text.AlignLeft
            wrapMode: Text.Wrap
            font.pixelSize: root.figureSize
        }
        Label {
            visible: hasTrend
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignLeft
            text: (trend >= 0 ? "\u2191 " : "\u2193 ") + i18n.figure(trend) + "%"
            color: g_theme.readableOn(trend >= 0 ? "#2e9d4a" : "#d23c3c", g_theme.functionAreaColor)
            font.pixelSize: root.figureSize - 2
        }
    }

    // A period card: words, speed, time and, when set, royalties.
    component PeriodCard: GroupBox {
        property var record
        property var captions
        property bool live: true
        Layout.fillWidth: true
        GridLayout {
            width: parent.width
            columns: 2
            Figure {
                caption: captions[0]
                value: qsTr("%n 字", "", record ? (live ? record.tmpWords : record.words) : 0)
                hasTrend: true
                trend: record ? record.wordTrend : 0
            }
            Figure {
                caption: captions[1]
                value: qsTr("%n 字/分钟", "", record ? record.speed : 0)
                hasTrend: true
                trend: record ? record.speedTrend : 0
            }
            Figure {
                caption: captions[2]
                value: qsTr("%n 分钟", "", record ? Math.floor((live ? record.tmpSecond : record.second) / 60) : 0)
                hasTrend: true
                trend: record ? record.secondTrend : 0
            }
            Figure {
                visible: root.royalties !== 0
                caption: captions[3]
                value: i18n.figure(record ? record.words * root.royalties / 1000 : 0, 1) + " " + qsTr("元")
                hasTrend: true
                trend: record ? record.wordTrend : 0
            }
        }
    }

    ScrollView {
        anchors.fill: parent
        clip: true
        ColumnLayout {
            width: root.width
            spacing: 8

            RowLayout {
                Layout.fillWidth: true
                Label { text: root.title; font.bold: true; Layout.fillWidth: true }
                ToolButton {
                    text: "\u2026"
                    Accessible.name: ToolTip.text
                    ToolTip.visible: hovered
                    ToolTip.text: qsTr("字数统计功能菜单")
                    onClicked: menu.open()
                    Menu {
                        id: menu
                        // Drops below the button instead of covering it.
                        y: parent.height
                        MenuItem {
                            text: qsTr("统计卡片")
                            onTriggered: if (typeof applicationWindow !== "undefined") applicationWindow.showCountWindow()
                        }
                        MenuItem { text: qsTr("字体大小"); onTriggered: fontSheet.open() }
                        MenuItem {
                            text: qsTr("同步字数")
                            onTriggered: {
                                if (userdata.logined) {
                                    g_data.syncServerData(true)
                                } else {
                                    message.show(qsTr("请先登录"), 1)
                                    if (typeof applicationWindow !== "undefined")
                                        applicationWindow.showLogin()
                                }
                            }
                        }
                    }
                }
            }

            GroupBox {
                title: qsTr("文档统计")
                Layout.fillWidth: true
                visible: root.counts && root.counts.All !== -1
                GridLayout {
                    width: parent.width
                    columns: 2
                    Figure { caption: qsTr("总字数"); value: i18n.figure(root.counts ? root.counts.All : 0) }
                    Figure { caption: qsTr("总字数(无空格)"); value: i18n.figure(root.counts ? root.counts.NoSpace : 0) }
                    Figure { caption: qsTr("数字"); value: i18n.figure(root.counts ? root.counts.Numbers : 0) }
                    Figure {
                        caption: qsTr("空格数")
                        value: i18n.figure(root.counts ? root.counts.HalfWidthSpace + root.counts.FullWidthSpace : 0)
                    }
                    Figure { caption: qsTr("汉字数"); value: i18n.figure(root.counts ? root.counts.Chars : 0) }
                    Figure { caption: qsTr("单词数"); value: i18n.figure(root.counts ? root.counts.Words : 0) }
                    Figure { caption: qsTr("段落数"); value: i18n.figure(root.counts ? root.counts.Paragraphs : 0) }
                }
            }

            PeriodCard {
                title: qsTr("今时今日")
                record: g_data.todayData
                live: false
                captions: [qsTr("今日字数"), qsTr("今日速度"), qsTr("今日用时"), qsTr("今日稿费")]
            }
            PeriodCard {
                title: qsTr("本周统计")
                record: g_data.thisWeekData
                captions: [qsTr("本周字数"), qsTr("本周速度"), qsTr("本周用时"), qsTr("本周稿费")]
            }
            PeriodCard {
                title: qsTr("月度统计")
                record: g_data.thisMonthData
                captions: [qsTr("本月字数"), qsTr("本月速度"), qsTr("本月用时"), qsTr("本月稿费")]
            }
            PeriodCard {
                title: qsTr("年度统计")
                record: g_data.thisYearData
                captions: [qsTr("今年字数"), qsTr("今年速度"), qsTr("今年用时"), qsTr("年度稿费")]
            }
        }
    }

    Dialog {
        id: fontSheet
        title: qsTr("设置字体大小")
        anchors.centerIn: parent
        standardButtons: Dialog.Ok
        RowLayout {
            Label { text: qsTr("字号") }
            Tova.FontSizeBox {
                objectName: "wordCountFontSizeBox"
                onFontSizeChanged: if (typeof csettings !== "undefined" && fontSize !== root.figureSize)
                                       csettings.wordCountFontSize = fontSize
                Binding on fontSize { value: root.figureSize }
            }
        }
    }
}
