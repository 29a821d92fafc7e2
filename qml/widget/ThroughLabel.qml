import QtQuick 2.15
import TovaUi 0.1

// Status-bar label of the writing challenge: the level, words and time left,
// shown while a challenge runs.
StateWidget {
    id: label
    objectName: "throughLabel"
    readonly property var model: typeof through !== "undefined" ? through : null
    readonly property string labelText: model ? model.Name + ":" + qsTr("剩余字数") + ":" + model.Words + " "
                                                + qsTr("剩余时间:") + functions.formatSecond(model.Time) + " " : ""
    visible: model !== null && model.running === true
    width: visible ? implicitWidth : 0
    textList: [labelText]
    hoverText: labelText
}
