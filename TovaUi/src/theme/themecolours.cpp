#include "themecolours.h"

#include "function/function.h"
#include "theme/colorcontrast.h"
#include "theme/thememodel.h"

#include <QStandardItem>

ThemeColours ThemeColours::of(const QStandardItem& record, int row, bool hasImage)
{
    const bool dark = row == 2;
    auto text = [&record](int role) { return record.data(role).toString(); };
    auto color = [&record](int role) { return QColor(record.data(role).toString()); };

    ThemeColours c;
    c.lightHoverd = color(ThemeModel::HoverdColorRole).lighter(96);
    if (!hasImage) {
        c.title = color(ThemeModel::TitleColorRole);
        c.background = color(ThemeModel::BackgroundColorRole);
        c.hoverd = color(ThemeModel::HoverdColorRole);
        c.base = c.background;
        c.pageBackground = row == 1 ? QColor(Qt::transparent) : c.hoverd.darker(104);
        c.page = color(ThemeModel::PageColorRole);
        c.popup = color(ThemeModel::PopupColorRole);
        c.functionArea = color(ThemeModel::FunctionAreaColorRole);
        c.tab = color(ThemeModel::TabColorRole);
        c.leftBar = color(ThemeModel::LeftBarColorRole);
        c.highlighted = color(ThemeModel::HighlightedColorRole);
        c.statusBar = color(ThemeModel::StatusBarColorRole);
        c.selected = color(ThemeModel::SelectedColorRole);
        c.primary = color(ThemeModel::PrimaryColorRole);
    } else {
        // See-through colours so that the background image shows.
        c.title = function::colorSetAlpha(text(ThemeModel::TitleColorRole), 150);
        c.background = function::colorSetAlpha(text(ThemeModel::BackgroundColorRole), 0);
        c.base = function::colorSetAlpha(text(ThemeModel::BackgroundColorRole), 255);
        c.hoverd = function::colorSetAlpha(text(ThemeModel::HoverdColorRole), 40);
        c.pageBackground = function::colorSetAlpha(text(ThemeModel::PageBackgroundColorRole), 0);
        c.page = function::colorSetAlpha(text(ThemeModel::PageColorRole), 20);
        c.popup = function::colorSetAlpha(text(ThemeModel::PopupColorRole), 250);
        c.primary = function::colorSetAlpha(text(ThemeModel::PrimaryColorRole), 20);
        c.highlighted = function::colorSetAlpha(text(ThemeModel::HighlightedColorRole), 150);
        c.functionArea = c.background;
        c.tab = c.background;
        c.leftBar = c.hoverd;
        c.statusBar = c.hoverd;
        c.selected = c.hoverd;
    }

    if (dark) {
        c.darkHoverd = color(ThemeModel::HoverdColorRole).lighter(110);
        c.line = function::lighter(c.background, 150);
    } else {
        c.darkHoverd = color(ThemeModel::HoverdColorRole).darker(110);
        c.line = c.background.darker(104);
    }

    // Text, icon and accent colours stay readable on every surface the theme
    // paints behind them; a record colour that falls short is mixed towards
    // black or white until it reaches the contrast it needs.
    const QList<QColor> surfaces { c.background, c.base, c.popup, c.page, c.functionArea, c.tab, c.leftBar,
                                   c.statusBar, c.title, c.primary, c.hoverd, c.lightHoverd, c.darkHoverd };
    const QList<QColor> highlights { c.hoverd, c.lightHoverd, c.leftBar };
    const QList<QColor> panels { c.background, c.base, c.popup, c.page, c.functionArea, c.tab, c.statusBar, c.primary };
    c.foreground = ColorContrast::readable(color(ThemeModel::ForegroundColorRole), surfaces, ColorContrast::bodyText, c.base);
    const QColor secondary(dark ? Qt::white : Qt::black);
    c.secondaryText = ColorContrast::lowest(secondary, surfaces, c.base) >= ColorContrast::bodyText ? secondary : c.foreground;
    c.accent = ColorContrast::readable(color(ThemeModel::AccentColorRole), panels, ColorContrast::secondary, c.base);
    c.highlightedText = ColorContrast::readable(color(ThemeModel::HighlightedTextColorRole), highlights,
                                                ColorContrast::bodyText, c.base);
    return c;
}
