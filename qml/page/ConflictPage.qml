import QtQuick 2.15
import QtQuick.Controls 2.15 as C
import TovaUi 0.1
import com.velmora.clouddisk 1.0

// The user's choice for documents changed both here and on the server: this
// computer's text beside the cloud's, each with the time of its version and
// shown from the first line where they differ; keep one of them or both.
// Closing the page runs a quiet sync that uploads the results.
SheetWindow {
    id: sheet
    objectName: "conflictPage"
    property string current: cloudDisk.conflictFileList.length > 0 ? cloudDisk.conflictFileList[0] : ""
    property var sides: ({})
    title: qsTr("冲突选择") + (current !== "" ? " - " + current : "")
    showTitleAndClose: true
    isShowOk: false
    isShowCloseButton: true
    useScrollView: false

    onClosed: cloudDisk.sync(CloudDisk.Program)

    Connections {
        target: cloudDisk
        function onConflictFileListChanged(list) {
            if (list.length > 0)
                sheet.current = list[0]
        }
    }

    function solve(keep) {
        if (cloudDisk.solveConflict(current, keep) && cloudDisk.conflictFileList.length === 0)
            sheet.doCancel()
        else if (cloudDisk.conflictFileList.length > 0 && cloudDisk.conflictFileList.indexOf(current) < 0)
            current = cloudDisk.conflictFileList[0]
    }
    function dateText(date) {
        // to the second: two versions saved within a minute still differ here
        return date && !isNaN(date.getTime()) ? Qt.formatDateTime(date, "yyyy-MM-dd hh:mm:ss") : ""
    }
    // The first differing line, selected, a third of the way down the view.
    // An empty line, or the end of a text the other goes on from, is marked
    // by the character beside it, so that each view shows the place.
    function reveal(view, flick, offset) {
        var end = view.text.indexOf("\n", offset)
        if (end < 0)
            end = view.length
        var start = offset
        if (start === end) {
            if (end < view.length)
                ++end
            else if (start > 0)
                --start
        }
        view.select(start, end)
        view.mark = view.positionToRectangle(offset)
        var y = view.mark.y
        flick.contentY = Math.max(0, Math.min(y - flick.height / 3, view.height - flick.height))
    }

    // One side of the conflict: its name and the time of its version, the
    // text, and the button that keeps it.
    component Side: Column {
        property string side
        property string name
        property string date
        readonly property alias view: view
        readonly property alias flick: flick
        signal keep()
        spacing: 6
        Text {
            objectName: side + "Label"
            text: name + "  " + date
            font.bold: true
            color: g_theme.foregroundColor
        }
        Flickable {
            id: flick
            objectName: side + "Flick"
            width: 260
            height: 300
            clip: true
            C.ScrollBar.vertical: C.ScrollBar {}
            C.TextArea.flickable: C.TextArea {
                id: view
                objectName: side + "Text"
                readOnly: true
                persistentSelection: true
                wrapMode: Text.Wrap
                color: g_theme.foregroundColor
                // The differing line is marked across the view: a
                // selection alone does not show on an empty line.
                property rect mark: Qt.rect(0, 0, 0, 0)
                Rectangle {
                    objectName: side + "Mark"
                    y: view.mark.y
                    width: view.width
                    height: view.mark.height
                    visible: height > 0
                    color: g_theme.selectedColor
                    opacity: 0.35
                }
            }
        }
        Button {
            objectName: side + "KeepButton"
            text: qsTr("留下这个，删除另一个")
            onClicked: keep()
        }
    }

    function fill() {
        if (!ready || current === "")
            return
        sides = cloudDisk.conflictSides(current)
        localSide.view.text = sides.localText
        serverSide.view.text = sides.serverText
        reveal(localSide.view, localSide.flick, sides.localOffset)
        reveal(serverSide.view, serverSide.flick, sides.serverOffset)
    }
    onCurrentChanged: fill()
    // The views take their text once they are complete.
    property bool ready: false
    Component.onCompleted: {
        ready = true
        fill()
    }

    Row {
        spacing: 10
        ListView {
            id: list
            objectName: "conflictList"
            width: 150
            height: 360
            clip: true
            model: cloudDisk.conflictFileList
            delegate: C.ItemDelegate {
                width: list.width
                text: modelData
                highlighted: modelData === sheet.current
                onClicked: sheet.current = modelData
            }
        }
        Side {
            id: localSide
            side: "local"
            name: qsTr("本机")
            date: sheet.dateText(sheet.sides.localDate)
            onKeep: sheet.solve(CloudDisk.KeepLocal)
        }
        Side {
            id: serverSide
            side: "server"
            name: qsTr("云端")
            date: sheet.dateText(sheet.sides.serverDate)
            onKeep: sheet.solve(CloudDisk.KeepServer)
        }
    }
    Button {
        objectName: "keepBothButton"
        text: qsTr("All Keep")
        onClicked: sheet.solve(CloudDisk.KeepBoth)
    }
}
