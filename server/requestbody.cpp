#include "requestbody.h"

#include <httplib.h>

namespace {
QByteArray bytes(const std::string& s) { return QByteArray(s.data(), int(s.size())); }
} // namespace

RequestBody::RequestBody(const httplib::ContentReader& reader, qint64 declaredLength, qint64 limit, bool form)
    : m_reader(reader)
    , m_limit(limit)
    , m_form(form)
    , m_finished(declaredLength == 0)
{
}

bool RequestBody::take(const char* data, size_t length)
{
    QByteArray& kept = m_keptParts.isEmpty() ? m_kept : m_keptParts.last().content;
    if (kept.size() < RequestJournal::bodyLimit)
        kept.append(data, int(qMin<qint64>(qint64(length), RequestJournal::bodyLimit - kept.size())));
    m_size += qint64(length);
    if (m_refused)
        return true;
    m_tooLarge = m_size > m_limit;
    return !m_tooLarge;
}

bool RequestBody::read(const Piece& piece)
{
    if (m_started)
        return false;
    m_started = true;
    if (m_finished)
        return true;
    m_finished = m_reader([&](const char* data, size_t length) {
        return take(data, length) && (m_refused || piece(data, length));
    });
    return m_finished;
}

void RequestBody::drain()
{
    refuse();
    const auto drop = [](const char*, size_t) { return true; };
    if (!m_started && m_form)
        readForm([](const httplib::MultipartFormData&) { return true; }, drop);
    else if (!m_started)
        read(drop);
}

bool RequestBody::readForm(const PartStart& start, const Piece& piece)
{
    if (m_started)
        return false;
    m_started = true;
    if (m_finished)
        return true;
    m_finished = m_reader(
        [&](const httplib::MultipartFormData& part) {
            m_keptParts << RequestJournal::Part { bytes(part.name), bytes(part.filename), bytes(part.content_type), QByteArray() };
            return m_refused || start(part);
        },
        [&](const char* data, size_t length) { return take(data, length) && (m_refused || piece(data, length)); });
    return m_finished;
}
