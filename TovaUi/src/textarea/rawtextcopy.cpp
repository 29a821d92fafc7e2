#include "textarea/rawtextcopy.h"

#include <QTextDocument>
#include <private/qtextdocument_p.h>

#include <algorithm>
#include <atomic>
#include <cstring>

RawTextCopy::RawTextCopy(const QTextDocument* document)
    : m_document(document)
{
}

int RawTextCopy::noteChange(int from, int, int added)
{
    // Up to date are at most the text in front of the change and the text
    // behind it. Positions are the document's: its closing separator is one
    // past the raw text.
    const int length = m_document->docHandle()->length() - 1;
    m_head = std::max(0, std::min(m_head, from));
    m_unchanged = std::max(0, std::min(m_unchanged, from));
    m_tail = std::max(0, std::min(m_tail, length - (from + added)));
    return length;
}

bool RawTextCopy::refresh(int maxChars)
{
    const QTextDocumentPrivate* d = m_document->docHandle();
    const int length = d->length() - 1;
    if (d->isInEditBlock()) {
        // Its changes are told once the block ends: none can be trusted yet.
        m_head = 0;
        m_tail = 0;
    }
    const int oldLength = m_text.size();
    if (oldLength == length && m_head + m_tail >= length && !m_text.isNull())
        return true;
    // A change leaves at most the shorter text's length up to date in all.
    if (m_head + m_tail > std::min(oldLength, length)) {
        m_head = 0;
        m_tail = 0;
    }

    // A block only this copy holds is changed in place. isDetached() reads
    // the count the reader's release dropped; the fence orders this
    // thread's writes after that reader's last reads.
    const bool own = m_text.isDetached() && m_text.capacity() <= 2 * qint64(length) + (1 << 20);
    if (own) {
        std::atomic_thread_fence(std::memory_order_acquire);
        if (length > oldLength)
            m_text.resize(length);
        QChar* data = m_text.data();
        std::memmove(data + length - m_tail, data + oldLength - m_tail, size_t(m_tail) * sizeof(QChar));
        if (length < oldLength)
            m_text.resize(length);
    } else {
        adoptNewBlock(length);
    }
    const int to = length - m_tail;
    const int end = int(std::min<qint64>(to, qint64(m_head) + std::max(0, maxChars)));
    copyFromDocument(m_head, end);
    m_head = end;
    if (end < to)
        return false;
    m_head = length; // all of it, until the next change says otherwise
    m_tail = length;
    return true;
}

// A new block for a text of this length, with the copy's parts that are up
// to date taken from the old one.
void RawTextCopy::adoptNewBlock(int length)
{
    QString block;
    block.resize(length);
    QChar* out = block.data();
    const QChar* old = m_text.constData();
    std::memcpy(out, old, size_t(m_head) * sizeof(QChar));
    std::memcpy(out + length - m_tail, old + m_text.size() - m_tail, size_t(m_tail) * sizeof(QChar));
    m_text = block;
}

void RawTextCopy::copyFromDocument(int from, int to)
{
    if (from >= to)
        return;
    const QTextDocumentPrivate* d = m_document->docHandle();
    const QString buffer = d->buffer();
    const QChar* text = buffer.constData();
    QChar* out = m_text.data();
    auto it = d->find(from);
    int position = it.position();
    for (; position < to && it != d->end(); ++it) {
        const QTextFragmentData* fragment = *it;
        const int size = int(fragment->size_array[0]);
        const int first = std::max(position, from);
        const int last = std::min(position + size, to);
        if (last > first)
            std::memcpy(out + first, text + fragment->stringPosition + (first - position), size_t(last - first) * sizeof(QChar));
        position += size;
    }
}

QString RawTextCopy::text()
{
    refresh();
    return m_text;
}

void RawTextCopy::clear()
{
    m_text = QString();
    m_head = 0;
    m_tail = 0;
    m_unchanged = 0;
}

int RawTextCopy::takeUnchanged()
{
    // Changes made inside an open group of edits are told when it ends:
    // where they are is not known yet.
    const int unchanged = m_document->docHandle()->isInEditBlock() ? 0 : m_unchanged;
    m_unchanged = INT_MAX;
    return unchanged;
}
