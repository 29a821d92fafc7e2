#ifndef REQUESTJOURNAL_H
#define REQUESTJOURNAL_H

#include <QByteArray>
#include <QJsonArray>
#include <QList>
#include <QPair>

#include <deque>
#include <mutex>

// The requests a test server received, in arrival order, for tests that
// check what a client sent: method, target, headers and body (the first
// bodyLimit bytes; a form upload's parts as the library parsed them), and
// the status it was answered with (0 while open or never answered).
// Only kept with --test-control; the oldest entries go beyond maxEntries
// entries or maxBytes of bodies.
class RequestJournal
{
public:
    struct Part
    {
        QByteArray name;
        QByteArray filename;
        QByteArray contentType;
        QByteArray content;
    };
    struct Entry
    {
        quint64 seq = 0;
        QByteArray method;
        QByteArray target;
        QByteArray path; // decoded
        QByteArray query;
        QList<QPair<QByteArray, QByteArray>> headers;
        QByteArray body;
        QList<Part> parts;
        qint64 bodySize = 0;
        int status = 0;
    };

    void setEnabled(bool enabled);
    bool enabled() const;
    // The entry's sequence number, 0 when nothing was recorded.
    quint64 record(Entry entry);
    void answered(quint64 seq, int status);
    // The body of a request that its handler read piece by piece.
    void received(quint64 seq, const QByteArray& body, const QList<Part>& parts, qint64 size);
    QJsonArray toJson() const;
    void clear();

    static const int bodyLimit = 1 << 20;
    static const int maxEntries = 20000;
    static const qint64 maxBytes = 64ll * 1024 * 1024;

private:
    Entry* entry(quint64 seq);

    mutable std::mutex m_mutex;
    std::deque<Entry> m_entries;
    quint64 m_next = 1;
    qint64 m_bytes = 0;
    bool m_enabled = true;
};

#endif
