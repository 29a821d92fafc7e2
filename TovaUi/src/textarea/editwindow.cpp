#include "editwindow.h"

#include "textarea/lazytextdocument.h"
#include "textarea/wholedocument.h"
#include "textarea/windowformat.h"
#include "textarea/windowmirror.h"
#include "textarea/windowscroller.h"
#include "textarea/writerselection.h"

#include <QAbstractTextDocumentLayout>
#include <QQuickTextDocument>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

EditWindow::EditWindow(const EditorParts& parts, QObject* parent)
    : QObject(parent)
    , m_parts(parts)
{
}

int EditWindow::length() const
{
    return m_document ? m_document->characterCount() - 1 : 0;
}

QString EditWindow::range(int start, int end) const
{
    return m_document ? WholeDocument::rangeOf(m_document, length(), start, end) : QString();
}

void EditWindow::setQuickDocument(QQuickTextDocument* document)
{
    if (m_quickDocument == document)
        return;
    m_quickDocument = document;
    setDocument(document ? document->textDocument() : nullptr);
    emit m_parts.document->documentChanged();
}

void EditWindow::setDocument(QTextDocument* document)
{
    if (m_document == document)
        return;
    connectEditAndAllDocument(false);
    if (m_document) {
        disconnect(m_document, nullptr, this, nullptr);
        disconnect(m_document, nullptr, m_parts.mirror, nullptr);
    }
    m_document = document;
    m_cursor = QTextCursor();
    if (document) {
        // The document only reports changes once it has a layout.
        document->documentLayout();
        document->setUndoRedoEnabled(false);
        connect(document, &QTextDocument::contentsChanged, m_parts.mirror, &WindowMirror::windowChanged);
        connect(document, &QTextDocument::contentsChange, this, &EditWindow::keepShaping);
        m_cursor = QTextCursor(document);
        if (!document->isEmpty())
            clear();
    }
    m_map = WindowMap();
    connectEditAndAllDocument(true);
    emit m_parts.document->editDocumentChanged();
    if (document && m_parts.whole->length() > 0)
        rebuildAt(m_parts.selection->whole().cursor);
    else
        m_parts.scroller->updateEditContent();
    m_parts.format->apply();
}

void EditWindow::connectEditAndAllDocument(bool connected)
{
    if (connected == m_connected)
        return;
    m_connected = connected;
    if (connected) {
        if (m_document)
            connect(m_document, &QTextDocument::contentsChange, m_parts.mirror, &WindowMirror::editContentsChange, Qt::UniqueConnection);
        connect(m_parts.document, &LazyTextDocument::contentYChanged, m_parts.scroller, &WindowScroller::updateY, Qt::UniqueConnection);
    } else {
        if (m_document)
            disconnect(m_document, &QTextDocument::contentsChange, m_parts.mirror, &WindowMirror::editContentsChange);
        disconnect(m_parts.document, &LazyTextDocument::contentYChanged, m_parts.scroller, &WindowScroller::updateY);
    }
}

void EditWindow::clear()
{
    if (!m_document)
        return;
    QTextCursor cursor(m_document);
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    m_map = WindowMap(m_map.firstLine(), 1, m_map.start(), 0);
}

// Lines start..end become the window's text (one edit of the window).
void EditWindow::fill(int start, int end)
{
    if (!m_document)
        return;
    const int last = m_parts.whole->blockCount() - 1;
    end = qBound(0, end, last);
    start = qBound(0, start, end);
    const QString text = m_parts.whole->lines(start, end);
    QTextCursor cursor(m_document);
    cursor.select(QTextCursor::Document);
    if (text.isEmpty())
        cursor.removeSelectedText();
    else
        cursor.insertText(text);
    const int oldStart = m_map.start();
    m_map = WindowMap(start, end - start + 1, m_parts.whole->document()->findBlockByNumber(start).position(), length());
    Q_ASSERT(m_map.lineCount() == m_document->blockCount());
    if (oldStart != m_map.start())
        emit m_parts.document->startPositionChanged();
}

void EditWindow::setDocumentForAllTextFromAll(int start, int end)
{
    if (!m_document)
        return;
    beginChange();
    if (m_parts.whole->length() == 0 && m_parts.whole->blockCount() == 1) {
        clear();
        m_map = WindowMap();
    } else {
        fill(start, end);
    }
    m_parts.format->apply();
    endChange(true);
}

