import QtQuick 2.15

// One row of a settings-style table: title on the left, the row's control
// on the right, a separator inset 20; rounded on top or bottom when it is
// the first or last row. A click anywhere emits click().
Item {
    id: row
    property string title: ""
    property url imageSource: ""
    property alias content: controlArea.data
    property real baseWidth: 400
    property Item subWidget: null
    property bool onTop: false
    property bool onBottom: false
    property bool showLine: !onBottom
    signal click()

    width: baseWidth
    height: 44

    // A screen reader speaks the row by its title, and so a control in it
    // that carries no text of its own (a bare check box, a field, a combo
    // box, a spin box).
    Accessible.role: Accessible.ListItem
    Accessible.name: title
    Accessible.onPressAction: row.click()
    function nameControls() {
        for (var i = 0; i < controlArea.children.length; ++i) {
            var control = controlArea.children[i]
            if (control.accessibleName === "")
                control.accessibleName = row.title
            else if (control.focusPolicy !== undefined && (control.icon === undefined || control.text === ""))
                control.Accessible.name = row.title
        }
    }
    onTitleChanged: nameControls()
    Component.onCompleted: nameControls()

    RadiusRectangle {
        anchors.fill: parent
        topRadius: row.onTop ? 8 : 0
        bottomRadius: row.onBottom ? 8 : 0
        color: area.containsMouse ? g_theme.lightHoverdColor : g_theme.primaryColor
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: row.click()
    }
    Image {
        id: icon
        anchors.left: parent.left
        anchors.leftMargin: 12
        anchors.verticalCenter: parent.verticalCenter
        width: visible ? 20 : 0
        height: 20
        visible: row.imageSource.toString() !== ""
        source: row.imageSource
        fillMode: Image.PreserveAspectFit
    }
    Text {
        anchors.left: icon.visible ? icon.right : parent.left
        anchors.leftMargin: icon.visible ? 8 : 20
        anchors.verticalCenter: parent.verticalCenter
        // a long title gives way to the control: two lines, then elided
        anchors.right: controlArea.left
        anchors.rightMargin: 8
        text: row.title
        color: g_theme.foregroundColor
        font.pixelSize: 13
        wrapMode: Text.Wrap
        maximumLineCount: 2
        elide: Text.ElideRight
    }
    Row {
        id: controlArea
        anchors.right: parent.right
        anchors.rightMargin: 12
        anchors.verticalCenter: parent.verticalCenter
        spacing: 6
    }
    Rectangle {
        visible: row.showLine
        anchors.left: parent.left
        anchors.leftMargin: 20
        anchors.bottom: parent.bottom
        width: parent.width - 20
        height: 1
        color: g_theme.lineColor
    }
}
