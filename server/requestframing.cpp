#include "requestframing.h"

#include <cctype>
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

RequestFraming::Result malformed(const char* reason, RequestFraming::Kind kind = RequestFraming::Kind::Malformed)
{
    RequestFraming::Result r;
    r.kind = kind;
    r.reason = reason;
    return r;
}

const char* const tooLarge = "the request head is too large";

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

// The first bare CR, bare LF or NUL in bytes[0, end), or npos. A CR as the
// last byte may still be followed by its LF.
size_t strayByte(const std::string& bytes, size_t end)
{
    const char* const data = bytes.data();
    if (const void* nul = std::memchr(data, 0, end))
        return size_t(static_cast<const char*>(nul) - data);
    for (const char* lf = data; (lf = static_cast<const char*>(std::memchr(lf, '\n', end - size_t(lf - data))));
         ++lf) {
        if (lf == data || lf[-1] != '\r')
            return size_t(lf - data);
    }
    for (const char* cr = data; (cr = static_cast<const char*>(std::memchr(cr, '\r', end - size_t(cr - data))));
         ++cr) {
        if (size_t(cr - data) + 1 < bytes.size() && cr[1] != '\n')
            return size_t(cr - data);
    }
    return std::string::npos;
}

// A host and an optional port as Host carries them: a name or an IPv4
// address, or an IPv6 address in brackets. Percent signs are refused: the
// HTTP library decodes them in header values.
bool hostValue(const std::string& value)
{
    size_t at = 0;
    if (!value.empty() && value[0] == '[') {
        at = value.find(']');
        if (at == std::string::npos || at == 1)
            return false;
        for (size_t i = 1; i < at; ++i)
            if (!std::isxdigit(static_cast<unsigned char>(value[i])) && value[i] != ':' && value[i] != '.')
                return false;
        ++at;
    } else {
        for (; at < value.size() && value[at] != ':'; ++at) {
            const char c = value[at];
            if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || std::strchr("-._~!$&'()*+,;=", c)))
                return false;
        }
    }
    if (at == value.size())
        return true;
    return value[at] == ':' && value.find_first_not_of("0123456789", at + 1) == std::string::npos;
}
} // namespace

RequestFraming::Result RequestFraming::read(const std::string& bytes)
{
    const size_t end = bytes.find("\r\n\r\n");
    // A stray byte is refused as soon as it arrives.
    if (strayByte(bytes, end == std::string::npos ? bytes.size() : end + 4) != std::string::npos)
        return malformed("the request head holds a bare CR or LF, or a NUL");
    if (end == std::string::npos) {
        // The line still arriving counts too; the request line is the
        // library's to refuse (414).
        const size_t lastLine = bytes.rfind("\r\n");
        if (bytes.size() >= maxHeadBytes || (lastLine != std::string::npos && bytes.size() - lastLine - 2 > longestLine))
            return malformed(tooLarge, Kind::TooLarge);
        return Result();
    }
    if (end + 4 > maxHeadBytes)
        return malformed(tooLarge, Kind::TooLarge);
    Result result;
    result.headLength = end + 4;
    size_t at = bytes.find("\r\n");
    const std::string line = bytes.substr(0, at);
    if (!requestLine(line))
        return malformed("the request line is malformed");
    const std::string method = line.substr(0, line.find(' '));
    const bool http11 = line.compare(line.size() - 3, 3, "1.1") == 0;
    std::string length;
    bool hasLength = false;
    bool hasEncoding = false;
    std::string encoding;
    int hosts = 0;
    while (at < end) {
        const size_t start = at + 2;
        at = bytes.find("\r\n", start);
        const std::string line = bytes.substr(start, at - start);
        if (line.size() > longestLine)
            return malformed(tooLarge, Kind::TooLarge);
        if (line[0] == ' ' || line[0] == '\t')
            return malformed("a header line is folded");
        const size_t colon = line.find(':');
        // No space before the colon.
        if (colon == std::string::npos || !token(line.substr(0, colon)))
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
        } else if (name == "host") {
            if (++hosts > 1)
                return malformed("the Host header is repeated");
            if (!hostValue(value))
                return malformed("the Host header is not valid");
        }
    }
    if (http11 && hosts == 0)
        return malformed("the Host header is missing");
    if (hasLength && hasEncoding)
        return malformed("both Content-Length and Transfer-Encoding");
    if (hasEncoding && !http11)
        return malformed("Transfer-Encoding on HTTP/1.0");
    // The library reads the body of these methods only.
    const bool takesBody = method == "POST" || method == "PUT" || method == "PATCH" || method == "DELETE";
    if (hasEncoding) {
        // Only chunked is understood.
        if (trimmed(encoding) != "chunked")
            return malformed("the Transfer-Encoding is not chunked");
        if (!takesBody)
            return malformed("a body on a request that takes none");
        result.kind = Kind::Chunked;
        return result;
    }
    result.bodyLength = hasLength ? std::stoll(length) : 0;
    if (result.bodyLength > 0 && !takesBody)
        return malformed("a body on a request that takes none");
    result.kind = result.bodyLength > 0 ? Kind::Length : Kind::NoBody;
    return result;
}

std::string RequestFraming::takeField(std::string& bytes, const char* name)
{
    const std::string wanted = lower(name);
    std::string values;
    size_t at = bytes.find("\r\n");
    if (at == std::string::npos)
        return values;
    // Line by line up to the blank one that ends the head.
    for (at += 2; at < bytes.size() && bytes.compare(at, 2, "\r\n") != 0;) {
        const size_t next = bytes.find("\r\n", at);
        if (next == std::string::npos)
            break;
        const size_t colon = bytes.find(':', at);
        if (colon < next && lower(bytes.substr(at, colon - at)) == wanted) {
            values += (values.empty() ? "" : ", ") + trimmed(bytes.substr(colon + 1, next - colon - 1));
            bytes.erase(at, next + 2 - at);
        } else {
            at = next + 2;
        }
    }
    return values;
}
