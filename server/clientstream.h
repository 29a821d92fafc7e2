#ifndef CLIENTSTREAM_H
#define CLIENTSTREAM_H

#include "connectiongate.h"

#include <httplib.h>

// The HTTP library's view of one client connection while a worker serves
// a request on it: the bytes the gate already read come first, then the
// socket. Every read and write waits at most its timeout; what was read
// past the request stays in the connection for the next one.
class ClientStream : public httplib::Stream
{
public:
    ClientStream(ClientConnection& connection, int readTimeoutMs, int writeTimeoutMs);
    ~ClientStream() override;

    bool is_readable() const override;
    bool is_writable() const override;
    ssize_t read(char* ptr, size_t size) override;
    ssize_t write(const char* ptr, size_t size) override;
    void get_remote_ip_and_port(std::string& ip, int& port) const override;
    void get_local_ip_and_port(std::string& ip, int& port) const override;
    socket_t socket() const override;

private:
    bool wait(short events, int timeoutMs) const;

    ClientConnection& m_connection;
    size_t m_consumed = 0; // of m_connection.buffered
    const int m_readTimeoutMs;
    const int m_writeTimeoutMs;
};

#endif
