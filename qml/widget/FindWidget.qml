import QtQuick 2.15
import QtQuick.Controls 2.15 as C
import QtQuick.Layouts 1.15
import TovaUi 0.1

// The editor's find bar: the search text, plain text or regular expression,
// case sensitivity, search up and down, and in replace mode the replacement
// with replace and replace all (after a confirmation).
Rectangle {
    id: bar

    property var document: null
    readonly property bool replaceMode: document ? document.replaceMode : false
    readonly property alias findField: findField
    readonly property alias replaceField: replaceField
    readonly property alias confirmSheet: confirmSheet
    // While the user types in the bar, a search's jump leaves the focus here.
    readonly property bool editing: findField.activeFocus || replaceField.activeFocus

    implicitWidth: column.implicitWidth + 16
    implicitHeight: column.implicitHeight + 8
    width: implicitWidth
    height: implicitHeight
    color: g_theme.popupColor
    border.color: g_theme.lineColor
    radius: 4

    onVisibleChanged: {
        if (!visible || !document)
            return
        document.selectedText = ""
        findField.text = ""
        findField.forceActiveFocus()
    }

    function searchDown() { if (document) document.doSearch(true, true) }
    function searchUp() { if (document) document.doSearch(false, true) }
    function replaceOne() { if (document) document.doReplace() }
    function askReplaceAll() { confirmSheet.open() }

    ColumnLayout {
        id: column
        anchors.centerIn: parent
        spacing: 0

        RowLayout {
            Layout.preferredHeight: 40
            spacing: 2
            ToolButton {
                id: toggleReplace
                objectName: "toggleReplace"
                KeyNavigation.tab: findField
                KeyNavigation.backtab: bar.replaceMode ? replaceAllButton : closeFind
                text: bar.replaceMode ? "\u25BE" : "\u25B8"
                hoverText: qsTr("替换")
                onClicked: if (bar.document) bar.document.replaceMode = !bar.document.replaceMode
            }
            C.TextField {
                id: findField
                objectName: "findField"
                Layout.preferredWidth: 200
                placeholderText: qsTr("Find")
                Accessible.name: placeholderText
                placeholderTextColor: g_theme.secondaryTextColor
                color: g_theme.foregroundColor
                selectByMouse: true
                text: bar.document ? bar.document.selectedText : ""
                onTextChanged: if (bar.document && bar.document.selectedText !== text) bar.document.selectedText = text
                Keys.onReturnPressed: bar.searchDown()
                Keys.onEnterPressed: bar.searchDown()
                // Tab follows reading: the find field, the replacement,
                // then the toggles and buttons; it stays in the bar.
                KeyNavigation.tab: bar.replaceMode ? replaceField : regexToggle
                KeyNavigation.backtab: toggleReplace
                Keys.onEscapePressed: bar.visible = false
            }
            C.Label {
                objectName: "resultCount"
                visible: false
                text: qsTr("无结果")
            }
            ToolButton {
                id: regexToggle
                objectName: "regexToggle"
                KeyNavigation.backtab: bar.replaceMode ? replaceField : findField
                text: ".*"
                checkable: true
                hoverText: qsTr("正则表达式")
                checked: csettings.searchMode === 2
                onToggled: {
                    var mode = checked ? 2 : 0
                    if (bar.document)
                        bar.document.searchMode = mode
                    csettings.searchMode = mode
                }
            }
            ToolButton {
                objectName: "caseToggle"
                text: "Aa"
                checkable: true
                hoverText: qsTr("区分大小写")
                checked: csettings.matchCaseSensitive
                onToggled: {
                    if (bar.document)
                        bar.document.matchCaseSensitive = checked
                    csettings.matchCaseSensitive = checked
                }
            }
            ToolButton { objectName: "searchUp"; text: "\u2191"; hoverText: qsTr("向上查找"); onClicked: bar.searchUp() }
            ToolButton { objectName: "searchDown"; text: "\u2193"; hoverText: qsTr("向下查找"); onClicked: bar.searchDown() }
            ToolButton {
                id: closeFind
                objectName: "closeFind"
                text: "\u2715"
                hoverText: qsTr("关闭")
                onClicked: bar.visible = false
                KeyNavigation.tab: bar.replaceMode ? replaceButton : toggleReplace
            }
        }

        RowLayout {
            visible: bar.replaceMode
            Layout.preferredHeight: 40
            spacing: 2
            Item { implicitWidth: 30 }
            C.TextField {
                id: replaceField
                objectName: "replaceField"
                Layout.preferredWidth: 200
                placeholderText: qsTr("Replace")
                Accessible.name: placeholderText
                placeholderTextColor: g_theme.secondaryTextColor
                color: g_theme.foregroundColor
                selectByMouse: true
                text: bar.document ? bar.document.replaceText : ""
                onTextChanged: if (bar.document && bar.document.replaceText !== text) bar.document.replaceText = text
                Keys.onReturnPressed: bar.replaceOne()
                Keys.onEnterPressed: bar.replaceOne()
                KeyNavigation.tab: regexToggle
                KeyNavigation.backtab: findField
                Keys.onEscapePressed: bar.visible = false
            }
            ToolButton {
                id: replaceButton
                objectName: "replaceButton"
                text: qsTr("替换")
                onClicked: bar.replaceOne()
                KeyNavigation.backtab: closeFind
            }
            ToolButton {
                id: replaceAllButton
                objectName: "replaceAllButton"
                KeyNavigation.tab: toggleReplace
                text: qsTr("全部")
                hoverText: qsTr("全部替换")
                onClicked: bar.askReplaceAll()
            }
        }
    }

    C.Dialog {
        id: confirmSheet
        objectName: "confirmReplaceAll"
        parent: C.Overlay.overlay
        anchors.centerIn: parent
        modal: true
        focus: true
        title: qsTr("确认全部替换？")
        standardButtons: C.Dialog.Ok | C.Dialog.Cancel
        onAccepted: if (bar.document) bar.document.doReplaceAll()
    }
}
