#include "lazytextdocument.h"

#include "function/function.h"
#include "function/message.h"
#include "support/log.h"
#include "support/userfile.h"
#include "support/writenotice.h"
#include "textarea/blanklayout.h"
#include "textarea/documentfile.h"
#include "textarea/documentsaver.h"
#include "textarea/historysnapshots.h"
#include "textarea/makeuper.h"
#include "textarea/rawtextcopy.h"
#include "textarea/textnodekeeper.h"
#include "textarea/textrules.h"
#include "textarea/wholedocument.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QQuickTextDocument>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>
#include <QFutureWatcher>
#include <QtConcurrent>

#include <private/qtextdocument_p.h>

#include <cmath>
#include <utility>

namespace {

QElapsedTimer m_timeElapsed;

const QChar paragraphSeparator(QChar::ParagraphSeparator);
const QString twoIdeographicSpaces = QStringLiteral("\u3000\u3000");

// Lengths of the common beginning and the common end of two texts (not
// overlapping), so that only what differs between them is edited.
void commonEnds(const QString& a, const QString& b, int* prefix, int* suffix)
{
    const int shortest = qMin(a.size(), b.size());
    int p = 0;
    while (p < shortest && a.at(p) == b.at(p))
        ++p;
    int s = 0;
    while (s < shortest - p && a.at(a.size() - 1 - s) == b.at(b.size() - 1 - s))
        ++s;
    *prefix = p;
    *suffix = s;
}

bool fuzzyEqual(double a, double b)
{
    return std::abs(a - b) * 1000000000000. <= qMin(std::abs(a), std::abs(b));
}

// A whole offset after an edit that replaced `removed` characters at
// `position` by `added` ones, as a text cursor there would move.
int shifted(int value, int position, int removed, int added)
{
    if (value >= position + removed)
        return value + added - removed;
    if (value > position)
        return position + added;
    return value;
}

} // namespace

LazyTextDocument::LazyTextDocument(QObject* parent)
    : QObject(parent)
{
    m_timeElapsed.restart();
    m_wholeDoc = new WholeDocument(this);
    m_allDoc = m_wholeDoc->document();
    connect(m_wholeDoc, &WholeDocument::changed, this, &LazyTextDocument::afterWholeChange);
    m_copyTimer = new QTimer(this);
    m_copyTimer->setSingleShot(true);
    m_copyTimer->setInterval(0);
    connect(m_copyTimer, &QTimer::timeout, this, &LazyTextDocument::copyAhead);
    connect(m_allDoc, &QTextDocument::modificationChanged, this, &LazyTextDocument::refreshModified);

    m_loadTimer = new QTimer(this);
    m_loadTimer->setSingleShot(true);
    m_loadTimer->setInterval(5);
    connect(m_loadTimer, &QTimer::timeout, this, &LazyTextDocument::doSetFile);

    m_historyTimer = new QTimer(this);
    m_historyTimer->setObjectName(QStringLiteral("historyTimer"));
    connect(m_historyTimer, &QTimer::timeout, this, qOverload<>(&LazyTextDocument::saveTmpFile));
    m_historyTimer->start(m_historyTime * 60000);

    m_saver = new DocumentSaver(this);
    connect(m_saver, &DocumentSaver::written, this, &LazyTextDocument::savedInBackground);
    connect(this, &LazyTextDocument::sendSave, this, &LazyTextDocument::saveInBackground, Qt::QueuedConnection);
    // Every jump moves the cursor: typing after it is a step of its own.
    connect(this, &LazyTextDocument::sendEditPostion, this, [this] { m_typingRun.end(); });
    connectEditAndAllDocument(true);
}

LazyTextDocument::~LazyTextDocument()
{
    handOverEnterSave(); // the writer, ended with the document, writes it
    unwatchFile();
}

int LazyTextDocument::timeElapsed()
{
    return m_timeElapsed.isValid() ? int(m_timeElapsed.elapsed()) : 0;
}

// ---- small helpers ----------------------------------------------------------

int LazyTextDocument::editLength() const
{
    return m_editDoc ? m_editDoc->characterCount() - 1 : 0;
}

QString LazyTextDocument::editRange(int start, int end) const
{
    if (!m_editDoc)
        return QString();
    const int length = editLength();
    start = qBound(0, start, length);
    end = qBound(start, end, length);
    if (start == end)
        return QString();
    QTextCursor cursor(m_editDoc);
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

void LazyTextDocument::afterWholeChange(bool textEdited)
{
    if (textEdited)
        setIsTmpModified(true);
    // Edits made with the whole document's signals blocked do not report the
    // modified flag: read it back after every change.
    refreshModified();
    const int lines = m_allDoc->blockCount();
    if (lines != m_lineCount) {
        m_lineCount = lines;
        emit lineCountChanged();
    }
    emit allTextChanged();
    const bool undo = m_allDoc->isUndoAvailable();
    const bool redo = m_allDoc->isRedoAvailable();
    if (undo != m_undoAvailable) {
        m_undoAvailable = undo;
        emit isUndoAvailableChanged();
    }
    if (redo != m_redoAvailable) {
        m_redoAvailable = redo;
        emit isRedoAvailableChanged();
    }
    const bool all = isSelectedAll();
    if (all != m_selectedAll) {
        m_selectedAll = all;
        emit isSelectedAllChanged(all);
    }
}

void LazyTextDocument::setWholeSelection(const WindowMap::Selection& whole)
{
    const WindowMap::Selection old = m_whole;
    m_whole = whole;
    const bool startChanged = whole.start() != old.start();
    const bool endChanged = whole.end() != old.end();
    const bool cursorChanged = whole.cursor != old.cursor;
    if (startChanged)
        emit allSelectionStartChanged();
    if (endChanged)
        emit allSelectionEndChanged();
    if (cursorChanged) {
        resetFormat();
        emit allCursorPostionChanged();
    }
    if (startChanged || endChanged || cursorChanged) {
        updateCursorLineInfo();
        emit allSelectedTextChanged();
    }
    const bool all = isSelectedAll();
    if (all != m_selectedAll) {
        m_selectedAll = all;
        emit isSelectedAllChanged(all);
    }
}

void LazyTextDocument::setShown(const WindowMap::Selection& shown)
{
    const WindowMap::Selection old = m_shown;
    m_shown = shown;
    if (!m_editCursor.isNull()) {
        // Typing has moved this cursor along already. Placing it costs the
        // shaping of its line (a cursor notes its x for moves up and down,
        // which this one never makes), so it is placed only when elsewhere.
        const int length = editLength();
        const int anchor = qBound(0, shown.anchor, length);
        const int cursor = qBound(0, shown.cursor, length);
        if (m_editCursor.anchor() != anchor || m_editCursor.position() != cursor) {
            m_editCursor.setPosition(anchor);
            m_editCursor.setPosition(cursor, QTextCursor::KeepAnchor);
        }
    }
    if (shown.start() != old.start())
        emit editSelectionStartChanged();
    if (shown.end() != old.end())
        emit editSelectionEndChanged();
    if (shown.cursor != old.cursor)
        emit editCursorPostionChanged();
    if (shown.start() != old.start() || shown.end() != old.end())
        emit editSelectedTextChanged();
}

QTextCursor LazyTextDocument::wholeCursor()
{
    QTextCursor cursor(m_allDoc);
    const int length = m_wholeDoc->length();
    cursor.setPosition(qBound(0, m_whole.start(), length));
    cursor.setPosition(qBound(0, m_whole.end(), length), QTextCursor::KeepAnchor);
    return cursor;
}

QTextCursor LazyTextDocument::editSelectionCursor() const
{
    if (!m_editDoc)
        return QTextCursor();
    const int length = editLength();
    QTextCursor cursor(m_editDoc);
    cursor.setPosition(qBound(0, m_shown.start(), length));
    cursor.setPosition(qBound(0, m_shown.end(), length), QTextCursor::KeepAnchor);
    return cursor;
}

QString LazyTextDocument::localPath() const
{
    if (m_fileName.isLocalFile())
        return m_fileName.toLocalFile();
    return QString();
}

QString LazyTextDocument::historyDir() const
{
    return m_historyPath.isLocalFile() ? m_historyPath.toLocalFile() : m_historyPath.toString();
}

// ---- the text area ---------------------------------------------------------------

void LazyTextDocument::setTextEdit(QObject* edit)
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
        if (m_editDoc)
            showSelection();
    }
    emit textEditChanged();
}

bool LazyTextDocument::readTextArea(WindowMap::Selection* shown) const
{
    if (!m_editDoc)
        return false;
    const int length = editLength();
    if (m_textEdit) {
        const int start = m_selectionStartProperty.read(m_textEdit).toInt();
        const int end = m_selectionEndProperty.read(m_textEdit).toInt();
        const int cursor = m_cursorProperty.read(m_textEdit).toInt();
        shown->cursor = qBound(0, cursor, length);
        shown->anchor = qBound(0, cursor == start ? end : start, length);
        return true;
    }
    if (m_editCursor.isNull())
        return false;
    shown->anchor = qBound(0, m_editCursor.anchor(), length);
    shown->cursor = qBound(0, m_editCursor.position(), length);
    return true;
}

bool LazyTextDocument::isCursorAway() const
{
    return m_whole.isEmpty() && !m_map.contains(m_whole.cursor) && m_editDoc;
}

void LazyTextDocument::returnToCursor()
{
    if (!m_editDoc || m_map.contains(m_whole.cursor))
        return;
    fillAround(m_whole.cursor);
    emit ensureVisible();
}

bool LazyTextDocument::joinsTypingRun(int position, int removed, const QString& inserted)
{
    // Enter's line break starts no run, and what it adds joins its own step.
    if (m_wholeDoc->joinsUndo() || m_inserting) {
        m_typingRun.end();
        return false;
    }
    return m_typingRun.extend(m_wholeDoc->revision(), position, removed, inserted);
}

void LazyTextDocument::endTypingRunOn(const QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        m_typingRun.end();
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        const bool typing = !key->text().isEmpty() && key->text().at(0).isPrint()
            && !(key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
        switch (key->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_CapsLock:
            break;
        default:
            if (!typing)
                m_typingRun.end();
        }
    }
}

bool LazyTextDocument::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_textEdit)
        return false;
    endTypingRunOn(event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        // Whatever the key does happens at the writer's cursor (also the
        // cursor of a selection the window shows only part of); only
        // scrolling and bare modifiers leave it where it is.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_PageUp && key != Qt::Key_PageDown && key != Qt::Key_Escape && key != Qt::Key_Shift
            && key != Qt::Key_Control && key != Qt::Key_Alt && key != Qt::Key_Meta && key != Qt::Key_AltGr
            && key != Qt::Key_CapsLock) {
            returnToCursor();
            reachBeyondWindow(key);
        }
        break;
    }
    case QEvent::InputMethod: {
        const auto* input = static_cast<QInputMethodEvent*>(event);
        if (!input->commitString().isEmpty() || !input->preeditString().isEmpty())
            returnToCursor();
        break;
    }
    case QEvent::MouseButtonPress:
        // A click puts the cursor where it lands (with Shift it extends the
        // selection from the writer's cursor, which stays).
        if (isCursorAway() && !(static_cast<QMouseEvent*>(event)->modifiers() & Qt::ShiftModifier))
            setWholeSelection(WindowMap::at(m_map.toWhole(m_shown.cursor)));
        break;
    default:
        break;
    }
    return false;
}

