#ifndef BYTERANGE_H
#define BYTERANGE_H

#include <QByteArray>
#include <QList>

// The part of a representation of a known size that a GET's Range header
// asks for, by RFC 9110's rules for byte ranges: a single range that can be
// served is answered 206 with it, ranges none of which can be served 416,
// and several ranges, a header not understood or an If-Range that names
// another version get the whole representation (200).
class ByteRange
{
public:
    enum class Kind { Whole, Part, Unsatisfiable };

    // range and ifRange: the headers' values, empty when absent;
    // validators: the answer's ETag and Last-Modified as they are sent.
    static ByteRange select(const QByteArray& range, const QByteArray& ifRange, qint64 size,
                            const QList<QByteArray>& validators);

    Kind kind() const { return m_kind; }
    qint64 first() const { return m_first; }
    qint64 length() const { return m_length; }
    // "bytes first-last/size" for a part, "bytes */size" for none.
    QByteArray contentRange() const;

private:
    Kind m_kind = Kind::Whole;
    qint64 m_first = 0;
    qint64 m_length = 0;
    qint64 m_size = 0;
};

#endif
