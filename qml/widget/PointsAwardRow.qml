import QtQuick 2.15
import TovaUi 0.1

// One points award: a text and a button "获取" that is enabled while the
// award is still to be claimed. Claiming needs a signed-in account; signed
// out, the sign-in page opens and the award stays unclaimed.
Row {
    id: row
    property string text: ""
    property int points: 0
    property string explain: ""
    property bool available: true
    signal claimed()

    spacing: 12
    Text {
        width: 220
        anchors.verticalCenter: parent.verticalCenter
        text: row.text
        color: g_theme.foregroundColor
        font.pixelSize: 13
        wrapMode: Text.Wrap
    }
    Button {
        objectName: "claimButton"
        text: row.available ? qsTr("获取") : qsTr("已获取")
        enabled: row.available
        onClicked: {
            if (userdata.logined !== true) {
                csettings.showLogin()
                return
            }
            userdata.addPoints(row.points, row.explain)
            userdata.updatePoints()
            row.claimed()
        }
    }
}
