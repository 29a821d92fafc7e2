import QtQuick 2.15

// A titled group of rows as in the preferences: header and footer titles,
// rows 44 high with separators inset 20. Rows come from model: a list of
// texts or of objects with a "title".
Column {
    id: section
    property string title: ""
    property string footerTitle: ""
    property int rowHeight: 44
    property var model: []
    property real baseWidth: 400
    property string errorText: ""
    signal selected(int index, var item)

    function showError(error) { errorText = error }
    function hideError() { errorText = "" }
    function rowTitle(item) {
        if (item === undefined || item === null)
            return ""
        if (typeof item === "string")
            return item
        return item.title !== undefined ? item.title : ""
    }

    width: baseWidth
    spacing: 0

    Text {
        visible: section.title !== ""
        width: section.width
        leftPadding: 20
        rightPadding: 20
        bottomPadding: 6
        topPadding: 6
        text: section.title
        color: g_theme.secondaryTextColor
        font.pixelSize: 12
    }
    Rectangle {
        width: section.width
        height: rows.height
        radius: 8
        color: g_theme.primaryColor
        Column {
            id: rows
            width: parent.width
            Repeater {
                id: repeater
                model: section.model
                Item {
                    width: rows.width
                    height: section.rowHeight
                    readonly property var entry: modelData !== undefined ? modelData : model
                    Accessible.role: Accessible.ListItem
                    Accessible.name: section.rowTitle(entry)
                    Accessible.onPressAction: section.selected(index, entry)
                    Rectangle {
                        anchors.fill: parent
                        radius: 8
                        color: rowArea.containsMouse ? g_theme.lightHoverdColor : "transparent"
                    }
                    Text {
                        anchors.left: parent.left
                        anchors.leftMargin: 20
                        anchors.verticalCenter: parent.verticalCenter
                        text: section.rowTitle(parent.entry)
                        color: g_theme.foregroundColor
                        font.pixelSize: 13
                    }
                    Rectangle {
                        visible: index < repeater.count - 1
                        anchors.left: parent.left
                        anchors.leftMargin: 20
                        anchors.bottom: parent.bottom
                        width: parent.width - 20
                        height: 1
                        color: g_theme.lineColor
                    }
                    MouseArea {
                        id: rowArea
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: section.selected(index, parent.entry)
                    }
                }
            }
        }
    }
    Text {
        visible: text !== ""
        width: section.width
        leftPadding: 20
        rightPadding: 20
        topPadding: 6
        wrapMode: Text.Wrap
        text: section.errorText !== "" ? section.errorText : section.footerTitle
        color: section.errorText !== "" ? g_theme.readableOn("red", g_theme.baseColor) : g_theme.secondaryTextColor
        font.pixelSize: 11
    }
}