// Backspace at the window's first character and Delete after its last one
// act on the line beyond the window, which the window takes in first (the
// view stays where it is).
void LazyTextDocument::reachBeyondWindow(int key)
{
    WindowMap::Selection live;
    if ((key != Qt::Key_Backspace && key != Qt::Key_Delete) || m_readOnly || m_windowChanges > 0
        || !readTextArea(&live) || !live.isEmpty())
        return;
    if (key == Qt::Key_Backspace && live.cursor == 0 && m_map.firstLine() > 0) {
        const int oldHeight = m_contentHeight;
        const int oldY = m_contentY;
        insertDocmentTextOnTopFromAll(m_chunk);
        setContentY(oldY + (m_contentHeight - oldHeight));
    } else if (key == Qt::Key_Delete && live.cursor == editLength() && m_map.lastLine() < m_allDoc->blockCount() - 1) {
        const int oldY = m_contentY;
        appendDocmentTextOnBottomFromAll(m_map.lastLine() + 1, m_map.lastLine() + m_chunk);
        setContentY(oldY);
    }
}

void LazyTextDocument::textAreaChanged()
{
    if (m_windowChanges == 0)
        takeTextArea();
}

void LazyTextDocument::takeTextArea()
{
    WindowMap::Selection shown;
    if (!readTextArea(&shown))
        return;
    const WindowMap::Selection whole = m_map.toWhole(shown, m_whole);
    setShown(shown);
    setWholeSelection(whole);
}

void LazyTextDocument::showSelection()
{
    WindowMap::Selection live;
    if (!readTextArea(&live))
        return;
    const WindowMap::Selection shown = m_map.toWindow(m_whole);
    if (m_textEdit && live != shown) {
        ++m_windowChanges;
        if (shown.isEmpty())
            m_cursorProperty.write(m_textEdit, shown.cursor);
        else
            QMetaObject::invokeMethod(m_textEdit, "select", Q_ARG(int, shown.anchor), Q_ARG(int, shown.cursor));
        --m_windowChanges;
    }
    setShown(shown);
    updateCursorLineInfo();
}

void LazyTextDocument::showWholeSelection(const WindowMap::Selection& whole)
{
    const int length = m_wholeDoc->length();
    const WindowMap::Selection bounded { qBound(0, whole.anchor, length), qBound(0, whole.cursor, length) };
    if (!m_map.contains(bounded.cursor) || (m_editDoc && editLength() == 0 && length > 0))
        fillAround(bounded.cursor);
    setWholeSelection(m_map.settled(bounded));
    showSelection();
}

void LazyTextDocument::beginWindowChange(bool takeWriter)
{
    if (m_windowChanges++ > 0)
        return;
    // What the writer did last is taken before the window changes under it
    // (not when the whole text was replaced: the window is stale then).
    --m_windowChanges;
    if (takeWriter)
        takeTextArea();
    ++m_windowChanges;
    connectEditAndAllDocument(false);
}

void LazyTextDocument::endWindowChange(bool keepView)
{
    if (--m_windowChanges > 0)
        return;
    connectEditAndAllDocument(true);
    setWholeSelection(m_map.settled(m_whole));
    const int y = m_contentY;
    showSelection();
    // Showing the selection may scroll the text area to its cursor; a
    // window that moved under the view keeps the view where it was.
    if (keepView && m_contentY != y)
        setContentY(y);
}

void LazyTextDocument::scheduleMaintenance()
{
    if (m_maintenanceQueued)
        return;
    m_maintenanceQueued = true;
    QMetaObject::invokeMethod(this, [this] {
        m_maintenanceQueued = false;
        updateEditContent();
    }, Qt::QueuedConnection);
}

// ---- the window ---------------------------------------------------------------

void LazyTextDocument::setDocument(QQuickTextDocument* document)
{
    if (m_document == document)
        return;
    m_document = document;
    setEditDocument(document ? document->textDocument() : nullptr);
    emit documentChanged();
}

void LazyTextDocument::setEditDocument(QTextDocument* document)
{
    if (m_editDoc == document)
        return;
    connectEditAndAllDocument(false);
    if (m_editDoc)
        disconnect(m_editDoc, nullptr, this, nullptr);
    m_editDoc = document;
    m_editCursor = QTextCursor();
    if (document) {
        // The document only reports changes once it has a layout.
        document->documentLayout();
        // The window's own history would undo window moves and so corrupt
        // the mirror; undo runs on the whole document.
        document->setUndoRedoEnabled(false);
        connect(document, &QTextDocument::contentsChanged, this, &LazyTextDocument::editDocumentContentsChanged);
        connect(document, &QTextDocument::contentsChange, this, &LazyTextDocument::keepShaping);
        m_editCursor = QTextCursor(document);
        if (!document->isEmpty())
            clearWindow();
    }
    m_map = WindowMap();
    connectEditAndAllDocument(true);
    emit editDocumentChanged();
    if (document && m_wholeDoc->length() > 0)
        rebuildWindowAt(m_whole.cursor);
    else
        updateEditContent();
    updateFormat();
}

void LazyTextDocument::connectEditAndAllDocument(bool connected)
{
    if (connected == m_connected)
        return;
    m_connected = connected;
    if (connected) {
        if (m_editDoc) {
            connect(m_editDoc, &QTextDocument::contentsChange, this, &LazyTextDocument::editContentsChange, Qt::UniqueConnection);
        }
        connect(this, &LazyTextDocument::contentYChanged, this, &LazyTextDocument::updateY, Qt::UniqueConnection);
    } else {
        if (m_editDoc) {
            disconnect(m_editDoc, &QTextDocument::contentsChange, this, &LazyTextDocument::editContentsChange);
        }
        disconnect(this, &LazyTextDocument::contentYChanged, this, &LazyTextDocument::updateY);
    }
}

void LazyTextDocument::clearWindow()
{
    if (!m_editDoc)
        return;
    QTextCursor cursor(m_editDoc);
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    m_map = WindowMap(m_map.firstLine(), 1, m_map.start(), 0);
}

// Lines start..end become the window's text (one edit of the window).
void LazyTextDocument::fillWindow(int start, int end)
{
    if (!m_editDoc)
        return;
    const int last = m_allDoc->blockCount() - 1;
    end = qBound(0, end, last);
    start = qBound(0, start, end);
    const QString text = m_wholeDoc->lines(start, end);
    QTextCursor cursor(m_editDoc);
    cursor.select(QTextCursor::Document);
    if (text.isEmpty())
        cursor.removeSelectedText();
    else
        cursor.insertText(text);
    const int oldStart = m_map.start();
    m_map = WindowMap(start, end - start + 1, m_allDoc->findBlockByNumber(start).position(), editLength());
    Q_ASSERT(m_map.lineCount() == m_editDoc->blockCount());
    if (oldStart != m_map.start())
        emit startPositionChanged();
}

void LazyTextDocument::setDocumentForAllTextFromAll(int start, int end)
{
    if (!m_editDoc)
        return;
    beginWindowChange();
    if (m_wholeDoc->length() == 0 && m_allDoc->blockCount() == 1) {
        clearWindow();
        m_map = WindowMap();
    } else {
        fillWindow(start, end);
    }
    updateFormat();
    endWindowChange(true);
}

void LazyTextDocument::appendDocmentTextOnBottomFromAll(int first, int last)
{
    if (!m_editDoc)
        return;
    last = qMin(last, m_allDoc->blockCount() - 1);
    // The window must go on with the line after its last one. A single
    // remaining line is appended too, or the book's last line could never
    // be scrolled into the window.
    first = m_map.lastLine() + 1;
    if (last < first)
        return;
    beginWindowChange();
    const QString text = paragraphSeparator + m_wholeDoc->lines(first, last);
    QTextCursor cursor(m_editDoc);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    m_map.addBelow(last - first + 1, text.size());
    endWindowChange(true);
}

void LazyTextDocument::insertDocmentTextOnTopFromAll(int count)
{
    if (!m_editDoc)
        return;
    const int n = qMin(count, m_map.firstLine());
    if (n <= 0)
        return;
    const int newStart = m_map.firstLine() - n;
    beginWindowChange();
    const QString text = m_wholeDoc->lines(newStart, m_map.firstLine() - 1) + paragraphSeparator;
    QTextCursor cursor(m_editDoc);
    cursor.setPosition(0);
    cursor.insertText(text);
    m_map.addAbove(n, text.size());
    emit startPositionChanged();
    endWindowChange(true);
}

