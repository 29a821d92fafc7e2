#include "lazytextdocument.h"

#include "function/function.h"
#include "function/message.h"
#include "support/log.h"
#include "support/userfile.h"
#include "support/writenotice.h"
#include "textarea/documentfile.h"
#include "textarea/documentsaver.h"
#include "textarea/editorfile.h"
#include "textarea/documentloader.h"
#include "textarea/editwindow.h"
#include "textarea/saveschedule.h"
#include "textarea/historysnapshots.h"
#include "textarea/makeuper.h"
#include "textarea/rawtextcopy.h"
#include "textarea/textrules.h"
#include "textarea/wholedocument.h"
#include "textarea/windowformat.h"
#include "textarea/windowmirror.h"
#include "textarea/windowscroller.h"
#include "textarea/writerselection.h"

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

} // namespace

LazyTextDocument::LazyTextDocument(QObject* parent)
    : QObject(parent)
{
    m_timeElapsed.restart();
    m_parts.document = this;
    m_parts.whole = m_wholeDoc = new WholeDocument(this);
    m_allDoc = m_wholeDoc->document();
    m_parts.selection = m_selection = new WriterSelection(m_parts, this);
    m_parts.window = m_window = new EditWindow(m_parts, this);
    m_parts.scroller = m_scroller = new WindowScroller(m_parts, this);
    m_parts.mirror = new WindowMirror(m_parts, this);
    m_format = std::make_unique<WindowFormat>(m_parts);
    m_parts.format = m_format.get();
    m_parts.file = m_file = new EditorFile(m_parts, this);
    m_parts.loader = m_loader = new DocumentLoader(m_parts, this);
    m_parts.history = m_history = new HistorySnapshots(m_parts, this);
    m_parts.saves = m_saves = new SaveSchedule(m_parts, this);
    connect(m_wholeDoc, &WholeDocument::changed, this, &LazyTextDocument::afterWholeChange);
    connect(m_allDoc, &QTextDocument::modificationChanged, m_file, &EditorFile::refreshModified);
    // Every jump moves the cursor: typing after it is a step of its own.
    connect(this, &LazyTextDocument::sendEditPostion, this, [this] { m_typingRun.end(); });
    m_window->connectEditAndAllDocument(true);
}

LazyTextDocument::~LazyTextDocument()
{
    m_saves->handOverEnterSave(); // the writer, ended with the document, writes it
    m_file->unwatchFile();
}

int LazyTextDocument::timeElapsed()
{
    return m_timeElapsed.isValid() ? int(m_timeElapsed.elapsed()) : 0;
}

// ---- small helpers ----------------------------------------------------------

void LazyTextDocument::afterWholeChange(bool textEdited)
{
    if (textEdited)
        m_history->setIsTmpModified(true);
    // Edits made with the whole document's signals blocked do not report the
    // modified flag: read it back after every change.
    m_file->refreshModified();
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
    m_selection->refreshSelectedAll();
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

// ---- the text area ---------------------------------------------------------------

// ---- the window ---------------------------------------------------------------

// ---- mirroring window edits ---------------------------------------------------

// ---- jumps and scrolling -----------------------------------------------------

// ---- paragraph format ----------------------------------------------------------

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
    if (from == to || m_file->readOnly())
        return;
    const int blocks = m_allDoc->blockCount();
    m_selection->take();
    m_wholeDoc->replace(from, to, QString());
    m_selection->setWhole(m_selection->whole().shifted(from, to - from, 0));
    m_window->wholeEditedOutside(from, to - from, 0, m_allDoc->blockCount() - blocks);
    m_wholeDoc->announce(from, to - from, 0);
}

void LazyTextDocument::append(const QString& text)
{
    if (text.isEmpty())
        return;
    const int at = m_wholeDoc->length();
    const int blocks = m_allDoc->blockCount();
    const int inserted = m_wholeDoc->replace(at, at, text);
    m_window->wholeEditedOutside(at, 0, inserted, m_allDoc->blockCount() - blocks);
    m_wholeDoc->announce(at, 0, inserted);
}

// ---- loading and saving --------------------------------------------------------


// ---- the cursor and the selection ------------------------------------------------

void LazyTextDocument::setAllSelectionStart(int value)
{
    if (value != m_selection->whole().start())
        select(value, m_selection->whole().end());
}

void LazyTextDocument::setAllSelectionEnd(int value)
{
    if (value != m_selection->whole().end())
        select(m_selection->whole().start(), value);
}

void LazyTextDocument::setAllCursorPostion(int value)
{
    if (value == m_selection->whole().cursor && m_selection->whole().isEmpty())
        return;
    gotoPostionByAll(value);
}

QString LazyTextDocument::selectedPlainText() const
{
    return WholeDocument::toLineFeeds(allSelectedText());
}

// ---- editing operations ------------------------------------------------------

void LazyTextDocument::select(int start, int end)
{
    if (start == -1 || end == -1)
        return;
    m_selection->take();
    m_window->showWhole(WindowMap::Selection { start, end });
}

void LazyTextDocument::selectByDocument(int start, int end)
{
    gotoPostionByAll(start);
    m_window->showWhole(WindowMap::Selection { start, end });
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
    m_window->showWhole(WindowMap::Selection { e, s });
}

// Everything, the cursor at the end (the text area shows its window
// selected, its cursor at the window's end).
void LazyTextDocument::selectAll()
{
    m_history->saveTmpFile();
    m_selection->take();
    m_selection->setWhole(WindowMap::Selection { 0, m_wholeDoc->length() });
    m_selection->show();
    emit isSelectedAllChanged(isSelectedAll());
}

