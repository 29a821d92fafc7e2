import QtQuick 2.15

// The theme chooser: one swatch per theme of g_theme.themes; the current
// one is marked.
SheetWindow {
    id: page
    title: qsTr("主题")
    showTitleAndClose: true
    isShowOk: false
    isShowCloseButton: true

    Flow {
        width: 4 * 110 + 3 * 10
        spacing: 10
        Repeater {
            model: g_theme.themes
            Rectangle {
                objectName: "themeSwatch"
                // the colours the theme shows once chosen, not its list's
                readonly property var look: g_theme.swatch(index)
                width: 110
                height: 80
                radius: 6
                color: look.background
                border.width: g_theme.currentTheme === index ? 3 : 1
                border.color: g_theme.currentTheme === index ? g_theme.accentColor : g_theme.hoverdColor
                Rectangle {
                    width: parent.width
                    height: 20
                    radius: 6
                    color: parent.look.title
                }
                Rectangle {
                    anchors.left: parent.left
                    anchors.leftMargin: 8
                    y: 26
                    width: 16; height: 16; radius: 8
                    color: parent.look.accent
                }
                // a long name takes two lines
                Text {
                    anchors.bottom: parent.bottom
                    anchors.bottomMargin: 4
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: parent.width - 12
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.Wrap
                    text: model.name
                    color: g_theme.readableOn(parent.look.foreground, parent.look.background)
                    font.pixelSize: 12
                }
                Text {
                    anchors.right: parent.right
                    anchors.rightMargin: 6
                    y: 24
                    visible: g_theme.currentTheme === index
                    text: "\u2713"
                    color: g_theme.readableOn(parent.look.accent, parent.look.background, 3)
                    font.pixelSize: 16
                }
                MouseArea {
                    anchors.fill: parent
                    onClicked: g_theme.currentTheme = index
                    Accessible.role: Accessible.RadioButton
                    Accessible.name: model.name
                    Accessible.checkable: true
                    Accessible.checked: g_theme.currentTheme === index
                    Accessible.onPressAction: g_theme.currentTheme = index
                }
            }
        }
    }
}
