#include "lazytextdocument.h"

#include "data/global.h"
#include "function/function.h"
#include "function/message.h"
#include "support/log.h"
#include "support/userfile.h"
#include "support/writenotice.h"
#include "textarea/makeuper.h"
#include "document/count.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QGuiApplication>
#include <QMutex>
#include <QPlainTextDocumentLayout>
#include <QQuickTextDocument>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTimer>

#include <cmath>

namespace {

// Re-entry guards shared by every open document (GUI thread only): the
// mutex is only ever try-locked, a call that finds it held does nothing.
QMutex closeDoorMutex;
bool sendSelecting = false;
bool doNotSetSelectedStart = false;
bool doNotSetSelectedEnd = false;
bool removeBottoming = false;
bool doInserting = false;
bool editPostionUpdating = false;
int m_tmp_all_postion = -1;
QElapsedTimer m_timeElapsed;
LazyTextDocument::ChapterTitleTest chapterTitleTest = nullptr;

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

// Holds the try-lock of the shared mutex for one scope when it was free.
class DoorLock
{
public:
    DoorLock() : m_locked(closeDoorMutex.tryLock()) {}
    ~DoorLock()
    {
        if (m_locked)
            closeDoorMutex.unlock();
    }
    bool locked() const { return m_locked; }

private:
    bool m_locked;
};

// Raw document text with paragraph separators turned into line feeds; the
// raw form keeps characters (such as no-break spaces) that the document's
// plain-text export would replace.
QString toLineFeeds(QString text)
{
    QChar* data = text.data();
    const int size = text.size();
    for (int i = 0; i < size; ++i) {
        if (data[i] == paragraphSeparator)
            data[i] = QLatin1Char('\n');
    }
    return text;
}

} // namespace

void LazyTextDocument::setChapterTitleTest(ChapterTitleTest test)
{
    chapterTitleTest = test;
}

LazyTextDocument::LazyTextDocument(QObject* parent)
    : QObject(parent)
{
    m_timeElapsed.restart();
    m_allDoc = new QTextDocument(this);
    // The plain-text layout keeps an edit of a long book cheap; the rich
    // layout re-lays out far more than the changed line.
    m_allDoc->setDocumentLayout(new QPlainTextDocumentLayout(m_allDoc));
    m_allDoc->setUndoRedoEnabled(true);
    connect(m_allDoc, &QTextDocument::modificationChanged, this, &LazyTextDocument::setIsModified);

    m_loadTimer = new QTimer(this);
    m_loadTimer->setSingleShot(true);
    m_loadTimer->setInterval(5);
    connect(m_loadTimer, &QTimer::timeout, this, &LazyTextDocument::doSetFile);

    m_historyTimer = new QTimer(this);
    m_historyTimer->setObjectName(QStringLiteral("historyTimer"));
    connect(m_historyTimer, &QTimer::timeout, this, qOverload<>(&LazyTextDocument::saveTmpFile));
    m_historyTimer->start(m_historyTime * 60000);

    connect(this, &LazyTextDocument::sendSave, this, &LazyTextDocument::save, Qt::QueuedConnection);
    connectEditAndAllDocument(true);
}

LazyTextDocument::~LazyTextDocument()
{
    unwatchFile();
}

int LazyTextDocument::timeElapsed()
{
    return m_timeElapsed.isValid() ? int(m_timeElapsed.elapsed()) : 0;
}

// ---- small helpers ----------------------------------------------------------

int LazyTextDocument::wholeLength() const
{
    return m_allDoc->characterCount() - 1;
}

int LazyTextDocument::editLength() const
{
    return m_editDoc ? m_editDoc->characterCount() - 1 : 0;
}

