#ifndef CONNECTIONSOCKET_H
#define CONNECTIONSOCKET_H

#include <string>

// The socket of one client connection, found by its two ends, so that a
// fault can close it in the middle of an exchange. The HTTP library keeps
// the socket to itself; its handlers only know the addresses and ports.
class ConnectionSocket
{
public:
    // -1 when no open socket of this process has these ends.
    static int find(const std::string& remoteAddress, int remotePort, int localPort);
    // Ends the connection in both directions without an answer. The
    // library closes the descriptor itself later.
    static void drop(int fd);
    // True once the client has closed its end (or the socket failed).
    static bool peerClosed(int fd);
    // Ends every client connection to localPort: at shutdown, so that
    // connections idling between requests do not hold it up.
    static void dropAll(int localPort);
    // The address (as text) and port of the socket's own end or its peer's.
    static bool end(int fd, bool peer, std::string* address, int* port);
};

#endif
