#include "writerselection.h"

#include "textarea/editwindow.h"
#include "textarea/lazytextdocument.h"
#include "textarea/textnodekeeper.h"
#include "textarea/typingrules.h"
#include "textarea/wholedocument.h"
#include "textarea/windowformat.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextDocument>

WriterSelection::WriterSelection(const EditorParts& parts, QObject* parent)
    : QObject(parent)
    , m_parts(parts)
{
}

void WriterSelection::setWhole(const WindowMap::Selection& whole)
{
    LazyTextDocument* document = m_parts.document;
    const WindowMap::Selection old = m_whole;
    m_whole = whole;
    const bool startChanged = whole.start() != old.start();
    const bool endChanged = whole.end() != old.end();
    const bool cursorChanged = whole.cursor != old.cursor;
    if (startChanged)
        emit document->allSelectionStartChanged();
    if (endChanged)
        emit document->allSelectionEndChanged();
    if (cursorChanged) {
        m_parts.format->cursorMoved();
        emit document->allCursorPostionChanged();
    }
    if (startChanged || endChanged || cursorChanged) {
        updateCursorLine();
        emit document->allSelectedTextChanged();
    }
    refreshSelectedAll();
}

void WriterSelection::setShown(const WindowMap::Selection& shown)
{
    LazyTextDocument* document = m_parts.document;
    const WindowMap::Selection old = m_shown;
    m_shown = shown;
    QTextCursor& cursor = m_parts.window->cursor();
    if (!cursor.isNull()) {
        // Typing has moved this cursor along already. Placing it costs the
        // shaping of its line (a cursor notes its x for moves up and down,
        // which this one never makes), so it is placed only when elsewhere.
        const int length = m_parts.window->length();
        const int anchor = qBound(0, shown.anchor, length);
        const int position = qBound(0, shown.cursor, length);
        if (cursor.anchor() != anchor || cursor.position() != position) {
            cursor.setPosition(anchor);
            cursor.setPosition(position, QTextCursor::KeepAnchor);
        }
    }
    if (shown.start() != old.start())
        emit document->editSelectionStartChanged();
    if (shown.end() != old.end())
        emit document->editSelectionEndChanged();
    if (shown.cursor != old.cursor)
        emit document->editCursorPostionChanged();
    if (shown.start() != old.start() || shown.end() != old.end())
        emit document->editSelectedTextChanged();
}

bool WriterSelection::isSelectedAll() const
{
    const int length = m_parts.whole->length();
    return length > 0 && m_whole.start() == 0 && m_whole.end() >= length;
}

void WriterSelection::refreshSelectedAll()
{
    const bool all = isSelectedAll();
    if (all != m_selectedAll) {
        m_selectedAll = all;
        emit m_parts.document->isSelectedAllChanged(all);
    }
}

QString WriterSelection::wholeText() const
{
    return m_parts.whole->range(m_whole.start(), m_whole.end());
}

QString WriterSelection::shownText() const
{
    return m_parts.window->range(m_shown.start(), m_shown.end());
}

QTextCursor WriterSelection::wholeCursor() const
{
    QTextCursor cursor(m_parts.whole->document());
    const int length = m_parts.whole->length();
    cursor.setPosition(qBound(0, m_whole.start(), length));
    cursor.setPosition(qBound(0, m_whole.end(), length), QTextCursor::KeepAnchor);
    return cursor;
}

QTextCursor WriterSelection::shownCursor() const
{
    QTextDocument* window = m_parts.window->document();
    if (!window)
        return QTextCursor();
    const int length = m_parts.window->length();
    QTextCursor cursor(window);
    cursor.setPosition(qBound(0, m_shown.start(), length));
    cursor.setPosition(qBound(0, m_shown.end(), length), QTextCursor::KeepAnchor);
    return cursor;
}

void WriterSelection::setTextEdit(QObject* edit)
{
    if (m_textEdit == edit)
        return;
    if (m_textEdit) {
        disconnect(m_textEdit, nullptr, this, nullptr);
        m_textEdit->removeEventFilter(this);
    }
    m_textEdit = edit;
    delete m_nodeKeeper;
    m_nodeKeeper = nullptr;
    if (edit) {
        m_nodeKeeper = new TextNodeKeeper(edit, this);
        edit->installEventFilter(this);
        // One slot for the three reports: whichever comes first, the three
        // values are read together.
        const QMetaMethod slot = metaObject()->method(metaObject()->indexOfSlot("textAreaChanged()"));
        const QMetaObject* meta = edit->metaObject();
        m_cursorProperty = meta->property(meta->indexOfProperty("cursorPosition"));
        m_selectionStartProperty = meta->property(meta->indexOfProperty("selectionStart"));
        m_selectionEndProperty = meta->property(meta->indexOfProperty("selectionEnd"));
        for (const QMetaProperty& property : { m_cursorProperty, m_selectionStartProperty, m_selectionEndProperty }) {
            if (property.hasNotifySignal())
                connect(edit, property.notifySignal(), this, slot);
        }
        if (m_parts.window->document())
            show();
    }
    emit m_parts.document->textEditChanged();
}

