#include "clientstream.h"

#include "connectionsocket.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
const size_t chunk = 16 * 1024;
thread_local ClientStream* t_current = nullptr;

long long now()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}
} // namespace

ClientStream::ClientStream(ClientConnection& connection, int readTimeoutMs, long long minRate)
    : m_connection(connection)
    , m_readTimeoutMs(readTimeoutMs)
    , m_minRate(minRate)
    , m_start(now())
    , m_outer(t_current)
{
    t_current = this;
}

ClientStream::~ClientStream()
{
    t_current = m_outer;
    m_connection.buffered.erase(0, m_consumed);
}

ClientStream* ClientStream::current() { return t_current; }

bool ClientStream::sendFileLater(int fileFd, long long offset, long long length)
{
    if (m_connection.tailFd >= 0 || m_skip > 0 || fileFd < 0)
        return false;
    m_connection.tailFd = ::dup(fileFd);
    if (m_connection.tailFd < 0)
        return false;
    m_connection.tailOffset = offset;
    m_connection.tailLength = length;
    m_skip = length;
    return true;
}

bool ClientStream::waitToRead() const
{
    // By now the body must have come at the least rate after the first
    // pause's worth of time.
    const long long due = m_start + m_readTimeoutMs + m_received * 1000 / std::max(1ll, m_minRate);
    const long long left = std::min<long long>(m_readTimeoutMs, due - now());
    if (left <= 0)
        return false;
    // An interim answer ("100 Continue") goes out before the body is awaited.
    if (!m_connection.output.empty() && !m_connection.sendSome())
        return false;
    pollfd p { m_connection.fd, POLLIN, 0 };
    for (;;) {
        const int n = ::poll(&p, 1, int(left));
        if (n < 0 && errno == EINTR)
            continue;
        return n > 0 && (p.revents & (POLLIN | POLLHUP | POLLERR));
    }
}

bool ClientStream::is_readable() const { return m_consumed < m_connection.buffered.size() || waitToRead(); }

bool ClientStream::is_writable() const { return true; }

ssize_t ClientStream::read(char* ptr, size_t size)
{
    std::string& buffered = m_connection.buffered;
    if (m_consumed == buffered.size() && size < chunk) {
        // Small reads (the library reads heads a byte at a time) are served
        // from a chunk read ahead.
        buffered.clear();
        m_consumed = 0;
        if (!waitToRead())
            return -1;
        char bytes[chunk];
        const ssize_t n = ::recv(m_connection.fd, bytes, chunk, 0);
        if (n <= 0)
            return n;
        m_received += n;
        buffered.assign(bytes, size_t(n));
    }
    if (m_consumed < buffered.size()) {
        const size_t n = std::min(size, buffered.size() - m_consumed);
        std::memcpy(ptr, buffered.data() + m_consumed, n);
        m_consumed += n;
        return ssize_t(n);
    }
    if (!waitToRead())
        return -1;
    const ssize_t n = ::recv(m_connection.fd, ptr, size, 0);
    if (n > 0)
        m_received += n;
    return n;
}

ssize_t ClientStream::write(const char* ptr, size_t size)
{
    if (m_skip > 0) {
        const long long n = std::min<long long>(m_skip, (long long)size);
        m_skip -= n;
        return ssize_t(n);
    }
    m_connection.output.append(ptr, size);
    return ssize_t(size);
}

void ClientStream::get_remote_ip_and_port(std::string& ip, int& port) const
{
    ip = m_connection.address;
    port = m_connection.port;
}

void ClientStream::get_local_ip_and_port(std::string& ip, int& port) const
{
    if (!ConnectionSocket::end(m_connection.fd, false, &ip, &port)) {
        ip.clear();
        port = 0;
    }
}

socket_t ClientStream::socket() const { return m_connection.fd; }
