import QtQuick 2.15
import QtQuick.Controls 2.15 as C
import TovaUi 0.1
import "widget"

// The desktop layout: navigation bar, side-page column, document tab area
// and the right column, plus the drawer and mini bar of the minimalist and
// Lumo modes. It only arranges and dispatches.
Item {
    id: pcMain
    objectName: "pcMain"

    property var window: applicationWindow
    readonly property bool pendent: window.isPendentModel
    readonly property bool leftToRight: window.leftToRightLayout
    readonly property alias homeBar: homeBar
    readonly property alias currentPage: homeBar.currentPage
    readonly property alias drawerOpen: drawer.opened
    property string drawerPage: ""

    readonly property var pageNames: ["files", "autoChapter", "wordCount", "ranking", "through", "notes", "me"]
    readonly property var pageFiles: ({
        files: "FilesPage.qml", autoChapter: "AutoChapterPage.qml", wordCount: "WordCountPage.qml",
        ranking: "RankingPage.qml", through: "ThroughPage.qml", notes: "NotesPage.qml", me: "MePage.qml"
    })
    // Pages that sit in the right column when the free layout is on.
    readonly property var rightNames: ["autoChapter", "wordCount", "ranking", "through"]
    property var pages: ({})

    function page(name) { return pages[name] === undefined ? null : pages[name] }

    function createPages() {
        var made = {}
        for (var i = 0; i < pageNames.length; ++i) {
            var name = pageNames[i]
            var component = Qt.createComponent("qrc:/qml/page/" + pageFiles[name])
            if (component.status !== Component.Ready) {
                console.log("error loading component:", component.errorString())
                continue
            }
            var p = component.createObject(leftStack)
            if (!p) {
                console.log("error loading component:", pageFiles[name])
                continue
            }
            if ("leftParent" in p) p.leftParent = leftStack
            if ("rightParent" in p) p.rightParent = rightNames.indexOf(name) >= 0 ? rightSlots.itemAt(rightNames.indexOf(name)) : null
            if ("pendentParent" in p) p.pendentParent = drawerContent
            if (name !== "files") {
                p.implicitWidth = 280
                p.implicitHeight = 300
            }
            made[name] = p
        }
        pages = made
        layoutPages()
    }

    // The page the side column shows: the current one in the left-to-right
    // layout; otherwise files, notes or me, any other name showing files.
    function leftShownName() {
        var name = homeBar.currentPage
        if (leftToRight)
            return name
        return (name === "notes" || name === "me") ? name : "files"
    }

    // Pages are created inside the side column, so the fill must be set
    // whether or not the parent changes.
    function place(p, container) {
        if (p.parent !== container)
            p.parent = container
        if (p.anchors.fill !== container)
            p.anchors.fill = container
    }

    function layoutPages() {
        for (var i = 0; i < pageNames.length; ++i) {
            var name = pageNames[i]
            var p = pages[name]
            if (!p)
                continue
            var rightIndex = rightNames.indexOf(name)
            if ("state" in p && rightIndex >= 0)
                p.state = leftToRight ? "onLeft" : "onRight"
            if (pendent && name === drawerPage) {
                place(p, drawerContent)
                p.visible = true
            } else if (!leftToRight && rightIndex >= 0) {
                place(p, rightSlots.itemAt(rightIndex))
                p.visible = true
            } else {
                place(p, leftStack)
                p.visible = name === leftShownName()
            }
        }
    }

    function showTab(name) {
        if (!window.isShowLeftWidget)
            window.isShowLeftWidget = true
        homeBar.currentPage = name
        if (pendent) {
            if (drawer.opened && drawerPage === name) {
                drawer.opened = false
                return
            }
            if (pages[name])
                drawerPage = name
            layoutPages()
            drawer.opened = true
            return
        }
        layoutPages()
    }

    // A side page shown from the keyboard or its navigation button takes
    // the keyboard (its list or tree, else its first control), so that no
    // key meant for it reaches the text; Escape there gives it back.
    function focusPage(name) {
        var p = page(name)
        if (!p || !p.visible || (pendent && !drawer.opened))
            return
        var target = p.keyboardItem ? p.keyboardItem : p
        if (!p.keyboardItem) {
            var first = p.nextItemInFocusChain(true)
            for (var up = first; up; up = up.parent) {
                if (up === p) {
                    target = first
                    break
                }
            }
        }
        target.forceActiveFocus(Qt.ShortcutFocusReason)
    }
    Keys.onEscapePressed: {
        var tabs = window.documentPage
        if (tabs && tabs.editorInFront)
            tabs.focusPage(tabs.currentPage)
    }

    function updateBarWidths() {
        var bar = homeBar.visible ? 40 : 0
        cglobal.leftBarWidth = leftStack.visible ? leftStack.width + bar : bar
        cglobal.rightBarWidth = rightBox.visible ? rightBox.width : 0
    }

    Connections {
        target: pcMain.window
        function onShowTab(name) { pcMain.showTab(name) }
        function onIsShowLeftWidgetChanged() {
            if (!pcMain.window.isShowLeftWidget)
                drawer.opened = false
        }
        function onMinimalistModelChanged() {
            if (pcMain.window.minimalistModel) {
                pcMain.window.isShowPendentTips = false
            } else {
                pcMain.window.isShowPendentTips = true
                pcMain.leaveDrawer()
            }
        }
        function onLumoModelChanged() {
            if (!pcMain.window.lumoModel && !pcMain.window.minimalistModel) {
                drawer.opened = false
                pcMain.drawerPage = ""
                pcMain.layoutPages()
            }
        }
        function onLeftToRightLayoutChanged() {
            pcMain.layoutPages()
            if (!pcMain.leftToRight)
                pcMain.showTab("files")
        }
    }

    // Leaving the pendent modes: the drawer's page goes back to the column.
    function leaveDrawer() {
        drawer.opened = false
        drawerPage = ""
        showTab("files")
    }

    onPendentChanged: layoutPages()
    Component.onCompleted: {
        createPages()
        updateBarWidths()
    }

    C.SplitView {
        id: split
        anchors.fill: parent
        orientation: Qt.Horizontal

        // A split view does not mirror itself: in a right-to-left layout
        // its parts are put in the reverse order, the navigation bar last.
        function arrange() {
            var parts = [homeBar, leftStack, documentLoader, rightBox]
            if (mirrored)
                parts.reverse()
            for (var i = 0; i < parts.length; ++i)
                for (var j = i; j < count; ++j)
                    if (itemAt(j) === parts[i]) {
                        if (j !== i)
                            moveItem(j, i)
                        break
                    }
        }
        onMirroredChanged: arrange()
        Component.onCompleted: arrange()

        handle: Rectangle {
            implicitWidth: 3
            color: C.SplitHandle.pressed ? g_theme.accentColor
                 : C.SplitHandle.hovered ? g_theme.hoverdColor : g_theme.functionAreaColor
            Rectangle {
                anchors.right: parent.right
                width: 1
                height: parent.height
                color: g_theme.lineColor
            }
        }

        HomeBar {
            id: homeBar
            window: pcMain.window
            visible: !pcMain.pendent
            C.SplitView.minimumWidth: 40
            C.SplitView.maximumWidth: 40
            C.SplitView.preferredWidth: 40
            onCurrentPageChanged: pcMain.layoutPages()
            onVisibleChanged: pcMain.updateBarWidths()
        }

        Rectangle {
            id: leftStack
            objectName: "leftStack"
            color: g_theme.functionAreaColor
            visible: !pcMain.pendent && pcMain.window.isShowLeftWidget
            C.SplitView.preferredWidth: 280
            C.SplitView.minimumWidth: 150
            onWidthChanged: pcMain.updateBarWidths()
            onVisibleChanged: pcMain.updateBarWidths()
        }

        Loader {
            id: documentLoader
            objectName: "documentLoader"
            C.SplitView.fillWidth: true
            C.SplitView.preferredWidth: 400
            C.SplitView.minimumWidth: 100
            source: "qrc:/qml/page/DocumentTabPage.qml"
            onStatusChanged: if (status === Loader.Error) console.log("error loading component:", source)
            onLoaded: pcMain.window.documentPage = item
        }

        StackBox {
            id: rightBox
            objectName: "rightBox"
            implicitWidth: 250
            visible: !pcMain.leftToRight && !pcMain.pendent
            C.SplitView.preferredWidth: 260
            C.SplitView.minimumWidth: 150
            onWidthChanged: pcMain.updateBarWidths()
            onVisibleChanged: pcMain.updateBarWidths()

            StackBoxItem { title: qsTr("自动章节"); defaultHeight: Math.max(1, rightBox.height / 4); Item { id: slot0; anchors.fill: parent } }
            StackBoxItem { title: qsTr("字数统计"); defaultHeight: Math.max(1, rightBox.height / 4); Item { id: slot1; anchors.fill: parent } }
            StackBoxItem { title: qsTr("拼字"); defaultHeight: Math.max(1, rightBox.height / 4); Item { id: slot2; anchors.fill: parent } }
            StackBoxItem { title: qsTr("Challenge"); defaultHeight: Math.max(1, rightBox.height / 4); Item { id: slot3; anchors.fill: parent } }
        }
    }

    // The status bar's counts move out from under the open drawer.
    Binding {
        target: documentLoader.item
        when: documentLoader.status === Loader.Ready
        property: "drawerWidth"
        value: drawer.opened ? drawer.width : 0
    }

    QtObject {
        id: rightSlots
        function itemAt(i) { return [slot0, slot1, slot2, slot3][i] }
    }

    // Covers the seam beside the navigation bar.
    Rectangle {
        anchors.left: parent.left
        anchors.leftMargin: homeBar.width
        width: 3
        height: parent.height
        visible: homeBar.visible && !leftStack.visible
        color: g_theme.functionAreaColor
    }

    FileDragTarget {
        anchors.fill: parent
        z: 100
        window: pcMain.window
    }

    // ---- minimalist and Lumo modes ---------------------------------------

    // Watches the pointer while minimalist mode is on and shows or hides
    // the floating controls; every event passes through.
    MouseArea {
        id: pointerWatch
        y: 30
        width: parent.width
        height: Math.max(0, parent.height - 60)
        z: 200
        enabled: pcMain.window.minimalistModel
        hoverEnabled: enabled
        // passes every event on; nothing to speak
        Accessible.ignored: true
        propagateComposedEvents: true
        property point last: Qt.point(-100, -100)
        onPositionChanged: {
            if (Math.abs(mouse.x - last.x) >= 5 || Math.abs(mouse.y - last.y) >= 5) {
                last = Qt.point(mouse.x, mouse.y)
                hideTimer.restart()
                if (!showTimer.running)
                    showTimer.start()
            }
        }
        onPressed: {
            mouse.accepted = false
            hideTimer.stop()
            showTimer.stop()
            pcMain.window.isShowPendentTips = false
        }
    }
    Timer {
        id: showTimer
        interval: 500
        onTriggered: pcMain.window.isShowPendentTips = true
    }
    Timer {
        id: hideTimer
        interval: 2000
        onTriggered: {
            if (pointerWatch.containsMouse)
                pcMain.window.isShowPendentTips = false
        }
    }

    MiniHomeBar {
        id: miniBar
        window: pcMain.window
        currentPage: homeBar.currentPage
        z: 300
        anchors.verticalCenter: parent.verticalCenter
        readonly property bool shown: pcMain.window.minimalistModel && pcMain.window.isShowPendentTips
        readonly property real offset: shown ? 0 : -height
        x: pcMain.LayoutMirroring.enabled ? parent.width - width - offset : offset
        visible: pcMain.window.minimalistModel
        Behavior on x { NumberAnimation { duration: 200 } }
        onUsed: pcMain.window.isShowPendentTips = false
    }

    Rectangle {
        id: drawer
        objectName: "drawer"
        property bool opened: false
        z: 400
        width: 300
        height: parent.height
        readonly property real offset: opened ? 0 : -width - 10
        x: pcMain.LayoutMirroring.enabled ? parent.width - width - offset : offset
        visible: pcMain.pendent || offset > -width - 10
        color: g_theme.functionAreaColor
        border.color: g_theme.lineColor
        Behavior on x { NumberAnimation { duration: 200 } }
        Item {
            id: drawerContent
            anchors.fill: parent
            anchors.margins: 1
        }
    }
}
