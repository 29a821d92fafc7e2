#ifndef CLIENTSTREAM_H
#define CLIENTSTREAM_H

#include "connectiongate.h"

#include <httplib.h>

// The HTTP library's view of one client connection while a worker serves
// a request on it: the whole request the gate put together, its long body
// read from the gate's file, and never the socket, so no worker waits on a
// client. What follows the request stays in the connection for the next
// one. The answer is not sent from here: it is kept in the connection, a
// file's bytes as a piece of the file, and sent by the gate without a
// worker.
class ClientStream : public httplib::Stream
{
public:
    explicit ClientStream(ClientConnection& connection);
    ~ClientStream() override;

    // The stream the calling worker is serving, or null.
    static ClientStream* current();
    // The next length bytes written are those of the file (its descriptor
    // is duplicated) from offset: the caller then writes length bytes of
    // anything, which are not kept. False when a piece is already taken.
    bool sendFileLater(int fileFd, long long offset, long long length);
    // Bytes of the request not read yet, and what follows it.
    size_t bufferedBytes() const;

    bool is_readable() const override;
    bool is_writable() const override;
    ssize_t read(char* ptr, size_t size) override;
    ssize_t write(const char* ptr, size_t size) override;
    void get_remote_ip_and_port(std::string& ip, int& port) const override;
    void get_local_ip_and_port(std::string& ip, int& port) const override;
    socket_t socket() const override;

private:
    ClientConnection& m_connection;
    size_t m_consumed = 0;     // of m_connection.buffered
    long long m_spoolRead = 0; // of the connection's body file
    long long m_skip = 0;      // written bytes standing for the file piece
    ClientStream* m_outer = nullptr;
};

#endif
