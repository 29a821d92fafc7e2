import QtQuick 2.15
import TovaUi 0.1

// A page showing the main library components, used for screenshots:
//   xvfb-run -a -s "-screen 0 1280x900x24" env QT_QPA_PLATFORM=xcb build/tests/tst_library -gallery gallery.png
MainWindow {
    id: gallery
    title: "Penlark — 组件库一览"
    normalRect: Qt.rect(20, 20, 1200, 830)
    visible: true

    GlobalConfig { id: config }

    windowsMenuBar: Component {
        Row {
            spacing: 14
            Repeater {
                model: ["文件", "编辑", "显示", "工具", "帮助"]
                Text { text: modelData; font.pixelSize: 12; color: g_theme.foregroundColor }
            }
        }
    }

    Row {
        y: 12
        x: 12
        spacing: 16

        // left column: icons, buttons, inputs
        Column {
            width: 560
            spacing: 12

            Text { text: "图标字体 iconfont / fontello"; font.bold: true; color: g_theme.foregroundColor }
            Grid {
                columns: 9
                spacing: 6
                Repeater {
                    model: ["filesIcon", "chapterIcon", "wordCountIcon", "rankingIcon", "throughIcon", "notesIcon",
                            "lumoIcon", "settingIcon", "loginIcon", "closeIcon", "minIcon", "maxIcon", "normalIcon",
                            "menuIcon", "lockIcon", "cloudIcon", "historyIcon", "searchIcon", "replaceIcon",
                            "replaceAllIcon", "caseSensitivelyIcon", "regularExpressionIcon", "undoIcon", "redoIcon"]
                    Column {
                        width: 56
                        Row {
                            anchors.horizontalCenter: parent.horizontalCenter
                            spacing: 4
                            Text { text: config[modelData]; font.family: Constant.iconFont; font.pixelSize: 22; color: g_theme.foregroundColor }
                            Text { text: config[modelData]; font.family: Constant.fontelloFont; font.pixelSize: 22; color: g_theme.accentColor }
                        }
                        Text {
                            anchors.horizontalCenter: parent.horizontalCenter
                            text: modelData.replace("Icon", "")
                            font.pixelSize: 8
                            color: g_theme.secondaryTextColor
                            width: 56
                            elide: Text.ElideRight
                            horizontalAlignment: Text.AlignHCenter
                        }
                    }
                }
            }

            Text { text: "按钮与输入"; font.bold: true; color: g_theme.foregroundColor }
            Row {
                spacing: 8
                Button { text: "保存文档"; hoverText: "保存" }
                Button { icontext: config.searchIcon; hoverText: "查找" }
                ToolButton { icontext: config.undoIcon }
                ToolButton { icontext: config.redoIcon }
                BaseToolSeparator {}
                CheckBox { text: "自动保存"; checked: true }
                HelpButton { anchors.verticalCenter: parent.verticalCenter; text: "说明文字" }
                UrlLabel { anchors.verticalCenter: parent.verticalCenter; text: "访问主页"; url: "about:blank" }
                FloatButton { text: "新建文档" }
            }
            Row {
                spacing: 8
                ComboBox { model: ["宋体", "黑体", "楷体"] }
                FontSizeBox { fontSize: 16 }
                ColorBox { width: 28; height: 28; color: "#4caf50" }
                ColorListBox { anchors.verticalCenter: parent.verticalCenter; boxSize: 16 }
            }
            Row {
                spacing: 8
                TextField { width: 160; placeholderText: "章节标题" }
                ITextField { width: 140; isPassword: true; text: "secret" }
                JTextField { id: jfield; width: 180; text: "作者"; Component.onCompleted: showError("用户名不能为空") }
                ShortcutBox { width: 100; key: "Ctrl+S" }
            }

            Text { text: "设置表格"; font.bold: true; color: g_theme.foregroundColor }
            Row {
                spacing: 12
                TableSection {
                    baseWidth: 250
                    title: "常规"
                    footerTitle: "修改会立即保存。"
                    model: ["偏好设置", "主题", "快捷键"]
                }
                Column {
                    TableWidget { baseWidth: 280; title: "启动密码"; onTop: true; content: CheckBox { checked: true } }
                    TableWidget { baseWidth: 280; title: "字号"; content: FontSizeBox {} }
                    TableWidget { baseWidth: 280; title: "文字颜色"; onBottom: true; content: ColorBox { width: 26; height: 26; color: "black" } }
                }
            }
            Row {
                spacing: 20
                Column {
                    spacing: 6
                    Text { text: "进度 60%"; font.pixelSize: 12; color: g_theme.foregroundColor }
                    ProgressView { width: 200; current: 60 }
                }
                LoadingImage { title: "正在云同步..."; imageWidth: 36; running: false }
                StateBarView {
                    width: 260
                    anchors.verticalCenter: parent.verticalCenter
                    leftWidgets: [
                        StateWidget { iconList: [config.wordCountIcon]; textList: ["12,345 字"] },
                        StateWidget { iconList: [config.lockIcon]; textList: ["已锁定"] }
                    ]
                    rightWidgets: [ FullTimerWidget {} ]
                }
            }
        }

        // right column: stack box, chart
        Column {
            spacing: 12
            StackBox {
                width: 250
                height: 230
                StackBoxItem {
                    title: "自动章节"
                    defaultHeight: 150
                    Column {
                        x: 10; y: 6; spacing: 6
                        Repeater {
                            model: ["第一章 风起", "第二章 雨落", "第三章 归途"]
                            Text { text: modelData; font.pixelSize: 12; color: g_theme.foregroundColor }
                        }
                    }
                }
                StackBoxItem { title: "字数统计"; expanded: false }
                StackBoxItem {
                    title: "笔记"
                    defaultHeight: 100
                    TipsWidget { anchors.fill: parent; tips: "还没有笔记，点击右上角新建。" }
                }
            }
            BarGraph {
                width: 560
                title: "近期字数"
                hasPrevious: true
                hasNext: true
                model: ListModel {
                    ListElement { name: "周一"; number: 1200; max: 3000 }
                    ListElement { name: "周二"; number: 2600; max: 3000 }
                    ListElement { name: "周三"; number: 800; max: 3000 }
                    ListElement { name: "周四"; number: 3000; max: 3000 }
                    ListElement { name: "周五"; number: 1900; max: 3000 }
                    ListElement { name: "周六"; number: 4100; max: 3000 }
                    ListElement { name: "周日"; number: 0; max: 3000 }
                }
            }
        }
    }

    MessageBox {
        id: box
        inCenter: false
        x: 650
        y: 540
        title: "提示"
        text: "确定要删除文件“第三章 归途.txt”吗？删除后可以在历史记录中找回。"
    }
    Timer { interval: 300; running: true; onTriggered: box.show() }
}
