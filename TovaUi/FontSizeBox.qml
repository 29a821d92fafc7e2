import QtQuick 2.15

// A combo box of font sizes with up and down arrows that step through the
// list cyclically; fontSize follows the current text.
Row {
    id: box
    property real fontSize: 12
    property alias model: combo.model
    property alias currentIndex: combo.currentIndex
    property alias currentText: combo.currentText
    spacing: 2

    function indexOf(size) {
        for (var i = 0; i < sizes.count; ++i)
            if (Number(sizes.get(i).value) === Number(size))
                return i
        return -1
    }
    function apply() {
        var v = parseFloat(combo.currentText)
        if (!isNaN(v))
            fontSize = v
    }
    function up() {
        if (combo.count === 0)
            return
        combo.currentIndex = combo.currentIndex >= combo.count - 1 ? 0 : combo.currentIndex + 1
        apply()
    }
    function down() {
        if (combo.count === 0)
            return
        combo.currentIndex = combo.currentIndex <= 0 ? combo.count - 1 : combo.currentIndex - 1
        apply()
    }

    ListModel {
        id: sizes
        ListElement { key: "8"; value: 8 }
        ListElement { key: "9"; value: 9 }
        ListElement { key: "10"; value: 10 }
        ListElement { key: "11"; value: 11 }
        ListElement { key: "12"; value: 12 }
        ListElement { key: "13"; value: 13 }
        ListElement { key: "14"; value: 14 }
        ListElement { key: "15"; value: 15 }
        ListElement { key: "16"; value: 16 }
        ListElement { key: "18"; value: 18 }
        ListElement { key: "20"; value: 20 }
        ListElement { key: "22"; value: 22 }
        ListElement { key: "24"; value: 24 }
        ListElement { key: "26"; value: 26 }
        ListElement { key: "28"; value: 28 }
        ListElement { key: "32"; value: 32 }
        ListElement { key: "36"; value: 36 }
        ListElement { key: "48"; value: 48 }
        ListElement { key: "72"; value: 72 }
    }

    ComboBox {
        id: combo
        width: 70
        font.pixelSize: 12
        model: sizes
        textRole: "key"
        onActivated: box.apply()
        Component.onCompleted: {
            var i = box.indexOf(box.fontSize)
            if (i >= 0)
                currentIndex = i
        }
    }
    Column {
        anchors.verticalCenter: parent.verticalCenter
        Button {
            objectName: "upButton"
            width: 18; height: 14
            padding: 0
            text: "\u25b4"
            font.pixelSize: 10
            onClicked: box.up()
        }
        Button {
            objectName: "downButton"
            width: 18; height: 14
            padding: 0
            text: "\u25be"
            font.pixelSize: 10
            onClicked: box.down()
        }
    }
}
