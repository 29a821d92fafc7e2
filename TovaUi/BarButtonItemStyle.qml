import QtQuick 2.15

// Look of a bar button item.
QtObject {
    property color tintColor: Constant.tintColor
    property int fontSize: 14
}