void LazyTextDocument::removeTopLineDocumentTextFromAll(int count)
{
    if (!m_editDoc)
        return;
    const int n = qMin(count, m_editDoc->blockCount() - 1);
    if (n <= 0)
        return;
    beginWindowChange();
    const int characters = m_editDoc->findBlockByNumber(n).position();
    QTextCursor cursor(m_editDoc);
    cursor.setPosition(0);
    cursor.setPosition(characters, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    m_map.dropAbove(n, characters);
    emit startPositionChanged();
    endWindowChange(true);
}

void LazyTextDocument::removeBottomDocumentTextFromAll(int count)
{
    if (!m_editDoc)
        return;
    const int n = qMin(count, m_editDoc->blockCount() - 1);
    if (n <= 0)
        return;
    beginWindowChange();
    m_removedBottom = true;
    const QTextBlock keep = m_editDoc->findBlockByNumber(m_editDoc->blockCount() - n - 1);
    const int from = keep.position() + keep.length() - 1;
    QTextCursor cursor(m_editDoc);
    cursor.setPosition(from);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    const int characters = cursor.selectionEnd() - from;
    cursor.removeSelectedText();
    m_map.dropBelow(n, characters);
    endWindowChange(true);
}

void LazyTextDocument::updateY()
{
    // Not from inside the text area's own signals (its cursor and scroll
    // changes come in the middle of an edit): once they are all delivered.
    scheduleMaintenance();
}

void LazyTextDocument::updateEditContent()
{
    if (m_loading || m_maintaining || m_windowChanges > 0 || m_fileName.isEmpty() || !m_editDoc || m_contentY == -1
        || m_editHeight == -1 || m_contentHeight == -1 || m_enterPressed || m_realignPending)
        return;
    m_maintaining = true;
    // A cursor in view stays in view, however the window moves under it.
    const bool cursorShown = viewShowsCursor();
    beginWindowChange();
    bool refilled = false;
    auto done = [&] {
        endWindowChange(true);
        m_maintaining = false;
        updateScrollPostion();
        if (refilled || (cursorShown && !viewShowsCursor()))
            emit ensureVisible();
    };

    if (editLength() == 0 && m_editDoc->blockCount() == 1) {
        if (m_wholeDoc->length() == 0 && m_allDoc->blockCount() == 1)
            return done();
        // The window's whole text is gone (a selection of all of it removed,
        // or nothing loaded yet): it is filled again around the cursor (from
        // the top when the cursor is near it), in view.
        if (m_allDoc->findBlock(m_whole.cursor).blockNumber() < m_windowSize)
            setDocumentForAllTextFromAll(0, m_windowSize);
        else
            fillAround(m_whole.cursor);
        refilled = true;
    }
    if (m_editDoc->blockCount() == m_allDoc->blockCount())
        return done();

    const int lastLine = m_allDoc->blockCount() - 1;
    if (m_contentHeight / 5 <= m_editHeight && m_contentY < m_contentHeight && lastLine > m_map.lastLine())
        appendDocmentTextOnBottomFromAll(m_map.lastLine() + 1, m_map.lastLine() + 11);

    if (m_removedBottom) {
        m_removedBottom = false;
        return done();
    }

    if (m_contentY < 2 * m_editHeight) {
        if (m_map.firstLine() == 0)
            return done();
        const int oldHeight = m_contentHeight;
        const int oldY = m_contentY;
        insertDocmentTextOnTopFromAll(m_chunk);
        const int y = oldY + (m_contentHeight - oldHeight);
        setContentY(y);
        if (m_contentHeight - m_contentY - m_editHeight >= 4 * m_editHeight) {
            removeBottomDocumentTextFromAll(m_chunk);
            setContentY(y);
        }
    }

    const int bottom = m_contentHeight - m_editHeight - m_contentY;
    if (m_map.firstLine() + m_editDoc->blockCount() >= m_allDoc->blockCount()) {
        // At the book's end, where writing goes on: the lines the view has
        // left far behind are dropped, or the window would grow with every
        // paragraph (a chunk only when the view stays 3 view heights below
        // the new top, so that the top is not loaded again at once).
        const QTextBlock cut = m_editDoc->findBlockByNumber(m_chunk);
        if (m_contentY >= 4 * m_editHeight && cut.isValid()) {
            const int cutHeight = int(m_editDoc->documentLayout()->blockBoundingRect(cut).top());
            if (m_contentY - cutHeight >= 3 * m_editHeight) {
                const int oldHeight = m_contentHeight;
                const int savedY = m_contentY;
                removeTopLineDocumentTextFromAll(m_chunk);
                setContentY(savedY - (oldHeight - m_contentHeight));
            }
        }
        return done();
    }
    if (bottom >= 2 * m_editHeight)
        return done();
    const int savedY = m_contentY;
    appendDocmentTextOnBottomFromAll(m_map.lastLine() + 1, m_map.lastLine() + 1 + m_chunk);
    setContentY(savedY);
    if (m_contentY >= 4 * m_editHeight) {
        const int oldHeight = m_contentHeight;
        removeTopLineDocumentTextFromAll(m_chunk);
        setContentY(savedY - (oldHeight - m_contentHeight));
    }
    done();
}

bool LazyTextDocument::viewShowsCursor() const
{
    if (!m_textEdit || m_contentY < 0 || m_editHeight <= 0)
        return false;
    QRectF r;
    QMetaObject::invokeMethod(m_textEdit, "positionToRectangle", Q_RETURN_ARG(QRectF, r), Q_ARG(int, m_shown.cursor));
    return r.bottom() > m_contentY && r.top() < m_contentY + m_editHeight;
}

void LazyTextDocument::reloadEditDocument()
{
    if (!m_editDoc || m_windowChanges > 0)
        return;
    beginWindowChange();
    const int last = m_allDoc->blockCount() - 1;
    const int start = qBound(0, m_map.firstLine(), last);
    const int end = qBound(0, start + m_editDoc->blockCount() - 1, last);
    fillWindow(start, end);
    updateFormat();
    endWindowChange(true);
}

void LazyTextDocument::reloadEditText()
{
    beginWindowChange();
    clearWindow();
    endWindowChange(true);
    updateEditContent();
}

// Fills the window with the lines around a whole offset.
void LazyTextDocument::fillAround(int allPostion)
{
    if (!m_editDoc)
        return;
    beginWindowChange(false);
    const int pos = qBound(0, allPostion, m_wholeDoc->length());
    const int block = qMax(0, m_allDoc->findBlock(pos).blockNumber());
    fillWindow(qMax(0, block - m_jumpSpan), block + m_jumpSpan);
    updateFormat();
    endWindowChange(false);
}

// Rebuilds the window around a whole offset and puts the cursor there, in
// view.
void LazyTextDocument::rebuildWindowAt(int allPostion)
{
    if (!m_editDoc)
        return;
    const int pos = qBound(0, allPostion, m_wholeDoc->length());
    setWholeSelection(WindowMap::at(pos));
    fillAround(pos);
    emit sendEditPostion(m_shown.cursor);
    emit ensureVisible();
    updateScrollPostion();
}

void LazyTextDocument::realignWindow()
{
    m_realignPending = false;
    if (!m_editDoc)
        return;
    beginWindowChange();
    const int first = m_allDoc->findBlock(m_map.start()).blockNumber();
    const int last = m_allDoc->findBlock(m_map.start() + editLength()).blockNumber();
    fillWindow(qMax(0, first), qMax(0, last));
    updateFormat();
    endWindowChange(false);
    emit ensureVisible();
}

void LazyTextDocument::wholeEditedOutsideWindow(int position, int removed, int added, int blockDelta)
{
    if (!m_editDoc)
        return;
    const int start = m_map.start();
    if (m_map.editOutside(position, removed, added, blockDelta)) {
        if (start != m_map.start())
            emit startPositionChanged();
        return;
    }
    rebuildWindowAt(m_whole.cursor);
}

// ---- mirroring window edits ---------------------------------------------------

void LazyTextDocument::editContentsChange(int position, int charsRemoved, int charsAdded)
{
    if (!m_editDoc)
        return;
    const int oldLength = m_map.length();
    const int newLength = editLength();
    const int windowStart = m_map.start();

    int pos = qBound(0, position, oldLength);
    int removed = qBound(0, charsRemoved, oldLength - pos);
    int added = qBound(0, charsAdded, newLength - pos);
    if (oldLength - removed + added != newLength) {
        // The report does not describe the change (it can count the
        // document's implicit last separator): compare the window with its
        // segment of the whole document instead.
        const QString before = m_wholeDoc->range(windowStart, windowStart + oldLength);
        const QString after = editRange(0, newLength);
        int prefix = 0;
        int suffix = 0;
        commonEnds(before, after, &prefix, &suffix);
        pos = prefix;
        removed = before.size() - prefix - suffix;
        added = after.size() - prefix - suffix;
    }
    QString newText = editRange(pos, pos + added);

    // A selection that reaches beyond the window (select-all, a chapter, a
    // selection whose anchor the window left behind): when the text area
    // replaced the part it shows (the text around it is as it was and its
    // own selection is gone), the whole selection is what is replaced.
    const WindowMap::Selection selection = m_whole;
    const bool beyond = !selection.isEmpty()
        && (selection.start() < windowStart || selection.end() > windowStart + oldLength);
    bool replacesSelection = false;
    WindowMap::Selection live;
    if (beyond && readTextArea(&live) && live.isEmpty()) {
        const int shownStart = qBound(0, selection.start() - windowStart, oldLength);
        const int shownEnd = qBound(0, selection.end() - windowStart, oldLength);
        const int tail = oldLength - shownEnd;
        const QString before = m_wholeDoc->range(windowStart, windowStart + oldLength);
        const QString after = editRange(0, newLength);
        if (newLength >= shownStart + tail && after.leftRef(shownStart) == before.leftRef(shownStart)
            && after.rightRef(tail) == before.rightRef(tail)) {
            replacesSelection = true;
            newText = after.mid(shownStart, newLength - shownStart - tail);
        }
    }
    // The line break of Enter (also one that replaced a selection of whole
    // lines and so left the number of lines as it was).
    if (m_enterPressed && !m_inserting && newText.contains(paragraphSeparator))
        m_enterBreak = true;

    if (replacesSelection) {
        const int before = m_wholeDoc->length();
        const bool everything = selection.start() == 0 && selection.end() >= before;
        joinsTypingRun(selection.start(), selection.end() - selection.start(), newText); // starts a run
        const int inserted = m_wholeDoc->replace(selection.start(), selection.end(), newText);
        const int newStart = qMin(selection.start(), windowStart);
        const QTextBlock first = m_allDoc->findBlock(newStart);
        const QTextBlock last = m_allDoc->findBlock(newStart + newLength);
        const bool aligned = first.position() == newStart && last.isValid()
            && last.position() + last.length() - 1 == newStart + newLength;
        m_map = WindowMap(first.blockNumber(), m_editDoc->blockCount(), newStart, newLength);
        if (newStart != windowStart)
            emit startPositionChanged();
        setWholeSelection(WindowMap::at(selection.start() + inserted));
        takeTextArea();
        if (!aligned && !m_realignPending) {
            // The window now starts or ends inside a line; it is rebuilt
            // from the whole document once the text area's edit is over.
            m_realignPending = true;
            QMetaObject::invokeMethod(this, &LazyTextDocument::realignWindow, Qt::QueuedConnection);
        }
        if (everything)
            m_wholeDoc->announce(0, -1, inserted);
        else
            m_wholeDoc->announce(selection.start(), selection.end() - selection.start(), inserted);
        return;
    }

    const QString oldText = m_wholeDoc->range(windowStart + pos, windowStart + pos + removed);
    int prefix = 0;
    int suffix = 0;
    commonEnds(oldText, newText, &prefix, &suffix);
    if (prefix == oldText.size() && prefix == newText.size())
        return; // a format-only change
    const int at = windowStart + pos + prefix;
    const int gone = oldText.size() - prefix - suffix;
    const int blocks = m_map.lineCount();
    // The run is told the edit as the text area made it (a key typed over
    // a selection is typing, whatever both texts have in common).
    const bool joins = joinsTypingRun(windowStart + pos, removed, newText);
    const int inserted = m_wholeDoc->replace(at, at + gone, newText.mid(prefix, newText.size() - prefix - suffix), joins);
    m_map.editInside(removed, added, m_editDoc->blockCount() - blocks);
    Q_ASSERT(m_map.length() == newLength);
    setWholeSelection(WindowMap::Selection { shifted(m_whole.anchor, at, gone, inserted), shifted(m_whole.cursor, at, gone, inserted) });
    takeTextArea();
    m_wholeDoc->announce(at, gone, inserted);
    // An emptied window is filled again once the edit is over.
    if (newLength == 0 && m_wholeDoc->length() > 0)
        scheduleMaintenance();
}

// The window's lines keep their shaped text after layout. A line's layout
// otherwise drops it, and every cursor rectangle the view reads after a key
// shapes the whole line again: several times a key, each as costly as the
// line's layout.
void LazyTextDocument::keepShaping(int position, int charsRemoved, int charsAdded)
{
    Q_UNUSED(charsRemoved)
    if (!m_editDoc)
        return;
    const QTextBlock last = m_editDoc->findBlock(position + charsAdded);
    for (QTextBlock block = m_editDoc->findBlock(position); block.isValid(); block = block.next()) {
        block.layout()->setCacheEnabled(true);
        if (block == last)
            break;
    }
}

void LazyTextDocument::editDocumentContentsChanged()
{
    if (!m_editDoc)
        return;
    setStartLineText(m_editDoc->firstBlock().text());
    updateScrollPostion();
    emit lineCountChanged();
    if (!m_enterPressed)
        setSeriseEnterNumber(0);
    // Enter is completed once the text area's edit is over (its cursor has
    // moved on), not from inside the edit.
    if (m_enterBreak && !m_inserting) {
        m_enterBreak = false;
        doRealTimeSave(m_editDoc->blockCount());
    }
}

// ---- jumps and scrolling -----------------------------------------------------

bool LazyTextDocument::gotoPostionByAll(int allPostion)
{
    // While a file loads in steps the whole document holds only its start.
    if (!m_editDoc || !m_allDoc || m_loading)
        return false;
    const QTextBlock block = m_allDoc->findBlock(allPostion);
    if (allPostion < 0 || !block.isValid()) {
        logDebug(lcEditor) << m_fileName << allPostion << m_allDoc->characterCount() << m_allDoc->blockCount() << "超出文档范围";
        return false;
    }
    saveInBackground();
    takeTextArea();
    const int p = qMin(allPostion, m_wholeDoc->length());
    const bool windowFilled = editLength() > 0 || m_wholeDoc->length() == 0;
    if (windowFilled && ((p > m_map.start() && p <= m_map.end()) || m_allDoc->blockCount() == 1)) {
        setWholeSelection(WindowMap::at(p));
        showSelection();
        emit sendEditPostion(m_shown.cursor);
        emit ensureVisible();
        scheduleMaintenance();
        return true;
    }
    rebuildWindowAt(p);
    return true;
}

void LazyTextDocument::gotoLine(int line)
{
    const QTextBlock block = m_allDoc->findBlockByNumber(line);
    if (!block.isValid())
        return;
    gotoPostionByAll(block.position());
}

void LazyTextDocument::gotoStart()
{
    gotoLine(0);
}

void LazyTextDocument::gotoEnd()
{
    gotoPostionByAll(m_wholeDoc->length());
}

void LazyTextDocument::selectTo(int allPostion)
{
    takeTextArea();
    const int p = qBound(0, allPostion, m_wholeDoc->length());
    showWholeSelection(WindowMap::Selection { m_whole.anchor, p });
    emit sendEditPostion(m_shown.cursor);
    emit ensureVisible();
}

void LazyTextDocument::editSetAllPosition(int cursorPostion)
{
    setAllCursorPostion(m_map.toWhole(cursorPostion));
}

void LazyTextDocument::updateScrollPostion()
{
    const double size = m_map.viewShare(m_editHeight, m_contentHeight, m_allDoc->blockCount());
    if (!fuzzyEqual(size, m_scrollSize)) {
        m_scrollSize = size;
        emit scrollSizeChanged();
    }
    if (m_contentHeight <= 0 || m_contentY < 0)
        return;
    const double p = m_map.scrollPosition(m_contentY, m_contentHeight, m_allDoc->blockCount());
    if (fuzzyEqual(p, m_scrollPostion))
        return;
    m_scrollPostion = p;
    emit scrollPostionChanged();
}

void LazyTextDocument::setScrollPostion(double value)
{
    value = qBound(0.0, value, 1.0);
    if (fuzzyEqual(value, m_scrollPostion))
        return;
    updateEditFromPostion(value);
    m_scrollPostion = value;
    emit scrollPostionChanged();
}

// Scrolls the view to a scroll position: inside the window by its scroll
// offset, else the window moves there first (with the cursor, at the start
// of the line at that position).
void LazyTextDocument::updateEditFromPostion(double postion)
{
    const int total = m_allDoc->blockCount();
    double y = m_map.contentYFor(postion, m_editHeight, m_contentHeight, total);
    if (y >= 0) {
        setContentY(int(y));
        return;
    }
    gotoLine(WindowMap::lineAt(postion, total));
    y = m_map.contentYFor(postion, m_editHeight, m_contentHeight, total);
    if (y >= 0)
        setContentY(int(y));
    // The place is estimated from the average line height: the cursor's
    // line is brought fully into view.
    emit ensureVisible();
}

// ---- paragraph format ----------------------------------------------------------

void LazyTextDocument::updateFormat()
{
    updateFormat(m_lineSpacing, m_paragraphHeight, m_textIndent);
}

void LazyTextDocument::updateFormat(double lineSpacing, double paragraphHeight, double textIndent)
{
    if (!m_editDoc)
        return;
    double size = 0;
    if (!m_editCursor.isNull()) {
        const QTextCharFormat format = m_editCursor.charFormat();
        size = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize() : 0;
        if (size <= 0) {
            const QFont font = m_editDoc->defaultFont();
            size = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
        }
    }
    QTextBlockFormat format;
    format.setLineHeight((lineSpacing - 0.2) * size, QTextBlockFormat::LineDistanceHeight);
    format.setTextIndent(size * textIndent);
    format.setTopMargin((paragraphHeight - 0.2) * size);
    format.setBottomMargin((paragraphHeight - 0.2) * size);
    const bool wasConnected = m_connected;
    connectEditAndAllDocument(false);
    QTextCursor cursor(m_editDoc);
    cursor.select(QTextCursor::Document);
    cursor.mergeBlockFormat(format);
    if (wasConnected)
        connectEditAndAllDocument(true);
}

// ---- whole-document text access ----------------------------------------------

QString LazyTextDocument::allText() const
{
    return m_wholeDoc->text();
}

QString LazyTextDocument::allRawText() const
{
    return m_wholeDoc->rawText();
}

QString LazyTextDocument::getText(int start, int end) const
{
    return WholeDocument::toLineFeeds(m_wholeDoc->range(qMin(start, end), qMax(start, end)));
}

void LazyTextDocument::remove(int start, int end)
{
    const int from = qBound(0, qMin(start, end), m_wholeDoc->length());
    const int to = qBound(0, qMax(start, end), m_wholeDoc->length());
    if (from == to || m_readOnly)
        return;
    const int blocks = m_allDoc->blockCount();
    takeTextArea();
    m_wholeDoc->replace(from, to, QString());
    setWholeSelection(WindowMap::Selection { shifted(m_whole.anchor, from, to - from, 0), shifted(m_whole.cursor, from, to - from, 0) });
    wholeEditedOutsideWindow(from, to - from, 0, m_allDoc->blockCount() - blocks);
    m_wholeDoc->announce(from, to - from, 0);
}

void LazyTextDocument::append(const QString& text)
{
    if (text.isEmpty())
        return;
    const int at = m_wholeDoc->length();
    const int blocks = m_allDoc->blockCount();
    const int inserted = m_wholeDoc->replace(at, at, text);
    wholeEditedOutsideWindow(at, 0, inserted, m_allDoc->blockCount() - blocks);
    m_wholeDoc->announce(at, 0, inserted);
}

// The window becomes empty and the cursor goes to 0, before the whole text
// is replaced.
void LazyTextDocument::emptyWindow()
{
    ++m_windowChanges;
    connectEditAndAllDocument(false);
    const int oldStart = m_map.start();
    clearWindow();
    m_map = WindowMap();
    if (oldStart != 0)
        emit startPositionChanged();
    connectEditAndAllDocument(true);
    --m_windowChanges;
    setShown(WindowMap::at(0));
    setWholeSelection(WindowMap::at(0));
}

void LazyTextDocument::setAllText(const QString& text)
{
    const bool hadText = beginTextReplacement();
    m_wholeDoc->replaceAll(text, m_fileType != QLatin1String("md") && m_fileType.startsWith(QLatin1String("htm")));
    endTextReplacement(hadText);
}

bool LazyTextDocument::beginTextReplacement()
{
    const bool hadText = m_textLoaded || m_wholeDoc->length() > 0;
    emptyWindow();
    return hadText;
}

void LazyTextDocument::endTextReplacement(bool hadText)
{
    m_allDoc->setModified(false);
    setLoading(false);
    // A reload replaces a counted text: everything is reported removed.
    emit m_allDoc->contentsChange(0, hadText ? -1 : 0, m_wholeDoc->length());
    m_wholeDoc->settle(false);
    setTextLoaded(true);
    m_copyTimer->start();
}

// Makes the copy a save hands over while nothing else is going on, a slice
// at a time (a long book's first save then copies nothing but its edits).
void LazyTextDocument::copyAhead()
{
    if (m_loading || m_readOnly || m_fileType.startsWith(QLatin1String("htm")))
        return;
    if (!m_wholeDoc->rawCopy().refresh(1 << 20)) {
        m_copyTimer->start();
        return;
    }
    // The file just read is most likely this text's encoding: the first
    // save then keeps it instead of writing the book again.
    const QString path = localPath();
    if (!path.isEmpty()) {
        const QString text = m_wholeDoc->rawCopy().text();
        m_saver->adoptFile(path, text, m_wholeDoc->rawCopy().takeUnchanged());
    }
}

// ---- loading and saving --------------------------------------------------------

void LazyTextDocument::setFileName(const QUrl& url)
{
    if (url == m_fileName)
        return;
    if (url.isEmpty()) {
        logDebug(lcEditor) << "fileName is empty";
        const bool hadText = m_wholeDoc->length() > 0;
        emptyWindow();
        m_wholeDoc->replaceAll(QString());
        if (hadText)
            m_wholeDoc->announce(0, -1, 0);
        return;
    }
    unwatchFile();
    ++m_loadGeneration;
    setLoading(true);
    m_wholeDoc->rawCopy().clear(); // the last file's; remade once this one is in
    m_fileName = url;
    m_loadTimer->start();
}

void LazyTextDocument::doSetFile()
{
    setFileType(QFileInfo(m_fileName.path()).suffix());
    if (!m_fileName.isEmpty())
        loadText(m_fileName, true);
    watchFile();
    emit fileNameChanged(m_fileName);
    if (m_fileName.scheme() == QLatin1String("qrc"))
        gotoPostionByAll(0);
}

QString LazyTextDocument::getCodecName(QIODevice* device)
{
    return function::getCodecName(device);
}

namespace {

// Steps of a long file's loading: the size from which it is read and
// decoded off the GUI thread and put into the document in parts, and the
// characters of one part (about 0.1 s of work each).
qint64 stepLoadBytes = 4 * 1024 * 1024;
int stepLoadCharacters = 1 << 20;

// The lines of a text as the document's blocks will hold them (line feed,
// carriage return and both together end a line); empty when the text holds
// other block separators.
QStringList documentLines(const QString& text)
{
    QStringList lines;
    const QChar* data = text.constData();
    const int size = text.size();
    int start = 0;
    for (int i = 0; i < size; ++i) {
        const ushort c = data[i].unicode();
        if (c == QChar::ParagraphSeparator || c == 0xFDD0 || c == 0xFDD1)
            return QStringList();
        if (c != '\n' && c != '\r')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == '\r' && i + 1 < size && data[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    lines.append(text.mid(start));
    return lines;
}

// The file's text as the document takes it: every line, the last included,
// ends with a line break, so the document ends with one empty line and a
// saved file ends with "\n".
QString documentText(const QByteArray& bytes)
{
    QString text = function::decodeText(bytes);
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')) && !text.endsWith(QLatin1Char('\r')))
        text += QLatin1Char('\n');
    return text;
}

// A long file's text, then its lines (the counting takes them instead of
// asking a million blocks on the GUI thread); off the GUI thread.
QStringList readLines(const QString& path)
{
    QFile file;
    QString problem;
    const QString text = DocumentFile::open(file, path, &problem) ? documentText(file.readAll()) : QString();
    return QStringList(text) + documentLines(text);
}

// The file a read ahead is of, as it was when the read began.
struct ReadAhead {
    QString path;
    qint64 size = -1;
    QDateTime modified;
    QFuture<QStringList> read;

    bool sameFile(const QFileInfo& info) const
    {
        return info.size() == size && info.lastModified() == modified;
    }
};

ReadAhead& pendingReadAhead()
{
    static ReadAhead ahead;
    return ahead;
}

} // namespace

void LazyTextDocument::readAhead(const QUrl& url)
{
    const QString path = url.isLocalFile() ? url.toLocalFile() : QString();
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || info.size() <= stepLoadBytes)
        return;
    ReadAhead ahead;
    ahead.path = path;
    ahead.size = info.size();
    ahead.modified = info.lastModified();
    // Nothing when the file changed while it was read: the load reads again.
    ahead.read = QtConcurrent::run([ahead] {
        QStringList lines = readLines(ahead.path);
        return ahead.sameFile(QFileInfo(ahead.path)) ? lines : QStringList();
    });
    pendingReadAhead() = ahead;
    // Not kept for a start that never opens it.
    QTimer::singleShot(30000, qApp, [] { pendingReadAhead() = ReadAhead(); });
}

void LazyTextDocument::setStepLoading(qint64 fromBytes, int charactersPerStep)
{
    stepLoadBytes = fromBytes;
    stepLoadCharacters = qMax(1, charactersPerStep);
}

bool LazyTextDocument::loadText(const QUrl& url)
{
    return loadText(url, false);
}

bool LazyTextDocument::loadText(const QUrl& url, bool inSteps)
{
    QString path = url.isLocalFile() ? url.toLocalFile() : QString();
    const bool resource = url.scheme() == QLatin1String("qrc");
    // The first load uses a read ahead or nobody does.
    const ReadAhead ahead = std::exchange(pendingReadAhead(), ReadAhead());
    if (path.isEmpty()) {
        if (!resource) {
            message::show(Message::Error, tr("未支持的打开方式"), 5000);
            return false;
        }
        path = QLatin1Char(':') + url.path();
    }
    if (!resource && !QFileInfo::exists(path)) {
        // A missing document is created empty; never over an existing file.
        UserFile::write(path, QByteArray(), UserFile::NewFileOnly);
    }
    // A document is a regular file, checked before anything is read.
    QFile file(path);
    QString problem;
    if (resource ? !file.open(QIODevice::ReadOnly) : !DocumentFile::open(file, path, &problem)) {
        if (problem.isEmpty())
            problem = file.errorString();
        logWarning(lcEditor) << "cannot open" << path << problem;
        message::show(Message::Error, tr("无法打开文件: ") + problem, 5000);
        return false;
    }
    setLastModification(QFileInfo(path).lastModified());
    m_allDoc->setModified(false);
    m_savedRevision = m_wholeDoc->revision();
    m_cleanRevision = m_wholeDoc->revision();
    setIsModified(false);

    const bool html = m_fileType != QLatin1String("md") && m_fileType.startsWith(QLatin1String("htm"));
    if (inSteps && !resource && !html && file.size() > stepLoadBytes) {
        file.close();
        const bool readAlready = ahead.path == path && ahead.sameFile(QFileInfo(path));
        loadInSteps(path, readAlready ? ahead.read : QFuture<QStringList>());
        return true;
    }
    QString text = documentText(file.readAll());
    file.close();
    if (text.isEmpty() && m_add2SpaceAtFrontByEnter) {
        text = twoIdeographicSpaces;
        setInitPosition(2);
    }
    setAllText(text);
    textTaken(path, resource);
    return true;
}

// A long file: read and decoded on a worker thread, then put into the
// whole document a part at a time, the event loop running between parts,
// so the window never freezes for long. Until the last part is in, the
// document is loading: nothing is shown, saved or snapshotted, and a
// newer file or a reload drops what is still to come.
void LazyTextDocument::loadInSteps(const QString& path, const QFuture<QStringList>& readAhead)
{
    const quint64 generation = ++m_loadGeneration;
    const bool readAlready = !readAhead.isCanceled();
    auto* reading = new QFutureWatcher<QStringList>(this);
    connect(reading, &QFutureWatcherBase::finished, this, [this, reading, generation, path] {
        reading->deleteLater();
        if (generation != m_loadGeneration)
            return;
        if (reading->result().isEmpty()) {
            // The file changed while it was read ahead.
            loadInSteps(path, QFuture<QStringList>());
            return;
        }
        const bool hadText = beginTextReplacement();
        m_wholeDoc->replaceAll(QString());
        // No undo history for the loaded text (as for any whole text).
        m_allDoc->setUndoRedoEnabled(false);
        QStringList read = reading->result();
        const QString text = read.takeFirst();
        insertStep(generation, text, read, 0, hadText, path);
    });
    reading->setFuture(readAlready ? readAhead : QtConcurrent::run(readLines, path));
}

void LazyTextDocument::insertStep(quint64 generation, const QString& text, const QStringList& lines, int from, bool hadText,
    const QString& path)
{
    if (generation != m_loadGeneration)
        return;
    int to = qMin(text.size(), from + stepLoadCharacters);
    // A part ends after a line feed, so a "\r\n" is never cut in two.
    const int lineEnd = text.indexOf(QLatin1Char('\n'), to - 1);
    to = lineEnd < 0 ? text.size() : lineEnd + 1;
    {
        m_wholeDoc->appendRaw(text.mid(from, to - from));
    }
    if (to < text.size()) {
        QTimer::singleShot(0, this, [=] { insertStep(generation, text, lines, to, hadText, path); });
        return;
    }
    m_allDoc->setUndoRedoEnabled(true);
    if (lines.size() == m_allDoc->blockCount()) {
        m_allDoc->setProperty(lineTextsProperty, lines);
        m_allDoc->setProperty(lineTextsRevisionProperty, m_allDoc->revision());
    }
    endTextReplacement(hadText);
    m_allDoc->setProperty(lineTextsProperty, QVariant());
    m_allDoc->setProperty(lineTextsRevisionProperty, QVariant());
    textTaken(path, false);
}

// What follows a loaded text: unmodified, the cursor at the start
// position, read-only for resources.
void LazyTextDocument::textTaken(const QString& path, bool resource)
{
    m_allDoc->setModified(false);
    m_savedRevision = m_wholeDoc->revision();
    m_cleanRevision = m_wholeDoc->revision();
    setIsModified(false);
    const int length = m_allDoc->characterCount();
    const int cursor = m_initPosition < length ? qMax(0, m_initPosition) : length - 1;
    // Kept also when the text area comes later: the window is built there.
    setWholeSelection(WindowMap::at(cursor));
    gotoPostionByAll(cursor);
    setReadOnly(resource);
    logDebug(lcEditor) << "loaded" << path << m_allDoc->blockCount() << "lines";
}

bool LazyTextDocument::reloadText()
{
    connectEditAndAllDocument(false);
    setTextLoaded(false);
    clearWindow();
    const QString path = localPath();
    const bool ok = !path.isEmpty() && QFileInfo::exists(path) && loadText(m_fileName);
    if (!ok)
        setTextLoaded(true);
    connectEditAndAllDocument(true);
    return ok;
}

QByteArray LazyTextDocument::encodedText() const
{
    if (m_fileType.startsWith(QLatin1String("htm")))
        return m_allDoc->toHtml(QByteArrayLiteral("utf-8")).toUtf8();
    return allText().toUtf8();
}

bool LazyTextDocument::save()
{
    // A document still loading is not the file's whole text: the file
    // already holds it.
    if (m_loading)
        return true;
    waitForSaves();
    if (!m_isModified && !m_allDoc->isModified())
        return true;
    return saveAs(m_fileName);
}

bool LazyTextDocument::saveAs(const QUrl& fileUrl)
{
    const QString path = fileUrl.isLocalFile() ? fileUrl.toLocalFile() : QString();
    if (path.isEmpty()) {
        message::show(Message::Error, tr("Cannot save: ") + tr("not a local file"), 5000);
        return false;
    }
    if (m_loading) {
        message::show(Message::Error, tr("Cannot save: ") + tr("文件正在载入"), 5000);
        return false;
    }
    // Writes handed over before come first, so that none of them lands
    // after this one.
    waitForSaves();
    // Written to a temporary file and renamed over the document only when
    // every byte is on disk: a failed save leaves the old file intact.
    const UserFile::Result written = UserFile::write(path, encodedText(), UserFile::NoOptions);
    if (!written) {
        WriteNotice::show(tr("Cannot save: "), path, written.error);
        return false;
    }
    WriteNotice::passed(path);
    m_savedRevision = m_wholeDoc->revision();
    m_cleanRevision = m_wholeDoc->revision();
    m_allDoc->setModified(false);
    setIsModified(false);
    if (fileUrl != m_fileName) {
        unwatchFile();
        m_fileName = fileUrl;
        emit fileNameChanged(m_fileName);
    }
    followSavedFile(path);
    return true;
}

void LazyTextDocument::saveInBackground()
{
    // A closed tab writes nothing more: it was saved as it closed, or its
    // file was deleted (a write would bring it back).
    if (m_exiting || m_loading || (!m_isModified && !m_allDoc->isModified()))
        return;
    for (const quint64 revision : qAsConst(m_pendingSaves)) {
        if (revision == m_wholeDoc->revision())
            return; // this very text is on its way
    }
    const QString path = localPath();
    if (path.isEmpty()) {
        message::show(Message::Error, tr("Cannot save: ") + tr("not a local file"), 5000);
        return;
    }
    // Only what changed since the last save is copied here; the line feeds,
    // the encoding and the write are the writer thread's, which keeps the
    // file's start where the text's is unchanged.
    quint64 ticket = 0;
    if (m_fileType.startsWith(QLatin1String("htm"))) {
        ticket = m_saver->save(path, encodedText());
    } else {
        const QString text = m_wholeDoc->rawCopy().text();
        ticket = m_saver->saveRawText(path, text, m_wholeDoc->rawCopy().takeUnchanged());
    }
    m_pendingSaves.insert(ticket, m_wholeDoc->revision());
}

bool LazyTextDocument::isSaving() const
{
    // Until its result is taken here: the file watcher may report the
    // write before that.
    return m_enterSavePending || !m_pendingSaves.isEmpty() || m_saver->busy();
}

void LazyTextDocument::waitForSaves()
{
    handOverEnterSave();
    m_saver->wait();
}

void LazyTextDocument::savedInBackground(quint64 ticket, const QString& path, bool superseded, bool ok, const QString& error)
{
    const auto pending = m_pendingSaves.constFind(ticket);
    if (pending == m_pendingSaves.constEnd())
        return;
    const quint64 revision = pending.value();
    m_pendingSaves.erase(pending);
    if (superseded)
        return;
    UserFile::Result result;
    result.ok = ok;
    result.error = error;
    // The next Enter tries again; one notice until a write succeeds.
    if (!WriteNotice::track(tr("Cannot save: "), path, result))
        return;
    if (path != localPath())
        return; // the document has another file by now
    m_savedRevision = revision;
    // Edits made after the text was handed over are not in the file: the
    // document stays modified, and the page's save timer is told to run
    // again (it starts on a change of isModified, which then never comes).
    if (revision == m_wholeDoc->revision()) {
        m_cleanRevision = revision;
        m_allDoc->setModified(false);
        setIsModified(false);
    } else {
        refreshModified();
        emit savedBehindEdits();
    }
    followSavedFile(path);
}

// After a write of the document's own file: not deleted, the new time, and
// the watch on the file that the rename replaced.
void LazyTextDocument::followSavedFile(const QString& path)
{
    emit fileDeleted(m_fileName, false);
    setLastModification(QFileInfo(path).lastModified());
    unwatchFile();
    watchFile();
}

void LazyTextDocument::followRename(const QUrl& url)
{
    if (url.isEmpty() || url == m_fileName)
        return;
    unwatchFile();
    m_fileName = url;
    // A load still waiting for its timer reads the new name by itself.
    if (m_loadTimer->isActive())
        return;
    setFileType(QFileInfo(m_fileName.path()).suffix());
    watchFile();
    emit fileDeleted(m_fileName, false);
    emit fileNameChanged(m_fileName);
}

bool LazyTextDocument::saveTmpFile()
{
    if (m_historyPath.isEmpty() || m_loading)
        return false;
    if (!m_isTmpModified)
        return true;
    const QString text = allText();
    if (text.trimmed().isEmpty())
        return false;
    if (!saveTmpFile(localPath(), text, historyDir()))
        return false;
    setIsTmpModified(false);
    return true;
}

bool LazyTextDocument::saveTmpFile(const QString& filePath, const QString& text, const QString& historyDir)
{
    if (m_historyPath.isEmpty())
        return false;
    const QString dir = historyDir.isEmpty() ? this->historyDir() : historyDir;
    const QString folder = QDir::cleanPath(QFileInfo(dir).absoluteFilePath()) + QLatin1Char('/');
    if (QFileInfo(filePath).absoluteFilePath().startsWith(folder))
        return false; // a snapshot is never snapshotted
    if (m_readOnly || text.trimmed().isEmpty())
        return false;
    return writeSnapshot(filePath, text, dir);
}

// Writes one snapshot named like every history snapshot; an existing
// snapshot is never replaced (the next free second is taken).
bool LazyTextDocument::writeSnapshot(const QString& filePath, const QString& text, const QString& historyDir)
{
    if (filePath.isEmpty() || historyDir.isEmpty())
        return false;
    const QString path = HistorySnapshots::newPath(historyDir, getNameFromUrl(QUrl::fromLocalFile(filePath)));
    if (path.isEmpty())
        return false;
    // Timed snapshots try again by themselves: a document is reported once.
    return WriteNotice::track(tr("无法保存历史记录："), filePath,
                              UserFile::write(path, text.toUtf8(), UserFile::NewFileOnly | UserFile::CreateFolder));
}

QString LazyTextDocument::getNameFromUrl(const QUrl& url)
{
    if (url.isLocalFile()) {
        const QFileInfo info(url.toLocalFile());
        if (info.fileName() == QLatin1String("index.txt"))
            return info.dir().dirName();
        return info.fileName();
    }
    return url.toString().split(QLatin1Char('/')).last();
}

void LazyTextDocument::setHistoryTime(int minutes)
{
    if (minutes == m_historyTime)
        return;
    m_historyTime = minutes;
    m_historyTimer->stop();
    // No interval of zero: it would snapshot on every pass of the event loop.
    if (minutes > 0)
        m_historyTimer->start(minutes * 60000);
    emit historyTimeChanged();
}

void LazyTextDocument::watchFile()
{
    const QString path = localPath();
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    if (!m_watcher) {
        m_watcher = new QFileSystemWatcher(this);
        connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &LazyTextDocument::fileChanged);
        connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &LazyTextDocument::dirChanged);
    }
    if (!m_watcher->files().contains(path))
        m_watcher->addPath(path);
}

