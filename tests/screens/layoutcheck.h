#ifndef LAYOUTCHECK_H
#define LAYOUTCHECK_H

// Checks of one screen that the drawn texts do not show: every item a writer
// can act on has a name a screen reader speaks; the layout runs the
// language's way (in a right-to-left one rows start at the right, check
// boxes carry their box on the right, the navigation bar stands at the
// right edge); each figure's value starts where its caption does; sheets
// stand in the middle of the window.

#include <QString>
#include <QStringList>

class QQuickWindow;

namespace LayoutCheck {
QStringList check(QQuickWindow* window, bool rightToLeft);

// Walks the window's accessible tree from its top, as a screen reader
// does: the open document's text is there as an editable text holding
// `text`, with the caret and selection the editor has; the document tree's
// rows, `openBook` among them expanded; and the menu bar's titles as menus.
struct Reader {
    QString text;
    int caret = 0;
    int selectionStart = 0;
    int selectionEnd = 0;
    QString openBook;
    int menus = 0;
};
QStringList readerCheck(QQuickWindow* window, const Reader& expected);
}

#endif
