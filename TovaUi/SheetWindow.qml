import QtQuick 2.15
import QtQuick.Controls 2.15 as C
import QtQuick.Layouts 1.15

// The modal sheet behind every dialog of the program. Children go into a
// scrolling column; OK and Cancel sit below them on a desktop, in a top row
// on a phone or with showTitleAndClose.
C.Popup {
    id: sheet

    default property alias content: column.data
    property string title: ""
    property bool isShowOk: true
    property bool isShowCancel: false
    property bool closeOnOk: true
    property bool isShowCloseButton: false
    property bool showTitleAndClose: false
    property bool inCenter: true
    property bool useScrollView: true
    property string okTitle: qsTr("确定")
    property string cancelTitle: qsTr("取消")
    property color color: g_theme.popupColor
    property color buttonColor: g_theme.highlightedTextColor
    property color titleColor: g_theme.foregroundColor
    readonly property bool isPhone: functions.isPhone()
    readonly property bool showTopRow: isPhone || showTitleAndClose
    // The stored window height may be stale or unset; the sheet never grows
    // past the window it lies in.
    readonly property real windowHeight: {
        var stored = Number(csettings.mainHeight)
        var h = parent ? parent.height : stored
        return (stored > 0 && h > 0) ? Math.min(stored, h) : Math.max(stored, h)
    }
    readonly property real maxHeight: Math.max(40, windowHeight - 40
                                           - (okRow.visible ? okRow.implicitHeight + 10 : 0)
                                           - (topRow.visible ? topRow.implicitHeight : 0))

    signal ok()
    signal cancel()
    signal destroyWindow()

    function show() { open() }
    function doOk() {
        ok()
        if (closeOnOk) {
            close()
            destroyWindow()
        }
    }
    function doCancel() {
        cancel()
        close()
        if (isPhone)
            destroyTimer.start()
        else
            destroyWindow()
    }

    parent: C.Overlay.overlay
    modal: true
    focus: true
    closePolicy: C.Popup.NoAutoClose
    margins: 10
    padding: 10
    x: inCenter && parent ? Math.round((parent.width - width) / 2) : x
    y: isPhone ? 50 : (inCenter && parent ? Math.round((parent.height - height) / 2) : y)
    width: isPhone && parent ? parent.width : implicitWidth
    height: isPhone && parent ? parent.height - 50 : implicitHeight

    enter: Transition {
        enabled: sheet.isPhone
        NumberAnimation { property: "y"; from: sheet.parent ? sheet.parent.height : 0; to: 50; duration: 250 }
    }
    exit: Transition {
        enabled: sheet.isPhone
        NumberAnimation { property: "y"; to: sheet.parent ? sheet.parent.height : 0; duration: 250 }
    }

    Timer {
        id: destroyTimer
        interval: 250
        onTriggered: sheet.destroyWindow()
    }

    background: Rectangle {
        radius: 8
        color: sheet.color
        border.width: 1
        border.color: g_theme.accentColor
    }

    contentItem: ColumnLayout {
        spacing: 10
        Keys.onEscapePressed: sheet.doCancel()

        // title row (phone, or on request)
        Item {
            id: topRow
            visible: sheet.showTopRow
            Layout.fillWidth: true
            implicitHeight: 36
            implicitWidth: titleText.implicitWidth + 140
            SheetButton {
                anchors.left: parent.left
                anchors.verticalCenter: parent.verticalCenter
                visible: sheet.isShowCancel
                text: sheet.cancelTitle
                textColor: sheet.titleColor
                onClicked: sheet.doCancel()
            }
            Text {
                id: titleText
                anchors.centerIn: parent
                text: sheet.title
                font.bold: true
                font.pixelSize: sheet.isPhone ? 16 : 12
                color: sheet.titleColor
            }
            SheetButton {
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                visible: sheet.isShowOk || sheet.isShowCloseButton
                text: sheet.isShowOk ? sheet.okTitle : "\ue601"
                font.family: sheet.isShowOk ? font.family : Constant.iconFont
                accent: sheet.isShowOk
                textColor: sheet.buttonColor
                onClicked: sheet.isShowOk ? sheet.doOk() : sheet.doCancel()
            }
            Rectangle {
                anchors.bottom: parent.bottom
                width: parent.width
                height: 1
                color: Qt.darker(sheet.color, 1.1)
            }
        }

        C.ScrollView {
            id: scroll
            Layout.fillWidth: true
            Layout.fillHeight: sheet.isPhone
            implicitWidth: column.implicitWidth
            implicitHeight: sheet.useScrollView ? Math.min(column.implicitHeight, sheet.maxHeight) : column.implicitHeight
            contentWidth: column.implicitWidth
            contentHeight: column.implicitHeight
            clip: true
            C.ScrollBar.horizontal.policy: C.ScrollBar.AlwaysOff
            C.ScrollBar.vertical.policy: column.implicitHeight > scroll.height ? C.ScrollBar.AlwaysOn : C.ScrollBar.AlwaysOff
            Column {
                id: column
                spacing: 6
            }
        }

        Row {
            id: okRow
            visible: !sheet.isPhone && (sheet.isShowOk || sheet.isShowCancel)
            Layout.alignment: Qt.AlignRight
            spacing: 10
            SheetButton {
                id: cancelButton
                visible: sheet.isShowCancel
                text: sheet.cancelTitle
                onClicked: sheet.doCancel()
            }
            SheetButton {
                id: okButton
                visible: sheet.isShowOk
                text: sheet.okTitle
                accent: true
                textColor: sheet.buttonColor
                onClicked: sheet.doOk()
            }
        }
    }
}
