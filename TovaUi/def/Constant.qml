pragma Singleton
import QtQuick 2.15

// Shared colours of the library; also loads the two icon fonts once so that
// every component can name their families.
QtObject {
    readonly property color tintColor: g_theme.accentColor
    readonly property color barTintColor: "#f8f8f8"
    readonly property color viewControllerBackgroundColor: "#ebeaf1"
    readonly property color dividerColor: "#1F000000"

    readonly property string iconFont: iconLoader.status === FontLoader.Ready ? iconLoader.name : "iconfont"
    readonly property string fontelloFont: fontelloLoader.status === FontLoader.Ready ? fontelloLoader.name : "fontello"

    property FontLoader iconLoader: FontLoader { source: "qrc:/TovaUi/icon/iconfont.ttf" }
    property FontLoader fontelloLoader: FontLoader { source: "qrc:/TovaUi/icon/fontello.ttf" }
}
