#include "requestjournal.h"

#include <QJsonObject>

namespace {
qint64 size(const RequestJournal::Entry& entry)
{
    qint64 bytes = entry.body.size();
    for (const RequestJournal::Part& part : entry.parts)
        bytes += part.content.size();
    return bytes;
}
} // namespace

void RequestJournal::setEnabled(bool enabled)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_enabled = enabled;
}

bool RequestJournal::enabled() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_enabled;
}

quint64 RequestJournal::record(Entry entry)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_enabled)
        return 0;
    entry.seq = m_next++;
    if (entry.body.size() > bodyLimit)
        entry.body.truncate(bodyLimit);
    for (Part& part : entry.parts)
        part.content.truncate(bodyLimit);
    m_bytes += size(entry);
    m_entries.push_back(std::move(entry));
    while (m_entries.size() > size_t(maxEntries) || (m_bytes > maxBytes && m_entries.size() > 1)) {
        m_bytes -= size(m_entries.front());
        m_entries.pop_front();
    }
    return m_entries.back().seq;
}

RequestJournal::Entry* RequestJournal::entry(quint64 seq)
{
    // Sequence numbers rise by one, so the entry's place is known.
    if (seq == 0 || m_entries.empty() || seq < m_entries.front().seq)
        return nullptr;
    const size_t at = size_t(seq - m_entries.front().seq);
    return at < m_entries.size() ? &m_entries[at] : nullptr;
}

void RequestJournal::answered(quint64 seq, int status)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (Entry* e = entry(seq))
        e->status = status;
}

void RequestJournal::received(quint64 seq, const QByteArray& body, const QList<Part>& parts, qint64 bodySize)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Entry* e = entry(seq);
    if (!e)
        return;
    m_bytes -= size(*e);
    e->body = body.left(bodyLimit);
    e->parts = parts;
    e->bodySize = bodySize;
    m_bytes += size(*e);
}

QJsonArray RequestJournal::toJson() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QJsonArray out;
    for (const Entry& e : m_entries) {
        QJsonObject headers;
        for (const auto& h : e.headers)
            headers.insert(QString::fromLatin1(h.first.toLower()), QString::fromUtf8(h.second));
        QJsonArray parts;
        for (const Part& p : e.parts)
            parts << QJsonObject { { QStringLiteral("name"), QString::fromUtf8(p.name) },
                                   { QStringLiteral("filename"), QString::fromUtf8(p.filename) },
                                   { QStringLiteral("content_type"), QString::fromUtf8(p.contentType) },
                                   { QStringLiteral("content"), QString::fromLatin1(p.content.toBase64()) } };
        out << QJsonObject {
            { QStringLiteral("seq"), double(e.seq) },
            { QStringLiteral("method"), QString::fromLatin1(e.method) },
            { QStringLiteral("target"), QString::fromUtf8(e.target) },
            { QStringLiteral("path"), QString::fromUtf8(e.path) },
            { QStringLiteral("query"), QString::fromUtf8(e.query) },
            { QStringLiteral("headers"), headers },
            { QStringLiteral("body"), QString::fromLatin1(e.body.toBase64()) },
            { QStringLiteral("parts"), parts },
            { QStringLiteral("body_size"), double(e.bodySize) },
            { QStringLiteral("status"), e.status },
        };
    }
    return out;
}

void RequestJournal::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_entries.clear();
    m_bytes = 0;
}
