#include "colorcontrast.h"

#include <QtMath>

namespace {
double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : qPow((c + 0.055) / 1.055, 2.4);
}

// `color` moved the fraction `t` of the way to `target`, on whole channels.
QColor mix(const QColor& color, const QColor& target, double t)
{
    auto channel = [t](int from, int to) { return qRound(from + (to - from) * t); };
    return QColor(channel(color.red(), target.red()), channel(color.green(), target.green()),
                  channel(color.blue(), target.blue()));
}
} // namespace

double ColorContrast::luminance(const QColor& color)
{
    const QColor c = color.toRgb();
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

QColor ColorContrast::over(const QColor& top, const QColor& under)
{
    const QColor t = top.toRgb();
    const QColor u = under.toRgb();
    const double a = t.alphaF();
    if (a >= 1.0)
        return QColor(t.red(), t.green(), t.blue());
    auto channel = [a](int front, int back) { return qRound(front * a + back * (1.0 - a)); };
    return QColor(channel(t.red(), u.red()), channel(t.green(), u.green()), channel(t.blue(), u.blue()));
}

double ColorContrast::ratio(const QColor& a, const QColor& b, const QColor& base)
{
    const QColor opaqueBase = over(base, Qt::white);
    const double la = luminance(over(a, opaqueBase));
    const double lb = luminance(over(b, opaqueBase));
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

double ColorContrast::lowest(const QColor& color, const QList<QColor>& backgrounds, const QColor& base)
{
    double least = 21.0;
    for (const QColor& background : backgrounds)
        least = qMin(least, ratio(color, background, base));
    return least;
}

QColor ColorContrast::readable(const QColor& color, const QList<QColor>& backgrounds, double minimum,
                               const QColor& base)
{
    const QColor start = over(color, over(base, Qt::white));
    if (lowest(start, backgrounds, base) >= minimum)
        return color;
    // Walk towards each end in small steps; the first mix that is readable
    // in either direction is the nearest one.
    const QColor ends[] = { QColor(Qt::black), QColor(Qt::white) };
    for (int step = 1; step <= 100; ++step) {
        for (const QColor& end : ends) {
            const QColor candidate = mix(start, end, step / 100.0);
            if (lowest(candidate, backgrounds, base) >= minimum)
                return candidate;
        }
    }
    return lowest(ends[0], backgrounds, base) >= lowest(ends[1], backgrounds, base) ? ends[0] : ends[1];
}
