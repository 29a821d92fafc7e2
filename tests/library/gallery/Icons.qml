import QtQuick 2.15
import TovaUi 0.1

// Every icon of the icon font at a large size, for checking the drawings:
// the gallery command with GALLERY_PAGE=Icons.qml.
Rectangle {
    width: 900; height: 200; color: "white"
    GlobalConfig { id: c }
    Flow {
        anchors.fill: parent; anchors.margins: 8; spacing: 10
        Repeater {
            model: ["\ue60c","\ue610","\ue60d","\ue651","\ue629","\ue62a","\ue628","\ue65a","\ue658","\ue601","\ue751","\ue60e","\ue66b","\ue611","\ue815","\ue70e","\ue65e","\ue69a","\ue708","\ue625","\ue621","\ue683","\ue893","\ue84f","\ue612","\ue613"]
            Text { text: modelData; font.family: Constant.iconFont; font.pixelSize: 56; color: "black" }
        }
    }
}