void LazyTextDocument::unwatchFile()
{
    const QString path = localPath();
    if (m_watcher && !path.isEmpty() && m_watcher->files().contains(path))
        m_watcher->removePath(path);
}

void LazyTextDocument::fileChanged(const QString& path)
{
    if (m_exiting || path != localPath())
        return;
    if (!QFileInfo::exists(path)) {
        emit fileDeleted(QUrl::fromLocalFile(path), true);
        return;
    }
    // Programs that save by renaming over the file end the watch; the file
    // is there again, so watch it again.
    watchFile();
    const QDateTime modified = QFileInfo(path).lastModified();
    // A write of our own still under way changes the file too; its time
    // is taken once it is done.
    if (modified == m_lastModification || m_loading || isSaving())
        return;
    if (m_isModified || m_allDoc->isModified()) {
        // The unsaved edits go into the history before the outside text is
        // loaded; when they cannot be kept there, they stay in the editor.
        if (!writeSnapshot(path, allText(), historyDir())) {
            setLastModification(modified);
            message::show(Message::Warn, tr("文件已被其他程序修改。未保存的修改仍在编辑器中，保存时会覆盖外部的修改。"), 5000);
            return;
        }
        message::show(Message::Tips, tr("文件已被其他程序修改并重新载入，未保存的修改已存入历史记录。"), 5000);
    }
    const int cursor = m_whole.cursor;
    if (reloadText())
        gotoPostionByAll(qBound(0, cursor, m_wholeDoc->length()));
}

