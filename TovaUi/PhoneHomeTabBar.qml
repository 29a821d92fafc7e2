import QtQuick 2.15

// The phone layout's home tabs: files, word count, ranking and me.
PhoneTabBar {
    readonly property var config: GlobalConfig {}
    model: [
        { text: qsTr("Files"), icontext: config.filesIcon },
        { text: qsTr("Word Count"), icontext: config.wordCountIcon },
        { text: qsTr("Ranking"), icontext: config.rankingIcon },
        { text: qsTr("Me"), icontext: config.loginIcon }
    ]
}
