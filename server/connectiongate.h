#ifndef CONNECTIONGATE_H
#define CONNECTIONGATE_H

#include <atomic>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

// One client connection between the gate and a worker: its socket, the
// client's address, and bytes already read from it that belong to the next
// request (the head the gate waited for, or what a worker read past its
// request).
struct ClientConnection
{
    int fd = -1;
    std::string address;
    int port = 0;
    std::string buffered;
    int requests = 0;     // answered on this connection so far
    bool counted = false; // counts towards its address's limit
};

// Holds client connections without a worker thread until a whole request
// head has arrived, so that clients that send slowly, or nothing, only cost
// a socket. The head must arrive within headSeconds of the connection (or,
// between requests, of its first byte); an idle connection is closed after
// idleSeconds. An address with perAddress connections open gets 429 for
// more; beyond total connections new ones are closed at once. Ready
// connections go to the callback, which hands them to a worker; the worker
// gives them back to wait for the next head, or releases them.
class ConnectionGate
{
public:
    struct Limits
    {
        int headSeconds = 10;
        int idleSeconds = 30;
        int perAddress = 32; // 0: no limit
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
    void release(const ClientConnection& connection);

    // The length of the request head at the start of bytes, up to and
    // including its blank line; 0 while it is incomplete.
    static size_t headLength(const std::string& bytes);
    // True when a whole request head is in the connection's bytes, or
    // arrives within waitMs (what arrives is kept in any case).
    static bool headArrives(ClientConnection& connection, int waitMs);
    static const size_t maxHeadBytes = 32 * 1024;

private:
    struct Waiting
    {
        ClientConnection connection;
        long long deadline = 0; // milliseconds, steady clock
        bool idle = false;      // between requests, no byte of the next yet
        int refusal = 0;        // status to answer instead of serving
    };

    void acceptAll();
    void receive(int fd);
    void watch(ClientConnection connection, bool idle, int refusal);
    void expire();
    void answerAndClose(Waiting& waiting, int status);
    void close(Waiting& waiting);
    void forget(const ClientConnection& connection);

    const Limits m_limits;
    const Ready m_ready;
    int m_listener = -1;
    int m_poll = -1;
    int m_wake = -1;
    std::atomic<bool> m_stopping { false };
    std::map<int, Waiting> m_waiting; // gate thread only
    long long m_nextExpiry = 0;

    std::mutex m_mutex; // guards what follows
    std::vector<ClientConnection> m_returned;
    std::map<std::string, int> m_perAddress;
    int m_open = 0;
};

#endif
