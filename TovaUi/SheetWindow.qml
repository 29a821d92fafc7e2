import QtQuick 2.15
import QtQml 2.15
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
    // Enter typed in the sheet confirms it, as its OK button does (a sheet
    // whose fields act on Enter themselves turns it off).
    property bool okOnEnter: isShowOk
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
    readonly property real okRowHeight: okRow.visible ? okRow.implicitHeight : 0
    readonly property real topRowHeight: topRow.visible ? topRow.implicitHeight : 0
    // The stored window height less 40 and the button rows. The stored value
    // can be stale or unset, so the sheet is also kept inside the window it
    // lies in.
    readonly property real maxHeight: {
        var rows = okRowHeight + topRowHeight
        var stored = Number(csettings.mainHeight) - 40 - rows
        var fits = (parent ? parent.height : 0) - 2 * margins - topPadding - bottomPadding
                - rows - (okRow.visible ? layout.spacing : 0) - (topRow.visible ? layout.spacing : 0)
        var limit = stored > 0 && fits > 0 ? Math.min(stored, fits) : Math.max(stored, fits)
        return Math.max(40, limit)
    }

    signal ok()
    signal cancel()
    signal destroyWindow()

    function show() { open() }
    // The keyboard starts in the sheet's first field (or control); a sheet
    // with none keeps it on itself, where Escape still cancels.
    function focusFirstField() {
        var first = column.nextItemInFocusChain(true)
        for (var p = first; p; p = p.parent) {
            if (p === column) {
                first.forceActiveFocus(Qt.TabFocusReason)
                return
            }
        }
    }
    onOpened: focusFirstField()
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
    Binding on x {
        when: sheet.inCenter && sheet.parent !== null
        value: sheet.parent ? Math.round((sheet.parent.width - sheet.width) / 2) : 0
        restoreMode: Binding.RestoreNone
    }
    Binding on y {
        when: sheet.isPhone || (sheet.inCenter && sheet.parent !== null)
        value: sheet.isPhone ? 50 : sheet.parent ? Math.round((sheet.parent.height - sheet.height) / 2) : 0
        restoreMode: Binding.RestoreNone
    }
    // sizes summed from the parts: a layout's own implicit size can lag
    readonly property real naturalHeight: topPadding + bottomPadding + scroll.implicitHeight
                                          + (topRow.visible ? topRow.implicitHeight + layout.spacing : 0)
                                          + (okRow.visible ? okRow.implicitHeight + layout.spacing : 0)
    readonly property real naturalWidth: leftPadding + rightPadding
                                         + Math.max(scroll.implicitWidth, okRow.visible ? okRow.implicitWidth : 0,
                                                    topRow.visible ? topRow.implicitWidth : 0)
    width: isPhone && parent ? parent.width : naturalWidth
    height: isPhone && parent ? parent.height - 50 : naturalHeight

    // a phone slides the sheet in and out; a desktop shows it at once
    enter: isPhone ? slideIn : null
    exit: isPhone ? slideOut : null
    property Transition slideIn: Transition {
        NumberAnimation { property: "y"; from: sheet.parent ? sheet.parent.height : 0; to: 50; duration: 250 }
    }
    property Transition slideOut: Transition {
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
        id: layout
        spacing: 10
        // Holds the focus the sheet gets when it opens, so that Escape, from
        // here or from a field that leaves it alone, cancels the sheet.
        focus: true
        // To a screen reader the sheet is a dialog named by its title, read
        // out as the keyboard enters it.
        Accessible.role: Accessible.Dialog
        Accessible.name: sheet.title
        Keys.onEscapePressed: sheet.doCancel()
        Keys.onReturnPressed: if (sheet.okOnEnter) sheet.doOk()
        Keys.onEnterPressed: if (sheet.okOnEnter) sheet.doOk()

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
                objectName: sheet.isShowOk ? "sheetTopOkButton" : "sheetCloseButton"
                implicitWidth: sheet.isShowOk ? 80 : 30
                text: sheet.isShowOk ? sheet.okTitle : "\ue601"
                Accessible.name: sheet.isShowOk ? sheet.okTitle : qsTr("关闭")
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
            objectName: "sheetScrollView"
            Layout.fillWidth: true
            Layout.fillHeight: true
            implicitWidth: column.implicitWidth
            implicitHeight: sheet.useScrollView ? Math.min(column.implicitHeight, sheet.maxHeight) : column.implicitHeight
            contentWidth: column.implicitWidth
            contentHeight: column.implicitHeight
            clip: true
            C.ScrollBar.horizontal.policy: C.ScrollBar.AlwaysOff
            C.ScrollBar.vertical.policy: C.ScrollBar.AsNeeded
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
                objectName: "sheetCancelButton"
                visible: sheet.isShowCancel
                text: sheet.cancelTitle
                onClicked: sheet.doCancel()
            }
            SheetButton {
                id: okButton
                objectName: "sheetOkButton"
                visible: sheet.isShowOk
                text: sheet.okTitle
                accent: true
                textColor: sheet.buttonColor
                onClicked: sheet.doOk()
            }
        }
    }
}
