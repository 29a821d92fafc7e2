import QtQuick 2.15
import QtQuick.Dialogs 1.3 as D
import TovaUi 0.1
import com.velmora.clouddisk 1.0

// Asked when the document folder was last synced by another account. Its
// documents go into the signed-in account only when the writer says so;
// otherwise the writer picks another folder for this account. Until then the
// sync moves nothing; closing the sheet leaves the question for the cloud
// button. The question holds up nothing else: the sheet is not modal, so the
// window's close button and Ctrl+Q still quit while it is open.
SheetWindow {
    id: sheet
    objectName: "folderAccountSheet"
    title: qsTr("文档目录属于另一个账号")
    showTitleAndClose: true
    isShowOk: false
    isShowCloseButton: true
    useScrollView: false
    modal: false

    // The folder chosen in the dialog, once the files object has taken it.
    function useFolder(folder) {
        if (folder.toString() !== files.documentUrl.toString())
            files.documentUrl = folder
        if (folder.toString() !== files.documentUrl.toString())
            return
        sheet.doCancel()
        cloudDisk.sync(CloudDisk.Writer)
    }

    Text {
        objectName: "folderAccountText"
        width: 420
        wrapMode: Text.Wrap
        color: g_theme.foregroundColor
        text: (cloudDisk.folderAccount !== ""
               ? qsTr("文档目录“%1”上次由账号“%2”同步。").arg(files.documentPath).arg(cloudDisk.folderAccount)
               : qsTr("文档目录“%1”上次由另一个账号同步。").arg(files.documentPath))
              + "\n\n"
              + qsTr("要把其中的文档合并到当前账号“%1”，还是为当前账号另选一个文档目录？选择之前，不会上传、下载或删除任何文档。").arg(userdata.login)
    }
    Row {
        spacing: 10
        Button {
            objectName: "mergeFolderButton"
            text: qsTr("合并到当前账号")
            onClicked: if (cloudDisk.mergeFolder()) sheet.doCancel()
        }
        Button {
            objectName: "otherFolderButton"
            text: qsTr("另选文档目录")
            // The desktop dialog takes its folder when it is shown, so the
            // folder is set again once it is open.
            onClicked: {
                folderDialog.folder = files.documentUrl
                folderDialog.open()
                folderDialog.folder = files.documentUrl
            }
        }
    }

    D.FileDialog {
        id: folderDialog
        title: qsTr("另选文档目录")
        selectFolder: true
        folder: files.documentUrl
        onAccepted: sheet.useFolder(fileUrl)
    }
}
