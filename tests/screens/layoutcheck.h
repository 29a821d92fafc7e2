#ifndef LAYOUTCHECK_H
#define LAYOUTCHECK_H

// Checks of one screen that the drawn texts do not show: every item a writer
// can act on has a name a screen reader speaks; the layout runs the
// language's way (in a right-to-left one rows start at the right, check
// boxes carry their box on the right, the navigation bar stands at the
// right edge); each figure's value starts where its caption does; sheets
// stand in the middle of the window.

#include <QStringList>

#include <functional>

class QQuickWindow;

namespace LayoutCheck {
QStringList check(QQuickWindow* window, bool rightToLeft);

// Walks the accessible tree from the window down, as a screen reader does: an editable
// `text` selected 0 to `caret`, the tree's rows with `openBook` expanded, `menus` menus.
QStringList readerCheck(QQuickWindow* window, const QString& text, int caret, const QString& openBook, int menus);

// The events a screen reader is sent while `action` runs.
QStringList listen(const std::function<void()>& action);
}

#endif