void LazyTextDocument::dirChanged(const QString& dir)
{
    Q_UNUSED(dir)
}

void LazyTextDocument::exit()
{
    m_exiting = true;
    unwatchFile();
}

// ---- the cursor and the selection ------------------------------------------------

QString LazyTextDocument::editSelectedText() const
{
    return editRange(m_shown.start(), m_shown.end());
}

// The cursor's line, column and the line's text before it, in the whole
// document.
void LazyTextDocument::updateCursorLineInfo()
{
    const QTextBlock block = m_allDoc->findBlock(qBound(0, m_whole.cursor, m_wholeDoc->length()));
    if (!block.isValid())
        return;
    const int column = m_whole.cursor - block.position();
    setCursorLineInfo(block.blockNumber(), column, block.text().left(column));
}

// All three values are stored before any is signalled, and the text before
// the cursor is signalled first: the counter recounts on a line or column
// change and must read the text that belongs to it.
void LazyTextDocument::setCursorLineInfo(int line, int column, const QString& preText)
{
    const bool lineChanged = line != m_cursorLineNumber;
    const bool columnChanged = column != m_cursorLinePostion;
    const bool textChanged = preText != m_cursorLinePreText;
    m_cursorLineNumber = line;
    m_cursorLinePostion = column;
    m_cursorLinePreText = preText;
    if (textChanged)
        emit cursorLinePreTextChanged();
    if (lineChanged)
        emit cursorLineNumberChanged();
    if (columnChanged)
        emit cursorLinePostionChanged();
}

