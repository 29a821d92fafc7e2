import QtQuick 2.15

// Stand-ins for the objects the shell drives, with the real objects'
// property, method and signal names; each counts what the shell asks of it.
// reset() puts everything back to a fresh start.
QtObject {
    id: root

    function reset() {
        cglobal.appActions = []
        cglobal.firstCalls = 0
        cglobal.cleanCalls = 0
        cglobal.isCurrentEdit = false
        csettings.reset()
        files.updating = false
        files.startsSync = true
        files.doCloudCalls = 0
        files.recentFiles = []
        cloudDisk.conflictFileList = []
        cloudDisk.origins = []
        g_data.lockState = false
        g_data.lockWord = 0
        g_data.lockSecond = 0
        locker.lockCalls = 0
        locker.keptWindow = {}
        wordCountModel.currentCountClass = wordCountModel.counts(-1)
        countly.starts = 0
        countly.stops = 0
        cUpdate.checks = 0
        user.logins = 0
        userdata.logined = false
        userdata.autologin = true
        keys.currentName = ""
        message.texts = []
        csettings.miniTipsX = -1
        csettings.miniTipsY = -1
    }

    property QtObject cglobal: QtObject {
        property var appActions: []
        property int firstCalls: 0
        property int cleanCalls: 0
        property bool isCurrentEdit: false
        property int leftBarWidth: 0
        property int rightBarWidth: 0
        signal sendQuitApp()
        signal showHistory()
        signal showConflictPage()
        signal saveAllNoTips()
        function appName() { return "Penlark" }
        function version() { return "2.0.13" }
        function versionType() { return "Master" }
        function timeElapsed() { return 1 }
        function setIsAppAction(active) { appActions = appActions.concat([active]) }
        function setIsAppActionFirst(value) { firstCalls += 1 }
        function cleanHistoryPath() { cleanCalls += 1; return true }
        function tmpPath() { return "/tmp" }
    }

    property QtObject csettings: QtObject {
        property string keysName: "default"
        property int tmpMainX: 50
        property int tmpMainY: 60
        property int tmpMainWidth: 920
        property int tmpMainHeight: 600
        property int mainX: 50
        property int mainY: 60
        property int mainWidth: 920
        property int mainHeight: 600
        property int mainVisibility: 2
        property int miniTipsX: -1
        property int miniTipsY: -1
        property bool mainIsFullScreen: false
        property bool lumoModel: false
        property bool minimalistModel: false
        property bool layoutLefttoRight: true
        property string currentFunction: "files"
        property bool useLoginPassword: false
        property string loginPassword: ""
        property bool cloudOnQuit: false
        property bool useCloud: true
        property bool isThroughing: false
        property string throughType: ""
        property int throughNumber: 0
        property bool isTypewriter: false
        property int typewriterFocusedText: 2
        property int typewriterFixedRolling: 4
        property bool isTypewriterMarkCurrentLine: true
        signal showLogin()
        function reset() {
            keysName = "default"
            tmpMainX = 50; tmpMainY = 60; tmpMainWidth = 920; tmpMainHeight = 600
            mainX = 50; mainY = 60; mainWidth = 920; mainHeight = 600
            mainVisibility = 2
            mainIsFullScreen = false
            lumoModel = false
            minimalistModel = false
            layoutLefttoRight = true
            currentFunction = "files"
            useLoginPassword = false
            loginPassword = ""
            cloudOnQuit = false
            useCloud = true
            isThroughing = false
            throughType = ""
            isTypewriter = false
        }
    }

    // The sync: doCloud() starts a run (updating turns true) unless
    // startsSync is false; tests end it by setting updating back to false.
    property QtObject files: QtObject {
        property bool updating: false
        property bool startsSync: true
        property int doCloudCalls: 0
        property var recentFiles: []
        signal closeFile(string file)
        function doCloud(showError) {
            doCloudCalls += 1
            if (startsSync)
                updating = true
        }
        function clearRecentFiles() { recentFiles = [] }
    }

    // The one entry point of the sync: records who started it and starts a
    // run as files.doCloud() does.
    property QtObject cloudDisk: QtObject {
        property var conflictFileList: []
        property bool folderQuestion: false
        property var origins: []
        signal showFolderQuestion()
        function sync(origin) {
            origins = origins.concat([origin])
            files.doCloud()
        }
    }

    property QtObject g_data: QtObject {
        property bool lockState: false
        property int lockWord: 0
        property int lockSecond: 0
    }

    property QtObject locker: QtObject {
        property int lockCalls: 0
        property var keptWindow: ({})
        function doLock() { lockCalls += 1 }
        function windowBeforeLock() { return keptWindow }
        function keepWindowBeforeLock(state) { keptWindow = state }
    }

    property QtObject wordCountModel: QtObject {
        property var currentCountClass: counts(-1)
        function counts(all) {
            return { All: all, NoSpace: 0, Numbers: 0, HalfWidthSpace: 0, FullWidthSpace: 0, Chars: 0,
                     Words: 0, Paragraphs: 0, Letters: 0, Selection: 0, Front: 0 }
        }
    }

    property QtObject countly: QtObject {
        property int starts: 0
        property int stops: 0
        function start() { starts += 1 }
        function stop() { stops += 1 }
    }

    property QtObject cUpdate: QtObject {
        property int checks: 0
        function checkNewVersion() { checks += 1 }
    }

    property QtObject user: QtObject {
        property int logins: 0
        signal loginFinished(bool ok, string error)
        function login() { logins += 1 }
    }

    property QtObject userdata: QtObject {
        property bool logined: false
        property bool autologin: true
        property string avatar_file: ""
    }

    property QtObject keys: QtObject {
        property string message: ""
        property string currentName: ""
        property var table: ({ fileNew: "Ctrl+N", fileOpen: "Ctrl+O", fileSave: "Ctrl+S", showFile: "Ctrl+1",
                               showNotes: "Ctrl+6", lumoModel: "Ctrl+Return", help: "F1", showSetting: "Ctrl+," })
        property ListModel keysModel: ListModel {
            ListElement { name: "fileNew" }
            ListElement { name: "help" }
        }
        function getKey(name) { return table[name] === undefined ? "" : table[name] }
        function display(name) { return getKey(name) }
    }

    property QtObject message: QtObject {
        property var texts: []
        signal showMessage(string text, int type, int timeout, string subText)
        function show(text, type, timeout, subText) { texts = texts.concat([text]) }
    }
}
