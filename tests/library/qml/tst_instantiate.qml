import QtQuick 2.15
import QtTest 1.2
import TovaUi 0.1

// Every type of the module's qmldir can be created, and every icon of the
// icon table has a glyph in both icon fonts.
Item {
    id: root
    width: 800
    height: 600

    function readFile(url) { return fontCheck.readFile(url) }

    function qmldirEntries() {
        var lines = readFile("qrc:/TovaUi/qmldir").split("\n")
        var entries = []
        for (var i = 0; i < lines.length; ++i) {
            var parts = lines[i].trim().split(/\s+/)
            if (parts.length < 2 || parts[0] === "module")
                continue
            if (parts[0] === "singleton")
                entries.push({ kind: "singleton", name: parts[1], file: parts[3] })
            else if (parts[0] === "internal")
                entries.push({ kind: "internal", name: parts[1], file: parts[2] })
            else
                entries.push({ kind: "type", name: parts[0], file: parts[2] })
        }
        return entries
    }

    TestCase {
        name: "Instantiate"
        when: windowShown

        function test_everyEntryCreates() {
            var entries = root.qmldirEntries()
            verify(entries.length > 80, "qmldir lists the library")
            for (var i = 0; i < entries.length; ++i) {
                var e = entries[i]
                var obj = null
                if (e.name === "TyperTextAreaStyle") {
                    // A style exists only inside the control it styles.
                    obj = Qt.createQmlObject("import TovaUi 0.1\nTyperTextArea { style: TyperTextAreaStyle {} }", root, "entry_" + e.name)
                } else if (e.kind === "type") {
                    obj = Qt.createQmlObject("import TovaUi 0.1\n" + e.name + " {}", root, "entry_" + e.name)
                } else if (e.kind === "internal") {
                    var c = Qt.createComponent("qrc:/TovaUi/" + e.file)
                    compare(c.status, Component.Ready, e.name + ": " + c.errorString())
                    obj = c.createObject(root)
                } else {
                    obj = Qt.createQmlObject("import QtQuick 2.15\nimport TovaUi 0.1\nQtObject { property color c: "
                                             + e.name + ".tintColor }", root, "singleton_" + e.name)
                }
                verify(obj !== null, e.name + " creates")
                if (obj.close !== undefined && obj.opened !== undefined)
                    obj.close()
                obj.destroy()
                wait(0)
            }
        }

        function test_fileExistsForEveryEntry() {
            var entries = root.qmldirEntries()
            for (var i = 0; i < entries.length; ++i)
                verify(root.readFile("qrc:/TovaUi/" + entries[i].file).length > 0, entries[i].file)
        }

        function test_iconsHaveGlyphs() {
            var config = Qt.createQmlObject("import TovaUi 0.1\nGlobalConfig {}", root)
            var old = Qt.createQmlObject("import TovaUi 0.1\nIconObject {}", root)
            var text = ""
            var objs = [config, old]
            for (var o = 0; o < objs.length; ++o)
                for (var key in objs[o])
                    if (/Icon$/.test(key) && typeof objs[o][key] === "string")
                        text += objs[o][key]
            text += "\ue612\ue613"
            verify(text.length >= 26)
            compare(fontCheck.missingGlyphs("qrc:/TovaUi/icon/iconfont.ttf", text), [])
            compare(fontCheck.missingGlyphs("qrc:/TovaUi/icon/fontello.ttf", text), [])
            compare(fontCheck.familyOf("qrc:/TovaUi/icon/iconfont.ttf"), "iconfont")
            compare(fontCheck.familyOf("qrc:/TovaUi/icon/fontello.ttf"), "fontello")
            config.destroy()
            old.destroy()
        }

        function test_constantFollowsTheme() {
            compare(Constant.tintColor, g_theme.accentColor)
            compare(Constant.iconFont, "iconfont")
        }
    }
}
