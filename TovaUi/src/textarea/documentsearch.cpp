#include "documentsearch.h"

#include "function/message.h"
#include "textarea/documentediting.h"
#include "textarea/editorfile.h"
#include "textarea/editwindow.h"
#include "textarea/lazytextdocument.h"
#include "textarea/saveschedule.h"
#include "textarea/wholedocument.h"
#include "textarea/windowscroller.h"
#include "textarea/writerselection.h"

#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>

#include <climits>

DocumentSearch::DocumentSearch(const EditorParts& parts)
    : m_parts(parts)
{
}

bool DocumentSearch::isExpression() const
{
    return m_searchMode == LazyTextDocument::RegularExpressionMode;
}

QRegularExpression DocumentSearch::searchExpression() const
{
    // Regular expressions are case-sensitive; the case option only applies
    // to plain text.
    return QRegularExpression(m_selectedText);
}

// The expression is matched line by line, as the document's own search does;
// backwards, the last match that starts before from.
DocumentSearch::Match DocumentSearch::findExpression(const QRegularExpression& expression, int from, bool backward) const
{
    Match result;
    if (!expression.isValid())
        return result;
    QTextBlock block = m_parts.whole->document()->findBlock(qBound(0, from, m_parts.whole->length()));
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

DocumentSearch::Match DocumentSearch::findMatch(const QRegularExpression& expression, int from, bool backward,
    QTextDocument::FindFlags flags, bool allowEmpty) const
{
    Match result;
    const int length = m_parts.whole->length();
    while (from >= 0 && from <= length) {
        if (isExpression()) {
            result = findExpression(expression, from, backward);
        } else {
            const QTextCursor found = m_parts.whole->document()->find(m_selectedText, from,
                flags | (backward ? QTextDocument::FindBackward : QTextDocument::FindFlags()));
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

bool DocumentSearch::doSearch(bool searchDown, bool allowRestartAtTop)
{
    if (m_selectedText.isEmpty())
        return false;
    QTextDocument::FindFlags flags;
    if (m_searchMode == LazyTextDocument::WholeWordsMode)
        flags |= QTextDocument::FindWholeWords;
    if (m_matchCaseSensitive)
        flags |= QTextDocument::FindCaseSensitively;
    const QRegularExpression expression = searchExpression();
    m_parts.selection->take();
    const QTextCursor cursor = m_parts.selection->wholeCursor();
    // Down: after the selection; up: before its start.
    const int from = searchDown ? cursor.selectionEnd() : cursor.selectionStart();
    Match match = findMatch(expression, from, !searchDown, flags, false);
    if (match.start >= 0) {
        m_parts.editing->selectByDocument(match.start, match.start + match.length);
        return true;
    }
    const QString restartTips = searchDown ? LazyTextDocument::tr("从头开始查找") : LazyTextDocument::tr("从结尾开始查找");
    if (!allowRestartAtTop) {
        message::show(Message::Tips, restartTips, 5000);
        return false;
    }
    // Wrap around: the cursor goes to the start (end) and the next search
    // step, from there, selects the match found now.
    const int restart = searchDown ? 0 : m_parts.whole->length();
    m_parts.scroller->gotoPostionByAll(restart);
    match = findMatch(expression, restart, !searchDown, flags, false);
    if (match.start < 0) {
        message::show(Message::Tips, LazyTextDocument::tr("未找到"), 5000);
        return false;
    }
    message::show(Message::Tips, restartTips, 5000);
    return true;
}

bool DocumentSearch::doReplace(bool forAll)
{
    if (!m_parts.window->document() || !m_parts.file->mayEdit())
        return false;
    if (!doSearch(true, true))
        return false;
    const int start = m_parts.selection->whole().start();
    const int end = m_parts.selection->whole().end();
    if (!forAll && start == end)
        return false;
    QString text = m_replaceText;
    if (isExpression())
        text = m_parts.whole->range(start, end).replace(searchExpression(), m_replaceText);
    m_parts.editing->replaceSelection(text);
    return true;
}

void DocumentSearch::doReplaceAll()
{
    // Replace-all never deletes matches: an empty replacement does nothing.
    if (m_selectedText.isEmpty() || m_replaceText.isEmpty() || !m_parts.file->mayEdit())
        return;
    m_parts.editing->selectByDocument(0, 0);
    const QRegularExpression expression = searchExpression();
    WholeDocument* whole = m_parts.whole;
    int from = 0;
    int first = -1;
    int growth = 0;
    int oldEnd = 0;
    int newEnd = 0;
    {
        const QSignalBlocker blocker(whole->document());
        QTextCursor cursor(whole->document());
        cursor.beginEditBlock();
        for (;;) {
            const Match match = findMatch(expression, from, false, QTextDocument::FindFlags(), true);
            if (match.start < 0)
                break;
            if (first < 0)
                first = match.start;
            const int before = whole->length();
            cursor.setPosition(match.start);
            cursor.setPosition(match.start + match.length, QTextCursor::KeepAnchor);
            cursor.insertText(m_replaceText);
            const int inserted = whole->length() - (before - match.length);
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
        whole->announce(first, oldEnd - first, newEnd - first); // one notice for the whole span
    m_parts.saves->afterReplaceAll();
    m_parts.window->rebuildAt(0);
}

void DocumentSearch::setSelectedText(const QString& value)
{
    if (value == m_selectedText)
        return;
    m_selectedText = value;
    emit m_parts.document->selectedTextChanged();
}

void DocumentSearch::setReplaceText(const QString& value)
{
    if (value == m_replaceText)
        return;
    m_replaceText = value;
    emit m_parts.document->replaceTextChanged();
}

void DocumentSearch::setSearchMode(int value)
{
    if (value == m_searchMode)
        return;
    m_searchMode = value;
    emit m_parts.document->searchModeChanged();
}

void DocumentSearch::setReplaceMode(bool value)
{
    if (value == m_replaceMode)
        return;
    m_replaceMode = value;
    emit m_parts.document->replaceModeChanged();
}

void DocumentSearch::setMatchCaseSensitive(bool value)
{
    if (value == m_matchCaseSensitive)
        return;
    m_matchCaseSensitive = value;
    emit m_parts.document->matchCaseSensitiveChanged();
}
