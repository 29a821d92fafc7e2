import QtQuick 2.15
import TovaUi 0.1

// The settings button at the bottom of the navigation bar and its menu.
HomeButton {
    id: button
    property var window: applicationWindow
    readonly property alias menu: settingMenu
    readonly property var config: GlobalConfig {}

    objectName: "settingButton"
    icontext: config.settingIcon
    hoverText: qsTr("设置")
    tipSuppressed: settingMenu.visible
    // opens beside the bar, towards the window's middle
    onClicked: settingMenu.popup(button, button.LayoutMirroring.enabled ? -settingMenu.implicitWidth : button.width, 0)

    BaseMenu {
        id: settingMenu
        objectName: "settingMenu"
        BaseMenuItem { text: qsTr("关于"); onTriggered: button.window.showAbout() }
        BaseMenuItem { text: qsTr("帮助"); onTriggered: button.window.showHelp() }
        BaseMenuItem { text: qsTr("主题"); onTriggered: button.window.showTheme() }
        BaseMenu {
            objectName: "toolsMenu"
            title: qsTr("工具")
            // as in the menu bar: these two act on the open document only
            BaseMenuItem {
                text: qsTr("过滤敏感词")
                enabled: cglobal.isCurrentEdit === true
                onTriggered: button.window.showSubtle()
            }
            BaseMenuItem { text: qsTr("笔记"); onTriggered: button.window.showNotes() }
            BaseMenuItem { text: qsTr("锁定"); onTriggered: button.window.showTarget() }
            BaseMenuItem { text: qsTr("在光标处添加章节名"); onTriggered: button.window.addChapterName() }
            BaseMenuItem {
                text: qsTr("一键排版")
                enabled: !!button.window.documentPage && button.window.documentPage.isMakeupAvailable === true
                onTriggered: button.window.makeup()
            }
            BaseMenuItem { text: qsTr("历史记录"); onTriggered: button.window.openHistory() }
        }
        BaseMenuItem { text: qsTr("偏好设置"); onTriggered: button.window.openPerferences() }
    }
}
