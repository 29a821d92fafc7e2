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
// unknown. A head longer than maxHeadBytes, or a header line longer than
// the library reads, is too large (431) as soon as it is.
class RequestFraming
{
public:
    enum class Kind { Incomplete, Malformed, TooLarge, NoBody, Length, Chunked };
    struct Result
    {
        Kind kind = Kind::Incomplete;
        size_t headLength = 0;     // head bytes, up to and including its blank line
        long long bodyLength = 0;  // Kind::Length
        const char* reason = "";   // Kind::Malformed, Kind::TooLarge
    };
    static const size_t maxHeadBytes = 32 * 1024;
    static const size_t longestLine = 8190; // a header line without its CRLF

    static Result read(const std::string& bytes);
    // Takes the header lines called name (in any case) out of the whole
    // head at the start of bytes; their values, joined by ", ".
    static std::string takeField(std::string& bytes, const char* name);
};

#endif
