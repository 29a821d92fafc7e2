import QtQuick 2.15

// A list model filled from a JSON text (json) or file (source), optionally
// narrowed by a path query. Supported query forms: "$", "$.a.b", "$.a[2]",
// "$.a[*]", "$.a.*" and combinations; every selected object becomes a row
// whose fields are roles, other values become rows with the role "value".
Item {
    id: root
    property string source: ""
    property string json: ""
    property string query: ""
    property string errorString: ""
    readonly property ListModel model: ListModel { id: listModel; dynamicRoles: true }
    readonly property alias count: listModel.count

    onSourceChanged: load()
    onJsonChanged: update()
    onQueryChanged: update()

    function load() {
        if (source === "")
            return
        var xhr = new XMLHttpRequest()
        xhr.open("GET", source)
        xhr.onreadystatechange = function() {
            if (xhr.readyState === XMLHttpRequest.DONE)
                root.json = xhr.responseText
        }
        xhr.send()
    }

    // Splits "$.a.b[*][0]" into ["a", "b", "*", 0].
    function parseQuery(q) {
        var steps = []
        var s = q.trim()
        if (s === "" || s === "$")
            return steps
        if (s.charAt(0) !== "$")
            return null
        var i = 1
        while (i < s.length) {
            var c = s.charAt(i)
            if (c === ".") {
                var j = i + 1
                while (j < s.length && s.charAt(j) !== "." && s.charAt(j) !== "[")
                    ++j
                var name = s.substring(i + 1, j)
                if (name === "")
                    return null
                steps.push(name)
                i = j
            } else if (c === "[") {
                var k = s.indexOf("]", i)
                if (k < 0)
                    return null
                var inner = s.substring(i + 1, k).trim()
                if (inner === "*")
                    steps.push("*")
                else if (/^-?\d+$/.test(inner))
                    steps.push(parseInt(inner, 10))
                else if (/^'.*'$/.test(inner) || /^".*"$/.test(inner))
                    steps.push(inner.substring(1, inner.length - 1))
                else
                    return null
                i = k + 1
            } else {
                return null
            }
        }
        return steps
    }

    function select(data, steps) {
        var current = [data]
        for (var s = 0; s < steps.length; ++s) {
            var step = steps[s]
            var next = []
            for (var n = 0; n < current.length; ++n) {
                var node = current[n]
                if (node === null || typeof node !== "object")
                    continue
                if (step === "*") {
                    if (Array.isArray(node))
                        next = next.concat(node)
                    else
                        for (var key in node) next.push(node[key])
                } else if (typeof step === "number") {
                    if (Array.isArray(node)) {
                        var idx = step < 0 ? node.length + step : step
                        if (idx >= 0 && idx < node.length)
                            next.push(node[idx])
                    }
                } else if (node.hasOwnProperty(step)) {
                    next.push(node[step])
                }
            }
            current = next
        }
        // a plain path to an array lists its elements
        if (steps.length === 0 || steps[steps.length - 1] !== "*") {
            if (current.length === 1 && Array.isArray(current[0]))
                return current[0]
        }
        return current
    }

    function update() {
        listModel.clear()
        errorString = ""
        if (json === "")
            return
        var data
        try {
            data = JSON.parse(json)
        } catch (e) {
            errorString = "JSON: " + e.message
            return
        }
        var steps = parseQuery(query)
        if (steps === null) {
            errorString = "query: " + query
            return
        }
        var rows = select(data, steps)
        for (var i = 0; i < rows.length; ++i) {
            var row = rows[i]
            if (row !== null && typeof row === "object" && !Array.isArray(row))
                listModel.append(row)
            else
                listModel.append({ "value": row })
        }
    }

    function get(index) { return listModel.get(index) }
}
