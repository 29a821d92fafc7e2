import QtQuick 2.15
import TovaUi 0.1

// The floating bar of the minimalist mode: the page buttons, the account
// page, the Lumo toggle and a settings button. Any click hides it and
// shows the drawer.
Rectangle {
    id: bar
    objectName: "miniHomeBar"
    property var window: applicationWindow
    property string currentPage: "files"
    readonly property var config: GlobalConfig {}
    signal used()

    width: 40
    height: column.implicitHeight + 8
    radius: 6
    color: g_theme.leftBarColor

    Column {
        id: column
        anchors.centerIn: parent
        spacing: 2
        Repeater {
            model: [
                { name: "files", icon: bar.config.filesIcon, title: qsTr("文件") },
                { name: "autoChapter", icon: bar.config.chapterIcon, title: qsTr("自动章节") },
                { name: "wordCount", icon: bar.config.wordCountIcon, title: qsTr("字数统计") },
                { name: "ranking", icon: bar.config.rankingIcon, title: qsTr("拼字") },
                { name: "through", icon: bar.config.throughIcon, title: qsTr("Challenge") },
                { name: "notes", icon: bar.config.notesIcon, title: qsTr("笔记") },
                { name: "me", icon: bar.config.loginIcon, title: qsTr("个人中心") }
            ]
            HomeButton {
                name: modelData.name
                icontext: modelData.icon
                hoverText: modelData.title
                selected: bar.currentPage === name
                onClicked: {
                    bar.used()
                    bar.window.showTab(name)
                }
            }
        }
        HomeButton {
            icontext: bar.config.lumoIcon
            hoverText: bar.window.lumoModel ? qsTr("退出 Lumo 模式") : qsTr("进入 Lumo 模式")
            onClicked: {
                bar.used()
                bar.window.setLumoModel()
            }
        }
        SettingButton {
            window: bar.window
            hoverText: qsTr("Manage")
            onClicked: bar.used()
        }
    }
}
