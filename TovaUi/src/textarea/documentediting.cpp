#include "documentediting.h"

#include "textarea/editorfile.h"
#include "textarea/editwindow.h"
#include "textarea/historysnapshots.h"
#include "textarea/lazytextdocument.h"
#include "textarea/typingrules.h"
#include "textarea/wholedocument.h"
#include "textarea/windowformat.h"
#include "textarea/windowscroller.h"
#include "textarea/writerselection.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

DocumentEditing::DocumentEditing(const EditorParts& parts)
    : m_parts(parts)
{
}

void DocumentEditing::select(int start, int end)
{
    if (start == -1 || end == -1)
        return;
    m_parts.selection->take();
    m_parts.window->showWhole(WindowMap::Selection { start, end });
}

void DocumentEditing::selectByDocument(int start, int end)
{
    m_parts.scroller->gotoPostionByAll(start);
    m_parts.window->showWhole(WindowMap::Selection { start, end });
}

void DocumentEditing::selectLine(int startLine, int endLine)
{
    const QTextDocument* whole = m_parts.whole->document();
    if (startLine == -1 && endLine == -1) {
        startLine = 0;
        endLine = whole->blockCount();
    }
    const QTextBlock first = whole->findBlockByNumber(startLine);
    if (!first.isValid())
        return;
    const int s = first.position();
    const QTextBlock last = whole->findBlockByNumber(endLine);
    const int e = last.isValid() ? last.position() : m_parts.whole->length();
    if (e < s)
        return;
    m_parts.scroller->gotoPostionByAll(s);
    m_parts.window->showWhole(WindowMap::Selection { e, s });
}

// Everything, the cursor at the end (the text area shows its window
// selected, its cursor at the window's end).
void DocumentEditing::selectAll()
{
    if (refusedWhileLoading())
        return;
    WriterSelection* selection = m_parts.selection;
    m_parts.history->saveTmpFile();
    selection->take();
    selection->setWhole(WindowMap::Selection { 0, m_parts.whole->length() });
    selection->show();
    emit m_parts.document->isSelectedAllChanged(selection->isSelectedAll());
}

void DocumentEditing::deselect()
{
    WriterSelection* selection = m_parts.selection;
    selection->take();
    if (selection->whole().isEmpty())
        return;
    selection->setWhole(WindowMap::at(m_parts.window->map().toWhole(selection->shown().cursor)));
    selection->show();
}

void DocumentEditing::setAllSelectionStart(int value)
{
    const WindowMap::Selection whole = m_parts.selection->whole();
    if (value != whole.start())
        select(value, whole.end());
}

void DocumentEditing::setAllSelectionEnd(int value)
{
    const WindowMap::Selection whole = m_parts.selection->whole();
    if (value != whole.end())
        select(whole.start(), value);
}

void DocumentEditing::setAllCursorPostion(int value)
{
    const WindowMap::Selection whole = m_parts.selection->whole();
    if (value == whole.cursor && whole.isEmpty())
        return;
    m_parts.scroller->gotoPostionByAll(value);
}

QString DocumentEditing::selectedPlainText() const
{
    return WholeDocument::toLineFeeds(m_parts.selection->wholeText());
}

bool DocumentEditing::refusedWhileLoading() const
{
    if (!m_parts.file->loading())
        return false;
    m_parts.file->mayEdit();
    return true;
}

