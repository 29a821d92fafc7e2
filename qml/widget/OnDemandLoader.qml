import QtQuick 2.15

// Builds a secondary window, sheet or overlay on request and destroys it
// when it emits destroyWindow, so the next request builds it afresh.
// (A Loader cannot hold the sheets, which are popups, not items.)
Item {
    id: holder
    property url source: ""
    property Component sourceComponent: null
    property bool active: false
    property var item: null
    property bool unloadOnDestroy: true

    signal itemDestroyed()
    signal itemClosed()
    signal itemDoLock()

    onActiveChanged: active ? load() : unload()

    function load() {
        if (item)
            return
        var component = sourceComponent ? sourceComponent : Qt.createComponent(source)
        if (component.status !== Component.Ready) {
            console.log("error loading component:", component.errorString())
            active = false
            return
        }
        var object = component.createObject(holder)
        if (!object) {
            console.log("error loading component:", source)
            active = false
            return
        }
        item = object
    }
    function unload() {
        if (!item)
            return
        var object = item
        item = null
        object.destroy()
    }

    Connections {
        target: holder.item
        ignoreUnknownSignals: true
        function onDestroyWindow() {
            holder.itemDestroyed()
            if (holder.unloadOnDestroy)
                holder.active = false
        }
        function onClose() { holder.itemClosed() }
        function onDoLock() { holder.itemDoLock() }
    }
}
