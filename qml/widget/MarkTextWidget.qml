import QtQuick 2.15
import QtQuick.Controls 2.15 as C
import TovaUi 0.1

// The mark editor: the marked word, its note (at most 200 characters) and
// one of the eight mark colours. OK emits ok(); the delete button, shown for
// an existing mark, emits deleteMark(markText).
C.Popup {
    id: panel
    objectName: "markTextWidget"

    property string markText: ""
    property string note: ""
    property color color: "#f44336"
    property bool showDelete: false
    // Set by any edit of the note; cleared each time the panel is shown.
    property bool changed: false
    readonly property var markColors: ["#f44336", "#ff9800", "#ffeb3b", "#4caf50",
                                    "#03a9f4", "#3f51b5", "#9c27b0", "#673ab7"]

    signal ok()
    signal deleteMark(string markText)

    // Opens the panel beside a point of the scene (window coordinates).
    function showAt(px, py) {
        var origin = parent ? parent.mapFromItem(null, px, py) : Qt.point(px, py)
        x = Math.round(origin.x)
        y = Math.round(origin.y) + 8
        noteArea.text = note
        // A click in the colour row replaces its binding; set it afresh.
        colors.currentColor = color
        changed = false
        open()
    }

    width: 280
    padding: 12
    font.pixelSize: 12
    closePolicy: C.Popup.CloseOnEscape | C.Popup.CloseOnPressOutside

    background: Rectangle {
        radius: 6
        color: g_theme.popupColor
        border.width: 1
        border.color: g_theme.accentColor
    }

    contentItem: Column {
        spacing: 8
        Row {
            width: parent.width
            spacing: 6
            Text {
                id: title
                width: parent.width - (deleteButton.visible ? deleteButton.width + 6 : 0)
                text: qsTr("标记") + ": " + panel.markText
                elide: Text.ElideRight
                maximumLineCount: 1
                font.bold: true
                font.pixelSize: 12
                color: g_theme.foregroundColor
                C.ToolTip.visible: titleHover.hovered && truncated
                C.ToolTip.text: panel.markText
                HoverHandler { id: titleHover }
            }
            C.ToolButton {
                id: deleteButton
                objectName: "markDeleteButton"
                visible: panel.showDelete
                width: 24
                height: 24
                text: "\u2715"
                font.pixelSize: 12
                hoverEnabled: true
                C.ToolTip.visible: hovered
                C.ToolTip.text: qsTr("删除此标记")
                onClicked: {
                    panel.deleteMark(panel.markText)
                    panel.close()
                }
            }
        }
        Text {
            text: qsTr("笔记")
            font.pixelSize: 12
            color: g_theme.secondaryTextColor
        }
        C.ScrollView {
            width: parent.width
            height: 110
            C.TextArea {
                id: noteArea
                objectName: "markNoteArea"
                wrapMode: TextEdit.WrapAnywhere
                font.pixelSize: 12
                placeholderText: qsTr("标记内容\n(可为空,最多200字)\n一般用作注释。") + "\n"
                placeholderTextColor: g_theme.secondaryTextColor
                                 + qsTr("例如：\n林远，男，二十七岁，\n镇上书铺的掌柜，\n寡言，爱下棋。\n...")
                onTextChanged: {
                    if (text !== panel.note) {
                        panel.note = text
                        panel.changed = true
                    }
                }
            }
        }
        Text {
            text: qsTr("颜色")
            font.pixelSize: 12
            color: g_theme.secondaryTextColor
        }
        ColorListBox {
            id: colors
            objectName: "markColorBox"
            colorList: panel.markColors
            currentColor: panel.color
            onColorClicked: panel.color = color
        }
        C.Button {
            objectName: "markOkButton"
            anchors.right: parent.right
            text: qsTr("确定")
            onClicked: {
                panel.ok()
                panel.close()
            }
        }
    }
}