void EditWindow::appendDocmentTextOnBottomFromAll(int first, int last)
{
    if (!m_document)
        return;
    last = qMin(last, m_parts.whole->blockCount() - 1);
    // The window must go on with the line after its last one. A single
    // remaining line is appended too, or the book's last line could never
    // be scrolled into the window.
    first = m_map.lastLine() + 1;
    if (last < first)
        return;
    beginChange();
    const QString text = QChar(QChar::ParagraphSeparator) + m_parts.whole->lines(first, last);
    QTextCursor cursor(m_document);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    m_map.addBelow(last - first + 1, text.size());
    endChange(true);
}

void EditWindow::insertDocmentTextOnTopFromAll(int count)
{
    if (!m_document)
        return;
    const int n = qMin(count, m_map.firstLine());
    if (n <= 0)
        return;
    const int newStart = m_map.firstLine() - n;
    beginChange();
    const QString text = m_parts.whole->lines(newStart, m_map.firstLine() - 1) + QChar(QChar::ParagraphSeparator);
    QTextCursor cursor(m_document);
    cursor.setPosition(0);
    cursor.insertText(text);
    m_map.addAbove(n, text.size());
    emit m_parts.document->startPositionChanged();
    endChange(true);
}

void EditWindow::removeTopLineDocumentTextFromAll(int count)
{
    if (!m_document)
        return;
    const int n = qMin(count, m_document->blockCount() - 1);
    if (n <= 0)
        return;
    beginChange();
    const int characters = m_document->findBlockByNumber(n).position();
    QTextCursor cursor(m_document);
    cursor.setPosition(0);
    cursor.setPosition(characters, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    m_map.dropAbove(n, characters);
    emit m_parts.document->startPositionChanged();
    endChange(true);
}

void EditWindow::removeBottomDocumentTextFromAll(int count)
{
    if (!m_document)
        return;
    const int n = qMin(count, m_document->blockCount() - 1);
    if (n <= 0)
        return;
    beginChange();
    m_removedBottom = true;
    const QTextBlock keep = m_document->findBlockByNumber(m_document->blockCount() - n - 1);
    const int from = keep.position() + keep.length() - 1;
    QTextCursor cursor(m_document);
    cursor.setPosition(from);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    const int characters = cursor.selectionEnd() - from;
    cursor.removeSelectedText();
    m_map.dropBelow(n, characters);
    endChange(true);
}

bool EditWindow::takeRemovedBottom()
{
    const bool removed = m_removedBottom;
    m_removedBottom = false;
    return removed;
}

void EditWindow::reloadEditDocument()
{
    if (!m_document || m_parts.selection->isHeld())
        return;
    beginChange();
    const int last = m_parts.whole->blockCount() - 1;
    const int start = qBound(0, m_map.firstLine(), last);
    const int end = qBound(0, start + m_document->blockCount() - 1, last);
    fill(start, end);
    m_parts.format->apply();
    endChange(true);
}

void EditWindow::reloadEditText()
{
    beginChange();
    clear();
    endChange(true);
    m_parts.scroller->updateEditContent();
}

void EditWindow::fillAround(int allPostion)
{
    if (!m_document)
        return;
    beginChange(false);
    const int pos = qBound(0, allPostion, m_parts.whole->length());
    const int block = qMax(0, m_parts.whole->document()->findBlock(pos).blockNumber());
    fill(qMax(0, block - jumpSpan()), block + jumpSpan());
    m_parts.format->apply();
    endChange(false);
}

void EditWindow::rebuildAt(int allPostion)
{
    if (!m_document)
        return;
    const int pos = qBound(0, allPostion, m_parts.whole->length());
    m_parts.selection->setWhole(WindowMap::at(pos));
    fillAround(pos);
    emit m_parts.document->sendEditPostion(m_parts.selection->shown().cursor);
    emit m_parts.document->ensureVisible();
    m_parts.scroller->updateScrollPostion();
}

void EditWindow::empty()
{
    WriterSelection* selection = m_parts.selection;
    selection->hold();
    connectEditAndAllDocument(false);
    const int oldStart = m_map.start();
    clear();
    m_map = WindowMap();
    if (oldStart != 0)
        emit m_parts.document->startPositionChanged();
    connectEditAndAllDocument(true);
    selection->release();
    selection->setShown(WindowMap::at(0));
    selection->setWhole(WindowMap::at(0));
}

void EditWindow::wholeEditedOutside(int position, int removed, int added, int blockDelta)
{
    if (!m_document)
        return;
    const int start = m_map.start();
    if (m_map.editOutside(position, removed, added, blockDelta)) {
        if (start != m_map.start())
            emit m_parts.document->startPositionChanged();
        return;
    }
    rebuildAt(m_parts.selection->whole().cursor);
}

void EditWindow::requestRealign()
{
    if (m_realignPending)
        return;
    m_realignPending = true;
    QMetaObject::invokeMethod(m_parts.document, [this] { realign(); }, Qt::QueuedConnection);
}

void EditWindow::realign()
{
    m_realignPending = false;
    if (!m_document)
        return;
    beginChange();
    const QTextDocument* whole = m_parts.whole->document();
    const int first = whole->findBlock(m_map.start()).blockNumber();
    const int last = whole->findBlock(m_map.start() + length()).blockNumber();
    fill(qMax(0, first), qMax(0, last));
    m_parts.format->apply();
    endChange(false);
    emit m_parts.document->ensureVisible();
}

void EditWindow::beginChange(bool takeWriter)
{
    WriterSelection* selection = m_parts.selection;
    if (selection->isHeld()) {
        selection->hold();
        return;
    }
    // What the writer did last is taken before the window changes under it
    // (not when the whole text was replaced: the window is stale then).
    if (takeWriter)
        selection->take();
    selection->hold();
    connectEditAndAllDocument(false);
}

void EditWindow::endChange(bool keepView)
{
    WriterSelection* selection = m_parts.selection;
    selection->release();
    if (selection->isHeld())
        return;
    connectEditAndAllDocument(true);
    selection->setWhole(m_map.settled(selection->whole()));
    WindowScroller* scroller = m_parts.scroller;
    const int y = scroller->contentY();
    selection->show();
    // Showing the selection may scroll the text area to its cursor; a
    // window that moved under the view keeps the view where it was.
    if (keepView && scroller->contentY() != y)
        scroller->setContentY(y);
}

void EditWindow::showWhole(const WindowMap::Selection& whole)
{
    const int length = m_parts.whole->length();
    const WindowMap::Selection bounded { qBound(0, whole.anchor, length), qBound(0, whole.cursor, length) };
    if (!m_map.contains(bounded.cursor) || (m_document && this->length() == 0 && length > 0))
        fillAround(bounded.cursor);
    m_parts.selection->setWhole(m_map.settled(bounded));
    m_parts.selection->show();
}

bool EditWindow::isCursorAway() const
{
    const WindowMap::Selection whole = m_parts.selection->whole();
    return whole.isEmpty() && !m_map.contains(whole.cursor) && m_document;
}

void EditWindow::returnToCursor()
{
    if (!m_document || m_map.contains(m_parts.selection->whole().cursor))
        return;
    fillAround(m_parts.selection->whole().cursor);
    emit m_parts.document->ensureVisible();
}

void EditWindow::reachBeyond(int key)
{
    WriterSelection* selection = m_parts.selection;
    WindowMap::Selection live;
    if ((key != Qt::Key_Backspace && key != Qt::Key_Delete) || !m_parts.file->editable() || selection->isHeld()
        || !selection->read(&live) || !live.isEmpty())
        return;
    WindowScroller* scroller = m_parts.scroller;
    if (key == Qt::Key_Backspace && live.cursor == 0 && m_map.firstLine() > 0) {
        const int oldHeight = scroller->contentHeight();
        const int oldY = scroller->contentY();
        insertDocmentTextOnTopFromAll(chunk());
        scroller->setContentY(oldY + (scroller->contentHeight() - oldHeight));
    } else if (key == Qt::Key_Delete && live.cursor == length() && m_map.lastLine() < m_parts.whole->blockCount() - 1) {
        const int oldY = scroller->contentY();
        appendDocmentTextOnBottomFromAll(m_map.lastLine() + 1, m_map.lastLine() + chunk());
        scroller->setContentY(oldY);
    }
}

// The window's lines keep their shaped text after layout. A line's layout
// otherwise drops it, and every cursor rectangle the view reads after a key
// shapes the whole line again: several times a key, each as costly as the
// line's layout.
void EditWindow::keepShaping(int position, int charsRemoved, int charsAdded)
{
    Q_UNUSED(charsRemoved)
    if (!m_document)
        return;
    const QTextBlock last = m_document->findBlock(position + charsAdded);
    for (QTextBlock block = m_document->findBlock(position); block.isValid(); block = block.next()) {
        block.layout()->setCacheEnabled(true);
        if (block == last)
            break;
    }
}
