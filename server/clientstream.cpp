#include "clientstream.h"

#include "connectionsocket.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>

namespace {
const size_t chunk = 16 * 1024;
} // namespace

ClientStream::ClientStream(ClientConnection& connection, int readTimeoutMs, int writeTimeoutMs)
    : m_connection(connection)
    , m_readTimeoutMs(readTimeoutMs)
    , m_writeTimeoutMs(writeTimeoutMs)
{
}

ClientStream::~ClientStream()
{
    m_connection.buffered.erase(0, m_consumed);
}

bool ClientStream::wait(short events, int timeoutMs) const
{
    pollfd p { m_connection.fd, events, 0 };
    for (;;) {
        const int n = ::poll(&p, 1, timeoutMs);
        if (n < 0 && errno == EINTR)
            continue;
        return n > 0 && (p.revents & events);
    }
}

bool ClientStream::is_readable() const
{
    return m_consumed < m_connection.buffered.size() || wait(POLLIN, m_readTimeoutMs);
}

bool ClientStream::is_writable() const { return wait(POLLOUT, m_writeTimeoutMs); }

ssize_t ClientStream::read(char* ptr, size_t size)
{
    std::string& buffered = m_connection.buffered;
    if (m_consumed == buffered.size() && size < chunk) {
        // Small reads (the library reads heads a byte at a time) are served
        // from a chunk read ahead.
        buffered.clear();
        m_consumed = 0;
        if (!wait(POLLIN, m_readTimeoutMs))
            return -1;
        char bytes[chunk];
        const ssize_t n = ::recv(m_connection.fd, bytes, chunk, 0);
        if (n <= 0)
            return n;
        buffered.assign(bytes, size_t(n));
    }
    if (m_consumed < buffered.size()) {
        const size_t n = std::min(size, buffered.size() - m_consumed);
        std::memcpy(ptr, buffered.data() + m_consumed, n);
        m_consumed += n;
        return ssize_t(n);
    }
    if (!wait(POLLIN, m_readTimeoutMs))
        return -1;
    return ::recv(m_connection.fd, ptr, size, 0);
}

ssize_t ClientStream::write(const char* ptr, size_t size)
{
    if (!is_writable())
        return -1;
    return ::send(m_connection.fd, ptr, size, MSG_NOSIGNAL);
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
