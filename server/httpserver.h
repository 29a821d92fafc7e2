#ifndef HTTPSERVER_H
#define HTTPSERVER_H

#include "requestcontext.h"
#include "serveroptions.h"

#include <QByteArray>
#include <QList>

#include <functional>
#include <memory>

namespace httplib {
class Server;
struct Request;
struct Response;
} // namespace httplib

class FaultInjector;
class RequestJournal;

// The HTTP front of the server: it hands each request to the handler whose
// path prefix it falls under, writes one log line per request, keeps the
// request journal and applies fault rules at the socket (delays, stalls,
// dropped connections, cut bodies, canned answers). Bodies are always sent
// as they are, with their true length, never compressed.
class HttpServer
{
public:
    using Handler = std::function<void(const httplib::Request&, httplib::Response&, RequestContext&)>;

    explicit HttpServer(const ServerOptions& options);
    ~HttpServer();

    // Faults and the journal apply when set (test control).
    void setTestControl(FaultInjector* faults, RequestJournal* journal);
    // The handler for path (exact) or path and everything below it; the
    // first matching route wins. Control routes skip faults and journal.
    void route(const QByteArray& path, bool exact, Handler handler, bool control = false);

    // The port bound to, or -1.
    int bind();
    void run();
    void stop();

    static QByteArray header(const httplib::Request& request, const char* name);
    static void reply(httplib::Response& response, int status, const QByteArray& body, const char* contentType);

private:
    struct Route
    {
        QByteArray path;
        bool exact = false;
        bool control = false;
        Handler handler;
    };

    void handle(const httplib::Request& request, httplib::Response& response);
    const Route* find(const QByteArray& path) const;
    // True when the fault answered (or swallowed) the request.
    bool applyFault(const httplib::Request& request, httplib::Response& response, RequestContext& context,
                    qint64* cutAfter);
    QString publicBase(const httplib::Request& request) const;

    const ServerOptions& m_options;
    std::unique_ptr<httplib::Server> m_server;
    QList<Route> m_routes;
    FaultInjector* m_faults = nullptr;
    RequestJournal* m_journal = nullptr;
    int m_port = -1;
};

#endif
