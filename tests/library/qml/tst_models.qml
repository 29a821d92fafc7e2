import QtQuick 2.15
import QtTest 1.2
import TovaUi 0.1

// JSONListModel rows and queries, BarGraph heights and arrows, FontSizeBox
// stepping.
Item {
    id: root
    width: 800
    height: 600

    readonly property string levels: JSON.stringify({
        "data": {
            "main": [ { "id": "speed", "name": "速度", "count": 3 },
                      { "id": "endurance", "name": "耐力", "count": 5 } ],
            "speed": [ { "level": 1, "words": 500 }, { "level": 2, "words": 1000 } ],
            "tags": [ "a", "b", "c" ]
        }
    })

    JSONListModel { id: jsonModel }
    Component { id: graphComponent; BarGraph {} }
    Component { id: fontBoxComponent; FontSizeBox {} }
    ListModel {
        id: bars
        ListElement { name: "一"; number: 50; max: 100 }
        ListElement { name: "二"; number: 150; max: 100 }
        ListElement { name: "三"; number: 0; max: 100 }
        ListElement { name: "四"; number: 100; max: 100 }
    }

    TestCase {
        name: "Models"
        when: windowShown

        function init() {
            jsonModel.query = ""
            jsonModel.json = ""
        }

        function test_jsonRows_data() {
            return [
                { tag: "wildcard", query: "$.data.main[*]", count: 2, role: "name", first: "速度" },
                { tag: "by mode id", query: "$.data.speed[*]", count: 2, role: "words", first: 1000, at: 1 },
                { tag: "plain path to array", query: "$.data.main", count: 2, role: "id", first: "speed" },
                { tag: "index", query: "$.data.main[1]", count: 1, role: "name", first: "耐力" },
                { tag: "negative index", query: "$.data.main[-1]", count: 1, role: "id", first: "endurance" },
                { tag: "primitives", query: "$.data.tags[*]", count: 3, role: "value", first: "c", at: 2 },
                { tag: "missing key", query: "$.data.none[*]", count: 0 },
                { tag: "member of each", query: "$.data.main[*].name", count: 2, role: "value", first: "耐力", at: 1 },
                { tag: "object members", query: "$.data.*", count: 3 }
            ]
        }

        function test_jsonRows(data) {
            jsonModel.json = root.levels
            jsonModel.query = data.query
            compare(jsonModel.count, data.count)
            compare(jsonModel.model.count, data.count)
            if (data.role !== undefined)
                compare(jsonModel.get(data.at || 0)[data.role], data.first)
            compare(jsonModel.errorString, "")
        }

        function test_jsonChangeReplacesRows() {
            jsonModel.query = "$.data.main[*]"
            jsonModel.json = root.levels
            compare(jsonModel.count, 2)
            jsonModel.json = JSON.stringify({ "data": { "main": [ { "name": "x" } ] } })
            compare(jsonModel.count, 1)
            compare(jsonModel.get(0).name, "x")
        }

        function test_rootArray() {
            jsonModel.json = "[{\"a\": 1}, {\"a\": 2}, {\"a\": 3}]"
            compare(jsonModel.count, 3)
            compare(jsonModel.get(2).a, 3)
        }

        function test_badInput_data() {
            return [
                { tag: "broken JSON", json: "{\"data\": [", query: "$.data[*]" },
                { tag: "bad query", json: "{\"data\": []}", query: "data[*" }
            ]
        }

        function test_badInput(data) {
            jsonModel.query = data.query
            jsonModel.json = data.json
            compare(jsonModel.count, 0)
            verify(jsonModel.errorString !== "")
        }

        function test_barHeights() {
            var graph = createTemporaryObject(graphComponent, root, { model: bars })
            compare(graph.title, "柱状图")
            compare(graph.count, 4)
            var expected = [115, 230, 0, 230]
            for (var i = 0; i < expected.length; ++i)
                compare(graph.barAt(i).barHeight, expected[i], "bar " + i)
        }

        function test_barHeightFunction_data() {
            return [
                { tag: "half", number: 10, max: 20, height: 115 },
                { tag: "above max", number: 30, max: 20, height: 230 },
                { tag: "zero max", number: 5, max: 0, height: 230 },
                { tag: "zero of zero", number: 0, max: 0, height: 0 },
                { tag: "negative", number: -5, max: 20, height: 0 },
                { tag: "text values", number: "5", max: "10", height: 115 }
            ]
        }

        function test_barHeightFunction(data) {
            var graph = createTemporaryObject(graphComponent, root)
            compare(graph.barHeight(data.number, data.max), data.height)
        }

        function test_barArrows() {
            var graph = createTemporaryObject(graphComponent, root, { model: bars })
            var prev = findChild(graph, "previousButton")
            var next = findChild(graph, "nextButton")
            var prevSpy = createTemporaryObject(spyComponent, root, { target: graph, signalName: "previous" })
            var nextSpy = createTemporaryObject(spyComponent, root, { target: graph, signalName: "next" })
            compare(prev.enabled, false)
            mouseClick(prev)
            compare(prevSpy.count, 0)
            graph.hasPrevious = true
            graph.hasNext = true
            mouseClick(prev)
            mouseClick(next)
            mouseClick(next)
            compare(prevSpy.count, 1)
            compare(nextSpy.count, 2)
        }

        // Every entry in order, stepping up from the first and wrapping.
        function test_fontSizeBoxLists() {
            var box = createTemporaryObject(fontBoxComponent, root, { fontSize: 8 })
            var seen = [box.currentText]
            for (var i = 0; i < 17; ++i) {
                mouseClick(findChild(box, "upButton"))
                seen.push(box.currentText)
                compare(String(box.fontSize), box.currentText)
            }
            compare(seen.join(" "), "8 9 10 10.5 11 12 14 16 18 20 22 24 26 28 36 48 72 8")
            mouseClick(findChild(box, "downButton"))
            compare(box.fontSize, 72)
            mouseClick(findChild(box, "downButton"))
            compare(box.fontSize, 48)
        }

        function test_fontSizeBoxSelects_data() {
            return [
                { tag: "entry", size: 12, shown: "12", index: 5 },
                { tag: "half point", size: 10.5, shown: "10.5", index: 3 },
                { tag: "editor's size", size: -1, shown: "16", index: 7 },
                { tag: "no entry", size: 13, shown: "13", index: -1 }
            ]
        }
        function test_fontSizeBoxSelects(data) {
            var box = createTemporaryObject(fontBoxComponent, root, { fontSize: data.size })
            compare(box.currentText, data.shown)
            compare(box.currentIndex, data.index)
            compare(box.fontSize, data.size)
        }

        // A later change of fontSize, or of the editor's size behind -1,
        // moves the selection with it.
        function test_fontSizeBoxFollows() {
            var box = createTemporaryObject(fontBoxComponent, root, { fontSize: 12 })
            box.fontSize = 24
            compare(box.currentText, "24")
            box.fontSize = -1
            compare(box.currentText, "16")
            csettings.editFontSize = 20
            compare(box.currentText, "20")
            box.fontSize = 15
            compare(box.currentText, "15")
            compare(box.currentIndex, -1)
            csettings.editFontSize = 16
        }

        // From a size that is no entry the arrows go to its neighbours.
        function test_fontSizeBoxStepsFromOffList() {
            var box = createTemporaryObject(fontBoxComponent, root, { fontSize: 13 })
            box.up()
            compare(box.fontSize, 14)
            box.fontSize = 13
            box.down()
            compare(box.fontSize, 12)
            box.fontSize = 100
            box.up()
            compare(box.fontSize, 8)
        }
    }

    Component { id: spyComponent; SignalSpy {} }
}
