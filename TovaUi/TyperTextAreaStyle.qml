import QtQuick 2.15
import QtQuick.Controls 1.4
import QtQuick.Controls.Styles 1.4

// Style of TyperTextArea: the text-area style's properties, with the control
// typed as the typewriter text area.
ScrollViewStyle {
    readonly property TyperTextArea control: __control
    property font font
    property color textColor: "black"
    property color selectionColor: control ? control.selectionColor : "#68AAED"
    property color selectedTextColor: control ? control.selectedTextColor : "black"
    property color backgroundColor: "transparent"
    property int renderType: Text.NativeRendering
    property real textMargin: 4
}