bool WriterSelection::read(WindowMap::Selection* shown) const
{
    if (!m_parts.window->document())
        return false;
    const int length = m_parts.window->length();
    if (m_textEdit) {
        const int start = m_selectionStartProperty.read(m_textEdit).toInt();
        const int end = m_selectionEndProperty.read(m_textEdit).toInt();
        const int cursor = m_cursorProperty.read(m_textEdit).toInt();
        shown->cursor = qBound(0, cursor, length);
        shown->anchor = qBound(0, cursor == start ? end : start, length);
        return true;
    }
    const QTextCursor& cursor = m_parts.window->cursor();
    if (cursor.isNull())
        return false;
    shown->anchor = qBound(0, cursor.anchor(), length);
    shown->cursor = qBound(0, cursor.position(), length);
    return true;
}

bool WriterSelection::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_textEdit)
        return false;
    m_parts.typing->endTypingRunOn(event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        m_drag = Drag::None;
        // Whatever the key does happens at the writer's cursor (also the
        // cursor of a selection the window shows only part of); only
        // scrolling and bare modifiers leave it where it is.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_PageUp && key != Qt::Key_PageDown && key != Qt::Key_Escape && key != Qt::Key_Shift
            && key != Qt::Key_Control && key != Qt::Key_Alt && key != Qt::Key_Meta && key != Qt::Key_AltGr
            && key != Qt::Key_CapsLock) {
            m_parts.window->returnToCursor();
            m_parts.window->reachBeyond(key);
        }
        break;
    }
    case QEvent::InputMethod: {
        const auto* input = static_cast<QInputMethodEvent*>(event);
        if (!input->commitString().isEmpty() || !input->preeditString().isEmpty())
            m_parts.window->returnToCursor();
        break;
    }
    case QEvent::MouseButtonPress:
        // A click puts the cursor where it lands (with Shift it extends the
        // selection from the writer's cursor, which stays).
        if (m_parts.window->isCursorAway() && !(static_cast<QMouseEvent*>(event)->modifiers() & Qt::ShiftModifier))
            setWhole(WindowMap::at(m_parts.window->map().toWhole(m_shown.cursor)));
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            m_drag = Drag::Pressed;
        break;
    case QEvent::MouseButtonRelease:
        // The release's own report still belongs to the drag.
        if (m_drag != Drag::None)
            QMetaObject::invokeMethod(this, [this] { m_drag = Drag::None; }, Qt::QueuedConnection);
        break;
    default:
        break;
    }
    return false;
}

void WriterSelection::textAreaChanged()
{
    if (m_holds == 0)
        take();
}

void WriterSelection::take()
{
    WindowMap::Selection shown;
    if (!read(&shown))
        return;
    const WindowMap& map = m_parts.window->map();
    WindowMap::Selection whole = map.toWhole(shown, m_whole);
    if (m_drag == Drag::Pressed) {
        m_drag = Drag::Anchored;
        m_dragAnchor = whole.anchor;
    } else if (m_drag == Drag::Anchored) {
        // Only an anchor the window holds can be the text area's own (a
        // word-wise drag moves it); one beyond the window shows at its edge.
        if (map.contains(m_dragAnchor) && shown.anchor != map.toWindow(m_dragAnchor))
            m_dragAnchor = whole.anchor;
        whole = WindowMap::Selection { m_dragAnchor, map.toWhole(shown.cursor) };
    }
    setShown(shown);
    setWhole(whole);
}

void WriterSelection::show()
{
    WindowMap::Selection live;
    if (!read(&live))
        return;
    const WindowMap::Selection shown = m_parts.window->map().toWindow(m_whole);
    if (m_textEdit && live != shown) {
        ++m_holds;
        if (shown.isEmpty())
            m_cursorProperty.write(m_textEdit, shown.cursor);
        else
            QMetaObject::invokeMethod(m_textEdit, "select", Q_ARG(int, shown.anchor), Q_ARG(int, shown.cursor));
        --m_holds;
    }
    setShown(shown);
    updateCursorLine();
}

// The cursor's line, column and the line's text before it, in the whole
// document.
void WriterSelection::updateCursorLine()
{
    const QTextBlock block = m_parts.whole->document()->findBlock(qBound(0, m_whole.cursor, m_parts.whole->length()));
    if (!block.isValid())
        return;
    const int column = m_whole.cursor - block.position();
    setCursorLine(block.blockNumber(), column, block.text().left(column));
}

// All three values are stored before any is signalled, and the text before
// the cursor is signalled first: the counter recounts on a line or column
// change and must read the text that belongs to it.
void WriterSelection::setCursorLine(int line, int column, const QString& preText)
{
    LazyTextDocument* document = m_parts.document;
    const bool lineChanged = line != m_cursorLineNumber;
    const bool columnChanged = column != m_cursorLinePostion;
    const bool textChanged = preText != m_cursorLinePreText;
    m_cursorLineNumber = line;
    m_cursorLinePostion = column;
    m_cursorLinePreText = preText;
    if (textChanged)
        emit document->cursorLinePreTextChanged();
    if (lineChanged)
        emit document->cursorLineNumberChanged();
    if (columnChanged)
        emit document->cursorLinePostionChanged();
}
