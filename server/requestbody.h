#ifndef REQUESTBODY_H
#define REQUESTBODY_H

#include "requestjournal.h"

#include <QByteArray>
#include <QList>

#include <functional>

namespace httplib {
class ContentReader;
struct MultipartFormData;
} // namespace httplib

// The body of one request as it arrives, taken piece by piece, so that an
// upload goes to its file as it comes and is never held whole. At most
// limit bytes are taken; a longer body ends the read with tooLarge(). A
// body refused on the way is read on and dropped, so that the refusal is
// answered on an orderly connection: the gate holds the whole body, so
// this waits on no client. The first bytes (or each form part's) are kept
// for the request journal.
class RequestBody
{
public:
    using Piece = std::function<bool(const char* data, size_t length)>;
    using PartStart = std::function<bool(const httplib::MultipartFormData& part)>;

    // declaredLength: -1 for a chunked body; form: a form body, which the
    // library reads only in parts.
    RequestBody(const httplib::ContentReader& reader, qint64 declaredLength, qint64 limit, bool form);

    // Each piece in order; false when a piece was refused, the body was too
    // large or the connection failed.
    bool read(const Piece& piece);
    // A form body: each part's header, then its content in pieces.
    bool readForm(const PartStart& start, const Piece& piece);

    // The rest of the body is not wanted: its pieces are dropped.
    void refuse() { m_refused = true; }
    // Refuses and reads what is left.
    void drain();

    bool started() const { return m_started; }
    bool tooLarge() const { return m_tooLarge; }
    // The whole body was taken, so the connection can carry another request.
    bool finished() const { return m_finished; }
    qint64 size() const { return m_size; }
    const QByteArray& kept() const { return m_kept; }
    const QList<RequestJournal::Part>& keptParts() const { return m_keptParts; }

    // The longest body left unread that is dropped rather than closing
    // its connection.
    static const qint64 drainLimit = 64 * 1024;

private:
    bool take(const char* data, size_t length);

    const httplib::ContentReader& m_reader;
    const qint64 m_limit;
    const bool m_form;
    qint64 m_size = 0;
    bool m_tooLarge = false;
    bool m_finished = false;
    bool m_started = false;
    bool m_refused = false;
    QByteArray m_kept;
    QList<RequestJournal::Part> m_keptParts;
};

#endif
