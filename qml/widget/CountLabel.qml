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
    // A count that does not fit beside the bar's other items is left out,
    // the later ones first, so that none runs under the pane beside a
    // narrow editor.
    readonly property real room: {
        if (!parent)
            return Infinity
        var used = 0
        for (var i = 0; i < parent.children.length; ++i) {
            var item = parent.children[i]
            if (item !== label && item.visible)
                used += item.implicitWidth + parent.spacing
        }
        return parent.width - used
    }
    function fits(width) { return width <= room }

    C.Label {
        id: allCount
        objectName: "countLabel"
        text: label.counted ? qsTr("字数: ") + i18n.figure(label.counts.All) : qsTr("统计中…")
        color: g_theme.foregroundColor
        font.pixelSize: 12
    }
    C.Label {
        id: chapterCount
        objectName: "chapterCount"
        // (-1 until the chapter of the cursor is counted)
        readonly property real reach: allCount.implicitWidth + label.spacing + implicitWidth
        visible: label.counted && csettings.isShowStatusWord && label.counts.thisChapterWords >= 0 && label.fits(reach)
        text: qsTr("本章: ") + i18n.figure(label.counts ? label.counts.thisChapterWords : 0)
        color: g_theme.foregroundColor
        font.pixelSize: 12
    }
    C.Label {
        id: frontCount
        objectName: "frontCount"
        readonly property real reach: (chapterCount.visible ? chapterCount.reach : allCount.implicitWidth) + label.spacing + implicitWidth
        visible: label.counted && csettings.isShowCursorWord && label.fits(reach)
        text: qsTr("光标前: ") + i18n.figure(label.counts ? label.counts.Front : 0)
        color: g_theme.foregroundColor
        font.pixelSize: 12
    }
    C.Label {
        objectName: "selectionBadge"
        readonly property real reach: (frontCount.visible ? frontCount.reach : chapterCount.visible ? chapterCount.reach : allCount.implicitWidth)
                                      + label.spacing + implicitWidth
        visible: !!label.counts && label.counts.Selection > 0 && label.fits(reach)
        text: qsTr("选中: ") + i18n.figure(label.counts ? label.counts.Selection : 0)
        color: g_theme.readableOn(g_theme.accentColor, g_theme.statusBarColor)
        font.pixelSize: 12
    }
}
