import QtQuick 2.15

// Status-bar item showing the clock text.
StateWidget {
    textList: [functions.nowTimeText]
    hoverText: qsTr("当前时间")
}