QString LazyTextDocument::wholeRange(int start, int end) const
{
    const int length = wholeLength();
    start = qBound(0, start, length);
    end = qBound(start, end, length);
    if (start == end)
        return QString();
    QTextCursor cursor(m_allDoc);
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    return cursor.selectedText();
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

QString LazyTextDocument::linesText(int start, int end) const
{
    const QTextBlock first = m_allDoc->findBlockByNumber(start);
    const QTextBlock last = m_allDoc->findBlockByNumber(end);
    if (!first.isValid() || !last.isValid())
        return QString();
    return wholeRange(first.position(), last.position() + last.length() - 1);
}

int LazyTextDocument::replaceWholeRange(int start, int end, const QString& text)
{
    const int before = wholeLength();
    start = qBound(0, start, before);
    end = qBound(start, end, before);
    const QSignalBlocker blocker(m_allDoc);
    QTextCursor cursor(m_allDoc);
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    if (text.isEmpty())
        cursor.removeSelectedText();
    else
        cursor.insertText(text);
    // Line breaks such as "\r\n" become one separator: report what the
    // document really holds now.
    return wholeLength() - (before - (end - start));
}

void LazyTextDocument::replaceAllText(const QString& text, bool asHtml)
{
    const QSignalBlocker blocker(m_allDoc);
    if (asHtml)
        m_allDoc->setHtml(text);
    else
        m_allDoc->setPlainText(text);
}

void LazyTextDocument::announceWholeChange(int position, int removed, int added)
{
    emit m_allDoc->contentsChange(position, removed, added);
    afterWholeChange(true);
}

void LazyTextDocument::afterWholeChange(bool textEdited)
{
    if (textEdited) {
        ++m_editRevision;
        setIsTmpModified(true);
    }
    // Edits made with the whole document's signals blocked do not report the
    // modified flag: read it back after every change.
    setIsModified(m_allDoc->isModified());
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

void LazyTextDocument::shiftWholePositions(int position, int removed, int added)
{
    auto shift = [&](int value) {
        if (value >= position + removed)
            return value + added - removed;
        if (value > position)
            return position + added;
        return value;
    };
    setWholeSelection(shift(m_allSelectionStart), shift(m_allSelectionEnd), shift(m_allCursorPostion));
}

void LazyTextDocument::setWholeSelection(int start, int end, int cursor)
{
    const bool startChanged = start != m_allSelectionStart;
    const bool endChanged = end != m_allSelectionEnd;
    const bool cursorChanged = cursor != m_allCursorPostion;
    m_allSelectionStart = start;
    m_allSelectionEnd = end;
    m_allCursorPostion = cursor;
    if (startChanged)
        emit allSelectionStartChanged();
    if (endChanged)
        emit allSelectionEndChanged();
    if (cursorChanged)
        emit allCursorPostionChanged();
    if (startChanged || endChanged || cursorChanged)
        emit allSelectedTextChanged();
    const bool all = isSelectedAll();
    if (all != m_selectedAll) {
        m_selectedAll = all;
        emit isSelectedAllChanged(all);
    }
}

QTextCursor LazyTextDocument::wholeCursor()
{
    QTextCursor cursor(m_allDoc);
    const int length = wholeLength();
    if (isSelectedAll()) {
        cursor.select(QTextCursor::Document);
        return cursor;
    }
    if (m_allSelectionStart == m_allSelectionEnd) {
        if (m_allCursorPostion > length)
            m_allCursorPostion = length;
        cursor.setPosition(qMax(0, m_allCursorPostion));
        return cursor;
    }
    const int start = qBound(0, qMin(m_allSelectionStart, m_allSelectionEnd), length);
    const int end = qBound(0, qMax(m_allSelectionStart, m_allSelectionEnd), length);
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    return cursor;
}

QTextCursor LazyTextDocument::editSelectionCursor() const
{
    if (!m_editDoc)
        return QTextCursor();
    const int length = editLength();
    QTextCursor cursor(m_editDoc);
    const int start = qBound(0, m_editSelectionStart, length);
    const int end = qBound(0, m_editSelectionEnd, length);
    if (start == end) {
        cursor.setPosition(qBound(0, m_editCursor.isNull() ? start : m_editCursor.position(), length));
        return cursor;
    }
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
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
        m_editCursor = QTextCursor(document);
        if (!document->isEmpty())
            clearWindow();
    }
    m_windowLen = editLength();
    m_startLine = m_endLine = 0;
    m_startPos = 0;
    connectEditAndAllDocument(true);
    emit editDocumentChanged();
    if (document && wholeLength() > 0)
        rebuildWindowAt(m_allCursorPostion);
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
            connect(m_editDoc, &QTextDocument::blockCountChanged, this, &LazyTextDocument::doRealTimeSave, Qt::UniqueConnection);
        }
        connect(this, &LazyTextDocument::contentYChanged, this, &LazyTextDocument::updateY, Qt::UniqueConnection);
        // Window changes made while disconnected were ours and kept the
        // window equal to its segment of the whole document.
        m_windowLen = editLength();
    } else {
        if (m_editDoc) {
            disconnect(m_editDoc, &QTextDocument::contentsChange, this, &LazyTextDocument::editContentsChange);
            disconnect(m_editDoc, &QTextDocument::blockCountChanged, this, &LazyTextDocument::doRealTimeSave);
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
    m_windowLen = 0;
}

// Lines start..end become the window's text (one edit of the window).
void LazyTextDocument::fillWindow(int start, int end)
{
    if (!m_editDoc)
        return;
    const int last = m_allDoc->blockCount() - 1;
    end = qBound(0, end, last);
    start = qBound(0, start, end);
    const QString text = linesText(start, end);
    QTextCursor cursor(m_editDoc);
    cursor.select(QTextCursor::Document);
    if (text.isEmpty())
        cursor.removeSelectedText();
    else
        cursor.insertText(text);
    m_startLine = start;
    m_endLine = end;
    const int oldStart = m_startPos;
    m_startPos = m_allDoc->findBlockByNumber(start).position();
    m_windowLen = editLength();
    if (oldStart != m_startPos)
        emit startPositionChanged();
}

void LazyTextDocument::setDocumentForAllTextFromAll(int start, int end)
{
    if (!m_editDoc)
        return;
    const bool wasConnected = m_connected;
    connectEditAndAllDocument(false);
    DoorLock lock;
    if (wholeLength() == 0 && m_allDoc->blockCount() == 1) {
        clearWindow();
        m_startLine = m_endLine = 0;
        m_startPos = 0;
    } else {
        fillWindow(start, end);
    }
    updateEditPosition(editLength());
    updateFormat();
    if (wasConnected)
        connectEditAndAllDocument(true);
}

void LazyTextDocument::appendDocmentTextOnBottomFromAll(int first, int last)
{
    if (!m_editDoc)
        return;
    last = qMin(last, m_allDoc->blockCount() - 1);
    // The window must go on with the line after its last one. A single
    // remaining line is appended too, or the book's last line could never
    // be scrolled into the window.
    first = m_endLine + 1;
    if (last < first)
        return;
    doNotSetSelectedStart = true;
    QTextCursor cursor(m_editDoc);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(paragraphSeparator + linesText(first, last));
    m_endLine = last;
    m_windowLen = editLength();
    syncSelectToEdit();
    doNotSetSelectedStart = false;
}

void LazyTextDocument::insertDocmentTextOnTopFromAll(int count)
{
    if (!m_editDoc)
        return;
    const int n = qMin(count, m_startLine);
    if (n <= 0)
        return;
    const int newStart = qMax(0, m_startLine - n);
    doNotSetSelectedEnd = true;
    QTextCursor cursor(m_editDoc);
    cursor.setPosition(0);
    cursor.insertText(linesText(newStart, m_startLine - 1) + paragraphSeparator);
    m_startLine = newStart;
    m_startPos = m_allDoc->findBlockByNumber(newStart).position();
    m_windowLen = editLength();
    emit startPositionChanged();
    syncSelectToEdit();
    doNotSetSelectedEnd = false;
}

void LazyTextDocument::removeTopLineDocumentTextFromAll(int count)
{
    if (!m_editDoc)
        return;
    const int n = qMin(count, m_editDoc->blockCount() - 1);
    if (n <= 0)
        return;
    doNotSetSelectedStart = true;
    QTextCursor cursor(m_editDoc);
    cursor.setPosition(0);
    cursor.setPosition(m_editDoc->findBlockByNumber(n).position(), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    m_startLine += n;
    m_startPos = m_allDoc->findBlockByNumber(m_startLine).position();
    m_windowLen = editLength();
    emit startPositionChanged();
    syncSelectToEdit();
    doNotSetSelectedStart = false;
}

void LazyTextDocument::removeBottomDocumentTextFromAll(int count)
{
    if (!m_editDoc)
        return;
    const int n = qMin(count, m_editDoc->blockCount() - 1);
    if (n <= 0)
        return;
    doNotSetSelectedEnd = true;
    removeBottoming = true;
    const QTextBlock keep = m_editDoc->findBlockByNumber(m_editDoc->blockCount() - n - 1);
    QTextCursor cursor(m_editDoc);
    cursor.setPosition(keep.position() + keep.length() - 1);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    m_endLine -= n;
    m_windowLen = editLength();
    syncSelectToEdit();
    doNotSetSelectedEnd = false;
}

void LazyTextDocument::syncSelectToEdit()
{
    if (sendSelecting || m_loading || !m_editDoc)
        return;
    const int length = editLength();
    const int start = qMin(m_allSelectionStart, m_allSelectionEnd);
    const int end = qMax(m_allSelectionStart, m_allSelectionEnd);
    int cursor = m_allCursorPostion - m_startPos;
    if (cursor < 0)
        cursor = 0;
    updateEditPosition(cursor);
    if (start != end) {
        const int editStart = qBound(0, start - m_startPos, length);
        const int editEnd = end < m_startPos ? 0 : qMin(end - m_startPos, length);
        // The text area's cursor lands on the second end: keep it where
        // the document's cursor is.
        sendSelecting = true;
        if (cursor <= editStart)
            emit selectEdit(editEnd, editStart);
        else
            emit selectEdit(editStart, editEnd);
        sendSelecting = false;
        m_editSelectionStart = editStart;
        m_editSelectionEnd = editEnd;
    }
}

void LazyTextDocument::updateEditPosition(int postion)
{
    if (!m_editDoc)
        return;
    const int p = qBound(0, postion, editLength());
    m_editSelectionStart = p;
    m_editSelectionEnd = p;
    m_editCursorPostion = p;
    if (!m_editCursor.isNull())
        m_editCursor.setPosition(p);
}

// After a selection sent to the text area (which leaves its cursor at the
// selection's second end and reports nothing while `sendSelecting`), the
// window cursor follows it: pastes and Enter insert where the user sees the
// cursor, and a later cursor key that lands on the same place is not lost.
void LazyTextDocument::adoptEditCursor(int postion)
{
    const int p = qBound(0, postion, editLength());
    if (p != m_editCursorPostion) {
        m_editCursorPostion = p;
        emit editCursorPostionChanged();
    }
    if (!m_editCursor.isNull())
        m_editCursor.setPosition(p);
    updateCursorLineInfo(p);
}

void LazyTextDocument::updateY()
{
    updateEditContent();
}

void LazyTextDocument::updateEditContent()
{
    DoorLock lock;
    if (!lock.locked())
        return;
    if (sendSelecting || m_fileName.isEmpty() || !m_editDoc || m_contentY == -1 || m_editHeight == -1
        || m_contentHeight == -1 || m_enterPressed || m_realignPending)
        return;
    const bool wasConnected = m_connected;
    connectEditAndAllDocument(false);
    auto done = [&] {
        if (wasConnected)
            connectEditAndAllDocument(true);
    };

    if (editLength() == 0 && m_editDoc->blockCount() == 1) {
        if (wholeLength() == 0 && m_allDoc->blockCount() == 1)
            return done();
        setDocumentForAllTextFromAll(0, m_windowSize);
    }
    if (m_editDoc->blockCount() == m_allDoc->blockCount())
        return done();

    const int lastLine = m_allDoc->blockCount() - 1;
    if (m_contentHeight / 5 <= m_editHeight && m_contentY < m_contentHeight && lastLine > m_endLine)
        appendDocmentTextOnBottomFromAll(m_endLine + 1, m_endLine + 11);

    if (removeBottoming) {
        removeBottoming = false;
        return done();
    }

    if (m_contentY < 2 * m_editHeight) {
        if (m_startLine == 0)
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
    if (bottom >= 2 * m_editHeight || m_startLine + m_editDoc->blockCount() >= m_allDoc->blockCount())
        return done();
    const int savedY = m_contentY;
    appendDocmentTextOnBottomFromAll(m_endLine + 1, m_endLine + 1 + m_chunk);
    setContentY(savedY);
    if (m_contentY >= 4 * m_editHeight) {
        const int oldHeight = m_contentHeight;
        removeTopLineDocumentTextFromAll(m_chunk);
        setContentY(savedY - (oldHeight - m_contentHeight));
    }
    done();
}

void LazyTextDocument::reloadEditDocument()
{
    if (!m_editDoc)
        return;
    const int keptY = m_contentY;
    {
        DoorLock lock;
        if (!lock.locked())
            return;
        connectEditAndAllDocument(false);
        const int last = m_allDoc->blockCount() - 1;
        const int start = qBound(0, m_startLine, last);
        const int end = qBound(0, start + m_editDoc->blockCount() - 1, last);
        fillWindow(start, end);
        connectEditAndAllDocument(true);
        updateFormat();
    }
    if (m_tmp_all_postion == -1)
        return;
    gotoPostionByAll(m_tmp_all_postion);
    updateFormat();
    m_tmp_all_postion = -1;
    if (keptY != 0)
        setContentY(keptY);
    emit ensureVisible();
}

void LazyTextDocument::reloadEditText()
{
    connectEditAndAllDocument(false);
    clearWindow();
    connectEditAndAllDocument(true);
    updateEditContent();
}

// Rebuilds the window around a whole offset (150 lines either side) and puts
// the text area's cursor there.
void LazyTextDocument::rebuildWindowAt(int allPostion)
{
    if (!m_editDoc)
        return;
    const bool wasConnected = m_connected;
    connectEditAndAllDocument(false);
    {
        DoorLock lock;
        const int length = wholeLength();
        const int pos = qBound(0, allPostion, length);
        const int block = qMax(0, m_allDoc->findBlock(pos).blockNumber());
        const int span = m_windowSize * 3 / 2;
        fillWindow(qMax(0, block - span), block + span);
        const int editPos = pos - m_startPos;
        emit sendEditPostion(editPos);
        updateEditPosition(editPos);
        updateCursorLineInfo(editPos);
        setWholeSelection(pos, pos, pos);
        updateScrollPostion();
    }
    if (wasConnected)
        connectEditAndAllDocument(true);
    updateFormat();
}

void LazyTextDocument::realignWindow()
{
    m_realignPending = false;
    if (!m_editDoc)
        return;
    const bool wasConnected = m_connected;
    connectEditAndAllDocument(false);
    {
        DoorLock lock;
        const int first = m_allDoc->findBlock(m_startPos).blockNumber();
        const int last = m_allDoc->findBlock(m_startPos + editLength()).blockNumber();
        fillWindow(qMax(0, first), qMax(0, last));
        const int editPos = qMax(0, m_allCursorPostion - m_startPos);
        emit sendEditPostion(editPos);
        updateEditPosition(editPos);
    }
    if (wasConnected)
        connectEditAndAllDocument(true);
    updateFormat();
}

void LazyTextDocument::wholeEditedOutsideWindow(int position, int removed, int added, int blockDelta)
{
    if (!m_editDoc)
        return;
    if (position > m_startPos + m_windowLen)
        return;
    if (position + removed < m_startPos - 1) {
        m_startPos += added - removed;
        m_startLine += blockDelta;
        m_endLine += blockDelta;
        emit startPositionChanged();
        return;
    }
    rebuildWindowAt(m_allCursorPostion);
}

// ---- mirroring window edits ---------------------------------------------------

void LazyTextDocument::editContentsChange(int position, int charsRemoved, int charsAdded)
{
    if (!m_editDoc)
        return;
    const int oldLength = m_windowLen;
    const int newLength = editLength();
    const int windowStart = m_startPos;

    int pos = qBound(0, position, oldLength);
    int removed = qBound(0, charsRemoved, oldLength - pos);
    int added = qBound(0, charsAdded, newLength - pos);
    if (oldLength - removed + added != newLength) {
        // The report does not describe the change (it can count the
        // document's implicit last separator): compare the window with its
        // segment of the whole document instead.
        const QString before = wholeRange(windowStart, windowStart + oldLength);
        const QString after = editRange(0, newLength);
        int prefix = 0;
        int suffix = 0;
        commonEnds(before, after, &prefix, &suffix);
        pos = prefix;
        removed = before.size() - prefix - suffix;
        added = after.size() - prefix - suffix;
    }
    m_windowLen = newLength;
    const QString newText = editRange(pos, pos + added);

    // A selection made through the whole document (select-all, chapter
    // selection) that reaches beyond the window: the text area replaced the
    // part it shows, so the whole selection is what is replaced.
    const int selectionStart = qMin(m_allSelectionStart, m_allSelectionEnd);
    const int selectionEnd = qMax(m_allSelectionStart, m_allSelectionEnd);
    if (selectionStart < selectionEnd && removed > 0
        && (selectionStart < windowStart || selectionEnd > windowStart + oldLength)
        && windowStart + pos == qMax(selectionStart, windowStart)
        && windowStart + pos + removed == qMin(selectionEnd, windowStart + oldLength)) {
        const int before = wholeLength();
        const bool everything = selectionStart == 0 && selectionEnd >= before;
        const int inserted = replaceWholeRange(selectionStart, selectionEnd, newText);
        const int newStart = selectionStart >= windowStart ? windowStart : selectionStart;
        const QTextBlock first = m_allDoc->findBlock(newStart);
        const QTextBlock last = m_allDoc->findBlock(newStart + newLength);
        const bool aligned = first.position() == newStart && last.isValid()
            && last.position() + last.length() - 1 == newStart + newLength;
        if (newStart != m_startPos) {
            m_startPos = newStart;
            emit startPositionChanged();
        }
        m_startLine = first.blockNumber();
        m_endLine = m_startLine + m_editDoc->blockCount() - 1;
        const int cursor = selectionStart + inserted;
        setWholeSelection(cursor, cursor, cursor);
        if (!aligned && !m_realignPending) {
            // The window now starts or ends inside a line; it is rebuilt
            // from the whole document once the text area's edit is over.
            m_realignPending = true;
            QMetaObject::invokeMethod(this, &LazyTextDocument::realignWindow, Qt::QueuedConnection);
        }
        if (everything)
            announceWholeChange(0, -1, inserted);
        else
            announceWholeChange(selectionStart, selectionEnd - selectionStart, inserted);
        return;
    }

    const QString oldText = wholeRange(windowStart + pos, windowStart + pos + removed);
    int prefix = 0;
    int suffix = 0;
    commonEnds(oldText, newText, &prefix, &suffix);
    if (prefix == oldText.size() && prefix == newText.size())
        return; // a format-only change
    const int at = windowStart + pos + prefix;
    const int gone = oldText.size() - prefix - suffix;
    const int inserted = replaceWholeRange(at, at + gone, newText.mid(prefix, newText.size() - prefix - suffix));
    m_endLine = m_startLine + m_editDoc->blockCount() - 1;
    shiftWholePositions(at, gone, inserted);
    announceWholeChange(at, gone, inserted);
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
}

// ---- jumps and scrolling -----------------------------------------------------

bool LazyTextDocument::gotoPostionByAll(int allPostion)
{
    if (!m_editDoc || !m_allDoc)
        return false;
    const QTextBlock block = m_allDoc->findBlock(allPostion);
    if (allPostion < 0 || !block.isValid()) {
        PLOG << m_fileName << allPostion << m_allDoc->characterCount() << m_allDoc->blockCount() << "超出文档范围";
        return false;
    }
    save();
    const bool windowFilled = editLength() > 0 || wholeLength() == 0;
    if (windowFilled
        && ((allPostion > m_startPos && allPostion < m_startPos + m_editDoc->characterCount())
            || m_allDoc->blockCount() == 1)) {
        const int editPos = allPostion - m_startPos;
        emit sendEditPostion(editPos);
        updateEditPosition(editPos);
        updateCursorLineInfo(editPos);
        const int p = qMin(allPostion, wholeLength());
        setWholeSelection(p, p, p);
        updateEditContent();
        return true;
    }
    rebuildWindowAt(allPostion);
    return true;
}

void LazyTextDocument::gotoLine(int line)
{
    const QTextBlock block = m_allDoc->findBlockByNumber(line);
    if (!block.isValid())
        return;
    gotoPostionByAll(block.position());
    setCursorLineInfo(line, 0, QString());
}

void LazyTextDocument::gotoStart()
{
    gotoLine(0);
}

void LazyTextDocument::gotoEnd()
{
    gotoPostionByAll(wholeLength());
    setCursorLineInfo(m_allDoc->blockCount() - 1, m_allDoc->lastBlock().length() - 1, m_allDoc->lastBlock().text());
}

void LazyTextDocument::editSetAllPosition(int cursorPostion)
{
    setAllCursorPostion(m_startPos + cursorPostion);
}

void LazyTextDocument::updateScrollPostion()
{
    if (m_editLineCount < 1)
        return;
    const double lineHeight = double(m_contentHeight) / m_editLineCount;
    const double total = lineHeight * m_allDoc->blockCount();
    if (total <= 0)
        return;
    const double p = qBound(0.0, (m_contentY + lineHeight * m_startLine) / total, 1.0);
    if (fuzzyEqual(p, m_scrollPostion))
        return;
    m_scrollPostion = p;
    emit scrollPostionChanged();
}

void LazyTextDocument::setScrollPostion(double value)
{
    if (fuzzyEqual(value, m_scrollPostion))
        return;
    updateEditFromPostion(value);
    m_scrollPostion = value;
    emit scrollPostionChanged();
}

void LazyTextDocument::updateEditFromPostion(double postion)
{
    editPostionUpdating = true;
    const int line = int(m_allDoc->blockCount() * postion - 1.0);
    if (line >= m_startLine && line <= m_startLine + m_editLineCount)
        setContentY(line < 0 ? 0 : int(m_contentHeight * postion));
    else if (line >= 0)
        gotoLine(line);
    else
        setContentY(0);
    editPostionUpdating = false;
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
    return toLineFeeds(m_allDoc->toRawText());
}

QString LazyTextDocument::allRawText() const
{
    return m_allDoc->toRawText();
}

QString LazyTextDocument::getText(int start, int end) const
{
    return toLineFeeds(wholeRange(qMin(start, end), qMax(start, end)));
}

void LazyTextDocument::remove(int start, int end)
{
    const int from = qBound(0, qMin(start, end), wholeLength());
    const int to = qBound(0, qMax(start, end), wholeLength());
    if (from == to || m_readOnly)
        return;
    const int blocks = m_allDoc->blockCount();
    replaceWholeRange(from, to, QString());
    shiftWholePositions(from, to - from, 0);
    wholeEditedOutsideWindow(from, to - from, 0, m_allDoc->blockCount() - blocks);
    announceWholeChange(from, to - from, 0);
}

void LazyTextDocument::append(const QString& text)
{
    if (text.isEmpty())
        return;
    const int at = wholeLength();
    const int blocks = m_allDoc->blockCount();
    const int inserted = replaceWholeRange(at, at, text);
    wholeEditedOutsideWindow(at, 0, inserted, m_allDoc->blockCount() - blocks);
    announceWholeChange(at, 0, inserted);
}

void LazyTextDocument::setAllText(const QString& text)
{
    const bool hadText = m_textLoaded || wholeLength() > 0;
    const bool html = m_fileType != QLatin1String("md") && m_fileType.startsWith(QLatin1String("htm"));
    connectEditAndAllDocument(false);
    clearWindow();
    m_startLine = m_endLine = 0;
    if (m_startPos != 0) {
        m_startPos = 0;
        emit startPositionChanged();
    }
    replaceAllText(text, html);
    m_allDoc->setModified(false);
    setWholeSelection(0, 0, 0);
    connectEditAndAllDocument(true);
    setLoading(false);
    // A reload replaces a counted text: everything is reported removed.
    emit m_allDoc->contentsChange(0, hadText ? -1 : 0, wholeLength());
    afterWholeChange(false);
    setTextLoaded(true);
}

// ---- loading and saving --------------------------------------------------------

void LazyTextDocument::setFileName(const QUrl& url)
{
    if (url == m_fileName)
        return;
    if (url.isEmpty()) {
        PLOG << "fileName is empty";
        connectEditAndAllDocument(false);
        DoorLock lock;
        const bool hadText = wholeLength() > 0;
        replaceAllText(QString());
        clearWindow();
        m_startLine = m_endLine = 0;
        m_startPos = 0;
        setWholeSelection(0, 0, 0);
        connectEditAndAllDocument(true);
        if (hadText)
            announceWholeChange(0, -1, 0);
        return;
    }
    unwatchFile();
    setLoading(true);
    m_fileName = url;
    m_loadTimer->start();
}

void LazyTextDocument::doSetFile()
{
    setFileType(QFileInfo(m_fileName.path()).suffix());
    if (!m_fileName.isEmpty())
        loadText(m_fileName);
    watchFile();
    emit fileNameChanged(m_fileName);
    if (m_fileName.scheme() == QLatin1String("qrc"))
        gotoPostionByAll(0);
}

QString LazyTextDocument::getCodecName(QIODevice* device)
{
    return function::getCodecName(device);
}

bool LazyTextDocument::loadText(const QUrl& url)
{
    QString path = url.isLocalFile() ? url.toLocalFile() : QString();
    const bool resource = url.scheme() == QLatin1String("qrc");
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        PLOG << "cannot open" << path << file.errorString();
        message::show(Message::Error, tr("无法打开文件: ") + file.errorString(), 5000);
        return false;
    }
    setLastModification(QFileInfo(path).lastModified());
    m_allDoc->setModified(false);
    setIsModified(false);

    QString text;
    {
        const QByteArray bytes = file.readAll();
        text = function::decodeText(bytes);
    }
    file.close();
    // Every line, the last included, ends with a line break, so the
    // document ends with one empty line and a saved file ends with "\n".
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')) && !text.endsWith(QLatin1Char('\r')))
        text += QLatin1Char('\n');
    if (text.isEmpty() && m_add2SpaceAtFrontByEnter) {
        text = twoIdeographicSpaces;
        setInitPosition(2);
    }
    setAllText(text);
    m_allDoc->setModified(false);
    setIsModified(false);
    const int length = m_allDoc->characterCount();
    const int cursor = m_initPosition < length ? qMax(0, m_initPosition) : length - 1;
    // Kept also when the text area comes later: the window is built there.
    setWholeSelection(cursor, cursor, cursor);
    gotoPostionByAll(cursor);
    setReadOnly(resource);
    return true;
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
    // Written to a temporary file and renamed over the document only when
    // every byte is on disk: a failed save leaves the old file intact.
    const UserFile::Result written = UserFile::write(path, encodedText(), UserFile::NoOptions);
    if (!written) {
        WriteNotice::show(tr("Cannot save: "), path, written.error);
        return false;
    }
    emit fileDeleted(m_fileName, false);
    setLastModification(QFileInfo(path).lastModified());
    m_allDoc->setModified(false);
    setIsModified(false);
    if (fileUrl != m_fileName) {
        unwatchFile();
        m_fileName = fileUrl;
        emit fileNameChanged(m_fileName);
    }
    // The rename replaced the watched file: watch the new one.
    unwatchFile();
    watchFile();
    return true;
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
    if (m_historyPath.isEmpty())
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
    const QString name = getNameFromUrl(QUrl::fromLocalFile(filePath));
    qint64 seconds = QDateTime::currentSecsSinceEpoch();
    auto target = [&] {
        return QDir(historyDir).filePath(QFileInfo(global::historyFileName(name, seconds)).fileName());
    };
    QString path = target();
    for (int i = 0; QFileInfo::exists(path) && i < 1000; ++i) {
        ++seconds;
        path = target();
    }
    if (QFileInfo::exists(path))
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
    if (modified == m_lastModification || m_loading)
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
    const int cursor = m_allCursorPostion;
    if (reloadText()) {
        const int p = qBound(0, cursor, wholeLength());
        gotoPostionByAll(p);
        emit allCursorPostionChanged();
    }
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

// ---- selection from the text area ---------------------------------------------

void LazyTextDocument::setEditSelectionStart(int value)
{
    DoorLock lock;
    if (!lock.locked())
        return;
    if (doNotSetSelectedStart) {
        doNotSetSelectedStart = false;
        return;
    }
    if (sendSelecting || value == m_editSelectionStart)
        return;
    m_editSelectionStart = value;
    emit editSelectionStartChanged();
    setWholeSelection(value + m_startPos, m_allSelectionEnd, m_allCursorPostion);
}

void LazyTextDocument::setEditSelectionEnd(int value)
{
    DoorLock lock;
    if (!lock.locked())
        return;
    if (doNotSetSelectedEnd) {
        doNotSetSelectedEnd = false;
        return;
    }
    if (sendSelecting || value == m_editSelectionEnd)
        return;
    m_editSelectionEnd = value;
    emit editSelectionEndChanged();
    setWholeSelection(m_allSelectionStart, value + m_startPos, m_allCursorPostion);
}

void LazyTextDocument::setEditCursorPostion(int value)
{
    DoorLock lock;
    if (!lock.locked() || sendSelecting || !m_editDoc)
        return;
    const int p = qBound(0, value, editLength());
    resetFormat();
    if (p != m_editCursorPostion) {
        m_editCursorPostion = p;
        emit editCursorPostionChanged();
    }
    if (!m_editCursor.isNull())
        m_editCursor.setPosition(p);
    updateCursorLineInfo(p);
    setWholeSelection(m_allSelectionStart, m_allSelectionEnd, p + m_startPos);
    emit allSelectedTextChanged();
}

void LazyTextDocument::setEditSelectedText(const QString& value)
{
    if (value == m_editSelectedText)
        return;
    m_editSelectedText = value;
    emit editSelectedTextChanged();
}

void LazyTextDocument::updateCursorLineInfo(int editPostion)
{
    if (!m_editDoc)
        return;
    const QTextBlock block = m_editDoc->findBlock(qBound(0, editPostion, editLength()));
    const int column = editPostion - block.position();
    setCursorLineInfo(block.blockNumber() + m_startLine, column, block.text().left(column));
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
    if (value != m_allSelectionStart)
        setWholeSelection(value, m_allSelectionEnd, m_allCursorPostion);
}

void LazyTextDocument::setAllSelectionEnd(int value)
{
    if (value != m_allSelectionEnd)
        setWholeSelection(m_allSelectionStart, value, m_allCursorPostion);
}

void LazyTextDocument::setAllCursorPostion(int value)
{
    if (value == m_allCursorPostion)
        return;
    gotoPostionByAll(value);
    m_allCursorPostion = value;
    updateScrollPostion();
    emit allCursorPostionChanged();
    emit allSelectedTextChanged();
}

QString LazyTextDocument::allSelectedText() const
{
    return const_cast<LazyTextDocument*>(this)->wholeCursor().selectedText();
}

QString LazyTextDocument::selectedPlainText() const
{
    return toLineFeeds(allSelectedText());
}

bool LazyTextDocument::isSelectedAll() const
{
    const int length = wholeLength();
    return length > 0 && qMin(m_allSelectionStart, m_allSelectionEnd) == 0
        && qMax(m_allSelectionStart, m_allSelectionEnd) >= length;
}

// ---- editing operations ------------------------------------------------------

void LazyTextDocument::select(int start, int end)
{
    if (start == -1 || end == -1)
        return;
    setWholeSelection(start, end, m_allCursorPostion);
}

void LazyTextDocument::selectByDocument(int start, int end)
{
    gotoPostionByAll(start);
    const int editStart = qMax(0, start - m_startPos);
    const int editEnd = qMin(end - m_startPos, editLength());
    sendSelecting = true;
    emit selectEdit(editStart, editEnd);
    sendSelecting = false;
    m_editSelectionStart = editStart;
    m_editSelectionEnd = editEnd;
    adoptEditCursor(editEnd);
    setWholeSelection(start, end, m_startPos + m_editCursorPostion);
}

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
    const int e = last.isValid() ? last.position() : wholeLength();
    if (e < s)
        return;
    gotoPostionByAll(s);
    const int editStart = qMax(0, s - m_startPos);
    const int editEnd = qMin(e - m_startPos, editLength());
    sendSelecting = true;
    emit selectEdit(editEnd, editStart);
    sendSelecting = false;
    m_editSelectionStart = editStart;
    m_editSelectionEnd = editEnd;
    setWholeSelection(s, e, s);
}

void LazyTextDocument::selectAll()
{
    saveTmpFile();
    const int length = editLength();
    sendSelecting = true;
    emit selectEdit(0, length);
    sendSelecting = false;
    m_editSelectionStart = 0;
    m_editSelectionEnd = length;
    adoptEditCursor(length);
    setWholeSelection(0, wholeLength(), m_startPos + m_editCursorPostion);
    emit isSelectedAllChanged(isSelectedAll());
    emit allSelectedTextChanged();
}

void LazyTextDocument::deselect()
{
    if (m_allSelectionStart == m_allSelectionEnd)
        return;
    sendSelecting = true;
    emit selectEdit(m_editSelectionEnd, m_editSelectionEnd);
    sendSelecting = false;
    m_editSelectionStart = m_editSelectionEnd;
    if (!m_editCursor.isNull())
        m_editCursor.clearSelection();
    setWholeSelection(m_allCursorPostion, m_allCursorPostion, m_allCursorPostion);
}

void LazyTextDocument::copy()
{
    const QString text = selectedPlainText();
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void LazyTextDocument::cut()
{
    const QString text = selectedPlainText();
    if (text.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(text);
    if (m_readOnly)
        return;
    removeSelect(true);
    updateEditContent();
    emit ensureVisible();
}

void LazyTextDocument::paste()
{
    const QString text = QGuiApplication::clipboard()->text();
    if (text.isEmpty() || m_readOnly || !m_editDoc)
        return;
    if (text.size() <= maxWindowPaste) {
        removeSelect(false);
        QTextCursor cursor = editSelectionCursor();
        cursor.insertText(text);
        return;
    }
    // A long paste goes straight into the whole document, where the
    // selection starts, whichever direction it was made in.
    QTextCursor cursor = wholeCursor();
    const int start = cursor.selectionStart();
    const int removed = cursor.selectionEnd() - start;
    const bool everything = isSelectedAll();
    const int inserted = replaceWholeRange(start, start + removed, text);
    setWholeSelection(start + inserted, start + inserted, start + inserted);
    rebuildWindowAt(start + inserted);
    if (everything)
        announceWholeChange(0, -1, inserted);
    else
        announceWholeChange(start, removed, inserted);
    emit ensureVisible();
}

void LazyTextDocument::removeSelect(bool removeEditText)
{
    const int start = qMin(m_allSelectionStart, m_allSelectionEnd);
    const int end = qMin(qMax(m_allSelectionStart, m_allSelectionEnd), wholeLength());
    if (start >= end || m_readOnly)
        return;
    if (isSelectedAll()) {
        replaceWholeRange(0, wholeLength(), QString());
        setWholeSelection(0, 0, 0);
        rebuildWindowAt(0);
        announceWholeChange(0, -1, 0);
    } else if (end > m_startPos + m_editSelectionEnd || start < m_startPos + m_editSelectionStart) {
        replaceWholeRange(start, end, QString());
        setWholeSelection(start, start, start);
        rebuildWindowAt(start);
        announceWholeChange(start, end - start, 0);
    } else if (removeEditText) {
        QTextCursor cursor = editSelectionCursor();
        cursor.removeSelectedText();
    }
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
    afterWholeChange(true);
    const int position = changed >= 0 ? qMin(changed, wholeLength()) : cursor.position();
    setWholeSelection(position, position, position);
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
    if (!m_enterPressed || doInserting)
        return;
    QString text;
    if (m_addEmptyLineAtEndByEnter)
        text += QStringLiteral("\r\n");
    if (m_add2SpaceAtFrontByEnter)
        text += twoIdeographicSpaces;
    if (!text.isEmpty())
        insertAtEditCursor(text);
    setSeriseEnterNumber(m_seriseEnterNumber + 1);
    m_enterPressed = false;
    updateEditContent();
    save();
}

void LazyTextDocument::insertAtEditCursor(const QString& text)
{
    if (!m_editDoc || m_editCursor.isNull())
        return;
    doInserting = true;
    m_editCursor.insertText(text);
    doInserting = false;
}

void LazyTextDocument::addChapterName(int nextTitleIndex)
{
    deselect();
    if (m_editCursor.isNull())
        return;
    const QString line = m_editCursor.block().text();
    const bool isTitle = chapterTitleTest ? chapterTitleTest(line, m_chapterKeys) : count::isChapterTitle(line, m_chapterKeys);
    if (isTitle) {
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
    save();
    saveTmpFile();
    auto* worker = new makeuper(nullptr);
    // The lines are taken here, on the GUI thread; the worker never reads
    // the document while it can change.
    worker->setTextList(allText().split(QRegularExpression(QStringLiteral("[\r\n]"))));
    m_makeupRevision = m_editRevision;
    connect(worker, &makeuper::makeupFinished, this, &LazyTextDocument::makeupFinished);
    worker->start();
}

void LazyTextDocument::makeupFinished(const QStringList& list)
{
    m_makeupRunning = false;
    if (m_makeupRevision != m_editRevision) {
        // Edits made while the worker ran would be lost under its result.
        message::show(Message::Tips, tr("排版期间文档已被修改，排版结果未应用。"), 5000);
        return;
    }
    replaceAllText(list.join(QStringLiteral("\r\n")));
    m_allDoc->setModified(true);
    setWholeSelection(0, 0, 0);
    announceWholeChange(0, -1, wholeLength());
    rebuildWindowAt(0);
    gotoEnd();
}

void LazyTextDocument::subtleFinish(const QString& text)
{
    const int cursor = m_allCursorPostion;
    replaceAllText(text);
    m_allDoc->setModified(true);
    announceWholeChange(0, -1, wholeLength());
    const int p = qBound(0, cursor, wholeLength());
    setWholeSelection(p, p, p);
    rebuildWindowAt(p);
    updateEditContent();
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
    QTextBlock block = m_allDoc->findBlock(qBound(0, from, wholeLength()));
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
    const int length = wholeLength();
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
    const int restart = searchDown ? 0 : wholeLength();
    gotoPostionByAll(restart);
    setWholeSelection(restart, restart, restart);
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
    const int start = qMin(m_allSelectionStart, m_allSelectionEnd);
    const int end = qMax(m_allSelectionStart, m_allSelectionEnd);
    if (!forAll && start == end)
        return false;
    QString text = m_replaceText;
    if (m_searchMode == RegularExpressionMode)
        text = wholeRange(start, end).replace(searchExpression(), m_replaceText);

    const int editStart = start - m_startPos;
    const int editEnd = end - m_startPos;
    const int inserted = replaceWholeRange(start, end, text);
    if (editStart >= 0 && editEnd <= editLength()) {
        // The same text replaces the window's selection, not mirrored.
        const bool wasConnected = m_connected;
        connectEditAndAllDocument(false);
        QTextCursor cursor(m_editDoc);
        cursor.setPosition(editStart);
        cursor.setPosition(editEnd, QTextCursor::KeepAnchor);
        cursor.insertText(text);
        m_endLine = m_startLine + m_editDoc->blockCount() - 1;
        if (wasConnected)
            connectEditAndAllDocument(true);
        setWholeSelection(start + inserted, start + inserted, start + inserted);
        updateEditPosition(editStart + inserted);
    } else {
        rebuildWindowAt(start + inserted);
    }
    announceWholeChange(start, end - start, inserted);
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
            const int before = wholeLength();
            cursor.setPosition(match.start);
            cursor.setPosition(match.start + match.length, QTextCursor::KeepAnchor);
            cursor.insertText(m_replaceText);
            const int inserted = wholeLength() - (before - match.length);
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
        announceWholeChange(first, oldEnd - first, newEnd - first); // one notice for the whole span
    save();
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
