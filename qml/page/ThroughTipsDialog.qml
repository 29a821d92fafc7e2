import QtQuick 2.15
import TovaUi 0.1

// The challenge's questions from the main window. Type 0: a running
// challenge is about to be left (OK gives it up). Type 1: an unfinished
// challenge from an earlier run is offered again (OK re-enters its level
// without a ticket, Cancel gives it up).
SheetWindow {
    id: sheet
    objectName: "throughTipsDialog"
    title: qsTr("提示")
    isShowOk: true
    isShowCancel: true
    property int type: 0
    property string text: ""
    property string subText: ""

    readonly property var model: typeof through !== "undefined" ? through : null
    readonly property var shell: typeof applicationWindow !== "undefined" ? applicationWindow : null

    // An offer to resume the challenge that is being played right now (a
    // second sign-in during it) would only restart its level: not shown.
    function show() {
        if (type === 1 && model && model.running) {
            destroyWindow()
            return
        }
        open()
    }

    onOk: {
        if (type === 0) {
            if (model)
                model.game.leave()
        } else if (shell) {
            if (typeof shell.showTab === "function")
                shell.showTab("through")
            shell.showThroughRoom(csettings.throughRoomId, csettings.throughNumber)
        }
    }
    onCancel: {
        if (type === 1)
            csettings.isThroughing = false
    }

    Text {
        objectName: "throughTipsText"
        width: 320
        wrapMode: Text.Wrap
        text: sheet.text
        color: g_theme.foregroundColor
        font.pixelSize: 13
    }
    Text {
        objectName: "throughTipsSubText"
        width: 320
        wrapMode: Text.Wrap
        visible: text !== ""
        text: sheet.subText
        color: g_theme.secondaryTextColor
        font.pixelSize: 12
    }
}
