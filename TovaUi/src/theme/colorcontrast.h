#ifndef COLORCONTRAST_H
#define COLORCONTRAST_H

#include <QColor>
#include <QList>

// Contrast between colours as the WCAG 2 guidelines measure it (relative
// luminance of sRGB, ratio from 1 to 21), and the adjustment that makes a
// theme's text readable: the given colour when it is readable already, else
// the nearest colour of the same hue, mixed towards black or white, that is.
// Readable means at least 4.5:1 for body text and 3:1 for secondary text,
// large text, icons and borders.
class ColorContrast
{
public:
    static constexpr double bodyText = 4.5;
    static constexpr double secondary = 3.0;

    // Relative luminance of the opaque colour, 0 (black) to 1 (white).
    static double luminance(const QColor& color);
    // The ratio between two colours; a colour that is not opaque is first
    // laid over `base`.
    static double ratio(const QColor& a, const QColor& b, const QColor& base = Qt::white);
    // `top` laid over the opaque `under`.
    static QColor over(const QColor& top, const QColor& under);
    // The smallest ratio of `color` against any of `backgrounds`.
    static double lowest(const QColor& color, const QList<QColor>& backgrounds, const QColor& base = Qt::white);
    // `color` when it reaches `minimum` against every background, else the
    // least mix of it with black or with white that does; when neither does,
    // black or white, whichever comes nearer. Transparent backgrounds are
    // laid over `base`.
    static QColor readable(const QColor& color, const QList<QColor>& backgrounds, double minimum,
                           const QColor& base = Qt::white);
};

#endif
