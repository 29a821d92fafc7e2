#ifndef THEMECOLOURS_H
#define THEMECOLOURS_H

// The colours one row of the theme list gives once applied: the row's own
// colours, made see-through where a background image shows, and the text,
// accent and highlighted-text colours mixed until they are readable on
// every surface they are drawn on. The theme object applies them; the
// theme chooser shows them on each theme's swatch.

#include <QColor>

class QStandardItem;

struct ThemeColours {
    QColor title, background, base, hoverd, lightHoverd, darkHoverd, pageBackground, page, popup;
    QColor functionArea, tab, leftBar, highlighted, statusBar, selected, primary, line;
    QColor secondaryText, accent, foreground, highlightedText;

    // `record` is row `row` of the theme model (1 is the light default
    // theme, 2 the dark one), `hasImage` whether a background image shows
    // through.
    static ThemeColours of(const QStandardItem& record, int row, bool hasImage);
};

#endif
