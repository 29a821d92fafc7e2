#include "requestreader.h"

#include "connectiongate.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {
enum class Line { More, Whole, TooLong, Malformed };

// A line ended by CRLF at the start of bytes, taken out without its end.
Line takeLine(std::string& bytes, std::string* out, size_t longest)
{
    const size_t lf = bytes.find('\n');
    if (lf == std::string::npos)
        return bytes.size() > longest + 1 ? Line::TooLong : Line::More;
    if (lf == 0 || bytes[lf - 1] != '\r')
        return Line::Malformed;
    if (lf - 1 > longest)
        return Line::TooLong;
    out->assign(bytes, 0, lf - 1);
    if (out->find('\r') != std::string::npos || out->find('\0') != std::string::npos)
        return Line::Malformed;
    bytes.erase(0, lf + 1);
    return Line::Whole;
}

bool hexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// A file that is gone as soon as it is closed.
int spoolFile(const std::string& folder)
{
    const std::string where = folder.empty() ? std::string("/tmp") : folder;
    int fd = ::open(where.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd >= 0)
        return fd;
    std::string path = where + "/body-XXXXXX";
    fd = ::mkostemp(&path[0], O_CLOEXEC);
    if (fd >= 0)
        ::unlink(path.c_str());
    return fd;
}

bool writeAll(int fd, const char* data, size_t length)
{
    while (length > 0) {
        const ssize_t n = ::write(fd, data, length);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        length -= size_t(n);
    }
    return true;
}

const size_t longestChunkLine = 1024;
const size_t longestTrailer = RequestFraming::maxHeadBytes;
} // namespace

RequestReader::RequestReader(const Limits& limits)
    : m_limits(limits)
{
}

RequestReader::~RequestReader()
{
    if (m_spool >= 0)
        ::close(m_spool);
}

RequestReader::Step RequestReader::refuse(int status, const char* reason)
{
    m_phase = Phase::Refused;
    m_status = status;
    m_reason = reason;
    return Step::Refused;
}

RequestReader::Step RequestReader::readHead(std::string& bytes)
{
    const RequestFraming::Result framing = RequestFraming::read(bytes);
    switch (framing.kind) {
    case RequestFraming::Kind::Incomplete:
        return Step::More;
    case RequestFraming::Kind::Malformed:
        return refuse(400, framing.reason);
    case RequestFraming::Kind::TooLarge:
        return refuse(431, framing.reason);
    default:
        break;
    }
    m_head.assign(bytes, 0, framing.headLength);
    bytes.erase(0, framing.headLength);
    const size_t lineEnd = m_head.find("\r\n");
    const size_t targetStart = m_head.find(' ') + 1;
    const std::string target = m_head.substr(targetStart, m_head.find(' ', targetStart) - targetStart);
    m_limit = m_limits.bodyLimit ? m_limits.bodyLimit(target) : LLONG_MAX;
    std::string expect = RequestFraming::takeField(m_head, "Expect");
    for (char& c : expect)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    m_continue = expect == "100-continue" && m_head.compare(lineEnd - 8, 8, "HTTP/1.1") == 0;
    switch (framing.kind) {
    case RequestFraming::Kind::Length:
        if (framing.bodyLength > m_limit)
            return refuse(413, "the body is too large");
        m_length = framing.bodyLength;
        m_phase = Phase::Body;
        break;
    case RequestFraming::Kind::Chunked:
        RequestFraming::takeField(m_head, "Transfer-Encoding");
        m_phase = Phase::ChunkSize;
        break;
    default:
        m_phase = Phase::Done;
        break;
    }
    return Step::More;
}

bool RequestReader::keep(const char* data, size_t length)
{
    if (m_spool < 0 && size_t(m_received) + length > m_limits.memoryBody) {
        m_spool = spoolFile(m_limits.spoolFolder);
        if (m_spool < 0 || !writeAll(m_spool, m_body.data(), m_body.size()))
            return false;
        m_body.clear();
        m_body.shrink_to_fit();
    }
    if (m_spool < 0)
        m_body.append(data, length);
    else if (!writeAll(m_spool, data, length))
        return false;
    m_received += (long long)length;
    return true;
}

RequestReader::Step RequestReader::take(std::string& bytes)
{
    std::string text;
    for (;;) {
        switch (m_phase) {
        case Phase::Head:
            readHead(bytes);
            if (m_phase == Phase::Head)
                return Step::More;
            break;
        case Phase::Body:
        case Phase::ChunkData: {
            const size_t n = size_t(std::min<long long>((long long)bytes.size(), m_length - (m_phase == Phase::Body ? m_received : 0)));
            if (n > 0 && !keep(bytes.data(), n))
                return refuse(503, "the request body cannot be held now");
            bytes.erase(0, n);
            if (m_phase == Phase::ChunkData)
                m_length -= (long long)n;
            if (m_phase == Phase::Body ? m_received < m_length : m_length > 0)
                return Step::More;
            m_phase = m_phase == Phase::Body ? Phase::Done : Phase::ChunkEnd;
            break;
        }
        case Phase::ChunkSize: {
            const Line got = takeLine(bytes, &text, longestChunkLine);
            if (got != Line::Whole)
                return got == Line::More ? Step::More : refuse(400, "a chunk size line is malformed");
            size_t digits = 0;
            while (digits < text.size() && hexDigit(text[digits]))
                ++digits;
            // After the size only extensions: ";name" or ";name=value".
            const size_t rest = text.find_first_not_of(" \t", digits);
            if (digits == 0 || (rest != std::string::npos && text[rest] != ';'))
                return refuse(400, "a chunk size line is malformed");
            const size_t significant = text.find_first_not_of('0');
            if (significant < digits && digits - significant > 15)
                return refuse(413, "the body is too large");
            m_length = std::strtoll(text.substr(0, digits).c_str(), nullptr, 16);
            if (m_received + m_length > m_limit)
                return refuse(413, "the body is too large");
            m_phase = m_length == 0 ? Phase::Trailer : Phase::ChunkData;
            break;
        }
        case Phase::ChunkEnd:
            if (bytes.size() < 2)
                return Step::More;
            if (bytes.compare(0, 2, "\r\n") != 0)
                return refuse(400, "a chunk is longer than its size");
            bytes.erase(0, 2);
            m_phase = Phase::ChunkSize;
            break;
        case Phase::Trailer: {
            const Line got = takeLine(bytes, &text, RequestFraming::longestLine);
            if (got == Line::TooLong)
                return refuse(431, "the request head is too large");
            if (got != Line::Whole)
                return got == Line::More ? Step::More : refuse(400, "a trailer line is malformed");
            m_trailer += text.size() + 2;
            if (m_trailer > longestTrailer)
                return refuse(431, "the request head is too large");
            if (text.empty()) {
                // Trailer fields are dropped; the head names the length.
                m_head.insert(m_head.size() - 2, "Content-Length: " + std::to_string(m_received) + "\r\n");
                m_phase = Phase::Done;
            } else if (text.find(':') == 0 || text.find(':') == std::string::npos || text[0] == ' ' || text[0] == '\t') {
                return refuse(400, "a trailer line is malformed");
            }
            break;
        }
        case Phase::Done:
            m_continue = false;
            return Step::Whole;
        case Phase::Refused:
            return Step::Refused;
        }
    }
}

void RequestReader::handOver(ClientConnection& connection)
{
    connection.buffered.insert(0, m_head + m_body);
    if (m_spool >= 0) {
        connection.dropSpool();
        connection.spoolFd = m_spool;
        connection.spoolAt = m_head.size();
        connection.spoolLength = m_received;
        m_spool = -1;
    }
}
