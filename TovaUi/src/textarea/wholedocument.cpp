#include "wholedocument.h"

#include "textarea/blanklayout.h"
#include "textarea/rawtextcopy.h"

#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <private/qtextdocument_p.h>

WholeDocument::WholeDocument(QObject* parent)
    : QObject(parent)
{
    m_document = new QTextDocument(parent);
    // The whole document is never shown: its layout lays out nothing, so an
    // edit of a long book costs no line shaping (any real layout shapes the
    // changed line, and each line a cursor is put on).
    auto* layout = new BlankLayout(m_document);
    m_document->setDocumentLayout(layout);
    m_rawCopy = std::make_unique<RawTextCopy>(m_document);
    connect(layout, &BlankLayout::changed, this, [this](int from, int removed, int added) {
        m_length = m_rawCopy->noteChange(from, removed, added);
    });
    m_document->setUndoRedoEnabled(true);
}

WholeDocument::~WholeDocument() = default;

int WholeDocument::length() const
{
    // Grouped edits are told only once the group ends.
    if (m_length < 0 || m_document->docHandle()->isInEditBlock())
        m_length = m_document->characterCount() - 1;
    return m_length;
}

int WholeDocument::blockCount() const
{
    return m_document->blockCount();
}

QString WholeDocument::range(int start, int end) const
{
    return rangeOf(m_document, length(), start, end);
}

QString WholeDocument::rangeOf(QTextDocument* document, int length, int start, int end)
{
    start = qBound(0, start, length);
    end = qBound(start, end, length);
    if (start == end)
        return QString();
    QTextCursor cursor(document);
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

QString WholeDocument::lines(int first, int last) const
{
    const QTextBlock from = m_document->findBlockByNumber(first);
    const QTextBlock to = m_document->findBlockByNumber(last);
    if (!from.isValid() || !to.isValid())
        return QString();
    return range(from.position(), to.position() + to.length() - 1);
}

QString WholeDocument::text() const
{
    return toLineFeeds(m_document->toRawText());
}

QString WholeDocument::rawText() const
{
    return m_document->toRawText();
}

// The raw form keeps characters (such as no-break spaces) that the
// document's plain-text export would replace.
QString WholeDocument::toLineFeeds(QString rawText)
{
    QChar* data = rawText.data();
    const int size = rawText.size();
    for (int i = 0; i < size; ++i) {
        if (data[i] == QChar::ParagraphSeparator)
            data[i] = QLatin1Char('\n');
    }
    return rawText;
}

int WholeDocument::replace(int start, int end, const QString& text, bool joinUndo)
{
    const int before = length();
    start = qBound(0, start, before);
    end = qBound(start, end, before);
    const QSignalBlocker blocker(m_document);
    QTextCursor cursor(m_document);
    // What Enter adds after its line break is undone with it, and a run of
    // typing is one step.
    if (m_joinUndo || joinUndo)
        cursor.joinPreviousEditBlock();
    else
        cursor.beginEditBlock();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    if (text.isEmpty())
        cursor.removeSelectedText();
    else
        cursor.insertText(text);
    cursor.endEditBlock();
    return length() - (before - (end - start));
}

void WholeDocument::replaceAll(const QString& text, bool asHtml)
{
    const QSignalBlocker blocker(m_document);
    if (asHtml)
        m_document->setHtml(text);
    else
        m_document->setPlainText(text);
}

void WholeDocument::appendRaw(const QString& text)
{
    const QSignalBlocker blocker(m_document);
    QTextCursor cursor(m_document);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
}

void WholeDocument::announce(int position, int removed, int added)
{
    emit m_document->contentsChange(position, removed, added);
    settle(true);
}

void WholeDocument::settle(bool textEdited)
{
    if (textEdited)
        ++m_revision;
    emit changed(textEdited);
}
