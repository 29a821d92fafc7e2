#include "connectiongate.h"

#include "connectionsocket.h"
#include "requestframing.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/epoll.h>
#include <linux/sockios.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <sys/sendfile.h>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace {
long long now()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

const char* reason(int status)
{
    switch (status) {
    case 400: return "Bad Request";
    case 408: return "Request Timeout";
    case 413: return "Payload Too Large";
    case 429: return "Too Many Requests";
    case 431: return "Request Header Fields Too Large";
    case 503: return "Service Unavailable";
    default: return "Error";
    }
}

const char* explanation(int status)
{
    switch (status) {
    case 408: return "the request did not arrive in time";
    case 429: return "too many connections from this address";
    default: return "error";
    }
}

// A connection being closed reads and drops what its client still sends
// (so that the answer is not lost to a reset) for at most this long.
const long long lingerMs = 2000;
const size_t lingerBytes = 1 << 20;
} // namespace

ConnectionGate::ConnectionGate(const Limits& limits, Ready ready)
    : m_limits(limits)
    , m_readerLimits { limits.bodyBuffer, limits.spoolFolder, limits.bodyLimit }
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
        const int n = ::epoll_wait(m_poll, events, 64, 100);
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
                    watch(std::move(c));
            } else {
                const auto it = m_waiting.find(fd);
                if (it != m_waiting.end() && it->second.phase == Phase::Answer)
                    send(fd);
                else
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
    for (ClientConnection& c : returned)
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

void ConnectionGate::release(ClientConnection& connection)
{
    connection.dropTail();
    connection.dropSpool();
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

bool ConnectionGate::makeRoom()
{
    // First connections being closed, then the oldest idle, then the one
    // that has waited longest for its client; those with a worker stay.
    Waiting* victim = nullptr;
    const auto rank = [](Phase p) { return p == Phase::Closing ? 0 : p == Phase::Idle ? 1 : 2; };
    for (auto& entry : m_waiting) {
        Waiting& w = entry.second;
        const auto age = [](const Waiting& x) { return std::make_pair(x.since, x.connection.serial); };
        if (!victim || rank(w.phase) < rank(victim->phase) || (rank(w.phase) == rank(victim->phase) && age(w) < age(*victim)))
            victim = &w;
    }
    if (!victim)
        return false;
    close(*victim);
    return true;
}

void ConnectionGate::acceptAll()
{
    for (;;) {
        bool full = false;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            full = m_open >= m_limits.total;
        }
        if (full)
            full = !makeRoom();
        const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            // Out of descriptors: room is made and the accept tried again.
            if ((errno == EMFILE || errno == ENFILE) && makeRoom())
                continue;
            return;
        }
        if (full) {
            // Every connection is with a worker: this one is told so.
            static const char busy[] = "HTTP/1.1 503 Service Unavailable\r\nContent-Type: application/json\r\n"
                                       "Content-Length: 41\r\nRetry-After: 5\r\nConnection: close\r\n\r\n"
                                       "{\"ok\":false,\"error\":\"the server is busy\"}";
            const ssize_t sent = ::send(fd, busy, sizeof(busy) - 1, MSG_DONTWAIT | MSG_NOSIGNAL);
            (void)sent;
            ::close(fd);
            continue;
        }
        ClientConnection c;
        c.fd = fd;
        c.serial = ++m_accepted;
        if (!ConnectionSocket::end(fd, true, &c.address, &c.port)) {
            ::close(fd);
            continue;
        }
        int refusal = 0;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
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
        Waiting& w = m_waiting[fd];
        w.connection = std::move(c);
        w.phase = Phase::Request;
        w.since = now();
        w.deadline = w.since + 1000ll * m_limits.headSeconds;
        w.refusal = refusal;
        listenFor(fd, EPOLLIN | EPOLLRDHUP, true);
    }
}

bool ConnectionGate::listenFor(int fd, unsigned events, bool added)
{
    epoll_event event {};
    event.events = events;
    event.data.fd = fd;
    if (::epoll_ctl(m_poll, added ? EPOLL_CTL_ADD : EPOLL_CTL_MOD, fd, &event) == 0)
        return true;
    const auto it = m_waiting.find(fd);
    if (it != m_waiting.end())
        close(it->second);
    return false;
}

