import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Window 2.15
import TovaUi 0.1 as Tova

// The notice view: turns message.showMessage into popups. Its zero-size root
// is centred in the window; the popups are placed around that point. The
// timeout passed with a notice is ignored: each kind has its own duration.
Item {
    id: root
    width: 0
    height: 0

    readonly property real windowWidth: Window.width
    readonly property real windowHeight: Window.height
    readonly property int noticeDuration: 3000
    readonly property int tipDuration: 8000
    // Errors are white on red; a red dark enough for white text to read.
    readonly property color errorColor: "#d32f2f"

    // Theme colours, with plain ones while no theme offers them.
    function themeColor(name, fallback) {
        if (typeof g_theme !== "undefined" && g_theme && g_theme[name] !== undefined)
            return g_theme[name]
        return fallback
    }
    // The highlighted-text colour, made readable on the accent that notes
    // and tips are drawn on.
    function textOnAccent() {
        var text = themeColor("highlightedTextColor", "white")
        if (typeof g_theme !== "undefined" && g_theme && typeof g_theme.readableOn === "function")
            return g_theme.readableOn(text, themeColor("accentColor", "#3a7bd5"))
        return text
    }

    function showNotice(text, background, foreground, duration) {
        noticePopup.present(text, background, foreground, duration === undefined ? root.noticeDuration : duration)
    }

    function showTip(text, background, foreground) {
        tipPopup.present(text, background, foreground, root.tipDuration)
    }

    function showUpdate(text, subText) {
        updateDialog.text = text
        updateDialog.newVersion = subText
        updateDialog.open()
    }

    // Dispatches one notice by its kind; unknown kinds show nothing.
    function show(text, type, subText) {
        switch (type) {
        case 0:     // Error: up as long as a tip, to be read to the end
            showNotice(text, errorColor, "white", root.tipDuration)
            break
        case 1:     // Warn: shown afresh even over a notice that is up
            noticePopup.close()
            showNotice(text, "yellow", "black")
            break
        case 2:     // Note
        case 8:     // Masking
        case 32:    // Log
            showNotice(text, themeColor("accentColor", "#3a7bd5"), textOnAccent())
            break
        case 16:    // Tips
            showTip(text, themeColor("accentColor", "#3a7bd5"), textOnAccent())
            break
        case 64:    // TipsError
            showTip(text, errorColor, "white")
            break
        case 4:     // Update
            showUpdate(text, subText)
            break
        default:
            break
        }
    }

    Connections {
        target: typeof message !== "undefined" ? message : null
        function onShowMessage(text, type, timeOut, subText) { root.show(text, type, subText) }
    }

    // A button of the update dialog in the theme's colours; the accented one
    // is filled with the accent colour.
    component DialogButton: Button {
        id: button
        property bool accent: false
        readonly property color fill: root.themeColor("accentColor", "#3a7bd5")
        contentItem: Label {
            text: button.text
            font: button.font
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            color: button.accent ? root.textOnAccent() : root.themeColor("foregroundColor", "black")
        }
        background: Rectangle {
            implicitWidth: 90
            implicitHeight: 32
            radius: 4
            color: button.accent ? (button.down ? Qt.darker(button.fill, 1.1) : button.fill)
                 : button.down || button.hovered ? root.themeColor("hoverdColor", "#dddddd") : "transparent"
            border.width: button.accent ? 0 : 1
            border.color: root.themeColor("hoverdColor", "#dddddd")
        }
    }

    component NoticePopup: Popup {
        id: popup
        property alias text: label.text
        property color textColor: "white"
        property color backgroundColor: "red"
        property alias closeTimer: timer
        property int duration: root.noticeDuration

        // Shows a notice; one that arrives while the popup is up replaces
        // its text and is read out afresh.
        function present(text, background, foreground, shownFor) {
            var replaced = opened && label.text !== text
            label.text = text
            backgroundColor = background
            textColor = foreground
            duration = shownFor
            open()
            if (replaced && alertState)
                alertState.announceShown()
        }
        // A screen reader hears a notice once, as the alert it is: the
        // popup's own item (to Qt Quick an unnamed dialog) is the alert and
        // carries the text; the label inside is not read again.
        property QtObject alertState: null
        Component.onCompleted: alertState = alertComponent.createObject(background.parent, { name: Qt.binding(function() { return label.text }) })
        Component {
            id: alertComponent
            Tova.AccessibleState { role: Accessible.AlertMessage }
        }

        z: 990
        focus: false
        modal: false
        // Passive: only its timer closes it, so Escape still reaches the editor.
        closePolicy: Popup.NoAutoClose
        padding: 10
        x: -width / 2

        background: Rectangle {
            radius: 8
            color: popup.backgroundColor
            border.width: 1
            border.color: root.themeColor("highlightedColor", "#888888")
        }
        contentItem: Label {
            id: label
            color: popup.textColor
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignHCenter
            width: Math.min(implicitWidth, Math.max(root.windowWidth - 40, 100))
            Accessible.ignored: true
            MouseArea {
                anchors.fill: parent
                onClicked: popup.close()
                Accessible.role: Accessible.Button
                Accessible.name: qsTr("关闭")
                Accessible.description: label.text
                Accessible.onPressAction: popup.close()
            }
        }
        Timer {
            id: timer
            interval: popup.duration
            repeat: false
            onTriggered: popup.close()
        }
        onOpened: timer.restart()
        onClosed: timer.stop()
        // Up for as long as the pointer rests on it.
        HoverHandler {
            onHoveredChanged: hovered ? timer.stop() : timer.restart()
        }
    }

    NoticePopup {
        id: noticePopup
        objectName: "noticePopup"
        duration: root.noticeDuration
        y: root.windowHeight / 3
        enter: Transition {
            NumberAnimation { property: "opacity"; from: 0; to: 1; duration: 200 }
        }
        exit: Transition {
            NumberAnimation { property: "opacity"; from: 1; to: 0; duration: 200 }
        }
    }

    NoticePopup {
        id: tipPopup
        objectName: "tipPopup"
        duration: root.tipDuration
        y: -root.windowHeight / 3
        enter: Transition {
            ParallelAnimation {
                NumberAnimation { property: "y"; from: -root.windowHeight / 2; to: -root.windowHeight / 3; duration: 250 }
                NumberAnimation { property: "opacity"; from: 0; to: 1; duration: 250 }
            }
        }
        exit: Transition {
            ParallelAnimation {
                NumberAnimation { property: "y"; from: -root.windowHeight / 3; to: -root.windowHeight / 2; duration: 250 }
                NumberAnimation { property: "opacity"; from: 1; to: 0; duration: 250 }
            }
        }
    }

    Popup {
        id: updateDialog
        objectName: "updateDialog"
        property string text
        property string newVersion
        readonly property string versionLine: (typeof cglobal !== "undefined" ? cglobal.version() : "")
                                              + " → " + (newVersion.length > 0 ? newVersion : "New")

        function install() {
            close()
            if (typeof cUpdate !== "undefined" && cUpdate && typeof cUpdate.install === "function")
                cUpdate.install()
        }

        modal: true
        dim: true
        focus: true
        closePolicy: Popup.CloseOnEscape
        width: Math.min(400, root.windowWidth * 4 / 5)
        height: Math.min(350, root.windowWidth * 3 / 5)
        x: -width / 2
        y: -height / 2
        padding: 16

        background: Rectangle {
            radius: 8
            color: root.themeColor("baseColor", "white")
            border.width: 1
            border.color: root.themeColor("highlightedColor", "#888888")
        }

        contentItem: Item {
            Column {
                id: header
                width: parent.width
                spacing: 6
                Label {
                    // leaves room for the close button at the top right
                    width: parent.width - 36
                    wrapMode: Text.Wrap
                    text: qsTr("新版已发布...")
                    font.pixelSize: Qt.application.font.pixelSize * 1.5
                    color: root.themeColor("foregroundColor", "black")
                }
                Label {
                    objectName: "versionLine"
                    text: updateDialog.versionLine
                    font.pixelSize: Qt.application.font.pixelSize * 0.8
                    color: root.themeColor("foregroundColor", "black")
                }
            }
            ScrollView {
                anchors.top: header.bottom
                anchors.topMargin: 10
                anchors.bottom: buttons.top
                anchors.bottomMargin: 10
                width: parent.width
                clip: true
                Label {
                    width: updateDialog.availableWidth
                    text: updateDialog.text
                    wrapMode: Text.Wrap
                    color: root.themeColor("foregroundColor", "black")
                }
            }
            Row {
                id: buttons
                anchors.bottom: parent.bottom
                anchors.right: parent.right
                spacing: 10
                DialogButton {
                    objectName: "updateCancelButton"
                    text: qsTr("Cancel")
                    onClicked: updateDialog.close()
                }
                DialogButton {
                    id: updateButton
                    objectName: "updateNowButton"
                    text: qsTr("Update Now")
                    accent: true
                    focus: true
                    onClicked: updateDialog.install()
                    Keys.onReturnPressed: updateDialog.install()
                    Keys.onEnterPressed: updateDialog.install()
                }
            }
            Button {
                anchors.top: parent.top
                anchors.right: parent.right
                anchors.topMargin: 5 - updateDialog.topPadding
                anchors.rightMargin: -updateDialog.rightPadding + 5
                width: 30
                height: 30
                flat: true
                text: "×"
                Accessible.name: qsTr("关闭")
                onClicked: updateDialog.close()
            }
        }
        onOpened: updateButton.forceActiveFocus()
    }
}
