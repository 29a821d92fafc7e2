import QtQuick 2.15
import QtQuick.Controls 2.15 as C
import TovaUi 0.1

// The user's choice for documents changed both here and on the server: the
// local text beside the server's, keep one of them or both. Closing the page
// runs a quiet sync that uploads the results.
SheetWindow {
    id: sheet
    objectName: "conflictPage"
    property string current: cloudDisk.conflictFileList.length > 0 ? cloudDisk.conflictFileList[0] : ""
    title: qsTr("冲突选择") + (current !== "" ? " - " + current : "")
    showTitleAndClose: true
    isShowOk: false
    isShowCloseButton: true
    useScrollView: false

    onClosed: cloudDisk.doUpdate()

    Connections {
        target: cloudDisk
        function onConflictFileListChanged(list) {
            if (list.length > 0)
                sheet.current = list[0]
        }
    }

    function readText(url, view) {
        view.text = functions.readTextFile(url)
    }

    function solve(keep) {
        if (cloudDisk.solveConflict(current, keep) && cloudDisk.conflictFileList.length === 0)
            sheet.doCancel()
        else if (cloudDisk.conflictFileList.length > 0 && cloudDisk.conflictFileList.indexOf(current) < 0)
            current = cloudDisk.conflictFileList[0]
    }

    onCurrentChanged: {
        if (current === "")
            return
        readText(cloudDisk.getLocalFullPath(current), localText)
        readText(cloudDisk.getServerFullPath(current), serverText)
    }
    Component.onCompleted: currentChanged()

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
        Column {
            spacing: 6
            C.ScrollView {
                width: 260
                height: 320
                C.TextArea {
                    id: localText
                    objectName: "localText"
                    readOnly: true
                    wrapMode: Text.Wrap
                    color: g_theme.foregroundColor
                }
            }
            Button {
                objectName: "localKeepButton"
                text: qsTr("留下这个，删除另一个")
                onClicked: sheet.solve(0)
            }
        }
        Column {
            spacing: 6
            C.ScrollView {
                width: 260
                height: 320
                C.TextArea {
                    id: serverText
                    objectName: "serverText"
                    readOnly: true
                    wrapMode: Text.Wrap
                    color: g_theme.foregroundColor
                }
            }
            Button {
                objectName: "serverKeepButton"
                text: qsTr("留下这个，删除另一个")
                onClicked: sheet.solve(1)
            }
        }
    }
    Button {
        objectName: "keepBothButton"
        text: qsTr("All Keep")
        onClicked: sheet.solve(2)
    }

}