void ConnectionGate::watch(ClientConnection connection)
{
    const int fd = connection.fd;
    Waiting& w = m_waiting[fd];
    w = Waiting();
    w.connection = std::move(connection);
    w.since = now();
    if (w.connection.answerPending()) {
        w.phase = Phase::Answer;
        w.deadline = w.since + 1000ll * m_limits.answerSeconds;
        listenFor(fd, EPOLLOUT, true);
        return;
    }
    w.phase = w.connection.buffered.empty() ? Phase::Idle : Phase::Request;
    w.first = w.since;
    w.received = (long long)w.connection.buffered.size();
    w.deadline = w.since + 1000ll * (w.phase == Phase::Idle ? m_limits.idleSeconds : m_limits.headSeconds);
    if (!listenFor(fd, EPOLLIN | EPOLLRDHUP, true))
        return;
    if (w.connection.closeAfter)
        startClosing(w);
    else if (!w.connection.buffered.empty())
        examine(w); // a client that sent its next request along with the last one
}

void ConnectionGate::receive(int fd)
{
    const auto it = m_waiting.find(fd);
    if (it == m_waiting.end())
        return;
    Waiting& w = it->second;
    std::string& bytes = w.connection.buffered;
    char chunk[16 * 1024];
    // A fast sender yields to the others after 256 KiB, so that a turn over
    // many of them, and the wait of a request arriving meanwhile, stays short.
    for (size_t taken = 0; taken < (256u << 10);) {
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
        if (w.phase == Phase::Closing) {
            w.sent += n;
            if (size_t(w.sent) > lingerBytes) {
                close(w);
                return;
            }
            continue;
        }
        if (w.phase == Phase::Idle) {
            w.phase = Phase::Request;
            w.since = now();
            w.deadline = w.since + 1000ll * m_limits.headSeconds;
        }
        if (w.received == 0)
            w.first = now();
        w.received += n;
        taken += size_t(n);
        bytes.append(chunk, size_t(n));
        const size_t before = m_waiting.size();
        examine(w);
        // Served, answered, or with as much as it may hold: the rest waits.
        if (m_waiting.size() != before || bytes.size() >= RequestFraming::maxHeadBytes + m_limits.bodyBuffer)
            return;
    }
}

void ConnectionGate::examine(Waiting& w)
{
    std::string& bytes = w.connection.buffered;
    if (!w.reader)
        w.reader.reset(new RequestReader(m_readerLimits));
    const RequestReader::Step step = w.reader->take(bytes);
    if (!hold(w, w.reader->spooled() ? w.reader->bodyBytes() : 0)) {
        answerAndClose(w, 429, "this address holds too many request bodies");
        return;
    }
    if (w.refusal && (step == RequestReader::Step::Refused || w.reader->headRead())) {
        answerAndClose(w, w.refusal, explanation(w.refusal));
        return;
    }
    if (step == RequestReader::Step::Refused) {
        answerAndClose(w, w.reader->status(), w.reader->reason());
        return;
    }
    if (step == RequestReader::Step::More) {
        if (w.reader->wantsContinue() && !w.continued) {
            static const char interim[] = "HTTP/1.1 100 Continue\r\n\r\n";
            // Sent on an idle socket's empty buffer: it fits.
            const ssize_t sent = ::send(w.connection.fd, interim, sizeof(interim) - 1, MSG_DONTWAIT | MSG_NOSIGNAL);
            (void)sent;
            w.continued = true;
        }
        return;
    }
    hold(w, 0);
    w.reader->handOver(w.connection);
    w.reader.reset();
    const int fd = w.connection.fd;
    ::epoll_ctl(m_poll, EPOLL_CTL_DEL, fd, nullptr);
    ClientConnection ready = std::move(w.connection);
    m_waiting.erase(fd);
    m_ready(std::move(ready));
}

void ConnectionGate::send(int fd)
{
    const auto it = m_waiting.find(fd);
    if (it == m_waiting.end())
        return;
    Waiting& w = it->second;
    long long sent = 0;
    if (!w.connection.sendSome(&sent)) {
        close(w);
        return;
    }
    if (sent > 0) {
        w.sent += sent;
        w.deadline = now() + 1000ll * m_limits.answerSeconds;
    }
    if (w.connection.answerPending())
        return;
    ClientConnection c = std::move(w.connection);
    ::epoll_ctl(m_poll, EPOLL_CTL_DEL, fd, nullptr);
    m_waiting.erase(it);
    watch(std::move(c));
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
        // An answer read slower than the least rate is given up too; what
        // still waits in the socket's buffer has not been read.
        const long long late = t - w.since - 1000ll * m_limits.answerSeconds;
        int unread = 0;
        const bool slow = w.phase == Phase::Answer && late > 0 && ::ioctl(w.connection.fd, SIOCOUTQ, &unread) == 0
            && w.connection.answerSent - unread < late * m_limits.minRate / 1000;
        // A request's head has its deadline; the whole request, the least
        // rate from its first byte after a grace of bodySeconds.
        const bool lagging = w.phase == Phase::Request && w.reader && w.reader->headRead()
            && t > w.first + 1000ll * m_limits.bodySeconds + w.received * 1000 / std::max(1ll, m_limits.minRate);
        if (w.deadline > t && !slow && !lagging)
            continue;
        if (w.phase == Phase::Request && w.received > 0 && !w.refusal)
            answerAndClose(w, 408, explanation(408));
        else
            close(w);
    }
}

