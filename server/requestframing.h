#ifndef REQUESTFRAMING_H
#define REQUESTFRAMING_H

#include <string>

// Where the request at the start of a connection's bytes ends, read from
// its head alone before any worker sees it. The HTTP library reads the head
// again after it, so whatever the two could read differently makes the
// request malformed: a line not ended by CRLF, a CR or NUL elsewhere, a
// folded line, a request line or header line that is not well formed,
// Content-Length values that disagree or are not numbers, Content-Length
// with Transfer-Encoding, Transfer-Encoding on HTTP/1.0, a body on a method
// whose body the library does not read, a Host missing (HTTP/1.1), repeated
// or not a host. Such a request is answered 400 and its connection closed,
// since where its body ends (and so where the next request starts) is
// unknown.
class RequestFraming
{
public:
    enum class Kind { Incomplete, Malformed, NoBody, Length, Chunked };
    struct Result
    {
        Kind kind = Kind::Incomplete;
        size_t headLength = 0;     // head bytes, up to and including its blank line
        long long bodyLength = 0;  // Kind::Length
        const char* reason = "";   // Kind::Malformed
    };

    static Result read(const std::string& bytes);
    // True when the whole request is in bytes, when its declared body is
    // longer than bufferLimit (a worker reads it on), or when a chunked body's
    // last chunk or bufferLimit of it arrived.
    static bool bodyBuffered(const Result& framing, const std::string& bytes, size_t bufferLimit);
    // Takes the header lines called name (in any case) out of the whole
    // head at the start of bytes; their values, joined by ", ".
    static std::string takeField(std::string& bytes, const char* name);
};

#endif
