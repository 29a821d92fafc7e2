import QtQuick 2.15

// What a view controller shows in the navigation bar.
QtObject {
    property string title: ""
    property var leftBarButtonItem: null
    property var rightBarButtonItem: null
    property bool hidesBackButton: false
    property string backButtonTitle: qsTr("返回")
}
