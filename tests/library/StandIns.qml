import QtQuick 2.15

// Stand-ins for the context objects the library binds to, with the real
// objects' property and method names, for tests and the gallery.
QtObject {
    property QtObject g_theme: QtObject {
        property int currentTheme: 1
        property color hoverdColor: "#A8A8A8"
        property color titleColor: "#DEE1E6"
        property color accentColor: "#50acf3"
        property color backgroundColor: "#FAFAFA"
        property color baseColor: "#FAFAFA"
        property color popupColor: "#ffffff"
        property color foregroundColor: "#000000"
        property color darkHoverdColor: Qt.darker(hoverdColor, 1.1)
        property color lightHoverdColor: Qt.lighter(hoverdColor, 1.2)
        property color primaryColor: "#E9EBEC"
        property color secondaryTextColor: "#555555"
        property color pageColor: "white"
        property color pageBackgroundColor: "transparent"
        property color wordColor: "black"
        property color functionAreaColor: "#F3F3F3"
        property color tabColor: "#ffffff"
        property color leftBarColor: "#E9EBEC"
        property color highlightedColor: "#50acf3"
        property color selectedColor: "#68AAED"
        property color statusBarColor: "#E9EBEC"
        property color lineColor: "#DCDCDC"
        property color highlightedTextColor: "black"
        property string userImagePath: ""
        property string backgroundUrl: ""
        property bool backgroundblur: false
        property bool isSystemDarkmode: false
        property int themeType: 0
        property ListModel themes: ListModel {
            ListElement { name: "跟随主题"; backgroundColor: "#FAFAFA"; titleColor: "#DEE1E6"; accentColor: "#50acf3"; foregroundColor: "#000000" }
            ListElement { name: "默认白"; backgroundColor: "#FAFAFA"; titleColor: "#DEE1E6"; accentColor: "#50acf3"; foregroundColor: "#000000" }
            ListElement { name: "默认黑"; backgroundColor: "#1E1E1E"; titleColor: "#3C3C3C"; accentColor: "#50acf3"; foregroundColor: "#B2B2B2" }
            ListElement { name: "淑女粉"; backgroundColor: "#F7CAD0"; titleColor: "#FBB1BD"; accentColor: "#FA8EAA"; foregroundColor: "#FF5C8A" }
            ListElement { name: "清爽绿"; backgroundColor: "#D0ECD3"; titleColor: "#B8D4BB"; accentColor: "#58c979"; foregroundColor: "#000000" }
            ListElement { name: "苍穹蓝"; backgroundColor: "#012451"; titleColor: "#001126"; accentColor: "#1177BB"; foregroundColor: "#C9C9C9" }
            ListElement { name: "电纸书"; backgroundColor: "#DAD9D8"; titleColor: "#DAD9D8"; accentColor: "#696969"; foregroundColor: "#000000" }
        }
        // The theme object's contrast adjustment is tested on its own; here
        // the colour passes through.
        function readableOn(color, background, minimum) { return color }
        function getThemeName(name) { return name }
        function swatch(row) {
            var t = themes.get(row)
            return { background: t.backgroundColor, title: t.titleColor, accent: t.accentColor, foreground: t.foregroundColor }
        }
    }

    property QtObject functions: QtObject {
        property string nowTimeText: "21:30"
        property int shutdownCalls: 0
        property bool lastReboot: false
        function isPhone() { return false }
        function isPad() { return false }
        function isPc() { return true }
        function isMac() { return false }
        function isLinux() { return true }
        function fileToUrl(path) { return "file://" + String(path).split("/").map(encodeURIComponent).join("/") }
        function isSameFile(a, b) { return String(a) === String(b) }
        // A book's index takes its folder's name.
        function getNameFromUrl(url) { var p = String(url).split("/"); return p[p.length - 1] === "index.txt" ? p[p.length - 2] : p[p.length - 1] }
        function systemShutDown(isReboot) {
            shutdownCalls += 1
            lastReboot = isReboot === true
        }
        function keyEventToString(modifiers, key) {
            var names = {}
            names[Qt.Key_Return] = "Return"
            names[Qt.Key_Enter] = "Enter"
            names[Qt.Key_F1] = "F1"
            var text = ""
            if (modifiers & Qt.ControlModifier) text += "Ctrl+"
            if (modifiers & Qt.AltModifier) text += "Alt+"
            if (modifiers & Qt.ShiftModifier) text += "Shift+"
            if (names[key] !== undefined)
                text += names[key]
            else if (key >= Qt.Key_A && key <= Qt.Key_Z)
                text += String.fromCharCode(key)
            return text
        }
    }

    property QtObject message: QtObject {
        property string lastText: ""
        signal showMessage(string text, int type, int timeout, string subText)
        function show(text, type, timeout, subText) {
            lastText = text
            showMessage(text, type === undefined ? 2 : type, 5000, subText === undefined ? "" : subText)
        }
    }

    property QtObject t: QtObject {
        function r(key) { return key }
    }

    property QtObject keys: QtObject {
        property string message: ""
        function getKey(name) { return "" }
        function getKeyText(name) { return "" }
        function macKeyDisplay(key) { return key }
    }

    property QtObject qmlKey: QtObject {
        signal sKeyBackPress()
        signal sKeyBackRelease()
        signal sKeyEnter()
    }

    property QtObject csettings: QtObject {
        property int mainHeight: 600
        property real editFontSize: 16
        property string loginPassword: ""
    }
}
