import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Controls 2.15 as C
import TovaUi 0.1
import com.velmora.clouddisk 1.0
import "widget"

// The main window: geometry kept in the settings, the distraction-free
// modes, the secondary windows and sheets opened on demand, activation
// reporting and the close sequence. The desktop layout (PcMain) fills it.
MainWindow {
    id: applicationWindow
    objectName: "applicationWindow"

    readonly property bool debugBuild: typeof functions.isDebug === "function" && functions.isDebug()
    title: cglobal.appName() + (debugBuild ? " (Debug)" : "")

    lockState: g_data.lockState === true
    showsThrough: QIDevice.windowsShowThrough()
    property bool minimalistModel: false
    readonly property bool isPendentModel: minimalistModel || lumoModel
    property bool isShowPendentTips: true
    property bool leftToRightLayout: settingValue("layoutLefttoRight", true) === true
    property bool isShowLeftWidget: true
    property var documentPage: null
    property var mainStackView: null
    property bool isSyncedOnQuit: false
    // Set by a close refused because a document could not be saved: the
    // next close quits anyway.
    property bool quitWithUnsaved: false

    // Quit-time sync: the longest wait for its end before the window closes
    // anyway, and whether that end has come (then the second close passes).
    property int quitSyncTimeout: 60000
    property bool quitSyncEnded: false
    // Delay after a resize before the window size is stored.
    property int geometrySaveDelay: 2000
    // Set once the stored geometry has been applied; earlier changes are the
    // window's own start-up and are not written back.
    property bool geometryReady: false
    property bool quietWindowTop: false

    readonly property var pcMain: layoutLoader.item
    readonly property var cloudSheet: cloudSheetLoader.item

    signal paste()
    signal newFile()
    signal newDir()
    signal delFile()
    signal saveAs()
    signal addChapterName()
    signal showReadme()
    signal closeDocument()
    signal closeFile(string file)
    signal saveAll()
    signal saveAllNoTips()
    signal openFile(string file)
    signal open()
    signal openWidget(string file, var name)
    signal makeup()
    signal find()
    signal replace()
    signal undo()
    signal redo()
    signal cut()
    signal copy()
    signal selectAll()
    signal selectThisChapter()
    signal showTab(string name)
    signal showSubtle()
    signal gotoLine(int line)
    signal importFiles()
    signal importDir()
    signal setCurrentFont(font currentFont)
    signal setCurrentFontColor(string colorName)
    signal showThroughRoom(int roomId, int roomNumber)
    signal mainCloseing()

    minimumWidth: 300
    minimumHeight: 200
    windowsMenuBar: Component { WindowsMenuBar { window: applicationWindow } }

    // Settings: the stand-in object of early builds lacks most properties,
    // so reads fall back to a default and writes skip unknown names.
    function settingValue(name, fallback) {
        var v = csettings[name]
        return v === undefined || v === null ? fallback : v
    }
    function storeSetting(name, value) {
        if (csettings[name] !== undefined && csettings[name] !== value)
            csettings[name] = value
    }
    function notice(text, type) {
        message.show(text, type === undefined ? 16 : type)
    }

    // ---- secondary windows -------------------------------------------

    function showItem(item) {
        if (!item)
            return
        if (typeof item.show === "function")
            item.show()
        else
            item.visible = true
    }
    function showPointsWindow() {
        if (pointsLoader.active) {
            if (pointsLoader.item)
                pointsLoader.item.visible = false
            pointsLoader.active = false
            return
        }
        pointsLoader.active = true
        if (pointsLoader.item)
            pointsLoader.item.visible = true
    }
    function showAbout() {
        aboutLoader.active = true
        showItem(aboutLoader.item)
    }
    function showTheme() {
        themeLoader.active = true
        showItem(themeLoader.item)
    }
    function showLoginPassword() {
        loginPasswordLoader.active = true
        if (loginPasswordLoader.item)
            loginPasswordLoader.item.visible = true
    }
    function showTarget() {
        targetLoader.active = false
        targetLoader.active = true
        if (targetLoader.item)
            targetLoader.item.visible = true
    }
    function targetLocked() {
        targetLoader.active = false
        if (g_data.lockWord > 0 || g_data.lockSecond > 0)
            locker.doLock()
    }
    function showConflictPage() {
        conflictLoader.active = true
        if (conflictLoader.item)
            conflictLoader.item.visible = true
    }
    function showFolderAccountSheet() {
        folderAccountLoader.active = true
        if (folderAccountLoader.item)
            folderAccountLoader.item.visible = true
    }
    function showShutdown() {
        saveAll()
        shutdownLoader.active = true
        showItem(shutdownLoader.item)
    }
    function showNotes() {
        notesLoader.active = true
        if (notesLoader.item)
            notesLoader.item.visible = true
    }
    function openPerferences() {
        openWidget("qrc:/qml/page/PreferencesPage.qml", qsTr("偏好设置"))
    }
    function openHistory() {
        openWidget("qrc:/qml/page/HistoryPage.qml", qsTr("历史记录"))
    }
    // The copies of one document, each restorable into it.
    function showFileHistory(document) {
        if (String(document) === "")
            return
        fileHistoryLoader.active = true
        var page = fileHistoryLoader.item
        if (!page)
            return
        page.document = document
        page.title = t.r("History") + " - " + functions.getNameFromUrl(document)
        page.visible = true
    }
    function openClockIn() {
        openWidget("qrc:/qml/page/ClockInPage.qml", qsTr("打卡"))
    }
    function showLogin() {
        loginLoader.active = true
        showItem(loginLoader.item)
    }
    function showThroughTipsDialog() {
        openThroughDialog(0, qsTr("闯关正在进行中，如果此时退出，直接判定闯关失败，扣除的闯关门票不退还。确定要退出吗？"), "")
    }
    function checkThrough() {
        var type = settingValue("throughType", "")
        if (settingValue("isThroughing", false) === true && type !== "") {
            openThroughDialog(1,
                              qsTr("尚有正在进行中的闯关:") + "(" + qsTr("模式") + ":" + t.r(type) + "-"
                              + qsTr("关卡") + ":" + settingValue("throughNumber", 0) + ")",
                              qsTr("点击确定，重进进入闯关模式，不需要门票。点击取消，放弃闯关，之前支付的门票积分不予退还。"))
        }
    }
    function openThroughDialog(type, text, subText) {
        throughTipsLoader.active = true
        var d = throughTipsLoader.item
        if (!d)
            return
        d.type = type
        d.text = text
        d.subText = subText
        d.show()
    }
    function showHelp() {
        // A second request hides a showing help sheet; one the user has
        // closed already is replaced by a fresh one.
        if (helpHolder.window) {
            var wasShowing = helpHolder.window.visible === true
            helpHolder.window.destroy()
            helpHolder.window = null
            if (wasShowing)
                return
        }
        helpHolder.window = createWindow("qrc:/qml/page/HelpWindow.qml")
        showItem(helpHolder.window)
    }
    function showCountWindow() {
        var w = countHolder.window
        if (w) {
            if (!w.visible) {
                showItem(w)
            } else {
                w.destroy()
                countHolder.window = null
            }
            return
        }
        countHolder.window = createWindow("qrc:/qml/page/CountChartWindow.qml")
        showItem(countHolder.window)
    }
    function createWindow(url) {
        var component = Qt.createComponent(url)
        if (component.status !== Component.Ready) {
            console.log("error loading component:", component.errorString())
            return null
        }
        // A window created under an item takes that item's window as its
        // transient parent; a sheet needs an item to find its overlay.
        var w = component.createObject(applicationWindow.contentItem)
        if (!w)
            console.log("error loading component:", url)
        return w
    }

    // ---- modes ---------------------------------------------------------

    function setLumoModel() {
        var on = !lumoModel
        if (on && minimalistModel)
            setMinimalistModeValue(false)
        lumoModel = on
        storeSetting("lumoModel", on)
    }
    function setMinimalistMode() {
        var on = !minimalistModel
        if (on && lumoModel) {
            lumoModel = false
            storeSetting("lumoModel", false)
        }
        setMinimalistModeValue(on)
    }
    function setMinimalistModeValue(on) {
        minimalistModel = on
        storeSetting("minimalistModel", on)
    }
    function closeWidget() {
        if (loginLoader.item && loginLoader.item.visible)
            loginLoader.item.close()
        else
            closeDocument()
    }

    // ---- quit-time sync --------------------------------------------------

    function doCloudOnQuit() {
        cloudSheetLoader.active = true
        showItem(cloudSheetLoader.item)
        isSyncedOnQuit = true
        quitSyncEnded = false
        quitSyncTimer.interval = quitSyncTimeout
        quitSyncTimer.restart()
        cloudDisk.sync(CloudDisk.Program)
        // A sync that was refused, or that ended at once, never reports a
        // change, so the running state is read here as well; the close is
        // retried once this close handler has returned.
        if (files.updating !== true)
            Qt.callLater(finishQuitSync)
    }
    function finishQuitSync() {
        if (!isSyncedOnQuit || quitSyncEnded)
            return
        quitSyncTimer.stop()
        quitSyncEnded = true
        if (cloudSheetLoader.item)
            cloudSheetLoader.item.close()
        cglobal.sendQuitApp()
    }

    // ---- geometry ------------------------------------------------------

    function applyStoredGeometry() {
        var w = settingValue("tmpMainWidth", 0)
        var h = settingValue("tmpMainHeight", 0)
        if (!(w > 0) || !(h > 0)) {
            // the default size, shrunk to a small (or highly scaled) screen
            w = Math.min(920, Screen.desktopAvailableWidth)
            h = Math.min(600, Screen.desktopAvailableHeight)
        }
        width = Math.max(300, w)
        height = Math.max(200, h)
        var sx = settingValue("tmpMainX", undefined)
        var sy = settingValue("tmpMainY", undefined)
        x = sx !== undefined ? sx : Math.round((Screen.width - width) / 2)
        y = sy !== undefined ? sy : Math.round((Screen.height - height) / 2)
    }
    function startVisibility() {
        var v = settingValue("mainVisibility", 2)
        if (v === Window.Minimized || v === Window.Hidden || v === Window.AutomaticVisibility)
            v = Window.Windowed
        if (v === Window.FullScreen)
            isFullScreen = true
        visibility = v
    }
    function isWindowedNormally() {
        return visibility === Window.Windowed && !isFullScreen
    }
    function geometryMoved(name, value, stored) {
        if (!geometryReady)
            return
        storeSetting(name, value)
        if (isWindowedNormally() && value !== 0)
            storeSetting(stored, value)
    }
    function geometryResized(name, value, screenFull, screenAvailable) {
        if (!geometryReady)
            return
        storeSetting(name, value)
        if (isFullScreen || visibility === Window.FullScreen) {
            if (value !== screenFull)
                fullScreenFix.restart()
            return
        }
        if (value !== screenFull && value !== screenAvailable)
            geometrySaveTimer.restart()
    }
    function saveGeometry() {
        if (isFullScreen || visibility === Window.FullScreen
                || visibility === Window.Maximized || visibility === Window.Minimized)
            return
        storeSetting("mainHeight", height)
        storeSetting("mainWidth", width)
        storeSetting("mainX", x)
        storeSetting("mainY", y)
    }

    onXChanged: geometryMoved("tmpMainX", x, "mainX")
    onYChanged: geometryMoved("tmpMainY", y, "mainY")
    onWidthChanged: geometryResized("tmpMainWidth", width, Screen.width, Screen.desktopAvailableWidth)
    onHeightChanged: geometryResized("tmpMainHeight", height, Screen.height, Screen.desktopAvailableHeight)
    onVisibilityChanged: {
        if (!geometryReady)
            return
        if (visibility !== Window.Minimized && visibility !== Window.Hidden)
            storeSetting("mainVisibility", visibility)
        if (visibility === Window.FullScreen)
            isFullScreen = true
        else if (visibility === Window.Windowed || visibility === Window.Maximized)
            isFullScreen = false
    }
    onIsFullScreenChanged: {
        storeSetting("mainIsFullScreen", isFullScreen)
        if (isFullScreen && visibility !== Window.FullScreen)
            showFullScreen()
        else if (!isFullScreen && visibility === Window.FullScreen)
            showNormal()
    }

    Timer {
        id: geometrySaveTimer
        interval: applicationWindow.geometrySaveDelay
        onTriggered: applicationWindow.saveGeometry()
    }
    Timer {
        id: fullScreenFix
        interval: 0
        onTriggered: {
            if (applicationWindow.visibility === Window.FullScreen) {
                applicationWindow.width = Screen.width
                applicationWindow.height = Screen.height
            }
        }
    }
    Timer {
        id: quitSyncTimer
        interval: applicationWindow.quitSyncTimeout
        onTriggered: {
            console.log("quit-time sync did not end in time; closing")
            applicationWindow.finishQuitSync()
        }
    }

    // The writing lock makes the window full screen; its end brings back
    // the state the window had before (full screen or not, maximised or
    // where and how large it was), and with it the title and menu bar.
    // That state is kept by the locker, so a lock that outlives a restart
    // ends in it too, not in the full screen the restart found.
    property var stateBeforeLock: null
    function enterLock() {
        if (!stateBeforeLock) {
            var kept = locker.windowBeforeLock()
            stateBeforeLock = kept.width > 0 ? kept
                : { fullScreen: isFullScreen || visibility === Window.FullScreen,
                    maximized: visibility === Window.Maximized, x: x, y: y, width: width, height: height }
            locker.keepWindowBeforeLock(stateBeforeLock)
        }
        isFullScreen = true
    }
    function leaveLock() {
        var before = stateBeforeLock
        stateBeforeLock = null
        locker.keepWindowBeforeLock({})
        if (!before || before.fullScreen || lumoModel)
            return
        isFullScreen = false
        if (before.maximized) {
            showMaximized()
            return
        }
        x = before.x
        y = before.y
        width = before.width
        height = before.height
    }
    onLockStateChanged: {
        if (lockState) {
            // A lock found at start is entered once the stored geometry is
            // in place (Component.onCompleted).
            if (geometryReady)
                enterLock()
        } else {
            quietWindowTop = true
            windowTop = false
            quietWindowTop = false
            leaveLock()
        }
    }
    onLumoModelChanged: {
        if (lumoModel) {
            isFullScreen = true
            notice(qsTr("按 %1 键即可退出Lumo模式").arg(keys.message + keys.display("lumoModel")))
        } else if (!lockState) {
            isFullScreen = false
        }
    }
    onWindowTopChanged: {
        if (quietWindowTop)
            return
        if (windowTop)
            notice(qsTr("窗口已置顶"))
        else if (!lockState)
            notice(qsTr("窗口已取消置顶"))
        else
            notice(qsTr("锁定状态不能取消窗口置顶"))
    }

    // ---- activation ----------------------------------------------------

    onAppActive: cglobal.setIsAppAction(active)
    onActiveFirst: {
        cUpdate.checkNewVersion()
        // Only an account still signed in has its password kept.
        if (userdata.autologin && userdata.password !== "")
            user.login()
        cglobal.setIsAppActionFirst(true)
        console.log("firstActive use time :", cglobal.timeElapsed())
    }

    Connections {
        target: files
        ignoreUnknownSignals: true
        function onCloseFile(file) { applicationWindow.closeFile(file) }
        function onUpdatingChanged() {
            if (applicationWindow.isSyncedOnQuit && files.updating !== true)
                applicationWindow.finishQuitSync()
        }
    }
    Connections {
        target: user
        ignoreUnknownSignals: true
        function onLoginFinished(ok, err) {
            if (ok) {
                cloudDisk.sync(CloudDisk.Program)
                applicationWindow.checkThrough()
            }
        }
    }
    Connections {
        target: cglobal
        ignoreUnknownSignals: true
        function onShowHistory() { applicationWindow.openHistory() }
        function onShowConflictPage() { applicationWindow.showConflictPage() }
        function onSaveAllNoTips() { applicationWindow.saveAllNoTips() }
        function onSendQuitApp() { applicationWindow.close() }
    }
    Connections {
        target: cloudDisk
        ignoreUnknownSignals: true
        function onShowFolderQuestion() { applicationWindow.showFolderAccountSheet() }
    }
    Connections {
        target: csettings
        ignoreUnknownSignals: true
        function onShowLogin() { applicationWindow.showLogin() }
        function onMinimalistModelChanged() {
            applicationWindow.minimalistModel = applicationWindow.settingValue("minimalistModel", false) === true
        }
        function onLayoutLefttoRightChanged() {
            applicationWindow.leftToRightLayout = applicationWindow.settingValue("layoutLefttoRight", true) === true
        }
    }

    // ---- close sequence --------------------------------------------------

    onClosing: {
        if (g_data.lockState === true) {
            notice(qsTr("锁定状态不能退出程序"), 1)
            close.accepted = false
            return
        }
        if (isSyncedOnQuit) {
            // Everything was saved before the sync started; saving again now
            // would write the open tabs' text over versions it downloaded.
            if (!quitSyncEnded)
                close.accepted = false
            return
        }
        // Text that cannot be written (a full disk) is never dropped
        // silently: each failed document has told its file; the first close
        // is refused, the next one quits.
        if (!quitWithUnsaved && documentPage && typeof documentPage.saveAllNoTips === "function"
                && !documentPage.saveAllNoTips()) {
            quitWithUnsaved = true
            notice(qsTr("有文档未能保存，程序没有退出。再次退出时，未保存的内容会另存一份副本，下次启动时告知存放位置。"), 0)
            close.accepted = false
            return
        }
        mainCloseing()
        saveAll()
        countly.stop()
        cglobal.cleanHistoryPath()
        if (settingValue("cloudOnQuit", false) === true && settingValue("useCloud", false) === true
                && userdata.logined === true) {
            close.accepted = false
            doCloudOnQuit()
        }
    }

    // ---- construction ----------------------------------------------------

    Component.onCompleted: {
        keys.currentName = settingValue("keysName", "default")
        applyStoredGeometry()
        countly.start()
        if (settingValue("useLoginPassword", false) === true && settingValue("loginPassword", "") !== "")
            showLoginPassword()
        lumoModel = settingValue("lumoModel", false) === true
        minimalistModel = settingValue("minimalistModel", false) === true
        startVisibility()
        geometryReady = true
        if (lockState)
            enterLock()
        else
            locker.keepWindowBeforeLock({})
        layoutLoader.active = true
    }

    Loader {
        id: layoutLoader
        objectName: "layoutLoader"
        anchors.fill: parent
        // the frameless window draws its frame inside the window's edges
        anchors.leftMargin: applicationWindow.frameMargin
        anchors.rightMargin: applicationWindow.frameMargin
        anchors.bottomMargin: applicationWindow.frameMargin
        active: false
        source: "qrc:/qml/PcMain.qml"
        onStatusChanged: if (status === Loader.Error) console.log("error loading component:", source)
    }

    Loader {
        id: messageLoader
        anchors.centerIn: parent
        z: 1000
        source: "qrc:/qml/function/GlobalMessage.qml"
    }

    Loader {
        id: frameRateLoader
        anchors.right: parent.right
        anchors.top: parent.top
        width: 40
        height: 15
        z: 2000
        active: applicationWindow.debugBuild || cglobal.versionType() === "Alpha" || cglobal.versionType() === "Dev"
        source: "qrc:/qml/widget/FrameRateLabel.qml"
    }

    Loader {
        id: miniTipsLoader
        objectName: "miniTipsLoader"
        active: applicationWindow.minimalistModel && !!wordCountModel.currentCountClass
                && wordCountModel.currentCountClass.All >= 0
        source: "qrc:/qml/widget/MiniTipsWidget.qml"
        z: 1
        // Where the user last put it, else the lower corner at the lines'
        // end (right, or left when mirrored) above the status bar, so that
        // it covers neither the tabs nor the text start.
        x: Math.max(0, Math.min(parent.width - width, applicationWindow.settingValue("miniTipsX", -1) >= 0
                                ? applicationWindow.settingValue("miniTipsX", -1)
                                : LayoutMirroring.enabled ? 24 : parent.width - width - 24))
        y: Math.max(0, Math.min(parent.height - height, applicationWindow.settingValue("miniTipsY", -1) >= 0
                                ? applicationWindow.settingValue("miniTipsY", -1) : parent.height - height - 40))
    }

    Loader {
        id: typerLoader
        anchors.fill: parent
        z: 900
        active: applicationWindow.settingValue("isTypewriter", false) === true
                && applicationWindow.settingValue("typewriterFocusedText", 0) > 0
                && cglobal.isCurrentEdit === true
        source: "qrc:/qml/widget/TyperBackground.qml"
        onLoaded: if ("color" in item) item.color = "black"
    }

    QtObject { id: helpHolder; property var window: null }
    QtObject { id: countHolder; property var window: null }
    readonly property alias helpWindow: helpHolder.window
    readonly property alias countWindow: countHolder.window

    OnDemandLoader { id: pointsLoader; objectName: "pointsLoader"; source: "qrc:/qml/page/PointsWindow.qml" }
    OnDemandLoader { id: aboutLoader; objectName: "aboutLoader"; source: "qrc:/qml/page/AboutPage.qml" }
    OnDemandLoader { id: themeLoader; objectName: "themeLoader"; sourceComponent: Component { ThemePage {} } }
    OnDemandLoader {
        id: loginPasswordLoader; objectName: "loginPasswordLoader"
        anchors.fill: parent
        z: 10000
        sourceComponent: Component { LoginPasswordWidget {} }
        onItemClosed: active = false
    }
    OnDemandLoader {
        id: targetLoader; objectName: "targetLoader"
        source: "qrc:/qml/page/TargetPage.qml"
        onItemDoLock: applicationWindow.targetLocked()
    }
    OnDemandLoader { id: conflictLoader; objectName: "conflictLoader"; source: "qrc:/qml/page/ConflictPage.qml" }
    OnDemandLoader { id: folderAccountLoader; objectName: "folderAccountLoader"; source: "qrc:/qml/page/FolderAccountSheet.qml" }
    OnDemandLoader { id: shutdownLoader; objectName: "shutdownLoader"; sourceComponent: Component { ShutdownWindow {} } }
    OnDemandLoader { id: notesLoader; objectName: "notesLoader"; source: "qrc:/qml/page/NotesWindow.qml" }
    OnDemandLoader { id: fileHistoryLoader; objectName: "fileHistoryLoader"; source: "qrc:/qml/page/FileHistoryPage.qml" }
    OnDemandLoader {
        id: loginLoader; objectName: "loginLoader"
        source: "qrc:/qml/page/LoginPage.qml"
        onItemDestroyed: {
            if (item && typeof item.close === "function")
                item.close()
            active = false
        }
    }
    OnDemandLoader { id: throughTipsLoader; objectName: "throughTipsLoader"; source: "qrc:/qml/page/ThroughTipsDialog.qml" }
    OnDemandLoader {
        id: cloudSheetLoader; objectName: "cloudSheetLoader"
        sourceComponent: Component {
            CloudSheet { onQuitWithoutSync: applicationWindow.finishQuitSync() }
        }
        unloadOnDestroy: false
    }
}
