#include "byterange.h"

#include <limits>

namespace {
const qint64 none = -1;

// Digits as a number (a very long one as the largest), none for anything else.
qint64 position(const QByteArray& digits)
{
    if (digits.isEmpty())
        return none;
    qint64 value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return none;
        value = value > std::numeric_limits<qint64>::max() / 10 - 1 ? std::numeric_limits<qint64>::max() : value * 10 + (c - '0');
    }
    return value;
}
} // namespace

ByteRange ByteRange::select(const QByteArray& range, const QByteArray& ifRange, qint64 size,
                            const QList<QByteArray>& validators)
{
    ByteRange whole;
    whole.m_length = size;
    whole.m_size = size;
    const int equals = range.indexOf('=');
    if (equals < 0 || range.left(equals).trimmed().toLower() != "bytes")
        return whole;
    // Only a strong validator of this very answer lets a part be sent.
    const QByteArray validator = ifRange.trimmed();
    if (!validator.isEmpty() && (validator.startsWith("W/") || !validators.contains(validator)))
        return whole;
    int specs = 0;
    bool satisfiable = false;
    bool emptySuffix = false; // a suffix asked of a zero-length representation
    ByteRange part = whole;
    for (const QByteArray& element : range.mid(equals + 1).split(',')) {
        const QByteArray spec = element.trimmed();
        if (spec.isEmpty())
            continue; // empty list elements do not count
        const int dash = spec.indexOf('-');
        if (dash < 0)
            return whole;
        const qint64 from = position(spec.left(dash));
        const qint64 to = position(spec.mid(dash + 1));
        ++specs;
        if (dash == 0) {
            // The last to bytes.
            if (to == none)
                return whole;
            emptySuffix = emptySuffix || (to > 0 && size == 0);
            if (to == 0 || size == 0)
                continue;
            satisfiable = true;
            part.m_first = size - qMin(to, size);
            part.m_length = size - part.m_first;
        } else {
            if (from == none || (to == none && spec.size() > dash + 1) || (to != none && to < from))
                return whole;
            if (from >= size)
                continue;
            satisfiable = true;
            part.m_first = from;
            part.m_length = (to == none ? size - 1 : qMin(to, size - 1)) - from + 1;
        }
    }
    if (specs == 0)
        return whole;
    if (!satisfiable) {
        // A zero-length representation has no part to name: a suffix of it
        // is the whole.
        ByteRange unsatisfiable = whole;
        unsatisfiable.m_kind = emptySuffix ? Kind::Whole : Kind::Unsatisfiable;
        return unsatisfiable;
    }
    if (specs > 1)
        return whole;
    part.m_kind = Kind::Part;
    return part;
}

QByteArray ByteRange::contentRange() const
{
    if (m_kind == Kind::Part)
        return "bytes " + QByteArray::number(m_first) + '-' + QByteArray::number(m_first + m_length - 1) + '/'
            + QByteArray::number(m_size);
    return "bytes */" + QByteArray::number(m_size);
}
