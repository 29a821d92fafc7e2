import QtQuick 2.15

// One entry of a TabBar.
QtObject {
    property string title: ""
    property string icontext: ""
    property int badge: 0
}
