#include "connectionsocket.h"

#include <QDir>
#include <QStringList>

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

bool ConnectionSocket::end(int fd, bool peer, std::string* address, int* port)
{
    sockaddr_storage storage {};
    socklen_t length = sizeof(storage);
    auto* sa = reinterpret_cast<sockaddr*>(&storage);
    if ((peer ? ::getpeername(fd, sa, &length) : ::getsockname(fd, sa, &length)) != 0)
        return false;
    char text[INET6_ADDRSTRLEN] = {};
    if (sa->sa_family == AF_INET) {
        const auto* in = reinterpret_cast<sockaddr_in*>(sa);
        ::inet_ntop(AF_INET, &in->sin_addr, text, sizeof(text));
        *port = ntohs(in->sin_port);
    } else if (sa->sa_family == AF_INET6) {
        const auto* in6 = reinterpret_cast<sockaddr_in6*>(sa);
        ::inet_ntop(AF_INET6, &in6->sin6_addr, text, sizeof(text));
        *port = ntohs(in6->sin6_port);
    } else {
        return false;
    }
    *address = text;
    return true;
}

namespace {

// The open socket descriptors of this process.
QList<int> sockets()
{
    QList<int> list;
    const QStringList entries = QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    for (const QString& entry : entries) {
        bool ok = false;
        const int fd = entry.toInt(&ok);
        struct stat st;
        if (ok && ::fstat(fd, &st) == 0 && S_ISSOCK(st.st_mode))
            list << fd;
    }
    return list;
}
} // namespace

int ConnectionSocket::find(const std::string& remoteAddress, int remotePort, int localPort)
{
    for (const int fd : sockets()) {
        std::string address;
        int port = 0;
        if (!end(fd, true, &address, &port) || port != remotePort || address != remoteAddress)
            continue;
        if (end(fd, false, &address, &port) && port == localPort)
            return fd;
    }
    return -1;
}

void ConnectionSocket::drop(int fd)
{
    if (fd >= 0)
        ::shutdown(fd, SHUT_RDWR);
}

bool ConnectionSocket::peerClosed(int fd)
{
    if (fd < 0)
        return true;
    char byte;
    const ssize_t n = ::recv(fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT);
    if (n == 0)
        return true;
    return n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR;
}

void ConnectionSocket::dropAll(int localPort)
{
    for (const int fd : sockets()) {
        std::string address;
        int port = 0;
        // Connected sockets only: the listening one has no peer.
        if (end(fd, false, &address, &port) && port == localPort && end(fd, true, &address, &port))
            ::shutdown(fd, SHUT_RDWR);
    }
}
