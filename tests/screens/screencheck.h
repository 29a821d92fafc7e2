#ifndef SCREENCHECK_H
#define SCREENCHECK_H

// Checks of one rendered screen: every text item that is drawn is readable
// against what was painted behind it, is not elided, does not run out of
// its own box, is not cut off by a clipping item or by the sheet or window
// it lies in, and does not overlap another text.

#include <QColor>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

class QQuickItem;
class QQuickWindow;

class ScreenCheck
{
public:
    struct Options {
        // The theme's secondary text colour: text in it needs only the
        // contrast of secondary text.
        QColor secondaryText;
        QColor foreground;
    };

    // Walks the items of `window` (the window's content and its popups)
    // and checks the texts against `picture`, a grab of the window.
    static QStringList check(QQuickWindow* window, const QImage& picture, const Options& options);

    // Where a Text draws its lines, in its own coordinates, from its padding
    // and alignment (a text wider than its box runs out of it on the side
    // its alignment says).
    static QRectF textRect(const QQuickItem* item);

    // The colour most of the pixels of `area` have, leaving out those near
    // `text` (the glyphs themselves).
    static QColor backgroundOf(const QImage& picture, const QRect& area, const QColor& text);
};

#endif
