#ifndef HTTPDATE_H
#define HTTPDATE_H

#include <QByteArray>
#include <QDateTime>

// HTTP dates ("Tue, 08 Dec 2026 01:30:03 GMT") and the ISO dates of
// listings ("2026-12-08T01:30:03.000Z"), always in UTC.
class HttpDate
{
public:
    static QByteArray format(const QDateTime& time);
    // Invalid for anything but an RFC 1123 date in GMT.
    static QDateTime parse(const QByteArray& text);
    static QByteArray iso(qint64 msecsSinceEpoch);
};

#endif
