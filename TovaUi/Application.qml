import QtQuick 2.15

// The root presenter of the phone-style navigation.
Item {
    id: app
    property var rootViewController: null
    function present(source, options) {
        var c = typeof source === "string" ? Qt.createComponent(source) : source
        var page = c.createObject(app, options || {})
        if (page) {
            page.width = Qt.binding(function() { return app.width })
            page.height = Qt.binding(function() { return app.height })
        }
        return page
    }
}