void DocumentEditing::copy()
{
    if (refusedWhileLoading())
        return;
    m_parts.selection->take();
    const QString text = selectedPlainText();
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void DocumentEditing::cut()
{
    if (refusedWhileLoading())
        return;
    m_parts.selection->take();
    const QString text = selectedPlainText();
    if (text.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(text);
    if (!m_parts.file->mayEdit())
        return;
    replaceSelection(QString());
    emit m_parts.document->ensureVisible();
}

void DocumentEditing::paste()
{
    const QString text = QGuiApplication::clipboard()->text();
    if (text.isEmpty() || !m_parts.window->document() || !m_parts.file->mayEdit())
        return;
    replaceSelection(text);
    emit m_parts.document->ensureVisible();
}

void DocumentEditing::replaceSelection(const QString& text)
{
    EditWindow* window = m_parts.window;
    WriterSelection* selection = m_parts.selection;
    WholeDocument* whole = m_parts.whole;
    if (!window->document() || !m_parts.file->mayEdit())
        return;
    selection->take();
    const int start = selection->whole().start();
    const int end = qMin(selection->whole().end(), whole->length());
    if (start == end && text.isEmpty())
        return;
    const WindowMap& map = window->map();
    if (map.contains(start) && map.contains(end) && text.size() <= maxWindowPaste) {
        // Through the window, mirrored like typing (but a step of its own);
        // the text area's cursor moves on with the inserted text.
        QTextCursor cursor(window->document());
        cursor.setPosition(map.toWindow(start));
        cursor.setPosition(map.toWindow(end), QTextCursor::KeepAnchor);
        m_parts.typing->endTypingRun();
        if (text.isEmpty())
            cursor.removeSelectedText();
        else
            cursor.insertText(text);
        m_parts.typing->endTypingRun();
        selection->show();
        return;
    }
    const bool everything = selection->isSelectedAll();
    const int inserted = whole->replace(start, end, text);
    selection->setWhole(WindowMap::at(start + inserted));
    window->rebuildAt(start + inserted);
    if (everything)
        whole->announce(0, -1, inserted);
    else
        whole->announce(start, end - start, inserted);
}

void DocumentEditing::removeSelect(bool removeEditText)
{
    WriterSelection* selection = m_parts.selection;
    selection->take();
    if (selection->whole().isEmpty() || !m_parts.file->mayEdit())
        return;
    const WindowMap& map = m_parts.window->map();
    const bool inWindow = map.contains(selection->whole().start()) && map.contains(selection->whole().end());
    if (inWindow && !removeEditText)
        return;
    replaceSelection(QString());
    m_parts.format->apply();
}

void DocumentEditing::undoRedo(bool undo)
{
    QTextDocument* whole = m_parts.whole->document();
    if (!m_parts.file->mayEdit() || !(undo ? whole->isUndoAvailable() : whole->isRedoAvailable()))
        return;
    // Undo and redo run with the whole document's own signals: one step is
    // one change notification, with its exact range.
    int changed = -1;
    const auto connection = QObject::connect(whole, &QTextDocument::contentsChange, m_parts.document,
        [&](int position, int, int added) { changed = position + added; });
    QTextCursor cursor(whole);
    if (undo)
        whole->undo(&cursor);
    else
        whole->redo(&cursor);
    QObject::disconnect(connection);
    m_parts.whole->settle(true);
    const int position = changed >= 0 ? qMin(changed, m_parts.whole->length()) : cursor.position();
    m_parts.window->rebuildAt(position);
}

QString DocumentEditing::getText(int start, int end) const
{
    return WholeDocument::toLineFeeds(m_parts.whole->range(qMin(start, end), qMax(start, end)));
}

void DocumentEditing::remove(int start, int end)
{
    WholeDocument* whole = m_parts.whole;
    const int from = qBound(0, qMin(start, end), whole->length());
    const int to = qBound(0, qMax(start, end), whole->length());
    if (from == to || !m_parts.file->mayEdit())
        return;
    const int blocks = whole->blockCount();
    WriterSelection* selection = m_parts.selection;
    selection->take();
    whole->replace(from, to, QString());
    selection->setWhole(selection->whole().shifted(from, to - from, 0));
    m_parts.window->wholeEditedOutside(from, to - from, 0, whole->blockCount() - blocks);
    whole->announce(from, to - from, 0);
}

void DocumentEditing::append(const QString& text)
{
    if (text.isEmpty() || !m_parts.file->mayEdit())
        return;
    WholeDocument* whole = m_parts.whole;
    const int at = whole->length();
    const int blocks = whole->blockCount();
    const int inserted = whole->replace(at, at, text);
    m_parts.window->wholeEditedOutside(at, 0, inserted, whole->blockCount() - blocks);
    whole->announce(at, 0, inserted);
}