void LazyTextDocument::setAllSelectionStart(int value)
{
    if (value != m_whole.start())
        select(value, m_whole.end());
}

void LazyTextDocument::setAllSelectionEnd(int value)
{
    if (value != m_whole.end())
        select(m_whole.start(), value);
}

void LazyTextDocument::setAllCursorPostion(int value)
{
    if (value == m_whole.cursor && m_whole.isEmpty())
        return;
    gotoPostionByAll(value);
}

QString LazyTextDocument::allSelectedText() const
{
    return m_wholeDoc->range(m_whole.start(), m_whole.end());
}

QString LazyTextDocument::selectedPlainText() const
{
    return WholeDocument::toLineFeeds(allSelectedText());
}

bool LazyTextDocument::isSelectedAll() const
{
    const int length = m_wholeDoc->length();
    return length > 0 && m_whole.start() == 0 && m_whole.end() >= length;
}

// ---- editing operations ------------------------------------------------------

void LazyTextDocument::select(int start, int end)
{
    if (start == -1 || end == -1)
        return;
    takeTextArea();
    showWholeSelection(WindowMap::Selection { start, end });
}

void LazyTextDocument::selectByDocument(int start, int end)
{
    gotoPostionByAll(start);
    showWholeSelection(WindowMap::Selection { start, end });
}

// Whole lines, the cursor at their start (the chapter selection).
void LazyTextDocument::selectLine(int startLine, int endLine)
{
    if (startLine == -1 && endLine == -1) {
        startLine = 0;
        endLine = m_allDoc->blockCount();
    }
    const QTextBlock first = m_allDoc->findBlockByNumber(startLine);
    if (!first.isValid())
        return;
    const int s = first.position();
    const QTextBlock last = m_allDoc->findBlockByNumber(endLine);
    const int e = last.isValid() ? last.position() : m_wholeDoc->length();
    if (e < s)
        return;
    gotoPostionByAll(s);
    showWholeSelection(WindowMap::Selection { e, s });
}

// Everything, the cursor at the end (the text area shows its window
// selected, its cursor at the window's end).
void LazyTextDocument::selectAll()
{
    saveTmpFile();
    takeTextArea();
    setWholeSelection(WindowMap::Selection { 0, m_wholeDoc->length() });
    showSelection();
    emit isSelectedAllChanged(isSelectedAll());
}

void LazyTextDocument::deselect()
{
    takeTextArea();
    if (m_whole.isEmpty())
        return;
    setWholeSelection(WindowMap::at(m_map.toWhole(m_shown.cursor)));
    showSelection();
}