void LazyTextDocument::deselect()
{
    m_selection->take();
    if (m_selection->whole().isEmpty())
        return;
    m_selection->setWhole(WindowMap::at(m_window->map().toWhole(m_selection->shown().cursor)));
    m_selection->show();
}

void LazyTextDocument::copy()
{
    m_selection->take();
    const QString text = selectedPlainText();
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void LazyTextDocument::cut()
{
    m_selection->take();
    const QString text = selectedPlainText();
    if (text.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(text);
    if (m_file->readOnly())
        return;
    replaceSelection(QString());
    emit ensureVisible();
}

void LazyTextDocument::paste()
{
    const QString text = QGuiApplication::clipboard()->text();
    if (text.isEmpty() || m_file->readOnly() || !m_window->document())
        return;
    replaceSelection(text);
    emit ensureVisible();
}

void LazyTextDocument::replaceSelection(const QString& text)
{
    if (!m_window->document() || m_file->readOnly())
        return;
    m_selection->take();
    const int start = m_selection->whole().start();
    const int end = qMin(m_selection->whole().end(), m_wholeDoc->length());
    if (start == end && text.isEmpty())
        return;
    if (m_window->map().contains(start) && m_window->map().contains(end) && text.size() <= maxWindowPaste) {
        // Through the window, mirrored like typing (but a step of its own);
        // the text area's cursor moves on with the inserted text.
        QTextCursor cursor(m_window->document());
        cursor.setPosition(m_window->map().toWindow(start));
        cursor.setPosition(m_window->map().toWindow(end), QTextCursor::KeepAnchor);
        m_typingRun.end();
        if (text.isEmpty())
            cursor.removeSelectedText();
        else
            cursor.insertText(text);
        m_typingRun.end();
        m_selection->show();
        return;
    }
    const bool everything = isSelectedAll();
    const int inserted = m_wholeDoc->replace(start, end, text);
    m_selection->setWhole(WindowMap::at(start + inserted));
    m_window->rebuildAt(start + inserted);
    if (everything)
        m_wholeDoc->announce(0, -1, inserted);
    else
        m_wholeDoc->announce(start, end - start, inserted);
}

void LazyTextDocument::removeSelect(bool removeEditText)
{
    m_selection->take();
    if (m_selection->whole().isEmpty() || m_file->readOnly())
        return;
    // A selection the window holds is removed by the text area's own
    // deletion unless asked for.
    const bool inWindow = m_window->map().contains(m_selection->whole().start()) && m_window->map().contains(m_selection->whole().end());
    if (inWindow && !removeEditText)
        return;
    replaceSelection(QString());
    m_format->apply();
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
    if (m_file->readOnly() || !(undo ? m_allDoc->isUndoAvailable() : m_allDoc->isRedoAvailable()))
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
    m_window->rebuildAt(position);
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
    m_scroller->scheduleMaintenance();
    m_saves->enterCompleted();
}

void LazyTextDocument::insertAtEditCursor(const QString& text)
{
    if (!m_window->document())
        return;
    m_selection->take();
    m_window->returnToCursor();
    QTextCursor cursor(m_window->document());
    cursor.setPosition(m_selection->shown().cursor);
    m_inserting = true;
    cursor.insertText(text);
    m_inserting = false;
    m_selection->take();
}

void LazyTextDocument::addChapterName(int nextTitleIndex)
{
    deselect();
    if (!m_window->document())
        return;
    const QString line = m_window->document()->findBlock(m_selection->shown().cursor).text();
    if (TextRules::isChapterTitle(line, m_chapterKeys)) {
        message::show(Message::Tips, tr("已经是章节标题了"), 5000);
        return;
    }
    insertAtEditCursor(tr("第%1章").arg(nextTitleIndex));
}

void LazyTextDocument::makeup()
{
    if (m_makeupRunning || m_file->readOnly())
        return;
    m_makeupRunning = true;
    m_saves->beforeTypesetting();
    m_history->saveTmpFile();
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
    m_selection->setWhole(WindowMap::at(0));
    m_wholeDoc->replaceAll(list.join(QStringLiteral("\r\n")));
    m_allDoc->setModified(true);
    m_wholeDoc->announce(0, -1, m_wholeDoc->length());
    m_window->rebuildAt(0);
    gotoEnd();
}

bool LazyTextDocument::subtleFinish(const QString& text)
{
    // The text before masking goes into the history first (the masking
    // sheet tells the writer it can be found there); without that snapshot
    // the masking is not applied.
    if (!m_history->saveTmpFile()) {
        message::show(Message::Warn, tr("无法保存过滤前的历史记录，过滤结果未应用。"), 5000);
        return false;
    }
    m_selection->take();
    const int cursor = m_selection->whole().cursor;
    m_selection->setWhole(WindowMap::at(0));
    m_wholeDoc->replaceAll(text);
    m_allDoc->setModified(true);
    m_wholeDoc->announce(0, -1, m_wholeDoc->length());
    m_window->rebuildAt(qBound(0, cursor, m_wholeDoc->length()));
    m_scroller->scheduleMaintenance();
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
    m_selection->take();
    const QTextCursor cursor = m_selection->wholeCursor();
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
    if (m_file->readOnly() || !m_window->document())
        return false;
    if (!doSearch(true, true))
        return false;
    const int start = m_selection->whole().start();
    const int end = m_selection->whole().end();
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
    if (m_file->readOnly() || m_selectedText.isEmpty() || m_replaceText.isEmpty())
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
    m_saves->afterReplaceAll();
    m_window->rebuildAt(0);
}

// ---- rich-text formatting of the window ------------------------------------------

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

void LazyTextDocument::setStartLineText(const QString& value)
{
    if (value == m_startLineText)
        return;
    m_startLineText = value;
    emit startLineTextChanged();
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
