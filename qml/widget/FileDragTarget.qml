import QtQuick 2.15

// The drop area over the main view: it accepts a drag only when every file
// is a ".md" or ".txt" document, greys the window while one hovers, and
// opens each dropped document.
DropArea {
    id: target
    objectName: "fileDragTarget"
    property var window: applicationWindow
    property bool hovering: false

    function acceptable(urls) {
        if (!urls || urls.length === 0)
            return false
        for (var i = 0; i < urls.length; ++i) {
            var s = String(urls[i]).toLowerCase()
            if (!(/\.(md|txt)$/.test(s)))
                return false
        }
        return true
    }

    onEntered: {
        drag.accepted = acceptable(drag.urls)
        hovering = drag.accepted
    }
    onExited: hovering = false
    onDropped: {
        hovering = false
        if (!acceptable(drop.urls))
            return
        for (var i = 0; i < drop.urls.length; ++i)
            window.openFile(String(drop.urls[i]))
        drop.acceptProposedAction()
    }

    Rectangle {
        anchors.fill: parent
        visible: target.hovering
        color: "#60000000"
    }
}
