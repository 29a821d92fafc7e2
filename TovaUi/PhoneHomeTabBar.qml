import QtQuick 2.15

// The phone layout's home tabs: files, word count, writing rooms and me.
PhoneTabBar {
    readonly property var config: GlobalConfig {}
    model: [
        { text: qsTr("Files"), icontext: config.filesIcon },
        { text: qsTr("字数统计"), icontext: config.wordCountIcon },
        { text: qsTr("拼字"), icontext: config.rankingIcon },
        { text: qsTr("Me"), icontext: config.loginIcon }
    ]
}
