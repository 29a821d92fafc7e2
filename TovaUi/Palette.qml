import QtQuick 2.15

// Maps the theme's colours onto a control's palette and keeps them in step.
QtObject {
    id: mapper
    property var control: null
    readonly property var colors: [g_theme.baseColor, g_theme.foregroundColor, g_theme.highlightedTextColor,
                                   g_theme.hoverdColor, g_theme.lightHoverdColor, g_theme.accentColor]
    function apply() {
        if (!control || control.palette === undefined)
            return
        control.palette.window = g_theme.baseColor
        control.palette.windowText = g_theme.foregroundColor
        control.palette.text = g_theme.foregroundColor
        control.palette.buttonText = g_theme.foregroundColor
        control.palette.toolTipText = g_theme.foregroundColor
        control.palette.toolTipBase = g_theme.lightHoverdColor
        control.palette.highlightedText = g_theme.highlightedTextColor
        control.palette.brightText = g_theme.highlightedTextColor
        control.palette.dark = g_theme.highlightedTextColor
        control.palette.light = g_theme.hoverdColor
        control.palette.mid = g_theme.readableOn(g_theme.hoverdColor, g_theme.baseColor, 3)
        control.palette.midlight = g_theme.hoverdColor
        control.palette.highlight = g_theme.accentColor
        control.palette.base = "transparent"
        control.palette.button = "transparent"
    }
    onControlChanged: apply()
    onColorsChanged: apply()
}
