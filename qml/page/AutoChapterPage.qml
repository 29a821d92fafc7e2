import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import TovaUi 0.1 as Tova

// The chapter list of the current document: every chapter title with its
// words; the chapter holding the cursor is marked, a click jumps to it.
Item {
    id: page
    objectName: "autoChapter"
    property string name: "autoChapter"
    property string title: qsTr("自动章节")
    property var leftParent: null
    property var rightParent: null
    property var pendentParent: null
    implicitWidth: 280
    implicitHeight: 300

    readonly property Item keyboardItem: list
    readonly property var chapters: wordCountModel.currentAutoChapterModel
    readonly property var counts: wordCountModel.currentCountClass

    // Jumps the current editor to a chapter's line.
    function jump(line) {
        if (typeof applicationWindow !== "undefined" && applicationWindow)
            applicationWindow.gotoLine(line)
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        RowLayout {
            Layout.fillWidth: true
            Layout.margins: 8
            Label {
                text: page.title
                font.bold: true
                color: g_theme.foregroundColor
                Layout.fillWidth: true
            }
            Label {
                objectName: "chapterTotal"
                text: qsTr("%n 章", "", list.count)
                color: g_theme.secondaryTextColor
                font.pixelSize: 12
            }
        }

        ListView {
            id: list
            objectName: "chapterList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: page.chapters
            currentIndex: page.counts ? page.counts.thisChapterIndex : -1
            ScrollBar.vertical: ScrollBar {}
            // The arrow keys walk the chapters, Enter jumps to one.
            onCurrentIndexChanged: if (activeFocus) positionViewAtIndex(currentIndex, ListView.Contain)
            Keys.onReturnPressed: if (currentItem) page.jump(currentItem.line)
            Keys.onEnterPressed: if (currentItem) page.jump(currentItem.line)
            Rectangle {
                anchors.fill: parent
                color: "transparent"
                border.width: 2
                border.color: g_theme.accentColor
                visible: list.activeFocus
            }

            delegate: ItemDelegate {
                id: chapterRow
                readonly property int line: model.line
                width: ListView.view.width
                height: 30
                highlighted: ListView.isCurrentItem
                // told to a screen reader as the list takes the keyboard and on every move
                Tova.AccessibleState { current: chapterRow.highlighted && list.activeFocus }
                onClicked: page.jump(model.line)
                text: model.displayText === "" ? qsTr("(无标题)") : model.displayText
                contentItem: RowLayout {
                    spacing: 6
                    Label {
                        text: chapterRow.text
                        elide: Text.ElideRight
                        color: g_theme.foregroundColor
                        Layout.fillWidth: true
                    }
                    Label {
                        text: model.wordNumber
                        color: g_theme.secondaryTextColor
                        font.pixelSize: 12
                    }
                }
            }

            Label {
                anchors.centerIn: parent
                visible: list.count === 0
                text: qsTr("没有章节")
                color: g_theme.secondaryTextColor
            }
        }
    }
}
