import QtQuick 2.15
import QtQuick.Controls 2.15 as C
import QtQuick.Layouts 1.15

// The status bar's counts of the current document: its words, the words of
// the chapter holding the cursor and the words before the cursor (each
// switched by its setting), and the selection while there is one. While the
// document still loads, its counts are of the part in so far: none is shown.
// With no document in front (Preferences, History) it shows nothing.
RowLayout {
    id: label
    spacing: 12
    property bool loading: false
    property bool hasDocument: true
    visible: hasDocument
    readonly property var counts: wordCountModel.currentCountClass
    readonly property bool counted: !loading && !!counts && counts.All >= 0

    C.Label {
        objectName: "countLabel"
        text: label.counted ? qsTr("字数: ") + i18n.figure(label.counts.All) : qsTr("统计中…")
        color: g_theme.foregroundColor
        font.pixelSize: 12
    }
    C.Label {
        objectName: "chapterCount"
        // (-1 until the chapter of the cursor is counted)
        visible: label.counted && csettings.isShowStatusWord && label.counts.thisChapterWords >= 0
        text: qsTr("本章: ") + i18n.figure(label.counts ? label.counts.thisChapterWords : 0)
        color: g_theme.foregroundColor
        font.pixelSize: 12
    }
    C.Label {
        objectName: "frontCount"
        visible: label.counted && csettings.isShowCursorWord
        text: qsTr("光标前: ") + i18n.figure(label.counts ? label.counts.Front : 0)
        color: g_theme.foregroundColor
        font.pixelSize: 12
    }
    C.Label {
        objectName: "selectionBadge"
        visible: !!label.counts && label.counts.Selection > 0
        text: qsTr("选中: ") + i18n.figure(label.counts ? label.counts.Selection : 0)
        color: g_theme.readableOn(g_theme.accentColor, g_theme.statusBarColor)
        font.pixelSize: 12
    }
}
