import QtQuick 2.15
import QtQuick.Controls 2.15 as C
import Qt.labs.platform 1.1 as P
import TovaUi 0.1
import "qrc:/qml/widget"

// The preferences page, opened as a tab page. Every control shows its setting
// and stores a change at once; there is no OK or Apply.
ViewController {
    id: page
    objectName: "preferencesPage"
    title: qsTr("偏好设置")
    color: g_theme.baseColor

    readonly property bool isPc: functions.isPc()
    readonly property bool isPhone: functions.isPhone()
    readonly property real rowWidth: Math.min(600, Math.max(360, width - 40))
    readonly property var spacingValues: [0, 0.2, 0.5, 0.8, 1, 1.5, 2, 3]
    readonly property var historyMinutes: [1, 2, 5, 10, 15, 20]
    readonly property var titleMultiples: [0.8, 0.9, 1.0, 1.1, 1.2, 1.3, 1.4, 1.5, 1.6, 1.7, 1.8, 1.9, 2.0, 2.5, 3.0]

    // The entry whose value equals v, or -1 (no selection).
    function indexOfValue(values, v) {
        for (var i = 0; i < values.length; ++i)
            if (Number(values[i]) === Number(v))
                return i
        return -1
    }
    function openSheet(component) {
        var sheet = component.createObject(page)
        if (!sheet)
            return null
        sheet.destroyWindow.connect(function() { sheet.destroy() })
        sheet.show()
        return sheet
    }
    function chooseLanguage(text) {
        // the settings copy first: the Readme choice follows it
        csettings.language = text
        i18n.reTrans(text)
    }
    function setDialogueCounting(on) {
        if (!on) {
            csettings.isWordCountChart = false
            return
        }
        var box = dialogueConfirm.createObject(page)
        if (!box) {
            csettings.isWordCountChart = false
            dialogueBox.checked = false
            return
        }
        box.destroyWindow.connect(function() { box.destroy() })
        box.show()
    }

    // A titled group of rows with an optional footer.
    component Section: Column {
        id: section
        property string header: ""
        property string footer: ""
        default property alias rows: rowColumn.data
        width: page.rowWidth
        spacing: 0
        Text {
            visible: section.header !== ""
            // As wide as the rows, so that the title starts where they do in
            // either direction.
            width: section.width
            leftPadding: 20
            rightPadding: 20
            topPadding: 14
            bottomPadding: 6
            text: section.header
            color: g_theme.secondaryTextColor
            font.pixelSize: 12
        }
        Rectangle {
            width: section.width
            height: rowColumn.height
            radius: 8
            color: g_theme.primaryColor
            Column { id: rowColumn; width: parent.width }
        }
        Text {
            visible: section.footer !== ""
            width: section.width
            leftPadding: 20
            rightPadding: 20
            topPadding: 6
            wrapMode: Text.Wrap
            text: section.footer
            color: g_theme.secondaryTextColor
            font.pixelSize: 11
        }
    }
    // A row; a row holding a combo box opens it when the row is clicked.
    component Row_: TableWidget {
        property var combo: null
        baseWidth: page.rowWidth
        onClick: if (combo) combo.popup.open()
    }

    Flickable {
        id: flick
        anchors.fill: parent
        // a page narrower than the rows scrolls sideways instead of cutting
        // off the row titles
        contentWidth: Math.max(width, page.rowWidth + 20)
        contentHeight: content.height + 40
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        C.ScrollBar.vertical: C.ScrollBar {}
        C.ScrollBar.horizontal: C.ScrollBar {}

        Column {
            id: content
            x: Math.max(10, Math.round((flick.width - page.rowWidth) / 2))
            y: 10
            spacing: 4

            Section {
                header: t.r("General")
                Row_ {
                    title: qsTr("语言")
                    combo: languageBox
                    content: ComboBox {
                        id: languageBox
                        objectName: "languageBox"
                        model: i18n.languageList
                        currentIndex: i18n.index
                        onActivated: page.chooseLanguage(textAt(index))
                    }
                }
                Row_ {
                    title: qsTr("键盘音效")
                    content: CheckBox {
                        id: soundBox
                        objectName: "soundBox"
                        checked: csettings.soundOpen
                        onToggled: {
                            csettings.soundOpen = checked
                            sound.setEnabled(checked)
                        }
                    }
                }
                Row_ {
                    // kept from an earlier design; never shown
                    visible: false
                    title: qsTr("音效")
                    content: [
                        C.RadioButton {
                            text: qsTr("打字机音效")
                            checked: sound.type === 0
                            onToggled: if (checked) sound.type = 0
                        },
                        C.RadioButton {
                            text: qsTr("水滴声音效")
                            checked: sound.type === 1
                            onToggled: if (checked) sound.type = 1
                        }
                    ]
                }
                Row_ {
                    title: qsTr("使用启动密码")
                    content: CheckBox {
                        id: loginPasswordBox
                        objectName: "loginPasswordBox"
                        checked: csettings.useLoginPassword
                        onToggled: {
                            csettings.useLoginPassword = checked
                            if (checked)
                                page.openSheet(passwordSheet)
                        }
                    }
                }
                Row_ {
                    visible: page.isPc
                    title: qsTr("使用 极简 布局")
                    content: CheckBox {
                        objectName: "minimalistBox"
                        checked: csettings.minimalistModel
                        onToggled: {
                            csettings.minimalistModel = checked
                            if (checked)
                                csettings.layoutLefttoRight = true
                        }
                    }
                }
                Row_ {
                    visible: page.isPc
                    title: qsTr("使用 自由 布局")
                    content: CheckBox {
                        objectName: "freeLayoutBox"
                        checked: !csettings.layoutLefttoRight
                        onToggled: csettings.layoutLefttoRight = !checked
                    }
                }
            }

            Section {
                visible: page.isPhone
                header: t.r("History")
                Row_ { title: t.r("History"); onClick: cglobal.showHistory() }
            }

            Section {
                header: qsTr("云同步")
                Row_ {
                    title: qsTr("启用云同步")
                    content: CheckBox {
                        objectName: "useCloudBox"
                        checked: csettings.useCloud
                        onToggled: csettings.useCloud = checked
                    }
                }
                Row_ {
                    visible: page.isPc
                    title: qsTr("退出软件时执行云同步")
                    content: CheckBox {
                        objectName: "cloudOnQuitBox"
                        enabled: csettings.useCloud
                        checkable: csettings.useCloud
                        checked: csettings.cloudOnQuit
                        onToggled: csettings.cloudOnQuit = checked
                    }
                }
            }

            Section {
                visible: page.isPc
                header: qsTr("快捷键方案")
                Row_ {
                    title: qsTr("快捷键方案")
                    combo: keysBox
                    content: ComboBox {
                        id: keysBox
                        model: keys.fileModel
                        textRole: "name"
                        currentIndex: keys.currentIndex
                        onActivated: {
                            keys.currentIndex = index
                            csettings.keysName = keys.currentName
                        }
                    }
                }
            }

            Section {
                header: qsTr("主题")
                Row_ {
                    title: qsTr("主题")
                    combo: themeBox
                    content: ComboBox {
                        id: themeBox
                        model: g_theme.themes
                        textRole: "name"
                        currentIndex: g_theme.currentTheme
                        onActivated: g_theme.currentTheme = index
                    }
                }
                Row_ {
                    height: 72
                    title: qsTr("背景图")
                    content: ImageButton {
                        width: 60
                        height: 60
                        source: g_theme.userImagePath
                        tmpFileUrl: "file://" + cglobal.tmpPath()
                        onPicked: g_theme.userImagePath = fileUrl.toString()
                        onSourceChanged: if (source.toString() === "") g_theme.userImagePath = ""
                    }
                }
                Row_ {
                    title: qsTr("高斯模糊")
                    content: CheckBox {
                        enabled: functions.isFileExist(g_theme.userImagePath)
                        checked: g_theme.backgroundblur
                        onToggled: g_theme.backgroundblur = checked
                    }
                }
            }

            Section {
                header: qsTr("编辑框")
                footer: qsTr("默认字体颜色跟随主题。在这里设置的颜色只用于当前主题；主题跟随系统时，只用于系统当前的亮色或暗色主题。")
                Row_ {
                    visible: !page.isPhone
                    title: qsTr("编辑框模式")
                    combo: editModeBox
                    content: ComboBox {
                        id: editModeBox
                        objectName: "editModeBox"
                        model: [qsTr("页面模式"), qsTr("自适应模式")]
                        currentIndex: csettings.isPageStyle ? 0 : 1
                        onActivated: csettings.isPageStyle = (index === 0)
                    }
                }
                Row_ {
                    visible: !csettings.isPageStyle
                    title: qsTr("编辑框左右边距（自适应模式）")
                    content: C.SpinBox {
                        editable: true
                        from: 0
                        to: 1000
                        value: csettings.pageSideMargin
                        onValueModified: csettings.pageSideMargin = value
                    }
                }
                Row_ {
                    visible: csettings.isPageStyle
                    title: qsTr("页面固定宽度（页面模式）")
                    combo: widthTypeBox
                    content: [
                        C.SpinBox {
                            visible: csettings.pageWidthType === 0
                            editable: true
                            from: 200
                            to: 1200
                            value: csettings.pageWidth
                            onValueModified: csettings.pageWidth = value
                        },
                        C.SpinBox {
                            visible: csettings.pageWidthType !== 0
                            editable: true
                            from: 10
                            to: 200
                            value: csettings.pageWidthChineseCharacters
                            onValueModified: csettings.pageWidthChineseCharacters = value
                        },
                        ComboBox {
                            id: widthTypeBox
                            implicitWidth: 80
                            model: [qsTr("像素"), qsTr("汉字")]
                            currentIndex: csettings.pageWidthType
                            onActivated: csettings.pageWidthType = index
                        }
                    ]
                }
                Row_ {
                    visible: csettings.isPageStyle
                    title: qsTr("编辑框全局居中")
                    content: CheckBox {
                        checked: csettings.editGlobalCenter
                        onToggled: csettings.editGlobalCenter = checked
                    }
                }
                Row_ {
                    title: qsTr("默认字体")
                    combo: fontBox
                    content: FontBox {
                        id: fontBox
                        objectName: "fontBox"
                        currentFont: csettings.editFontName
                        onFontPicked: csettings.editFontName = family
                    }
                }
                Row_ {
                    title: qsTr("字号")
                    content: FontSizeBox {
                        id: editFontSizeBox
                        objectName: "editFontSizeBox"
                        onFontSizeChanged: if (fontSize > 0) csettings.editFontSize = fontSize
                        // follows the setting, also after a size was chosen here
                        Binding on fontSize { value: csettings.editFontSize }
                    }
                }
                Row_ {
                    visible: page.isPc
                    height: 52
                    title: qsTr("默认字体颜色(跟随主题)")
                    content: ColorBox {
                        color: g_theme.wordColor
                        onAccepted: g_theme.saveWordColor(color)
                    }
                }
                Row_ {
                    title: qsTr("文档中标题样式")
                    onClick: page.openSheet(titleSheet)
                    content: Text { text: "\u203a"; color: g_theme.secondaryTextColor; font.pixelSize: 18 }
                }
                Row_ {
                    title: qsTr("首行缩进两个字符")
                    content: CheckBox {
                        checked: csettings.pageTextIndent > 0
                        onToggled: csettings.pageTextIndent = checked ? 2 : 0
                    }
                }
                Row_ {
                    title: qsTr("行间距")
                    combo: lineSpacingBox
                    content: ComboBox {
                        id: lineSpacingBox
                        model: page.spacingValues.map(String)
                        currentIndex: page.indexOfValue(page.spacingValues, csettings.pageLineSpacing)
                        onActivated: csettings.pageLineSpacing = page.spacingValues[index]
                    }
                }
                Row_ {
                    title: qsTr("段落间距")
                    combo: paragraphSpacingBox
                    content: ComboBox {
                        id: paragraphSpacingBox
                        objectName: "paragraphSpacingBox"
                        model: page.spacingValues.map(String)
                        currentIndex: page.indexOfValue(page.spacingValues, csettings.pageParagraphSpacing)
                        onActivated: csettings.pageParagraphSpacing = page.spacingValues[index]
                    }
                }
            }

            Section {
                visible: page.isPc
                header: qsTr("文件")
                Row_ {
                    title: qsTr("文件路径")
                    onClick: folderDialog.open()
                    content: Button {
                        id: pathButton
                        objectName: "documentPathButton"
                        text: files.documentUrl.toString().replace(/^file:\/\//, "")
                        width: Math.min(pathMetrics.advanceWidth + leftPadding + rightPadding + 2, page.rowWidth * 0.6)
                        TextMetrics { id: pathMetrics; font: pathButton.font; text: pathButton.text }
                        hoverText: text
                        onClicked: folderDialog.open()
                        // a long path takes a second line rather than losing its middle
                        contentItem: Text {
                            text: pathButton.text
                            font: pathButton.font
                            color: pathButton.color
                            wrapMode: Text.WrapAnywhere
                            maximumLineCount: 2
                            elide: Text.ElideMiddle
                            horizontalAlignment: Text.AlignRight
                            verticalAlignment: Text.AlignVCenter
                        }
                    }
                }
                Row_ {
                    title: qsTr("生成历史记录时间间隔") + "(" + qsTr("分钟") + ")"
                    combo: historyBox
                    content: ComboBox {
                        id: historyBox
                        implicitWidth: 80
                        model: page.historyMinutes.map(String)
                        currentIndex: page.indexOfValue(page.historyMinutes, csettings.historyTime)
                        onActivated: csettings.historyTime = page.historyMinutes[index]
                    }
                }
            }

            Section {
                header: qsTr("章节")
                Row_ {
                    title: qsTr("在状态栏中显示章节字数")
                    content: CheckBox { checked: csettings.isShowStatusWord; onToggled: csettings.isShowStatusWord = checked }
                }
                Row_ {
                    title: qsTr("在状态栏中显示光标前字数")
                    content: CheckBox { checked: csettings.isShowCursorWord; onToggled: csettings.isShowCursorWord = checked }
                }
                Row_ {
                    title: qsTr("连续五次回车自动添加章节名")
                    content: CheckBox { checked: csettings.isAutoAddChapterName; onToggled: csettings.isAutoAddChapterName = checked }
                }
            }

            Section {
                header: qsTr("自动章节")
                Row_ {
                    title: qsTr("设置自动章节识别关键词")
                    onClick: page.openSheet(keywordSheet)
                    content: Text { text: "\u203a"; color: g_theme.secondaryTextColor; font.pixelSize: 18 }
                }
            }

            Section {
                header: qsTr("统计")
                footer: qsTr("今日统计以结果为准：今日字数是每个打开过的文档的字数变化之和，粘贴或删除文字会让它偏多或偏少；其他统计仍只计算输入的字数。\n对话体统计：每行冒号前面的文字不计入字数。\n预估稿费为 0 时不显示预估稿费。")
                Row_ {
                    title: qsTr("今日统计以结果为准")
                    content: CheckBox { checked: csettings.isWordCountWordResult; onToggled: csettings.isWordCountWordResult = checked }
                }
                Row_ {
                    title: qsTr("启用对话体统计")
                    content: CheckBox {
                        id: dialogueBox
                        objectName: "dialogueBox"
                        checked: csettings.isWordCountChart
                        onToggled: page.setDialogueCounting(checked)
                    }
                }
                Row_ {
                    title: qsTr("预估稿费统计") + " (" + qsTr("单位") + ":" + qsTr("元/千字") + ")"
                    content: TextField {
                        objectName: "royaltiesField"
                        width: 100
                        placeholderText: qsTr("预估稿费")
                        text: csettings.royalties > 0 ? String(csettings.royalties) : ""
                        validator: IntValidator {}
                        onTextEdited: csettings.royalties = parseInt(text) || 0
                    }
                }
            }

            Section {
                header: qsTr("回车排版")
                Row_ {
                    title: qsTr("段落开头添加两个空格")
                    content: CheckBox { checked: csettings.isMakeupFirstLineIndentation; onToggled: csettings.isMakeupFirstLineIndentation = checked }
                }
                Row_ {
                    title: qsTr("段落间增加一个空行")
                    content: CheckBox { checked: csettings.isMakeupParagraphSpacing; onToggled: csettings.isMakeupParagraphSpacing = checked }
                }
            }

            Section {
                header: qsTr("一键排版")
                Row_ {
                    title: qsTr("段落间增加一个空行")
                    content: CheckBox { checked: csettings.isMakeupAppendEmptyLineAtEnd; onToggled: csettings.isMakeupAppendEmptyLineAtEnd = checked }
                }
                Row_ {
                    title: qsTr("删除段落间多余空行")
                    content: CheckBox { checked: csettings.isMakeupRemoveEmptyLines; onToggled: csettings.isMakeupRemoveEmptyLines = checked }
                }
                Row_ {
                    title: qsTr("段落开头增加两个空格")
                    content: CheckBox { checked: csettings.isMakeupSpacesAtFront; onToggled: csettings.isMakeupSpacesAtFront = checked }
                }
                Row_ {
                    title: qsTr("删除多余空格")
                    content: CheckBox { checked: csettings.isMakeupRemoveSpaces; onToggled: csettings.isMakeupRemoveSpaces = checked }
                }
            }

            Section {
                header: qsTr("打字机模式")
                Row_ {
                    title: qsTr("启动打字机模式")
                    content: CheckBox { checked: csettings.isTypewriter; onToggled: csettings.isTypewriter = checked }
                }
                Row_ {
                    title: qsTr("高亮显示当前行")
                    content: CheckBox {
                        enabled: csettings.isTypewriter
                        checked: csettings.typewriterFocusedText > 0
                        onToggled: csettings.typewriterFocusedText = checked ? 1 : 0
                    }
                }
                Row_ {
                    title: qsTr("固定滚动")
                    combo: rollingBox.enabled ? rollingBox : null
                    content: ComboBox {
                        id: rollingBox
                        enabled: csettings.isTypewriter
                        implicitWidth: 110
                        model: [qsTr("关"), qsTr("上"), qsTr("中"), qsTr("下"), qsTr("可变")]
                        currentIndex: csettings.typewriterFixedRolling
                        onActivated: csettings.typewriterFixedRolling = index
                    }
                }
                Row_ {
                    title: qsTr("标记当前行")
                    content: CheckBox {
                        enabled: csettings.isTypewriter
                        checked: csettings.isTypewriterMarkCurrentLine
                        onToggled: csettings.isTypewriterMarkCurrentLine = checked
                    }
                }
            }

            Section {
                header: qsTr("提示")
                footer: qsTr("禁止显示创作积分提示之后，创作积分将在后台累加。未登录状态无法累加积分。")
                Row_ {
                    title: qsTr("显示创作积分提示")
                    content: CheckBox { checked: csettings.isShowPointsMessage; onToggled: csettings.isShowPointsMessage = checked }
                }
            }

            Section {
                visible: !page.isPc
                header: t.r("About")
                Row_ {
                    title: t.r("About")
                    onClick: {
                        var window = C.ApplicationWindow.window
                        if (window && typeof window.showAbout === "function")
                            window.showAbout()
                    }
                }
            }
        }
    }

    P.FolderDialog {
        id: folderDialog
        currentFolder: files.documentUrl
        onAccepted: if (folder.toString() !== files.documentUrl.toString()) files.documentUrl = folder
    }

    Component {
        id: dialogueConfirm
        MessageBox {
            text: qsTr("对话体统计只适用于对话体类型的文章，不统计冒号前面的文字。\n开启后，统计结果会偏少。\n如果您创作的并非对话体文章，或者您并不确定什么是对话体，强烈建议不要开启此选项！\n确定开启吗？")
            onOk: {
                csettings.isWordCountChart = true
                destroyWindow()
            }
            onCancel: {
                csettings.isWordCountChart = false
                dialogueBox.checked = Qt.binding(function() { return csettings.isWordCountChart })
            }
        }
    }

    Component {
        id: titleSheet
        SheetWindow {
            title: qsTr("文档中标题样式")
            Section {
                header: qsTr("文档中标题样式")
                footer: qsTr("取消“颜色与正文相同”后，标题颜色才会生效。相对倍数是标题字号相对正文字号的倍数。")
                Row_ {
                    title: qsTr("颜色与正文相同")
                    content: CheckBox { checked: csettings.TitleColorSame; onToggled: csettings.TitleColorSame = checked }
                }
                Row_ {
                    height: 52
                    title: qsTr("标题颜色:")
                    content: ColorBox {
                        color: csettings.TitleColor
                        onAccepted: csettings.TitleColor = color.toString()
                    }
                }
                Row_ {
                    title: qsTr("相对倍数:")
                    combo: multipleBox
                    content: ComboBox {
                        id: multipleBox
                        implicitWidth: 80
                        model: page.titleMultiples.map(function(v) { return v.toFixed(1) })
                        currentIndex: page.indexOfValue(page.titleMultiples, csettings.TitleMultiple)
                        onActivated: csettings.TitleMultiple = page.titleMultiples[index]
                    }
                }
            }
        }
    }

    Component {
        id: keywordSheet
        SheetWindow {
            id: keywords
            title: qsTr("自动章节关键词设置")
            isShowCancel: true
            onOk: csettings.autoChapterKeys = keywordArea.text
            Section {
                header: qsTr("自动章节关键词")
                footer: qsTr("“*”代表任意文字，每行一个关键词，每个关键词最多一个“*”，且不能在开头或结尾。关键词越多，软件越慢。")
                C.TextArea {
                    id: keywordArea
                    objectName: "keywordArea"
                    width: page.rowWidth
                    height: 200
                    text: csettings.autoChapterKeys
                    color: g_theme.foregroundColor
                    wrapMode: TextEdit.Wrap
                    selectByMouse: true
                }
            }
        }
    }

    Component {
        id: passwordSheet
        SheetWindow {
            id: passwords
            title: qsTr("设置登录密码")
            isShowCancel: true
            closeOnOk: false
            okOnEnter: false // its fields take Enter themselves
            onOk: {
                if (first.text === "") {
                    message.show(qsTr("您需要输入启动密码"), 16)
                } else if (first.text === second.text) {
                    csettings.loginPassword = first.text
                    message.show(qsTr("启动密码设置成功"), 16)
                    close()
                    destroyWindow()
                } else {
                    message.show(qsTr("两次输入密码不一致"), 16)
                }
            }
            onClosed: {
                if (csettings.loginPassword === "") {
                    csettings.useLoginPassword = false
                    loginPasswordBox.checked = Qt.binding(function() { return csettings.useLoginPassword })
                }
            }
            Section {
                header: qsTr("启动密码")
                footer: qsTr("启动密码是您打开软件时需要输入的密码，与账户无关，也不会同步到云端")
                Row_ {
                    title: qsTr("输入密码:")
                    content: TextField {
                        id: first
                        objectName: "firstPassword"
                        echoMode: TextInput.Password
                        placeholderText: qsTr("输入密码")
                        onAccepted: second.forceActiveFocus()
                    }
                }
                Row_ {
                    title: qsTr("再来一次:")
                    content: TextField {
                        id: second
                        objectName: "secondPassword"
                        echoMode: TextInput.Password
                        placeholderText: qsTr("再来一次")
                        onAccepted: passwords.doOk()
                    }
                }
            }
        }
    }
}
