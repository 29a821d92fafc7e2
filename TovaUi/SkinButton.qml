import QtQuick 2.15

// Button that opens the theme chooser.
Button {
    id: root
    icontext: "\ue628"
    hoverText: qsTr("主题")
    property var themePage: null

    function showTheme() {
        if (!themePage) {
            var c = Qt.createComponent("ThemePage.qml")
            themePage = c.createObject(root)
            themePage.destroyWindow.connect(function() {
                var p = root.themePage
                root.themePage = null
                p.destroy()
            })
        }
        themePage.show()
    }
    onClicked: showTheme()
}
