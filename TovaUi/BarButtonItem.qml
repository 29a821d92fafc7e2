import QtQuick 2.15

// A button of the navigation bar.
QtObject {
    property string title: ""
    property string icontext: ""
    property bool enabled: true
    property var style: BarButtonItemStyle {}
    signal clicked()
}
