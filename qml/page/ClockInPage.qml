import QtQuick 2.15
import TovaUi 0.1
import "../widget"

// The daily clock-in, opened as a tab page: the balance and the daily award.
Rectangle {
    id: page
    property string title: qsTr("打卡")
    color: g_theme.baseColor

    Column {
        anchors.centerIn: parent
        spacing: 16
        AvatarWidget {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 64
            height: 64
            file: userdata.logined === true ? userdata.avatar_file : ""
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: userdata.logined === true ? qsTr("现有积分") + ": " + i18n.figure(userdata.points) : qsTr("未登录")
            color: g_theme.foregroundColor
            font.pixelSize: 15
        }
        PointsAwardRow {
            text: qsTr("每日登陆赠送10积分")
            points: 10
            explain: "dailyLoginPoints"
            available: csettings.isDailyLogined === true
            onClaimed: csettings.setIsDailyLogined(true)
        }
    }
}
