import QtQuick 2.15
import QtQuick.Controls 2.15 as C
import TovaUi 0.1
import com.velmora.fontmodel 1.0

// A combo box of the installed font families (its own FontModel), each drawn
// in its own family. currentFont is the model's current family; a family set
// before the list has arrived is selected when it does. fontPicked reports a
// family the user chose.
ComboBox {
    id: box
    property alias currentFont: fontModel.currentFont
    readonly property alias fontModel: fontModel
    signal fontPicked(string family)

    implicitWidth: 180
    model: FontModel { id: fontModel }
    textRole: "fontName"
    valueRole: "fontName"
    currentIndex: fontModel.currentIndex
    displayText: fontModel.currentFont

    onActivated: {
        fontModel.currentIndex = index
        box.fontPicked(fontModel.currentFont)
    }

    delegate: C.ItemDelegate {
        width: box.width
        height: 26
        highlighted: box.highlightedIndex === index
        contentItem: Text {
            text: model.fontName
            font.family: model.fontName
            font.pixelSize: 13
            color: box.textColor
            elide: Text.ElideRight
            verticalAlignment: Text.AlignVCenter
        }
        background: Rectangle { color: highlighted ? g_theme.hoverdColor : "transparent" }
    }
}
