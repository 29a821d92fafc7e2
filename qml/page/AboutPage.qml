import QtQuick 2.15
import TovaUi 0.1

// The About sheet: the program's icon, name and version, the owner's notice
// and, where the program updates itself, the state of the new-version check.
SheetWindow {
    id: sheet
    title: qsTr("About")
    showTitleAndClose: true
    isShowOk: false
    isShowCancel: false
    isShowCloseButton: functions.isPc()

    readonly property bool updateKnown: typeof cUpdate !== "undefined" && cUpdate !== null
    readonly property bool hasNewVersion: updateKnown && cUpdate.hasNewVerison === true

    Item {
        width: 400
        height: functions.isPhone() ? 260 : 300

        // The application's mark, drawn here rather than loaded.
        Rectangle {
            objectName: "appIcon"
            x: 32
            y: 59
            width: 141
            height: 133
            radius: 28
            color: g_theme.accentColor
            Text {
                anchors.centerIn: parent
                text: "P"
                color: g_theme.readableOn("white", g_theme.accentColor, 3)
                font.pixelSize: 84
                font.bold: true
                font.family: "serif"
            }
        }
        Column {
            x: 196
            y: 70
            width: 190
            spacing: 8
            Text {
                objectName: "appName"
                width: parent.width
                text: cglobal.appName()
                color: g_theme.foregroundColor
                font.pointSize: 18
                elide: Text.ElideRight
            }
            Text {
                objectName: "versionText"
                width: parent.width
                text: qsTr("版本号") + ": " + cglobal.version()
                color: g_theme.foregroundColor
                font.pixelSize: 13
            }
            Text {
                width: parent.width
                text: qsTr("Penlark 是为长篇作者写作的专注写作软件。\n版权所有 © Penlark 开发者。")
                color: g_theme.secondaryTextColor
                wrapMode: Text.Wrap
                font.pixelSize: 12
            }
        }
        Row {
            objectName: "updateRow"
            visible: functions.isUpdateSelf()
            x: 32
            y: 230
            width: parent.width - 2 * x
            spacing: 12
            Text {
                objectName: "updateTips"
                anchors.verticalCenter: parent.verticalCenter
                width: parent.width - updateButton.width - parent.spacing
                wrapMode: Text.Wrap
                text: sheet.updateKnown && cUpdate.tips !== undefined ? cUpdate.tips : ""
                color: g_theme.readableOn(sheet.hasNewVersion ? "red" : "green", g_theme.popupColor)
                font.pixelSize: 12
            }
            Button {
                id: updateButton
                objectName: "updateButton"
                text: sheet.hasNewVersion ? qsTr("立即更新") : qsTr("检查新版本")
                color: sheet.hasNewVersion ? g_theme.readableOn("white", g_theme.accentColor) : g_theme.foregroundColor
                hoverColor: sheet.hasNewVersion ? Qt.darker(g_theme.accentColor, 1.1) : g_theme.hoverdColor
                background: Rectangle {
                    radius: 4
                    color: sheet.hasNewVersion ? g_theme.accentColor : "transparent"
                    border.color: g_theme.accentColor
                }
                onClicked: if (sheet.updateKnown) cUpdate.checkNewVersion(true)
            }
        }
    }
}
