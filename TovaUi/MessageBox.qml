import QtQuick 2.15

// A sheet with one wrapped text, Cancel and OK. OK only closes the sheet.
SheetWindow {
    id: box
    property string text: ""
    isShowCancel: true
    closeOnOk: false
    buttonColor: g_theme.accentColor
    titleColor: g_theme.foregroundColor
    onOk: close()

    Column {
        width: box.isPhone && box.parent ? box.parent.width - 20 : 350
        padding: 20
        Text {
            width: parent.width - 40
            topPadding: 20
            bottomPadding: 20
            text: box.text
            wrapMode: Text.Wrap
            color: g_theme.foregroundColor
            font.pixelSize: 13
        }
    }
}
