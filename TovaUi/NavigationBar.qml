import QtQuick 2.15

// The title bar of a navigation controller with back and bar buttons.
Rectangle {
    id: bar
    property var navigationItem: null
    property bool showBack: false
    property var titleAttributes: NavigationBarTitleAttributes {}
    signal backClicked()

    implicitHeight: 44
    color: Constant.barTintColor

    Button {
        anchors.left: parent.left
        anchors.bottom: parent.bottom
        height: 44
        visible: bar.showBack && !(bar.navigationItem && bar.navigationItem.hidesBackButton)
        text: "\u2039 " + (bar.navigationItem ? bar.navigationItem.backButtonTitle : "")
        color: Constant.tintColor
        onClicked: bar.backClicked()
    }
    Text {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        height: 44
        verticalAlignment: Text.AlignVCenter
        text: bar.navigationItem ? bar.navigationItem.title : ""
        color: bar.titleAttributes.textColor
        font.pixelSize: bar.titleAttributes.fontSize
        font.bold: bar.titleAttributes.bold
    }
    Button {
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        height: 44
        property var item: bar.navigationItem ? bar.navigationItem.rightBarButtonItem : null
        visible: item !== null && item !== undefined
        text: item ? item.title : ""
        icontext: item ? item.icontext : ""
        color: Constant.tintColor
        onClicked: item.clicked()
    }
    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: Constant.dividerColor
    }
}
