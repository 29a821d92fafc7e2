import QtQuick 2.15

// Icon code points of the "iconfont" font by role, and the common sizes.
QtObject {
    readonly property string filesIcon: "\ue60c"
    readonly property string chapterIcon: "\ue610"
    readonly property string wordCountIcon: "\ue60d"
    readonly property string rankingIcon: "\ue651"
    readonly property string throughIcon: "\ue629"
    readonly property string notesIcon: "\ue62a"
    readonly property string lumoIcon: "\ue628"
    readonly property string settingIcon: "\ue65a"
    readonly property string loginIcon: "\ue658"
    readonly property string closeIcon: "\ue601"
    readonly property string minIcon: "\ue751"
    readonly property string maxIcon: "\ue60e"
    readonly property string normalIcon: "\ue66b"
    readonly property string menuIcon: "\ue611"
    readonly property string lockIcon: "\ue815"
    readonly property string cloudIcon: "\ue70e"
    readonly property string historyIcon: "\ue65e"
    readonly property string searchIcon: "\ue69a"
    readonly property string replaceIcon: "\ue708"
    readonly property string replaceAllIcon: "\ue625"
    readonly property string caseSensitivelyIcon: "\ue621"
    readonly property string regularExpressionIcon: "\ue683"
    readonly property string undoIcon: "\ue893"
    readonly property string redoIcon: "\ue84f"

    readonly property int sizeTitleH: 30
    readonly property int sizeTitleM: 25
    readonly property int sizeTitleL: 10
    readonly property int sizeButtonH: 25
    readonly property int sizeButtonM: 15
    readonly property int sizeButtonL: 12
    readonly property int sizeTextH: 25
    readonly property int sizeTextM: 12
    readonly property int sizeTextL: 8
    readonly property int lineHeight: functions.isPc() ? 30 : 48
    readonly property int twoLineHeight: functions.isPc() ? 35 : 48
}
