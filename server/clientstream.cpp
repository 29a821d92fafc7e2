#include "clientstream.h"

#include "connectionsocket.h"

#include <algorithm>
#include <cstring>
#include <unistd.h>

namespace {
thread_local ClientStream* t_current = nullptr;
} // namespace

ClientStream::ClientStream(ClientConnection& connection)
    : m_connection(connection)
    , m_outer(t_current)
{
    t_current = this;
}

ClientStream::~ClientStream()
{
    t_current = m_outer;
    m_connection.buffered.erase(0, m_consumed);
    m_connection.dropSpool();
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

size_t ClientStream::bufferedBytes() const
{
    return m_connection.buffered.size() - m_consumed + size_t(m_connection.spoolLength - m_spoolRead);
}

bool ClientStream::is_readable() const { return bufferedBytes() > 0; }

bool ClientStream::is_writable() const { return true; }

ssize_t ClientStream::read(char* ptr, size_t size)
{
    const std::string& buffered = m_connection.buffered;
    const bool fileLeft = m_spoolRead < m_connection.spoolLength;
    if (fileLeft && m_consumed == m_connection.spoolAt) {
        const ssize_t n = ::pread(m_connection.spoolFd, ptr, size_t(std::min<long long>((long long)size, m_connection.spoolLength - m_spoolRead)),
                                  off_t(m_spoolRead));
        if (n <= 0)
            return -1;
        m_spoolRead += n;
        return n;
    }
    // Whatever the library reads beyond the request does not come: the
    // gate framed it whole.
    const size_t end = fileLeft ? m_connection.spoolAt : buffered.size();
    if (m_consumed >= end)
        return -1;
    const size_t n = std::min(size, end - m_consumed);
    std::memcpy(ptr, buffered.data() + m_consumed, n);
    m_consumed += n;
    return ssize_t(n);
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
