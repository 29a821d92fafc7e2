import QtQuick 2.15
import QtQuick.Controls 2.15

// Status-bar label of the writing lock: words left, seconds left and the
// seconds until the next count, shown while the lock is on.
Item {
    id: root
    visible: g_data.lockState
    implicitWidth: visible ? row.implicitWidth + 12 : 0
    implicitHeight: label.implicitHeight + 4

    // The seconds change every second: the texts are only built while they
    // can be seen, so a hidden label costs nothing per tick.
    readonly property string hoverText: !hover.containsMouse ? "" : qsTr("当前处于锁定状态") + "\n"
        + qsTr("剩余锁定字数(有效字数): ") + g_data.lockWord + "\n"
        + qsTr("剩余锁定时间(秒):") + g_data.lockSecond + "\n"
        + qsTr("距离刷新锁定数据剩余时间(秒):") + g_data.updateTime

    // A lock picture in front, so the figures read as the lock's.
    Row {
        id: row
        anchors.centerIn: parent
        spacing: 4
        Image {
            anchors.verticalCenter: parent.verticalCenter
            width: 14
            height: 14
            sourceSize: Qt.size(28, 28)
            source: "qrc:/source/images/lock.png"
        }
        Label {
            id: label
            objectName: "lockText"
            anchors.verticalCenter: parent.verticalCenter
            text: root.visible ? g_data.lockWord + "-" + g_data.lockSecond + "-" + g_data.updateTime : ""
        }
    }

    MouseArea {
        id: hover
        anchors.fill: parent
        hoverEnabled: true
    }

    ToolTip.visible: hover.containsMouse
    ToolTip.text: hoverText

    // A lock carried over from the last run is announced and applied again.
    Component.onCompleted: {
        if (g_data.lockState)
            locker.doLock()
    }
}
