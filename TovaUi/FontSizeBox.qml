import QtQuick 2.15

// A combo box of font sizes with up and down arrows that step through the
// list cyclically. fontSize selects its entry, also when it changes later;
// -1 selects the editor's size. Choosing an entry or stepping sets fontSize
// to it. A size that is no entry is shown as it is and selects nothing; the
// arrows then step to the next entry above or below it.
Row {
    id: box
    property real fontSize: 12
    property alias model: combo.model
    property alias currentIndex: combo.currentIndex
    readonly property alias currentText: combo.displayText
    // The size the box stands for: fontSize, or the editor's for -1.
    readonly property real shownSize: fontSize === -1 ? Number(csettings.editFontSize) : fontSize
    // What the box shows for a size that is no entry.
    property string offListText: ""
    spacing: 2

    onShownSizeChanged: select()
    Component.onCompleted: select()

    function indexOf(size) {
        for (var i = 0; i < sizes.count; ++i)
            if (Number(sizes.get(i).value) === Number(size))
                return i
        return -1
    }
    function select() {
        var i = indexOf(shownSize)
        if (combo.currentIndex !== i)
            combo.currentIndex = i
        offListText = i < 0 && !isNaN(shownSize) ? String(shownSize) : ""
    }
    function apply() {
        if (combo.currentIndex >= 0) {
            offListText = ""
            fontSize = Number(sizes.get(combo.currentIndex).value)
        }
    }
    // The first entry above the shown size, wrapping to the first.
    function up() {
        if (sizes.count === 0)
            return
        var i = combo.currentIndex
        if (i < 0) {
            i = 0
            while (i < sizes.count && Number(sizes.get(i).value) < shownSize)
                ++i
            i = i >= sizes.count ? 0 : i
        } else {
            i = i >= sizes.count - 1 ? 0 : i + 1
        }
        combo.currentIndex = i
        apply()
    }
    // The first entry below the shown size, wrapping to the last.
    function down() {
        if (sizes.count === 0)
            return
        var i = combo.currentIndex
        if (i < 0) {
            i = sizes.count - 1
            while (i >= 0 && Number(sizes.get(i).value) > shownSize)
                --i
            i = i < 0 ? sizes.count - 1 : i
        } else {
            i = i <= 0 ? sizes.count - 1 : i - 1
        }
        combo.currentIndex = i
        apply()
    }

    ListModel {
        id: sizes
        ListElement { key: "8"; value: 8 }
        ListElement { key: "9"; value: 9 }
        ListElement { key: "10"; value: 10 }
        ListElement { key: "10.5"; value: 10.5 }
        ListElement { key: "11"; value: 11 }
        ListElement { key: "12"; value: 12 }
        ListElement { key: "14"; value: 14 }
        ListElement { key: "16"; value: 16 }
        ListElement { key: "18"; value: 18 }
        ListElement { key: "20"; value: 20 }
        ListElement { key: "22"; value: 22 }
        ListElement { key: "24"; value: 24 }
        ListElement { key: "26"; value: 26 }
        ListElement { key: "28"; value: 28 }
        ListElement { key: "36"; value: 36 }
        ListElement { key: "48"; value: 48 }
        ListElement { key: "72"; value: 72 }
    }

    ComboBox {
        id: combo
        objectName: "sizeCombo"
        width: 70
        font.pixelSize: 12
        model: sizes
        textRole: "key"
        displayText: currentIndex >= 0 && currentIndex < sizes.count ? sizes.get(currentIndex).key : box.offListText
        onActivated: box.apply()
    }
    Column {
        anchors.verticalCenter: parent.verticalCenter
        Button {
            objectName: "upButton"
            width: 18; height: 14
            padding: 0
            text: "\u25b4"
            Accessible.name: qsTr("放大字体")
            font.pixelSize: 10
            onClicked: box.up()
        }
        Button {
            objectName: "downButton"
            width: 18; height: 14
            padding: 0
            text: "\u25be"
            Accessible.name: qsTr("缩小字体")
            font.pixelSize: 10
            onClicked: box.down()
        }
    }
}
