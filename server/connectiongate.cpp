#include "connectiongate.h"

#include "connectionsocket.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
long long now()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

const char* reason(int status)
{
    switch (status) {
    case 408: return "Request Timeout";
    case 429: return "Too Many Requests";
    case 431: return "Request Header Fields Too Large";
    default: return "Error";
    }
}

const char* explanation(int status)
{
    switch (status) {
    case 408: return "the request head did not arrive in time";
    case 429: return "too many connections from this address";
    case 431: return "the request head is too large";
    default: return "error";
    }
}
} // namespace

ConnectionGate::ConnectionGate(const Limits& limits, Ready ready)
    : m_limits(limits)
    , m_ready(std::move(ready))
{
    m_poll = ::epoll_create1(EPOLL_CLOEXEC);
    m_wake = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    epoll_event event {};
    event.events = EPOLLIN;
    event.data.fd = m_wake;
    ::epoll_ctl(m_poll, EPOLL_CTL_ADD, m_wake, &event);
}

ConnectionGate::~ConnectionGate()
{
    if (m_listener >= 0)
        ::close(m_listener);
    ::close(m_wake);
    ::close(m_poll);
}

int ConnectionGate::listen(const std::string& host, int port)
{
    addrinfo hints {};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0)
        return -1;
    for (addrinfo* a = found; a && m_listener < 0; a = a->ai_next) {
        const int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
        if (fd < 0)
            continue;
        const int yes = 1;
        ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof(yes));
        if (::bind(fd, a->ai_addr, a->ai_addrlen) == 0 && ::listen(fd, 1024) == 0)
            m_listener = fd;
        else
            ::close(fd);
    }
    ::freeaddrinfo(found);
    if (m_listener < 0)
        return -1;
    std::string boundAddress;
    int boundPort = -1;
    ConnectionSocket::end(m_listener, false, &boundAddress, &boundPort);
    epoll_event event {};
    event.events = EPOLLIN;
    event.data.fd = m_listener;
    ::epoll_ctl(m_poll, EPOLL_CTL_ADD, m_listener, &event);
    return boundPort;
}

void ConnectionGate::run()
{
    epoll_event events[64];
    while (!m_stopping) {
        const int n = ::epoll_wait(m_poll, events, 64, 250);
        for (int i = 0; i < n; ++i) {
            const int fd = events[i].data.fd;
            if (fd == m_listener) {
                acceptAll();
            } else if (fd == m_wake) {
                eventfd_t value;
                ::eventfd_read(m_wake, &value);
                std::vector<ClientConnection> returned;
                {
                    std::lock_guard<std::mutex> lock(m_mutex);
                    returned.swap(m_returned);
                }
                for (ClientConnection& c : returned)
                    watch(std::move(c), true, 0);
            } else {
                receive(fd);
            }
        }
        expire();
    }
    ::close(m_listener);
    m_listener = -1;
    while (!m_waiting.empty())
        close(m_waiting.begin()->second);
    std::vector<ClientConnection> returned;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        returned.swap(m_returned);
    }
    for (const ClientConnection& c : returned)
        release(c);
}

void ConnectionGate::stop()
{
    m_stopping = true;
    ::eventfd_write(m_wake, 1);
}

void ConnectionGate::giveBack(ClientConnection connection)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_stopping) {
            m_returned.push_back(std::move(connection));
            ::eventfd_write(m_wake, 1);
            return;
        }
    }
    release(connection);
}

void ConnectionGate::release(const ClientConnection& connection)
{
    ::close(connection.fd);
    forget(connection);
}

void ConnectionGate::forget(const ClientConnection& connection)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    --m_open;
    if (connection.counted) {
        const auto it = m_perAddress.find(connection.address);
        if (it != m_perAddress.end() && --it->second <= 0)
            m_perAddress.erase(it);
    }
}

void ConnectionGate::acceptAll()
{
    for (;;) {
        const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return; // EAGAIN, or out of descriptors until some close
        }
        ClientConnection c;
        c.fd = fd;
        if (!ConnectionSocket::end(fd, true, &c.address, &c.port)) {
            ::close(fd);
            continue;
        }
        int refusal = 0;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_open >= m_limits.total) {
                ::close(fd);
                continue;
            }
            ++m_open;
            if (m_limits.perAddress > 0 && c.address != m_limits.exempt) {
                int& open = m_perAddress[c.address];
                if (open >= m_limits.perAddress) {
                    refusal = 429;
                } else {
                    ++open;
                    c.counted = true;
                }
            }
        }
        const int yes = 1;
        ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof(yes));
        watch(std::move(c), false, refusal);
    }
}

