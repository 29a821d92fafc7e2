import QtQuick 2.15
import TovaUi 0.1
import "../widget"

// The account's points: the balance and the sign-in awards.
SheetWindow {
    id: sheet
    title: qsTr("积分")
    showTitleAndClose: true
    isShowOk: false
    isShowCloseButton: true

    Text {
        objectName: "pointsText"
        width: 320
        text: userdata.logined === true ? qsTr("现有积分") + ": " + i18n.figure(userdata.points) : qsTr("未登录")
        color: g_theme.foregroundColor
        font.pixelSize: 15
    }
    PointsAwardRow {
        objectName: "firstLoginRow"
        text: qsTr("首次登陆赠送100积分")
        points: 100
        explain: "firstLoginPoints"
        available: csettings.isFirstLogin === true
        onClaimed: csettings.setIsFirstLogin(false)
    }
    PointsAwardRow {
        objectName: "dailyLoginRow"
        text: qsTr("每日登陆赠送10积分")
        points: 10
        explain: "dailyLoginPoints"
        available: csettings.isDailyLogined === true
        onClaimed: csettings.setIsDailyLogined(true)
    }
}
