import QtQuick 2.15
import QtQuick.Controls 2.15 as C
import TovaUi 0.1

// The sensitive-word sheet of an editor page: the user's own words, how the
// words are coloured, the level and the masking style; OK starts masking
// the document's text (copied in by the page when the sheet shows).
SheetWindow {
    id: sheet
    objectName: "subtlePage"

    property string text: ""
    property url fileName: ""

    title: qsTr("过滤敏感词")
    okTitle: qsTr("开始过滤")
    isShowCancel: true
    font.pixelSize: 12

    // The text handed to the masking thread, so that the page can tell
    // whether the document changed before the result came back.
    signal filteringStarted(string text)

    function startFiltering() {
        if (sheet.text === "") {
            message.show(qsTr("文档是空的，不用过滤"), 16)
            return false
        }
        if (String(sheet.fileName) === "") {
            message.show(qsTr("文档未保存，请保存文档后再过滤"), 16)
            return false
        }
        sheet.filteringStarted(sheet.text)
        csubtle.subtleText(sheet.text, sheet.fileName, csettings.sensitiveWords)
        return true
    }
    onOk: startFiltering()

    // Radio buttons a little tighter than the style's, so that the options
    // fit the sheet.
    component Choice: C.RadioButton {
        id: choice
        topPadding: 3
        bottomPadding: 3
        // The style's label elides: measured once on the wrong side of the
        // box (before the sheet's mirroring reaches it), it would keep the
        // cut-off width. This one always measures its whole text.
        contentItem: Text {
            leftPadding: choice.mirrored ? 0 : choice.indicator.width + choice.spacing
            rightPadding: choice.mirrored ? choice.indicator.width + choice.spacing : 0
            text: choice.text
            font: choice.font
            color: choice.palette.windowText
            horizontalAlignment: Text.AlignLeft
            verticalAlignment: Text.AlignVCenter
        }
    }

    Item {
        id: body
        implicitWidth: sheet.isPhone && sheet.parent ? sheet.parent.width - 40 : 580
        implicitHeight: Math.max(420, options.implicitHeight + 20)

        C.GroupBox {
            id: customGroup
            title: qsTr("自定义敏感词")
            anchors.left: parent.left
            anchors.top: parent.top
            anchors.bottom: parent.bottom
            anchors.leftMargin: 20
            anchors.topMargin: 20
            width: 150 + leftPadding + rightPadding
            C.ScrollView {
                anchors.fill: parent
                C.TextArea {
                    id: wordsArea
                    objectName: "subtleWordsArea"
                    // set once the stored words are shown: only the user's
                    // own edits are written back
                    property bool loaded: false
                    wrapMode: TextEdit.WrapAnywhere
                    font.pixelSize: 12
                    placeholderText: qsTr("每行一个词")
                    placeholderTextColor: g_theme.secondaryTextColor
                    Component.onCompleted: {
                        text = csettings.subtleUserKeyString
                        loaded = true
                    }
                    onTextChanged: if (loaded) csettings.subtleUserKeyString = text
                }
            }
        }

        Column {
            id: options
            anchors.left: customGroup.right
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.leftMargin: 20
            anchors.rightMargin: 20
            anchors.topMargin: 20
            spacing: 8

            HelpButton {
                anchors.right: parent.right
                text: qsTr("程序内置两套敏感词库：轻度过滤使用第一套，重度过滤同时使用两套。"
                           + "三个级别都会加上左侧框中的自定义敏感词，每行一个，可以直接粘贴，保存时会去掉重复的词。"
                           + "选项在开始过滤或关闭本窗口时保存。过滤前的文本可以从文档的历史记录中找回。")
            }

            C.GroupBox {
                title: qsTr("标记方式")
                width: parent.width
                Column {
                    Choice {
                        objectName: "autoMarkOn"
                        text: qsTr("编辑文档时自动标红")
                        checked: csettings.subtleAutoMark
                        onClicked: csettings.subtleAutoMark = true
                    }
                    Choice {
                        objectName: "autoMarkOff"
                        text: qsTr("仅手动过滤时标红")
                        checked: !csettings.subtleAutoMark
                        onClicked: csettings.subtleAutoMark = false
                    }
                }
            }

            C.GroupBox {
                title: qsTr("级别")
                width: parent.width
                Flow {
                    width: parent.width
                    spacing: 8
                    Repeater {
                        model: [{ label: qsTr("轻度过滤"), level: 0 },
                                { label: qsTr("重度过滤"), level: 2 },
                                { label: qsTr("仅自定义"), level: 1 }]
                        Choice {
                            text: modelData.label
                            checked: csettings.subtleLevel === modelData.level
                            onClicked: csettings.subtleLevel = modelData.level
                        }
                    }
                }
            }

            C.GroupBox {
                title: qsTr("过滤方式")
                width: parent.width
                Flow {
                    width: parent.width
                    spacing: 4
                    Repeater {
                        model: [qsTr("仅标红"), qsTr("分割线"), qsTr("星号"),
                                qsTr("拼音"), qsTr("喵星语"), qsTr("汪星语")]
                        Choice {
                            text: modelData
                            checked: csettings.subtleType === index
                            onClicked: csettings.subtleType = index
                        }
                    }
                }
            }
        }
    }
}