void ConnectionGate::watch(ClientConnection connection, bool idle, int refusal)
{
    const int fd = connection.fd;
    // A client that sent its next request along with the last one.
    if (headLength(connection.buffered) > 0) {
        m_ready(std::move(connection));
        return;
    }
    Waiting& w = m_waiting[fd];
    w.idle = idle && connection.buffered.empty();
    w.deadline = now() + 1000ll * (w.idle ? m_limits.idleSeconds : m_limits.headSeconds);
    w.refusal = refusal;
    w.connection = std::move(connection);
    epoll_event event {};
    event.events = EPOLLIN | EPOLLRDHUP;
    event.data.fd = fd;
    if (::epoll_ctl(m_poll, EPOLL_CTL_ADD, fd, &event) != 0)
        close(w);
}

void ConnectionGate::receive(int fd)
{
    const auto it = m_waiting.find(fd);
    if (it == m_waiting.end())
        return;
    Waiting& w = it->second;
    std::string& bytes = w.connection.buffered;
    char chunk[4096];
    for (;;) {
        const ssize_t n = ::recv(fd, chunk, sizeof(chunk), MSG_DONTWAIT);
        if (n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) {
            close(w);
            return;
        }
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (w.idle) {
            w.idle = false;
            w.deadline = now() + 1000ll * m_limits.headSeconds;
        }
        bytes.append(chunk, size_t(n));
        if (headLength(bytes) > 0)
            break;
        if (bytes.size() >= maxHeadBytes) {
            answerAndClose(w, 431);
            return;
        }
    }
    if (w.refusal) {
        answerAndClose(w, w.refusal);
        return;
    }
    ::epoll_ctl(m_poll, EPOLL_CTL_DEL, fd, nullptr);
    ClientConnection ready = std::move(w.connection);
    m_waiting.erase(it);
    m_ready(std::move(ready));
}

void ConnectionGate::expire()
{
    // A look at every waiting connection is enough now and then.
    const long long t = now();
    if (t < m_nextExpiry)
        return;
    m_nextExpiry = t + 100;
    for (auto it = m_waiting.begin(); it != m_waiting.end();) {
        Waiting& w = (it++)->second;
        if (w.deadline > t)
            continue;
        if (w.connection.buffered.empty() || w.refusal)
            close(w);
        else
            answerAndClose(w, 408);
    }
}

void ConnectionGate::answerAndClose(Waiting& waiting, int status)
{
    const std::string body = std::string("{\"ok\":false,\"error\":\"") + explanation(status) + "\"}";
    const std::string answer = "HTTP/1.1 " + std::to_string(status) + ' ' + reason(status)
        + "\r\nContent-Type: application/json\r\nContent-Length: " + std::to_string(body.size())
        + (status == 429 ? "\r\nRetry-After: 5" : "") + "\r\nConnection: close\r\n\r\n" + body;
    // One try: a client that does not even take this much is not waited for.
    const ssize_t sent = ::send(waiting.connection.fd, answer.data(), answer.size(), MSG_DONTWAIT | MSG_NOSIGNAL);
    (void)sent;
    close(waiting);
}

void ConnectionGate::close(Waiting& waiting)
{
    const ClientConnection c = std::move(waiting.connection);
    m_waiting.erase(c.fd);
    ::close(c.fd);
    forget(c);
}

bool ConnectionGate::headArrives(ClientConnection& connection, int waitMs)
{
    pollfd p { connection.fd, POLLIN, 0 };
    const long long deadline = now() + waitMs;
    while (headLength(connection.buffered) == 0 && connection.buffered.size() < maxHeadBytes) {
        const long long left = deadline - now();
        if (left < 0 || ::poll(&p, 1, int(left)) <= 0)
            return false;
        char chunk[4096];
        const ssize_t n = ::recv(connection.fd, chunk, sizeof(chunk), MSG_DONTWAIT);
        if (n <= 0)
            return false;
        connection.buffered.append(chunk, size_t(n));
    }
    return headLength(connection.buffered) > 0;
}

size_t ConnectionGate::headLength(const std::string& bytes)
{
    const size_t end = bytes.find("\r\n\r\n");
    return end == std::string::npos ? 0 : end + 4;
}
