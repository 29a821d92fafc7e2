import QtQuick 2.15
import QtQuick.Controls 2.15 as C
import TovaUi 0.1
import com.velmora.clouddisk 1.0

// The sync button of the status bar: a cloud while idle, a spinner while a
// sync runs, a red dot while conflicts or the folder question wait for the
// user.
Item {
    id: button
    objectName: "cloudButton"
    readonly property var config: GlobalConfig {}
    readonly property bool busy: files.updating
    readonly property bool hasConflicts: cloudDisk.conflictFileList.length > 0 || cloudDisk.folderQuestion
    readonly property string tips: files.cloudTips !== "" ? files.cloudTips : qsTr("云同步")
    implicitWidth: 24
    implicitHeight: 24

    function activate() { cloudDisk.sync(CloudDisk.Writer) }

    ToolButton {
        id: cloud
        objectName: "cloudIcon"
        anchors.fill: parent
        visible: !button.busy
        icontext: button.config.cloudIcon
        hoverText: button.tips
        onClicked: button.activate()
    }

    Item {
        objectName: "cloudLoading"
        anchors.fill: parent
        visible: button.busy
        LoadingImage {
            anchors.centerIn: parent
            showTitle: false
            imageWidth: 16
        }
        MouseArea {
            id: loadingArea
            anchors.fill: parent
            hoverEnabled: true
            onClicked: button.activate()
        }
        C.ToolTip.visible: loadingArea.containsMouse
        C.ToolTip.text: button.tips
    }

    Rectangle {
        objectName: "conflictDot"
        width: 6
        height: 6
        radius: 8
        color: "red"
        anchors.top: parent.top
        anchors.right: parent.right
        visible: button.hasConflicts
    }
}
