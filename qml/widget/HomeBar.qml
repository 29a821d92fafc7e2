import QtQuick 2.15
import TovaUi 0.1

// The navigation bar: one button per side page, the account page, the
// Lumo-mode toggle and the settings button. The current page is kept in
// the setting "HomeWidget/Current".
Rectangle {
    id: bar
    objectName: "homeBar"
    property var window: applicationWindow
    property string currentPage: window.settingValue("currentFunction", "files")
    readonly property var config: GlobalConfig {}
    readonly property alias settingButton: settingButton

    signal pageClicked(string name)

    width: 40
    color: g_theme.leftBarColor

    onCurrentPageChanged: window.storeSetting("currentFunction", currentPage)

    // A page's button shows the page and gives it the keyboard.
    function openPage(name) {
        window.showTab(name)
        if (window.pcMain)
            window.pcMain.focusPage(name)
    }

    function hoverOf(title, keyName) {
        var key = keyName === "" ? "" : keys.message + keys.getKey(keyName)
        return key === "" ? title : title + "(" + key + ")"
    }

    // Page buttons: name, icon, title, shortcut function, shown only in the
    // left-to-right layout.
    readonly property var pageButtons: [
        { name: "files", icon: config.filesIcon, title: qsTr("文件"), key: "showFile", leftOnly: false },
        { name: "autoChapter", icon: config.chapterIcon, title: qsTr("自动章节"), key: "showChapter", leftOnly: true },
        { name: "wordCount", icon: config.wordCountIcon, title: qsTr("字数统计"), key: "showWordCount", leftOnly: true },
        { name: "ranking", icon: config.rankingIcon, title: qsTr("拼字"), key: "showRanking", leftOnly: true },
        { name: "through", icon: config.throughIcon, title: qsTr("Challenge"), key: "showThrough", leftOnly: true },
        { name: "notes", icon: config.notesIcon, title: qsTr("笔记"), key: "showNotes", leftOnly: false }
    ]

    Column {
        id: topGroup
        anchors.top: parent.top
        anchors.topMargin: 4
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 2
        Repeater {
            model: bar.pageButtons
            HomeButton {
                objectName: "homeButton_" + modelData.name
                name: modelData.name
                visible: !modelData.leftOnly || bar.window.leftToRightLayout
                icontext: modelData.icon
                selected: bar.currentPage === name
                title: modelData.title
                hoverText: bar.hoverOf(modelData.title, modelData.key)
                onClicked: bar.openPage(name)
            }
        }
    }

    Column {
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 4
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 2
        HomeButton {
            objectName: "homeButton_me"
            name: "me"
            icontext: bar.config.loginIcon
            imageSource: userdata.logined === true ? userdata.avatar_file : ""
            selected: bar.currentPage === name
            title: qsTr("个人中心")
            hoverText: bar.hoverOf(title, "showMe")
            onClicked: bar.openPage(name)
        }
        HomeButton {
            objectName: "homeButton_lumo"
            icontext: bar.config.lumoIcon
            title: bar.window.lumoModel ? qsTr("退出 Lumo 模式") : qsTr("进入 Lumo 模式")
            hoverText: bar.hoverOf(title, "lumoModel")
            onClicked: bar.window.setLumoModel()
        }
        SettingButton {
            id: settingButton
            window: bar.window
        }
    }
}