void LazyTextDocument::copy()
{
    takeTextArea();
    const QString text = selectedPlainText();
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void LazyTextDocument::cut()
{
    takeTextArea();
    const QString text = selectedPlainText();
    if (text.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(text);
    if (m_readOnly)
        return;
    replaceSelection(QString());
    emit ensureVisible();
}

void LazyTextDocument::paste()
{
    const QString text = QGuiApplication::clipboard()->text();
    if (text.isEmpty() || m_readOnly || !m_editDoc)
        return;
    replaceSelection(text);
    emit ensureVisible();
}

void LazyTextDocument::replaceSelection(const QString& text)
{
    if (!m_editDoc || m_readOnly)
        return;
    takeTextArea();
    const int start = m_whole.start();
    const int end = qMin(m_whole.end(), m_wholeDoc->length());
    if (start == end && text.isEmpty())
        return;
    if (m_map.contains(start) && m_map.contains(end) && text.size() <= maxWindowPaste) {
        // Through the window, mirrored like typing (but a step of its own);
        // the text area's cursor moves on with the inserted text.
        QTextCursor cursor(m_editDoc);
        cursor.setPosition(m_map.toWindow(start));
        cursor.setPosition(m_map.toWindow(end), QTextCursor::KeepAnchor);
        m_typingRun.end();
        if (text.isEmpty())
            cursor.removeSelectedText();
        else
            cursor.insertText(text);
        m_typingRun.end();
        showSelection();
        return;
    }
    const bool everything = isSelectedAll();
    const int inserted = m_wholeDoc->replace(start, end, text);
    setWholeSelection(WindowMap::at(start + inserted));
    rebuildWindowAt(start + inserted);
    if (everything)
        m_wholeDoc->announce(0, -1, inserted);
    else
        m_wholeDoc->announce(start, end - start, inserted);
}

void LazyTextDocument::removeSelect(bool removeEditText)
{
    takeTextArea();
    if (m_whole.isEmpty() || m_readOnly)
        return;
    // A selection the window holds is removed by the text area's own
    // deletion unless asked for.
    const bool inWindow = m_map.contains(m_whole.start()) && m_map.contains(m_whole.end());
    if (inWindow && !removeEditText)
        return;
    replaceSelection(QString());
    updateFormat();
}

void LazyTextDocument::undo()
{
    undoRedo(true);
}

void LazyTextDocument::redo()
{
    undoRedo(false);
}

void LazyTextDocument::undoRedo(bool undo)
{
    if (m_readOnly || !(undo ? m_allDoc->isUndoAvailable() : m_allDoc->isRedoAvailable()))
        return;
    // Undo and redo run with the whole document's own signals: one step is
    // one change notification, with its exact range.
    int changed = -1;
    const auto connection = connect(m_allDoc, &QTextDocument::contentsChange, this, [&](int position, int, int added) {
        changed = position + added;
    });
    QTextCursor cursor(m_allDoc);
    if (undo)
        m_allDoc->undo(&cursor);
    else
        m_allDoc->redo(&cursor);
    disconnect(connection);
    m_wholeDoc->settle(true);
    const int position = changed >= 0 ? qMin(changed, m_wholeDoc->length()) : cursor.position();
    rebuildWindowAt(position);
}

void LazyTextDocument::enterPressed()
{
    m_enterPressed = true;
    // Should the text area not insert the line break, the flag must not
    // keep the window from moving.
    QTimer::singleShot(0, this, [this] { m_enterPressed = false; });
}

void LazyTextDocument::doRealTimeSave(int blockCount)
{
    Q_UNUSED(blockCount)
    if (!m_enterPressed || m_inserting)
        return;
    QString text;
    if (m_addEmptyLineAtEndByEnter)
        text += QStringLiteral("\r\n");
    if (m_add2SpaceAtFrontByEnter)
        text += twoIdeographicSpaces;
    if (!text.isEmpty()) {
        m_wholeDoc->setJoinUndo(true);
        insertAtEditCursor(text);
        m_wholeDoc->setJoinUndo(false);
    }
    setSeriseEnterNumber(m_seriseEnterNumber + 1);
    m_enterPressed = false;
    scheduleMaintenance();
    // Handed to the writer on the event loop's next turn rather than
    // inside the key's handling, so that the window answers in between
    // (copying a long book's text takes a few milliseconds). A wait for
    // the saves, and the document's end, hand it over first.
    if (!m_enterSavePending) {
        m_enterSavePending = true;
        QTimer::singleShot(0, this, &LazyTextDocument::handOverEnterSave);
    }
}

void LazyTextDocument::handOverEnterSave()
{
    if (!m_enterSavePending)
        return;
    m_enterSavePending = false;
    saveInBackground();
}

void LazyTextDocument::insertAtEditCursor(const QString& text)
{
    if (!m_editDoc)
        return;
    takeTextArea();
    returnToCursor();
    QTextCursor cursor(m_editDoc);
    cursor.setPosition(m_shown.cursor);
    m_inserting = true;
    cursor.insertText(text);
    m_inserting = false;
    takeTextArea();
}

void LazyTextDocument::addChapterName(int nextTitleIndex)
{
    deselect();
    if (!m_editDoc)
        return;
    const QString line = m_editDoc->findBlock(m_shown.cursor).text();
    if (TextRules::isChapterTitle(line, m_chapterKeys)) {
        message::show(Message::Tips, tr("已经是章节标题了"), 5000);
        return;
    }
    insertAtEditCursor(tr("第%1章").arg(nextTitleIndex));
}

void LazyTextDocument::makeup()
{
    if (m_makeupRunning || m_readOnly)
        return;
    m_makeupRunning = true;
    saveInBackground();
    saveTmpFile();
    auto* worker = new makeuper(nullptr);
    // The lines are taken here, on the GUI thread; the worker never reads
    // the document while it can change.
    worker->setTextList(allText().split(QRegularExpression(QStringLiteral("[\r\n]"))));
    m_makeupRevision = m_wholeDoc->revision();
    connect(worker, &makeuper::makeupFinished, this, &LazyTextDocument::makeupFinished);
    worker->start();
}

void LazyTextDocument::makeupFinished(const QStringList& list)
{
    m_makeupRunning = false;
    if (m_makeupRevision != m_wholeDoc->revision()) {
        // Edits made while the worker ran would be lost under its result.
        message::show(Message::Tips, tr("排版期间文档已被修改，排版结果未应用。"), 5000);
        return;
    }
    setWholeSelection(WindowMap::at(0));
    m_wholeDoc->replaceAll(list.join(QStringLiteral("\r\n")));
    m_allDoc->setModified(true);
    m_wholeDoc->announce(0, -1, m_wholeDoc->length());
    rebuildWindowAt(0);
    gotoEnd();
}

bool LazyTextDocument::subtleFinish(const QString& text)
{
    // The text before masking goes into the history first (the masking
    // sheet tells the writer it can be found there); without that snapshot
    // the masking is not applied.
    if (!saveTmpFile()) {
        message::show(Message::Warn, tr("无法保存过滤前的历史记录，过滤结果未应用。"), 5000);
        return false;
    }
    takeTextArea();
    const int cursor = m_whole.cursor;
    setWholeSelection(WindowMap::at(0));
    m_wholeDoc->replaceAll(text);
    m_allDoc->setModified(true);
    m_wholeDoc->announce(0, -1, m_wholeDoc->length());
    rebuildWindowAt(qBound(0, cursor, m_wholeDoc->length()));
    scheduleMaintenance();
    return true;
}

// ---- search and replace ----------------------------------------------------------

QRegularExpression LazyTextDocument::searchExpression() const
{
    // Regular expressions are case-sensitive; the case option only applies
    // to plain text.
    return QRegularExpression(m_selectedText);
}

// The expression is matched line by line, as the document's own search does;
// backwards, the last match that starts before from.
LazyTextDocument::Match LazyTextDocument::findExpression(const QRegularExpression& expression, int from, bool backward) const
{
    Match result;
    if (!expression.isValid())
        return result;
    QTextBlock block = m_allDoc->findBlock(qBound(0, from, m_wholeDoc->length()));
    if (!backward) {
        int offset = from - block.position();
        for (; block.isValid(); block = block.next(), offset = 0) {
            const QRegularExpressionMatch match = expression.match(block.text(), offset);
            if (match.hasMatch()) {
                result.start = block.position() + match.capturedStart();
                result.length = match.capturedLength();
                return result;
            }
        }
        return result;
    }
    int limit = from - block.position();
    for (; block.isValid(); block = block.previous(), limit = INT_MAX) {
        QRegularExpressionMatchIterator it = expression.globalMatch(block.text());
        while (it.hasNext()) {
            const QRegularExpressionMatch match = it.next();
            if (match.capturedStart() >= limit)
                break;
            result.start = block.position() + match.capturedStart();
            result.length = match.capturedLength();
        }
        if (result.start >= 0)
            return result;
    }
    return result;
}

LazyTextDocument::Match LazyTextDocument::findMatch(const QRegularExpression& expression, int from, bool backward,
    QTextDocument::FindFlags flags, bool allowEmpty) const
{
    Match result;
    const int length = m_wholeDoc->length();
    while (from >= 0 && from <= length) {
        if (m_searchMode == RegularExpressionMode) {
            result = findExpression(expression, from, backward);
        } else {
            const QTextCursor found = m_allDoc->find(m_selectedText, from, flags | (backward ? QTextDocument::FindBackward : QTextDocument::FindFlags()));
            result = Match();
            if (!found.isNull()) {
                result.start = found.selectionStart();
                result.length = found.selectionEnd() - found.selectionStart();
            }
        }
        if (result.start < 0 || result.length > 0 || allowEmpty)
            return result;
        // An empty match selects nothing: look on from the next character.
        from = backward ? result.start : result.start + 1;
        if (backward && from == 0)
            return Match();
    }
    return Match();
}

bool LazyTextDocument::doSearch(bool searchDown, bool allowRestartAtTop)
{
    if (m_selectedText.isEmpty())
        return false;
    QTextDocument::FindFlags flags;
    if (m_searchMode == WholeWordsMode)
        flags |= QTextDocument::FindWholeWords;
    if (m_matchCaseSensitive)
        flags |= QTextDocument::FindCaseSensitively;
    const QRegularExpression expression = searchExpression();
    takeTextArea();
    const QTextCursor cursor = wholeCursor();
    // Down: after the selection; up: before its start.
    const int from = searchDown ? cursor.selectionEnd() : cursor.selectionStart();
    Match match = findMatch(expression, from, !searchDown, flags, false);
    if (match.start >= 0) {
        selectByDocument(match.start, match.start + match.length);
        return true;
    }
    const QString restartTips = searchDown ? tr("从头开始查找") : tr("从结尾开始查找");
    if (!allowRestartAtTop) {
        message::show(Message::Tips, restartTips, 5000);
        return false;
    }
    // Wrap around: the cursor goes to the start (end) and the next search
    // step, from there, selects the match found now.
    const int restart = searchDown ? 0 : m_wholeDoc->length();
    gotoPostionByAll(restart);
    match = findMatch(expression, restart, !searchDown, flags, false);
    if (match.start < 0) {
        message::show(Message::Tips, tr("未找到"), 5000);
        return false;
    }
    message::show(Message::Tips, restartTips, 5000);
    return true;
}

bool LazyTextDocument::doReplace(bool forAll)
{
    if (m_readOnly || !m_editDoc)
        return false;
    if (!doSearch(true, true))
        return false;
    const int start = m_whole.start();
    const int end = m_whole.end();
    if (!forAll && start == end)
        return false;
    QString text = m_replaceText;
    if (m_searchMode == RegularExpressionMode)
        text = m_wholeDoc->range(start, end).replace(searchExpression(), m_replaceText);
    replaceSelection(text);
    return true;
}

void LazyTextDocument::doReplaceAll()
{
    // Replace-all never deletes matches: an empty replacement does nothing.
    if (m_readOnly || m_selectedText.isEmpty() || m_replaceText.isEmpty())
        return;
    selectByDocument(0, 0);
    const QRegularExpression expression = searchExpression();
    int from = 0;
    int first = -1;
    int growth = 0;
    int oldEnd = 0;
    int newEnd = 0;
    {
        const QSignalBlocker blocker(m_allDoc);
        QTextCursor cursor(m_allDoc);
        cursor.beginEditBlock();
        for (;;) {
            const Match match = findMatch(expression, from, false, QTextDocument::FindFlags(), true);
            if (match.start < 0)
                break;
            if (first < 0)
                first = match.start;
            const int before = m_wholeDoc->length();
            cursor.setPosition(match.start);
            cursor.setPosition(match.start + match.length, QTextCursor::KeepAnchor);
            cursor.insertText(m_replaceText);
            const int inserted = m_wholeDoc->length() - (before - match.length);
            oldEnd = match.start + match.length - growth;
            growth += inserted - match.length;
            newEnd = match.start + inserted;
            // Go on right after the replacement, so that adjacent matches are
            // all replaced and the replacement itself is never searched; past
            // an empty match one character further, or it would match again.
            from = newEnd + (match.length == 0 ? 1 : 0);
        }
        cursor.endEditBlock();
    }
    if (first >= 0)
        m_wholeDoc->announce(first, oldEnd - first, newEnd - first); // one notice for the whole span
    saveInBackground();
    rebuildWindowAt(0);
}

// ---- rich-text formatting of the window ------------------------------------------

void LazyTextDocument::resetFormat()
{
    emit boldChanged();
    emit italicChanged();
    emit underlineChanged();
    emit fontFamilyChanged();
    emit fontSizeChanged();
    emit textColorChanged();
    emit alignmentChanged();
}

void LazyTextDocument::applyCharFormat(const QTextCharFormat& format)
{
    if (!m_editDoc)
        return;
    QTextCursor cursor = editSelectionCursor();
    if (!cursor.hasSelection())
        cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(format);
}

bool LazyTextDocument::bold() const
{
    return !m_editCursor.isNull() && m_editCursor.charFormat().fontWeight() == QFont::Bold;
}

void LazyTextDocument::setBold(bool value)
{
    QTextCharFormat format;
    format.setFontWeight(value ? QFont::Bold : QFont::Normal);
    applyCharFormat(format);
    emit boldChanged();
}

bool LazyTextDocument::italic() const
{
    return !m_editCursor.isNull() && m_editCursor.charFormat().fontItalic();
}

void LazyTextDocument::setItalic(bool value)
{
    QTextCharFormat format;
    format.setFontItalic(value);
    applyCharFormat(format);
    emit italicChanged();
}

bool LazyTextDocument::underline() const
{
    return !m_editCursor.isNull() && m_editCursor.charFormat().fontUnderline();
}

void LazyTextDocument::setUnderline(bool value)
{
    QTextCharFormat format;
    format.setFontUnderline(value);
    applyCharFormat(format);
    emit underlineChanged();
}

QString LazyTextDocument::fontFamily() const
{
    return m_editCursor.isNull() ? QString() : m_editCursor.charFormat().font().family();
}

void LazyTextDocument::setFontFamily(const QString& value)
{
    QTextCharFormat format;
    format.setFontFamily(value);
    applyCharFormat(format);
    emit fontFamilyChanged();
}

int LazyTextDocument::fontSize() const
{
    return m_editCursor.isNull() ? 0 : int(m_editCursor.charFormat().font().pointSize());
}

void LazyTextDocument::setFontSize(int value)
{
    if (value <= 0 || value == fontSize() || !m_editDoc)
        return;
    QTextCharFormat format;
    format.setFontPointSize(value);
    QTextCursor cursor = editSelectionCursor();
    if (!cursor.hasSelection())
        cursor.select(QTextCursor::WordUnderCursor);
    cursor.mergeCharFormat(format);
    emit fontSizeChanged();
}

QColor LazyTextDocument::textColor() const
{
    if (m_editCursor.isNull())
        return QColor(Qt::black);
    return m_editCursor.charFormat().foreground().color();
}

void LazyTextDocument::setTextColor(const QColor& value)
{
    QTextCharFormat format;
    format.setForeground(value);
    applyCharFormat(format);
    emit textColorChanged();
}

Qt::Alignment LazyTextDocument::alignment() const
{
    if (m_editCursor.isNull())
        return Qt::AlignLeft;
    const Qt::Alignment value = m_editCursor.blockFormat().alignment();
    return value ? value : Qt::AlignLeft;
}

void LazyTextDocument::setAlignment(Qt::Alignment value)
{
    if (!m_editDoc)
        return;
    QTextBlockFormat format;
    format.setAlignment(value);
    QTextCursor cursor = editSelectionCursor();
    cursor.mergeBlockFormat(format);
    emit alignmentChanged();
}

// ---- plain properties ------------------------------------------------------------

int LazyTextDocument::lineCount() const
{
    return m_allDoc->blockCount();
}

bool LazyTextDocument::isUndoAvailable() const
{
    return m_allDoc->isUndoAvailable();
}

bool LazyTextDocument::isRedoAvailable() const
{
    return m_allDoc->isRedoAvailable();
}

void LazyTextDocument::setLineSpacing(double value)
{
    if (fuzzyEqual(value, m_lineSpacing))
        return;
    m_lineSpacing = value;
    updateFormat();
    emit lineSpacingChanged();
}

void LazyTextDocument::setParagraphHeight(double value)
{
    if (fuzzyEqual(value, m_paragraphHeight))
        return;
    m_paragraphHeight = value;
    updateFormat();
    emit paragraphHeightChanged();
}

void LazyTextDocument::setTextIndent(double value)
{
    if (fuzzyEqual(value, m_textIndent))
        return;
    m_textIndent = value;
    updateFormat();
    emit textIndentChanged();
}

void LazyTextDocument::setEditHeight(int value)
{
    if (value == m_editHeight)
        return;
    m_editHeight = value;
    emit editHeightChanged();
}

void LazyTextDocument::setContentY(int value)
{
    if (value == m_contentY)
        return;
    m_contentY = value;
    updateScrollPostion();
    emit contentYChanged();
}

void LazyTextDocument::setContentHeight(int value)
{
    if (value == m_contentHeight)
        return;
    m_contentHeight = value;
    updateScrollPostion();
    emit contentHeightChanged();
}

void LazyTextDocument::setEditLineCount(int value)
{
    if (value == m_editLineCount)
        return;
    m_editLineCount = value;
    updateScrollPostion();
    emit editLineCountChanged();
}

void LazyTextDocument::setStartLineText(const QString& value)
{
    if (value == m_startLineText)
        return;
    m_startLineText = value;
    emit startLineTextChanged();
}

void LazyTextDocument::setFileType(const QString& type)
{
    if (type == m_fileType)
        return;
    m_fileType = type;
    emit fileTypeChanged();
}

void LazyTextDocument::setReadOnly(bool value)
{
    if (value == m_readOnly)
        return;
    m_readOnly = value;
    emit readOnlyChanged();
}

void LazyTextDocument::setLoading(bool value)
{
    if (value == m_loading)
        return;
    m_loading = value;
    emit loadingChanged();
}

void LazyTextDocument::setTextLoaded(bool value)
{
    if (value == m_textLoaded)
        return;
    m_textLoaded = value;
    emit textLoadedChanged();
}

// Modified while the text is not the one the file holds, also when undo
// brings the whole document back to an older saved state: the file may hold
// a later text by then.
void LazyTextDocument::refreshModified()
{
    const bool modified = m_allDoc->isModified();
    setIsModified(m_savedRevision == m_cleanRevision ? modified : modified || m_wholeDoc->revision() != m_savedRevision);
}

void LazyTextDocument::setIsModified(bool value)
{
    if (value && !m_isTmpModified)
        setIsTmpModified(true);
    if (value == m_isModified)
        return;
    m_isModified = value;
    if (m_allDoc->isModified() != value)
        m_allDoc->setModified(value);
    emit isModifiedChanged();
}

void LazyTextDocument::setIsTmpModified(bool value)
{
    if (value == m_isTmpModified)
        return;
    m_isTmpModified = value;
    emit isTmpModifiedChanged();
}

void LazyTextDocument::setLastModification(const QDateTime& value)
{
    if (value == m_lastModification)
        return;
    m_lastModification = value;
    emit lastModificationChanged();
}

void LazyTextDocument::setAddEmptyLineAtEndByEnter(bool value)
{
    if (value == m_addEmptyLineAtEndByEnter)
        return;
    m_addEmptyLineAtEndByEnter = value;
    emit addEmptyLineAtEndByEnterChanged();
}

void LazyTextDocument::setAdd2SpaceAtFrontByEnter(bool value)
{
    if (value == m_add2SpaceAtFrontByEnter)
        return;
    m_add2SpaceAtFrontByEnter = value;
    emit add2SpaceAtFrontByEnterChanged();
}

void LazyTextDocument::setAutoAddChapterName(int value)
{
    if (value == m_autoAddChapterName)
        return;
    m_autoAddChapterName = value;
    emit autoAddChapterNameChanged();
}

void LazyTextDocument::setSeriseEnterNumber(int value)
{
    if (value == m_seriseEnterNumber)
        return;
    m_seriseEnterNumber = value;
    emit seriseEnterNumberChanged();
}

void LazyTextDocument::setSelectedText(const QString& value)
{
    if (value == m_selectedText)
        return;
    m_selectedText = value;
    emit selectedTextChanged();
}

void LazyTextDocument::setReplaceText(const QString& value)
{
    if (value == m_replaceText)
        return;
    m_replaceText = value;
    emit replaceTextChanged();
}

void LazyTextDocument::setSearchMode(SearchMode value)
{
    if (value == m_searchMode)
        return;
    m_searchMode = value;
    emit searchModeChanged();
}

void LazyTextDocument::setReplaceMode(bool value)
{
    if (value == m_replaceMode)
        return;
    m_replaceMode = value;
    emit replaceModeChanged();
}

void LazyTextDocument::setMatchCaseSensitive(bool value)
{
    if (value == m_matchCaseSensitive)
        return;
    m_matchCaseSensitive = value;
    emit matchCaseSensitiveChanged();
}

void LazyTextDocument::setMarkdownForFormat(bool value)
{
    if (value == m_markdownForFormat)
        return;
    m_markdownForFormat = value;
    emit markdownForFormatChanged();
}

void LazyTextDocument::setHistoryPath(const QUrl& value)
{
    if (value == m_historyPath)
        return;
    m_historyPath = value;
    emit historyPathChanged();
}

void LazyTextDocument::setInitPosition(int value)
{
    if (value == m_initPosition)
        return;
    m_initPosition = value;
    emit initPositionChanged(value);
}

void LazyTextDocument::setChapterKeys(const QStringList& value)
{
    if (value == m_chapterKeys)
        return;
    m_chapterKeys = value;
    emit chapterKeysChanged();
}

void LazyTextDocument::setTestTips(const QString& value)
{
    if (value == m_testTips)
        return;
    m_testTips = value;
    emit testTipsChanged();
}
