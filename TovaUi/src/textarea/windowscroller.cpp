#include "windowscroller.h"

#include "support/log.h"
#include "textarea/editorfile.h"
#include "textarea/editwindow.h"
#include "textarea/lazytextdocument.h"
#include "textarea/saveschedule.h"
#include "textarea/typingrules.h"
#include "textarea/wholedocument.h"
#include "textarea/writerselection.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>

WindowScroller::WindowScroller(const EditorParts& parts, QObject* parent)
    : QObject(parent)
    , m_parts(parts)
{
}

void WindowScroller::setEditHeight(int value)
{
    if (value == m_editHeight)
        return;
    m_editHeight = value;
    emit m_parts.document->editHeightChanged();
}

void WindowScroller::setContentY(int value)
{
    if (value == m_contentY)
        return;
    m_contentY = value;
    updateScrollPostion();
    emit m_parts.document->contentYChanged();
}

void WindowScroller::setContentHeight(int value)
{
    if (value == m_contentHeight)
        return;
    m_contentHeight = value;
    updateScrollPostion();
    emit m_parts.document->contentHeightChanged();
}

void WindowScroller::setEditLineCount(int value)
{
    if (value == m_editLineCount)
        return;
    m_editLineCount = value;
    updateScrollPostion();
    emit m_parts.document->editLineCountChanged();
}

void WindowScroller::updateScrollPostion()
{
    const WindowMap& map = m_parts.window->map();
    const int total = m_parts.whole->blockCount();
    const double size = map.viewShare(m_editHeight, m_contentHeight, total);
    if (!qFuzzyCompare(size, m_scrollSize)) {
        m_scrollSize = size;
        emit m_parts.document->scrollSizeChanged();
    }
    if (m_contentHeight <= 0 || m_contentY < 0)
        return;
    const double p = map.scrollPosition(m_contentY, m_contentHeight, total);
    if (qFuzzyCompare(p, m_scrollPostion))
        return;
    m_scrollPostion = p;
    emit m_parts.document->scrollPostionChanged();
}

void WindowScroller::setScrollPostion(double value)
{
    value = qBound(0.0, value, 1.0);
    if (qFuzzyCompare(value, m_scrollPostion))
        return;
    updateEditFromPostion(value);
    m_scrollPostion = value;
    emit m_parts.document->scrollPostionChanged();
}

// Scrolls the view to a scroll position: inside the window by its scroll
// offset, else the window moves there first (with the cursor, at the start
// of the line at that position).
void WindowScroller::updateEditFromPostion(double postion)
{
    const int total = m_parts.whole->blockCount();
    double y = m_parts.window->map().contentYFor(postion, m_editHeight, m_contentHeight, total);
    if (y >= 0) {
        setContentY(int(y));
        return;
    }
    gotoLine(WindowMap::lineAt(postion, total));
    y = m_parts.window->map().contentYFor(postion, m_editHeight, m_contentHeight, total);
    if (y >= 0)
        setContentY(int(y));
    // The place is estimated from the average line height: the cursor's
    // line is brought fully into view.
    emit m_parts.document->ensureVisible();
}

void WindowScroller::updateY()
{
    // Not from inside the text area's own signals (its cursor and scroll
    // changes come in the middle of an edit): once they are all delivered.
    scheduleMaintenance();
}

void WindowScroller::scheduleMaintenance()
{
    if (m_maintenanceQueued)
        return;
    m_maintenanceQueued = true;
    QMetaObject::invokeMethod(m_parts.document, [this] {
        m_maintenanceQueued = false;
        updateEditContent();
    }, Qt::QueuedConnection);
}

