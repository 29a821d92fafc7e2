import QtQuick 2.15
import QtQuick.Layouts 1.15
import TovaUi 0.1

// Sets the writing lock's targets: words still to write and minutes still to
// write. A target can only be raised while a lock runs: a lower one is set
// back to the lowest value not below what is left. The sheet stays open on
// OK until a target has been accepted.
SheetWindow {
    id: root
    objectName: "targetPage"
    title: qsTr("写作目标")
    isShowCancel: true
    closeOnOk: false

    // The shell closes the page on doLock and then locks when a target is set.
    signal doLock()

    function checkWords() {
        if (wordsField.text.length > 0 && parseInt(wordsField.text) < g_data.lockWord) {
            message.show(qsTr("锁定字数不能小于当前锁定字数"), 1)
            wordsField.text = g_data.lockWord
        }
    }

    // Compared in seconds: with 590 s left, 9 minutes (540 s) is too little
    // and the field returns to 10, the fewest whole minutes that cover them.
    function checkMinutes() {
        if (minutesField.text.length > 0 && parseInt(minutesField.text) * 60 < g_data.lockSecond) {
            message.show(qsTr("锁定时间不能小于当前锁定时间"), 1)
            minutesField.text = Math.ceil(g_data.lockSecond / 60)
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
    onOk: accept()

    ColumnLayout {
        width: 380
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
        Text {
            Layout.fillWidth: true
            wrapMode: Text.Wrap
            font.pixelSize: 12
            color: g_theme.foregroundColor
            text: qsTr("锁定之后，您将不能退出软件，必须正式完成自己设定的值，等待不会对锁定时间起效，同理乱打大量复制粘贴也不会对锁定字数起效。锁定的时间和字数每20秒统计一次。")
        }
    }
}
