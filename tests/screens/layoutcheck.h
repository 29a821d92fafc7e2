#ifndef LAYOUTCHECK_H
#define LAYOUTCHECK_H

// Checks of one screen that the rendered texts do not show: every item a
// writer can act on has a name a screen reader speaks, and in a
// right-to-left language the layout is mirrored (rows run from the right,
// check boxes carry their box on the right, the navigation bar stands at
// the right edge) while each figure's value stays under its own caption;
// sheets stand in the middle of the window.

#include <QStringList>

class QQuickWindow;

class LayoutCheck
{
public:
    // Items that take clicks, keys or text but have no accessible name.
    static QStringList unnamed(QQuickWindow* window);
    // Layout faults for the window's direction.
    static QStringList unmirrored(QQuickWindow* window, bool rightToLeft);
};

#endif
