#ifndef HTTPSERVER_H
#define HTTPSERVER_H

#include "requestcontext.h"
#include "serveroptions.h"

#include <QByteArray>
#include <QList>

#include <atomic>
#include <functional>
#include <memory>

class QFile;
class ByteRange;
class ConnectionGate;
class FaultInjector;
class RequestBody;
class RequestJournal;
struct ClientConnection;

namespace httplib {
class ContentReader;
class ThreadPool;
} // namespace httplib

// The HTTP front of the server. Connections wait in the ConnectionGate
// until a whole request head (and a small body) has arrived; then a worker
// thread serves that one request and gives the connection back with its
// answer, which the gate sends as the client reads. Each request goes to the
// handler whose path prefix it falls under, with its body either read
// whole (within the route's limit) or left to the handler to take piece by
// piece (RequestContext::body). It writes one log line per request, keeps
// the request journal and applies fault rules at the socket (delays,
// stalls, dropped connections, cut bodies, canned answers). Answers are
// always sent as they are, with their true length, never compressed; a
// request's Range header is held back from the library and applied only by
// replyFile. A request the library refuses itself closes its connection.
class HttpServer
{
public:
    using Handler = std::function<void(const httplib::Request&, httplib::Response&, RequestContext&)>;
    enum class Body { Whole, Streamed };
    static const qint64 smallBody = 64 * 1024;

    explicit HttpServer(const ServerOptions& options);
    ~HttpServer();

    // Faults and the journal apply when set (test control).
    void setTestControl(FaultInjector* faults, RequestJournal* journal);
    // The handler for path (exact) or path and everything below it; the
    // first matching route wins. A longer body is answered 413 unread.
    void route(const QByteArray& path, bool exact, Handler handler, qint64 bodyLimit = smallBody,
               Body body = Body::Whole);
    // A test control route: no faults, no journal, local clients only.
    void controlRoute(const QByteArray& path, Handler handler);

    // The port bound to, or -1.
    int bind();
    void run();
    void stop();

    static QByteArray header(const httplib::Request& request, const char* name);
    static void reply(httplib::Response& response, int status, const QByteArray& body, const char* contentType);
    // Answers with the part of length bytes of file from offset that range
    // selects (206 with its Content-Range) or all of them (200), read as
    // they are sent. An unsatisfiable range is answered by the caller.
    static void replyFile(httplib::Response& response, const ByteRange& range, const std::shared_ptr<QFile>& file,
                          qint64 offset, qint64 length, const QByteArray& contentType);

private:
    class Engine;
    struct Route
    {
        QByteArray path;
        bool exact = false;
        bool control = false;
        qint64 bodyLimit = smallBody;
        Body body = Body::Whole;
        Handler handler;
    };

    void serve(ClientConnection connection);
    void handle(const httplib::Request& request, httplib::Response& response, const httplib::ContentReader* reader);
    // Reads a whole body into request; false after answering a refusal.
    bool readWhole(httplib::Request& request, httplib::Response& response, RequestBody& body);
    const Route* find(const QByteArray& path) const;
    // True when the fault answered (or swallowed) the request.
    bool applyFault(const httplib::Request& request, httplib::Response& response, RequestContext& context,
                    qint64* cutAfter);
    QString publicBase(const httplib::Request& request) const;
    QString clientAddress(const httplib::Request& request) const;

    const ServerOptions& m_options;
    std::unique_ptr<Engine> m_engine;
    std::unique_ptr<ConnectionGate> m_gate;
    std::unique_ptr<httplib::ThreadPool> m_workers;
    std::atomic<bool> m_stopping { false };
    QList<Route> m_routes;
    FaultInjector* m_faults = nullptr;
    RequestJournal* m_journal = nullptr;
    int m_port = -1;
};

#endif
