#ifndef REQUESTREADER_H
#define REQUESTREADER_H

#include "requestframing.h"

#include <functional>
#include <string>

struct ClientConnection;

// Puts one whole request together from a connection's bytes as they
// arrive, before any worker sees it: the head (RequestFraming), then the
// body by its Content-Length or by its chunks, whatever their extensions
// and trailers. A chunked body is handed on decoded, under a head that
// names its length instead of its chunks (trailers are dropped), and the
// Expect header is taken out: "100 Continue" is the gate's to send. A body
// of up to memoryBody bytes is held in memory, a longer one is written to
// a temporary file in spoolFolder as it comes. A body longer than the
// limit its target allows is refused (413) as soon as that is known, from
// the head when it declares its length.
class RequestReader
{
public:
    struct Limits
    {
        size_t memoryBody = 64 * 1024;
        std::string spoolFolder; // empty: the system's temporary folder
        // The longest body the request target takes.
        std::function<long long(const std::string& target)> bodyLimit;
    };
    enum class Step { More, Whole, Refused };

    explicit RequestReader(const Limits& limits);
    ~RequestReader();
    RequestReader(const RequestReader&) = delete;
    RequestReader& operator=(const RequestReader&) = delete;

    // Takes what belongs to the request from the start of bytes (what is
    // taken is erased; what follows a whole request stays).
    Step take(std::string& bytes);
    bool headRead() const { return m_phase != Phase::Head; }
    // The head asked for "100 Continue" (HTTP/1.1) and its body is not whole.
    bool wantsContinue() const { return m_continue && m_phase != Phase::Done; }
    bool spooled() const { return m_spool >= 0; }
    long long bodyBytes() const { return m_received; }
    // Of a refusal: the status and its reason.
    int status() const { return m_status; }
    const char* reason() const { return m_reason; }
    // Once whole: the request goes to the connection, in front of the
    // bytes it still holds (the next request's), its body as a file when
    // spooled.
    void handOver(ClientConnection& connection);

private:
    enum class Phase { Head, Body, ChunkSize, ChunkData, ChunkEnd, Trailer, Done, Refused };
    Step refuse(int status, const char* reason);
    Step readHead(std::string& bytes);
    // Takes a line ended by CRLF from bytes; false while it is not whole.
    bool line(std::string& bytes, std::string* out, size_t longest, bool* tooLong);
    // Keeps body bytes, moving them to a file past memoryBody.
    bool keep(const char* data, size_t length);

    const Limits& m_limits;
    Phase m_phase = Phase::Head;
    std::string m_head;
    std::string m_body;
    int m_spool = -1;
    long long m_length = 0;    // of the body, or of the chunk being read
    long long m_received = 0;  // body bytes kept
    long long m_limit = 0;
    size_t m_trailer = 0;      // trailer bytes read
    bool m_continue = false;
    int m_status = 0;
    const char* m_reason = "";
};

#endif
