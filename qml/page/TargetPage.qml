import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15

// Sets the writing lock's targets: words still to write and minutes still to
// write. A target can only be raised while a lock runs.
Window {
    id: root
    title: qsTr("写作目标")
    width: 420
    height: 320
    flags: Qt.Dialog

    // The shell closes the page on doLock and then locks when a target is set.
    signal doLock()
    signal destroyWindow()

    // Opens centred over the main window, also where no window manager
    // places dialogs.
    Component.onCompleted: {
        if (typeof applicationWindow === "undefined" || !applicationWindow)
            return
        x = applicationWindow.x + Math.round((applicationWindow.width - width) / 2)
        y = applicationWindow.y + Math.round((applicationWindow.height - height) / 2)
    }

    function checkWords() {
        if (wordsField.text.length > 0 && parseInt(wordsField.text) < g_data.lockWord) {
            message.show(qsTr("锁定字数不能小于当前锁定字数"), 1)
            wordsField.text = g_data.lockWord
        }
    }

    function checkMinutes() {
        var current = Math.floor(g_data.lockSecond / 60)
        if (minutesField.text.length > 0 && parseInt(minutesField.text) < current) {
            message.show(qsTr("锁定时间不能小于当前锁定时间"), 1)
            minutesField.text = current
        }
    }

    function accept() {
        checkWords()
        checkMinutes()
        if (minutesField.text.length === 0 && wordsField.text.length === 0) {
            message.show(qsTr("请输入锁定时间或者字数"), 1)
            return
        }
        if (minutesField.text.length > 0)
            g_data.lockSecond = parseInt(minutesField.text) * 60
        if (wordsField.text.length > 0)
            g_data.lockWord = parseInt(wordsField.text)
        root.doLock()
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 16
        spacing: 10

        TextField {
            id: wordsField
            objectName: "wordsField"
            Layout.fillWidth: true
            placeholderText: qsTr("锁定字数(字)")
            validator: IntValidator { bottom: 0; top: 99999 }
            onEditingFinished: root.checkWords()
        }
        TextField {
            id: minutesField
            objectName: "minutesField"
            Layout.fillWidth: true
            placeholderText: qsTr("锁定时间(分钟)")
            validator: IntValidator { bottom: 0; top: 999 }
            onEditingFinished: root.checkMinutes()
        }
        Label {
            Layout.fillWidth: true
            Layout.fillHeight: true
            wrapMode: Text.Wrap
            text: qsTr("锁定之后，您将不能退出软件，必须正式完成自己设定的值，等待不会对锁定时间起效，同理乱打大量复制粘贴也不会对锁定字数起效。锁定的时间和字数每20秒统计一次。")
        }
        RowLayout {
            Layout.alignment: Qt.AlignRight
            Button { text: qsTr("取消"); onClicked: root.destroyWindow() }
            Button { text: qsTr("确定"); highlighted: true; onClicked: root.accept() }
        }
    }

    onClosing: root.destroyWindow()
}
