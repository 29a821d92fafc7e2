#ifndef CONNECTIONGATE_H
#define CONNECTIONGATE_H

#include "requestreader.h"

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// One client connection between the gate and a worker: its socket, the
// client's address, bytes already read from it that belong to the next
// request (the whole request the gate put together, and what followed it),
// a long body kept in a file, and the answer still to be sent: bytes,
// then a piece of a file.
struct ClientConnection
{
    int fd = -1;
    std::string address;
    int port = 0;
    std::string buffered;
    long long serial = 0; // the order connections were accepted in
    int requests = 0;     // answered on this connection so far
    bool counted = false; // counts towards its address's limit
    std::string output;
    int tailFd = -1;      // owned; -1: no file to send
    long long tailOffset = 0;
    long long tailLength = 0;
    bool closeAfter = false; // close once the answer is out
    long long answerSent = 0; // bytes of the current answer sent so far
    int spoolFd = -1;         // owned; -1: the body is in buffered
    size_t spoolAt = 0;       // where in buffered the file's bytes belong
    long long spoolLength = 0;

    bool answerPending() const { return !output.empty() || tailLength > 0; }
    // Sends what the socket takes now; false when the connection failed.
    bool sendSome(long long* sent = nullptr);
    void dropTail();
    void dropSpool();
};

// Holds client connections without a worker thread while they wait on the
// client: until a whole request has arrived (RequestReader: a body of more
// than bodyBuffer bytes goes to a file in spoolFolder, one longer than its
// target's bodyLimit is refused 413), and while an answer goes out. So
// clients that send or read slowly, or do nothing, only cost a socket. A
// head asking for "100 Continue" gets it once the head is read, unless the
// request is answered at once. The head must arrive within headSeconds of
// the connection (or, between requests, of its first byte); the whole
// request must keep to minRate bytes a second from its first byte after
// the first bodySeconds, so it also pauses at most that long. An answer
// must keep to minRate bytes a second after its first answerSeconds, and
// never pause that long. An idle connection is closed after idleSeconds.
// Malformed requests are answered 400 here, too large heads 431. One
// address may have at most heldPerAddress bytes of bodies in files here at
// once: the request that would hold more is answered 429. An address with perAddress connections
// open gets 429 for more; at total connections the oldest idle (else the
// slowest) connection waiting here is closed to make room, and with every
// one at a worker a new one gets 503. Ready
// connections go to the callback, which hands them to a worker; the worker
// gives them back with its answer, to be sent and then closed or to wait
// for the next request.
class ConnectionGate
{
public:
    struct Limits
    {
        int headSeconds = 10;
        int bodySeconds = 30;
        int idleSeconds = 30;
        int answerSeconds = 30;
        long long minRate = 16 * 1024;
        size_t bodyBuffer = 64 * 1024;
        std::string spoolFolder;
        std::function<long long(const std::string& target)> bodyLimit;
        int perAddress = 32; // 0: no limit
        long long heldPerAddress = 0; // 0: no limit
        int total = 4000;
        std::string exempt;  // an address without the per-address limit (a reverse proxy)
    };
    using Ready = std::function<void(ClientConnection)>;

    ConnectionGate(const Limits& limits, Ready ready);
    ~ConnectionGate();
    ConnectionGate(const ConnectionGate&) = delete;
    ConnectionGate& operator=(const ConnectionGate&) = delete;

    // The port listened on, or -1.
    int listen(const std::string& host, int port);
    int listener() const { return m_listener; }
    // Accepts and waits for heads until stop().
    void run();
    // Both may be called from any thread.
    void stop();
    void giveBack(ClientConnection connection);
    void release(ClientConnection& connection);

    // True when a whole request with a body of at most bodyBuffer bytes is
    // in the connection's bytes, or arrives within waitMs, and is then put
    // together for a worker (what arrives is kept in any case); false for
    // any other, which the gate reads or answers.
    bool requestArrives(ClientConnection& connection, int waitMs) const;

private:
    enum class Phase { Idle, Request, Answer, Closing };
    struct Waiting
    {
        ClientConnection connection;
        Phase phase = Phase::Request;
        long long since = 0;    // milliseconds, steady clock: the phase began
        long long deadline = 0; // of the phase, or of the pause in an answer
        long long sent = 0;     // answer bytes sent
        long long first = 0;    // the request's first byte arrived
        long long received = 0; // bytes of the request so far
        bool continued = false; // "100 Continue" sent
        int refusal = 0;        // status to answer instead of serving
        long long held = 0;     // body bytes in a file, counted for the address
        std::unique_ptr<RequestReader> reader;
    };

    void acceptAll();
    bool makeRoom();
    void receive(int fd);
    void send(int fd);
    void watch(ClientConnection connection);
    // Ready to serve, answered, or left waiting for more bytes.
    void examine(Waiting& waiting);
    void expire();
    void answerAndClose(Waiting& waiting, int status, const char* explanation);
    void startClosing(Waiting& waiting);
    void close(Waiting& waiting);
    void forget(const ClientConnection& connection);
    // Counts bytes of body files for the waiting connection's address;
    // false when that is more than the address may hold.
    bool hold(Waiting& waiting, long long bytes);
    bool listenFor(int fd, unsigned events, bool added);

    const Limits m_limits;
    const RequestReader::Limits m_readerLimits;
    const Ready m_ready;
    int m_listener = -1;
    int m_poll = -1;
    int m_wake = -1;
    std::atomic<bool> m_stopping { false };
    std::map<int, Waiting> m_waiting; // gate thread only
    long long m_nextExpiry = 0;
    long long m_accepted = 0;
    std::map<std::string, long long> m_held; // body file bytes by address

    std::mutex m_mutex; // guards what follows
    std::vector<ClientConnection> m_returned;
    std::map<std::string, int> m_perAddress;
    int m_open = 0;
};

#endif