void WindowScroller::updateEditContent()
{
    EditWindow* window = m_parts.window;
    QTextDocument* edit = window->document();
    if (m_parts.file->loading() || m_maintaining || m_parts.selection->isHeld() || m_parts.file->fileName().isEmpty()
        || !edit || m_contentY == -1 || m_editHeight == -1 || m_contentHeight == -1 || m_parts.typing->isEnterPending()
        || window->realignPending())
        return;
    const WindowMap& map = window->map();
    const int wholeLines = m_parts.whole->blockCount();
    const int chunk = window->chunk();
    m_maintaining = true;
    // A cursor in view stays in view, however the window moves under it.
    const bool cursorShown = viewShowsCursor();
    window->beginChange();
    bool refilled = false;
    auto done = [&] {
        window->endChange(true);
        m_maintaining = false;
        updateScrollPostion();
        if (refilled || (cursorShown && !viewShowsCursor()))
            emit m_parts.document->ensureVisible();
    };

    if (window->length() == 0 && edit->blockCount() == 1) {
        if (m_parts.whole->length() == 0 && wholeLines == 1)
            return done();
        // The window's whole text is gone (a selection of all of it removed,
        // or nothing loaded yet): it is filled again around the cursor (from
        // the top when the cursor is near it), in view.
        const int cursor = m_parts.selection->whole().cursor;
        if (m_parts.whole->document()->findBlock(cursor).blockNumber() < window->size())
            window->setDocumentForAllTextFromAll(0, window->size());
        else
            window->fillAround(cursor);
        refilled = true;
    }
    if (edit->blockCount() == wholeLines)
        return done();

    if (m_contentHeight / 5 <= m_editHeight && m_contentY < m_contentHeight && wholeLines - 1 > map.lastLine())
        window->appendDocmentTextOnBottomFromAll(map.lastLine() + 1, map.lastLine() + 11);

    if (window->takeRemovedBottom())
        return done();

    if (m_contentY < 2 * m_editHeight) {
        if (map.firstLine() == 0)
            return done();
        const int oldHeight = m_contentHeight;
        const int oldY = m_contentY;
        window->insertDocmentTextOnTopFromAll(chunk);
        const int y = oldY + (m_contentHeight - oldHeight);
        setContentY(y);
        if (m_contentHeight - m_contentY - m_editHeight >= 4 * m_editHeight) {
            window->removeBottomDocumentTextFromAll(chunk);
            setContentY(y);
        }
    }

    const int bottom = m_contentHeight - m_editHeight - m_contentY;
    if (map.firstLine() + edit->blockCount() >= wholeLines) {
        // At the book's end, where writing goes on: the lines the view has
        // left far behind are dropped, or the window would grow with every
        // paragraph (a chunk only when the view stays 3 view heights below
        // the new top, so that the top is not loaded again at once).
        const QTextBlock cut = edit->findBlockByNumber(chunk);
        if (m_contentY >= 4 * m_editHeight && cut.isValid()) {
            const int cutHeight = int(edit->documentLayout()->blockBoundingRect(cut).top());
            if (m_contentY - cutHeight >= 3 * m_editHeight) {
                const int oldHeight = m_contentHeight;
                const int savedY = m_contentY;
                window->removeTopLineDocumentTextFromAll(chunk);
                setContentY(savedY - (oldHeight - m_contentHeight));
            }
        }
        return done();
    }
    if (bottom >= 2 * m_editHeight)
        return done();
    const int savedY = m_contentY;
    window->appendDocmentTextOnBottomFromAll(map.lastLine() + 1, map.lastLine() + 1 + chunk);
    setContentY(savedY);
    if (m_contentY >= 4 * m_editHeight) {
        const int oldHeight = m_contentHeight;
        window->removeTopLineDocumentTextFromAll(chunk);
        setContentY(savedY - (oldHeight - m_contentHeight));
    }
    done();
}

bool WindowScroller::viewShowsCursor() const
{
    QObject* edit = m_parts.selection->textEdit();
    if (!edit || m_contentY < 0 || m_editHeight <= 0)
        return false;
    QRectF r;
    QMetaObject::invokeMethod(edit, "positionToRectangle", Q_RETURN_ARG(QRectF, r), Q_ARG(int, m_parts.selection->shown().cursor));
    // The whole cursor line: one cut by an edge is brought in whole.
    return r.top() >= m_contentY - 1 && r.bottom() <= m_contentY + m_editHeight + 1;
}

bool WindowScroller::gotoPostionByAll(int allPostion)
{
    EditWindow* window = m_parts.window;
    WriterSelection* selection = m_parts.selection;
    const QTextDocument* whole = m_parts.whole->document();
    // While a file loads in steps the whole document holds only its start.
    if (!window->document() || m_parts.file->loading())
        return false;
    const QTextBlock block = whole->findBlock(allPostion);
    if (allPostion < 0 || !block.isValid()) {
        logDebug(lcEditor) << m_parts.file->fileName() << allPostion << whole->characterCount() << whole->blockCount()
                           << "超出文档范围";
        return false;
    }
    m_parts.saves->jumpStarting();
    selection->take();
    const int length = m_parts.whole->length();
    const int p = qMin(allPostion, length);
    const bool windowFilled = window->length() > 0 || length == 0;
    const WindowMap& map = window->map();
    if (windowFilled && ((p > map.start() && p <= map.end()) || whole->blockCount() == 1)) {
        selection->setWhole(WindowMap::at(p));
        selection->show();
        emit m_parts.document->sendEditPostion(selection->shown().cursor);
        emit m_parts.document->ensureVisible();
        scheduleMaintenance();
        return true;
    }
    window->rebuildAt(p);
    return true;
}

void WindowScroller::gotoLine(int line)
{
    const QTextBlock block = m_parts.whole->document()->findBlockByNumber(line);
    if (!block.isValid())
        return;
    gotoPostionByAll(block.position());
}

void WindowScroller::gotoStart()
{
    gotoLine(0);
}

void WindowScroller::gotoEnd()
{
    gotoPostionByAll(m_parts.whole->length());
}

void WindowScroller::selectTo(int allPostion)
{
    WriterSelection* selection = m_parts.selection;
    selection->take();
    const int p = qBound(0, allPostion, m_parts.whole->length());
    m_parts.window->showWhole(WindowMap::Selection { selection->whole().anchor, p });
    emit m_parts.document->sendEditPostion(selection->shown().cursor);
    emit m_parts.document->ensureVisible();
}