void ConnectionGate::answerAndClose(Waiting& waiting, int status, const char* why)
{
    const std::string body = std::string("{\"ok\":false,\"error\":\"") + why + "\"}";
    const std::string answer = "HTTP/1.1 " + std::to_string(status) + ' ' + reason(status)
        + "\r\nContent-Type: application/json\r\nContent-Length: " + std::to_string(body.size())
        + (status == 429 ? "\r\nRetry-After: 5" : "") + "\r\nConnection: close\r\n\r\n" + body;
    // One try: a client that does not even take this much is not waited for.
    const ssize_t sent = ::send(waiting.connection.fd, answer.data(), answer.size(), MSG_DONTWAIT | MSG_NOSIGNAL);
    (void)sent;
    startClosing(waiting);
}

void ConnectionGate::startClosing(Waiting& waiting)
{
    hold(waiting, 0);
    waiting.reader.reset();
    ::shutdown(waiting.connection.fd, SHUT_WR);
    waiting.connection.buffered.clear();
    waiting.connection.buffered.shrink_to_fit();
    waiting.phase = Phase::Closing;
    waiting.sent = 0;
    waiting.deadline = now() + lingerMs;
}

void ConnectionGate::close(Waiting& waiting)
{
    hold(waiting, 0);
    ClientConnection c = std::move(waiting.connection);
    m_waiting.erase(c.fd);
    release(c);
}

bool ConnectionGate::hold(Waiting& waiting, long long bytes)
{
    // Connections not counted for their address (a proxy's) hold freely.
    if (!waiting.connection.counted || bytes == waiting.held)
        return true;
    const auto it = m_held.emplace(waiting.connection.address, 0).first;
    it->second += bytes - waiting.held;
    waiting.held = bytes;
    const bool within = m_limits.heldPerAddress <= 0 || it->second <= m_limits.heldPerAddress;
    if (it->second == 0)
        m_held.erase(it);
    return within;
}

bool ConnectionGate::requestArrives(ClientConnection& connection, int waitMs) const
{
    pollfd p { connection.fd, POLLIN, 0 };
    const long long deadline = now() + waitMs;
    for (;;) {
        // Read again from the start each time, so that what is not taken
        // here is the gate's to read as it arrived.
        std::string rest = connection.buffered;
        RequestReader reader(m_readerLimits);
        const RequestReader::Step step = reader.take(rest);
        if (step == RequestReader::Step::Whole && !reader.spooled()) {
            connection.buffered.swap(rest);
            reader.handOver(connection);
            return true;
        }
        if (step != RequestReader::Step::More || reader.spooled() || reader.wantsContinue()
            || connection.buffered.size() >= RequestFraming::maxHeadBytes + m_limits.bodyBuffer)
            return false;
        const long long left = deadline - now();
        if (left < 0 || ::poll(&p, 1, int(left)) <= 0)
            return false;
        char chunk[16 * 1024];
        const ssize_t n = ::recv(connection.fd, chunk, sizeof(chunk), MSG_DONTWAIT);
        if (n <= 0)
            return false;
        connection.buffered.append(chunk, size_t(n));
    }
}

bool ClientConnection::sendSome(long long* sent)
{
    while (!output.empty()) {
        const ssize_t n = ::send(fd, output.data(), output.size(), MSG_DONTWAIT | MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno == EAGAIN || errno == EWOULDBLOCK;
        output.erase(0, size_t(n));
        answerSent += n;
        if (sent)
            *sent += n;
    }
    if (output.capacity() > 64 * 1024)
        output.shrink_to_fit();
    while (tailLength > 0) {
        off_t offset = tailOffset;
        const ssize_t n = ::sendfile(fd, tailFd, &offset, size_t(std::min<long long>(tailLength, 1 << 20)));
        if (n < 0)
            return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
        if (n == 0)
            return false; // the file is shorter than announced
        tailOffset += n;
        tailLength -= n;
        answerSent += n;
        if (sent)
            *sent += n;
    }
    dropTail();
    return true;
}

void ClientConnection::dropSpool()
{
    if (spoolFd >= 0)
        ::close(spoolFd);
    spoolFd = -1;
    spoolAt = 0;
    spoolLength = 0;
}

void ClientConnection::dropTail()
{
    if (tailFd >= 0)
        ::close(tailFd);
    tailFd = -1;
    tailLength = 0;
}
