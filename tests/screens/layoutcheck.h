#ifndef LAYOUTCHECK_H
#define LAYOUTCHECK_H

// Checks of one screen that the drawn texts do not show: every item a writer
// can act on has a name a screen reader speaks; the layout runs the
// language's way (in a right-to-left one rows start at the right, check
// boxes carry their box on the right, the navigation bar stands at the
// right edge); each figure's value starts where its caption does; sheets
// stand in the middle of the window.

#include <QStringList>

class QQuickWindow;

namespace LayoutCheck {
QStringList check(QQuickWindow* window, bool rightToLeft);
}

#endif
