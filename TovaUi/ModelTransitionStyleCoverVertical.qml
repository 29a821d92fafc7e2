import QtQuick 2.15

// The vertical cover transition of modal presentation.
QtObject {
    property int duration: 300
    property Transition enter: Transition {
        NumberAnimation { property: "y"; duration: 300; easing.type: Easing.OutCubic }
    }
    property Transition exit: Transition {
        NumberAnimation { property: "y"; duration: 300; easing.type: Easing.InCubic }
    }
}
