import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Controls 2.15 as C
import QtGraphicalEffects 1.15
import TovaUi 0.1

// The application window: frameless on Linux with its own title bar, shadow
// and resize border; background colour or image from the theme.
C.ApplicationWindow {
    id: window
    property bool isFullScreen: false
    property bool lumoModel: false
    property bool lockState: false
    property bool windowTop: false
    property bool loginPasswordWindowVisible: false
    property Component windowsMenuBar: null
    property rect normalRect: Qt.rect((Screen.width - 920) / 2, (Screen.height - 600) / 2, 920, 600)
    property url backgroundImage: ""
    property bool backgroundBlur: false
    property bool activedOnce: false
    readonly property bool frameless: Qt.platform.os === "linux"
    readonly property bool maximized: visibility === Window.Maximized
    readonly property bool plainFrame: !frameless || maximized || visibility === Window.FullScreen || isFullScreen
    // Rounded corners and the glow need transparent pixels that show what
    // lies behind the window. Without a compositing manager they would show
    // black: the window is opaque then, with square corners (an opaque
    // window also repaints cheaper). Set once, before the window is shown.
    property bool showsThrough: true
    readonly property bool roundFrame: !plainFrame && showsThrough
    readonly property int frameMargin: roundFrame ? 3 : 0
    readonly property int frameRadius: roundFrame ? 8 : 0
    // A sheet or dialog (or the start-password screen) is over the window:
    // the pages below take no keys and the window's shortcuts are off.
    readonly property bool sheetOpen: popupCover.covered || loginPasswordWindowVisible

    signal appActive(bool active)
    signal activeFirst()

    function showMin() {
        if (lockState)
            return
        window.showMinimized()
    }
    function setBackgroundSource(source) { backgroundImage = source }

    // A right-to-left language mirrors the whole window, the popups on its
    // overlay included.
    LayoutMirroring.enabled: Qt.application.layoutDirection === Qt.RightToLeft
    LayoutMirroring.childrenInherit: true

    flags: frameless ? (Qt.Window | Qt.FramelessWindowHint | (windowTop || lockState ? Qt.WindowStaysOnTopHint : 0))
                     : (Qt.Window | (windowTop || lockState ? Qt.WindowStaysOnTopHint : 0))
    color: frameless && showsThrough ? "transparent" : g_theme.baseColor
    x: normalRect.x
    y: normalRect.y
    width: normalRect.width
    height: normalRect.height

    palette.window: g_theme.baseColor
    palette.windowText: g_theme.foregroundColor
    palette.text: g_theme.foregroundColor
    palette.buttonText: g_theme.foregroundColor
    palette.toolTipText: g_theme.foregroundColor
    palette.toolTipBase: g_theme.lightHoverdColor
    palette.highlightedText: g_theme.highlightedTextColor
    palette.brightText: g_theme.highlightedTextColor
    palette.dark: g_theme.highlightedTextColor
    palette.light: g_theme.hoverdColor
    // borders of the controls: the hover colour, made to stand out from the window
    palette.mid: g_theme.readableOn(g_theme.hoverdColor, g_theme.baseColor, 3)
    palette.midlight: g_theme.hoverdColor
    palette.base: "transparent"
    palette.button: "transparent"

    onActiveChanged: {
        appActive(active)
        if (!activedOnce) {
            activedOnce = true
            activeFirst()
        }
    }

    FontLoader { source: "qrc:/TovaUi/icon/iconfont.ttf" }
    FontLoader { source: "qrc:/TovaUi/icon/fontello.ttf" }

    background: Item {
        RectangularGlow {
            anchors.fill: frame
            visible: window.roundFrame
            glowRadius: 4
            spread: 0.1
            color: "#60000000"
            cornerRadius: frame.radius + glowRadius
            anchors.topMargin: 1
            anchors.leftMargin: 1
        }
        Rectangle {
            id: frame
            anchors.fill: parent
            anchors.margins: window.frameMargin
            radius: window.frameRadius
            color: g_theme.baseColor
            clip: true
            Image {
                id: backImage
                anchors.fill: parent
                source: window.backgroundImage
                fillMode: Image.PreserveAspectCrop
                visible: status === Image.Ready && !window.backgroundBlur
            }
            FastBlur {
                anchors.fill: parent
                source: backImage
                radius: 30
                visible: backImage.status === Image.Ready && window.backgroundBlur
            }
        }
    }

    header: Item {
        implicitHeight: window.frameless && !window.isFullScreen ? 30 + window.frameMargin : 0
        visible: implicitHeight > 0
        WindowsTitleBar {
            anchors.fill: parent
            anchors.topMargin: window.frameMargin
            anchors.leftMargin: window.frameMargin
            anchors.rightMargin: window.frameMargin
            control: window
            windowsMenuBar: window.windowsMenuBar
            lockState: window.lockState
            menuVisible: !window.loginPasswordWindowVisible
        }
    }

    TResizeBorder {
        parent: window.contentItem.parent
        anchors.fill: parent
        control: window
        visible: window.frameless && !window.lockState && !window.plainFrame
        z: 1000
    }

    PopupCover {
        id: popupCover
        window: window
    }

    // While the user types and the pointer rests, this takes Qt Quick's
    // hover test of every frame (a walk over every item under the pointer)
    // until the pointer moves. It takes no clicks, no wheel and sets no
    // pointer shape: the items below keep them.
    PointerRest {
        id: pointerRest
        window: window
    }
    MouseArea {
        objectName: "hoverCover"
        parent: window.contentItem.parent
        anchors.fill: parent
        z: 1000000
        acceptedButtons: Qt.NoButton
        hoverEnabled: pointerRest.resting
    }
}
