#include "requestframing.h"

#include <cstring>

namespace {
bool tokenChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || std::strchr("!#$%&'*+-.^_`|~", c);
}

bool token(const std::string& s)
{
    if (s.empty())
        return false;
    for (const char c : s)
        if (!c || !tokenChar(c))
            return false;
    return true;
}

std::string lower(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return s;
}

std::string trimmed(const std::string& s)
{
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

RequestFraming::Result malformed(const char* reason)
{
    RequestFraming::Result r;
    r.kind = RequestFraming::Kind::Malformed;
    r.reason = reason;
    return r;
}

// "METHOD target HTTP/1.x", single spaces, no control characters.
bool requestLine(const std::string& line)
{
    const size_t a = line.find(' ');
    const size_t b = a == std::string::npos ? a : line.find(' ', a + 1);
    if (b == std::string::npos || !token(line.substr(0, a)))
        return false;
    const std::string target = line.substr(a + 1, b - a - 1);
    const std::string version = line.substr(b + 1);
    if (target.empty() || (version != "HTTP/1.1" && version != "HTTP/1.0"))
        return false;
    for (const char c : target)
        if (static_cast<unsigned char>(c) <= ' ' || c == 0x7f)
            return false;
    return true;
}
} // namespace

RequestFraming::Result RequestFraming::read(const std::string& bytes)
{
    const size_t end = bytes.find("\r\n\r\n");
    if (end == std::string::npos)
        return Result();
    Result result;
    result.headLength = end + 4;
    size_t at = bytes.find("\r\n");
    if (!requestLine(bytes.substr(0, at)))
        return malformed("the request line is malformed");
    std::string length;
    bool hasLength = false;
    bool hasEncoding = false;
    std::string encoding;
    while (at < end) {
        const size_t start = at + 2;
        at = bytes.find("\r\n", start);
        const std::string line = bytes.substr(start, at - start);
        const size_t colon = line.find(':');
        // No folded lines, no space before the colon, no bare CR or NUL.
        if (colon == std::string::npos || !token(line.substr(0, colon)) || line.find('\r') != std::string::npos
            || line.find('\0') != std::string::npos)
            return malformed("a header line is malformed");
        const std::string name = lower(line.substr(0, colon));
        const std::string value = trimmed(line.substr(colon + 1));
        if (name == "content-length") {
            // Repeated (also as a list), every value must be the same.
            size_t from = 0;
            for (;;) {
                const size_t comma = value.find(',', from);
                const std::string one = trimmed(value.substr(from, comma == std::string::npos ? comma : comma - from));
                if (one.empty() || one.size() > 18 || one.find_first_not_of("0123456789") != std::string::npos)
                    return malformed("the Content-Length is not valid");
                if (hasLength && one != length)
                    return malformed("the Content-Length values differ");
                hasLength = true;
                length = one;
                if (comma == std::string::npos)
                    break;
                from = comma + 1;
            }
        } else if (name == "transfer-encoding") {
            encoding += (hasEncoding ? "," : "") + lower(value);
            hasEncoding = true;
        }
    }
    if (hasLength && hasEncoding)
        return malformed("both Content-Length and Transfer-Encoding");
    if (hasEncoding) {
        // Only chunked is understood.
        if (trimmed(encoding) != "chunked")
            return malformed("the Transfer-Encoding is not chunked");
        result.kind = Kind::Chunked;
        return result;
    }
    result.bodyLength = hasLength ? std::stoll(length) : 0;
    result.kind = result.bodyLength > 0 ? Kind::Length : Kind::NoBody;
    return result;
}

bool RequestFraming::bodyBuffered(const Result& framing, const std::string& bytes, size_t bufferLimit)
{
    const size_t body = bytes.size() - framing.headLength;
    switch (framing.kind) {
    case Kind::NoBody:
    case Kind::Malformed:
        return true;
    case Kind::Length:
        // A body too long to hold goes to a worker with the head alone.
        return body >= size_t(framing.bodyLength) || size_t(framing.bodyLength) > bufferLimit;
    case Kind::Chunked:
        // A last chunk without trailers; a look-alike inside the data only
        // hands the request over early, where it is read on with a deadline.
        return body >= bufferLimit || bytes.find("\r\n0\r\n\r\n", framing.headLength) != std::string::npos
            || bytes.compare(framing.headLength, 5, "0\r\n\r\n") == 0;
    case Kind::Incomplete:
        return false;
    }
    return false;
}
