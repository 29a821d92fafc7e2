#include "httpserver.h"

#include "connectionsocket.h"
#include "credentialstore.h"
#include "faultinjector.h"
#include "requestjournal.h"
#include "serverlog.h"
#include "storagexml.h"

#include <QElapsedTimer>

#include <httplib.h>

namespace {
const char* const defaultHtml = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Network sign-in</title></head>"
                                "<body><h1>Sign in to use this network</h1><p>Your connection is held until you sign "
                                "in.</p></body></html>\n";

QByteArray bytes(const std::string& s) { return QByteArray(s.data(), int(s.size())); }

bool loopback(const std::string& address)
{
    return address == "127.0.0.1" || address == "::1" || address.rfind("::ffff:127.", 0) == 0;
}

QByteArray actionName(FaultRule::Action action)
{
    switch (action) {
    case FaultRule::Action::Status: return "status";
    case FaultRule::Action::Html: return "html";
    case FaultRule::Action::Stall: return "stall";
    case FaultRule::Action::Drop: return "drop";
    case FaultRule::Action::Cut: return "cut";
    case FaultRule::Action::Delay: return "delay";
    }
    return "?";
}
} // namespace

HttpServer::HttpServer(const ServerOptions& options)
    : m_options(options)
    , m_server(new httplib::Server)
{
    const int threads = options.threads;
    m_server->new_task_queue = [threads] { return new httplib::ThreadPool(size_t(threads)); };
    m_server->set_keep_alive_max_count(1000);
    m_server->set_keep_alive_timeout(5);
    m_server->set_read_timeout(30);
    m_server->set_write_timeout(30);
    m_server->set_payload_max_length(size_t(options.maxObjectSize) + (1 << 20));
    m_server->set_tcp_nodelay(true);
    m_server->set_exception_handler([](const httplib::Request& request, httplib::Response& response, std::exception_ptr e) {
        QString what;
        try {
            std::rethrow_exception(e);
        } catch (const std::exception& x) {
            what = QString::fromLocal8Bit(x.what());
        } catch (...) {
        }
        ServerLog::warning(QStringLiteral("handler failed on %1: %2").arg(QString::fromStdString(request.path), what));
        reply(response, 500, "{\"ok\":false,\"error\":\"internal error\"}", "application/json");
    });
    const auto handler = [this](const httplib::Request& request, httplib::Response& response) { handle(request, response); };
    // Every path, also one holding a decoded line break.
    const std::string any = "[\\s\\S]*";
    m_server->Get(any, handler);
    m_server->Post(any, handler);
    m_server->Put(any, handler);
    m_server->Delete(any, handler);
    m_server->Patch(any, handler);
    m_server->Options(any, handler);
}

HttpServer::~HttpServer() = default;

void HttpServer::setTestControl(FaultInjector* faults, RequestJournal* journal)
{
    m_faults = faults;
    m_journal = journal;
}

void HttpServer::route(const QByteArray& path, bool exact, Handler handler, bool control)
{
    Route r;
    r.path = path;
    r.exact = exact;
    r.control = control;
    r.handler = std::move(handler);
    m_routes << r;
}

int HttpServer::bind()
{
    const std::string host = m_options.listenAddress.toStdString();
    if (m_options.port == 0)
        m_port = m_server->bind_to_any_port(host);
    else
        m_port = m_server->bind_to_port(host, m_options.port) ? m_options.port : -1;
    return m_port;
}

void HttpServer::run() { m_server->listen_after_bind(); }

void HttpServer::stop()
{
    if (m_faults)
        m_faults->shutdown();
    m_server->stop();
    // Idle keep-alive connections would each hold the stop up for seconds.
    ConnectionSocket::dropAll(m_port);
}

QByteArray HttpServer::header(const httplib::Request& request, const char* name)
{
    return bytes(request.get_header_value(name));
}

void HttpServer::reply(httplib::Response& response, int status, const QByteArray& body, const char* contentType)
{
    response.status = status;
    response.body.assign(body.constData(), size_t(body.size()));
    response.set_header("Content-Type", contentType);
}

const HttpServer::Route* HttpServer::find(const QByteArray& path) const
{
    for (const Route& r : m_routes) {
        if (path == r.path)
            return &r;
        if (!r.exact && path.startsWith(r.path) && (r.path.endsWith('/') || path.at(r.path.size()) == '/'))
            return &r;
    }
    return nullptr;
}

QString HttpServer::publicBase(const httplib::Request& request) const
{
    if (!m_options.publicUrl.isEmpty())
        return m_options.publicUrl;
    const QByteArray host = header(request, "Host");
    if (!host.isEmpty() && !host.contains('/') && !host.contains(' '))
        return QStringLiteral("http://") + QString::fromLatin1(host);
    return QStringLiteral("http://%1:%2").arg(m_options.listenAddress).arg(m_port);
}

bool HttpServer::applyFault(const httplib::Request& request, httplib::Response& response, RequestContext& context,
                            qint64* cutAfter)
{
    FaultRule rule;
    const QString query = QString::fromUtf8(QByteArray::fromPercentEncoding(context.query));
    if (!m_faults->take(bytes(request.method), QString::fromUtf8(context.path), query, &rule))
        return false;
    const quint64 generation = m_faults->generation();
    context.note = QStringLiteral("fault %1 #%2").arg(QString::fromLatin1(actionName(rule.action))).arg(rule.id);
    if (rule.delayMs > 0)
        m_faults->sleep(rule.delayMs, generation);
    switch (rule.action) {
    case FaultRule::Action::Delay:
        return false;
    case FaultRule::Action::Cut:
        *cutAfter = rule.bytes;
        return false;
    case FaultRule::Action::Status:
    case FaultRule::Action::Html: {
        QByteArray body = rule.body;
        QByteArray type = rule.contentType;
        if (rule.action == FaultRule::Action::Html) {
            if (!rule.hasBody)
                body = defaultHtml;
            if (type.isEmpty())
                type = "text/html; charset=utf-8";
        } else if (context.path.startsWith("/lumoranking")) {
            if (!rule.hasBody)
                body = StorageXml::error(QStringLiteral("InjectedFault"), QStringLiteral("A fault rule answered this request."),
                                         CredentialStore::randomText(24));
            if (type.isEmpty())
                type = "application/xml";
        } else {
            if (!rule.hasBody)
                body = "{\"ok\":false,\"error\":\"injected fault\"}";
            if (type.isEmpty())
                type = "application/json";
        }
        reply(response, rule.status, body, type.constData());
        for (const auto& h : rule.headers)
            response.set_header(h.first.constData(), h.second.constData());
        return true;
    }
    case FaultRule::Action::Drop:
    case FaultRule::Action::Stall: {
        const int fd = ConnectionSocket::find(request.remote_addr, request.remote_port, request.local_port);
        if (fd < 0) {
            // Without its socket the fault cannot be played; say so plainly.
            ServerLog::warning(QStringLiteral("fault #%1: the connection's socket was not found").arg(rule.id));
            reply(response, 500, "{\"ok\":false,\"error\":\"fault could not be applied\"}", "application/json");
            return true;
        }
        if (rule.action == FaultRule::Action::Stall)
            m_faults->waitUntil(generation, 50, [fd] { return ConnectionSocket::peerClosed(fd); });
        ConnectionSocket::drop(fd);
        response.status = 0;
        return true;
    }
    }
    return false;
}

void HttpServer::handle(const httplib::Request& request, httplib::Response& response)
{
    QElapsedTimer timer;
    timer.start();
    RequestContext context;
    const QByteArray target = bytes(request.target);
    const int mark = target.indexOf('?');
    const QByteArray rawPath = mark < 0 ? target : target.left(mark);
    context.query = mark < 0 ? QByteArray() : target.mid(mark + 1);
    context.path = QByteArray::fromPercentEncoding(rawPath);
    context.remote = QString::fromStdString(request.remote_addr);
    context.publicBase = publicBase(request);

    const Route* route = find(context.path);
    const bool control = route && route->control;
    if (control && !(m_faults && loopback(request.remote_addr)))
        route = nullptr;

    quint64 seq = 0;
    if (!control && m_journal) {
        RequestJournal::Entry entry;
        entry.method = bytes(request.method);
        entry.target = target;
        entry.path = context.path;
        entry.query = context.query;
        for (const auto& h : request.headers)
            entry.headers << qMakePair(bytes(h.first), bytes(h.second));
        entry.bodySize = qint64(request.body.size());
        entry.body = QByteArray(request.body.data(), int(qMin<size_t>(request.body.size(), RequestJournal::bodyLimit)));
        // Form uploads arrive parsed; the journal keeps their parts.
        for (const auto& file : request.files)
            entry.parts << RequestJournal::Part { bytes(file.second.name), bytes(file.second.filename),
                                                  bytes(file.second.content_type), bytes(file.second.content) };
        seq = m_journal->record(entry);
    }

    qint64 cutAfter = -1;
    const bool faulted = !control && m_faults && applyFault(request, response, context, &cutAfter);
    if (!faulted) {
        if (route)
            route->handler(request, response, context);
        else
            reply(response, 404, "{\"ok\":false,\"error\":\"not found\"}", "application/json");
    }
    // A body given as a provider goes out as it is, with its true length:
    // the library compresses only plain bodies. A cut answer stops early
    // and closes the connection.
    if (response.status > 0 && !response.body.empty()) {
        auto body = std::make_shared<std::string>(std::move(response.body));
        response.body.clear();
        const size_t limit = cutAfter < 0 ? body->size() : qMin<size_t>(size_t(cutAfter), body->size());
        const std::string type = response.get_header_value("Content-Type");
        response.headers.erase("Content-Type");
        response.set_content_provider(body->size(), type,
                                      [body, limit](size_t offset, size_t length, httplib::DataSink& sink) {
                                          if (offset >= limit)
                                              return false;
                                          return sink.write(body->data() + offset, qMin(length, limit - offset));
                                      });
    }
    if (m_journal && seq)
        m_journal->answered(seq, response.status);
    if (!control)
        // One multi-argument call: a "%2" in a path is text, not a placeholder.
        ServerLog::line(QStringLiteral("%1 %2 %3 %4 %5ms%6%7")
                            .arg(context.remote, QString::fromStdString(request.method), QString::fromUtf8(rawPath),
                                 QString::number(response.status), QString::number(timer.elapsed()),
                                 context.account.isEmpty() ? QString() : QLatin1Char(' ') + context.account,
                                 context.note.isEmpty() ? QString() : QStringLiteral(" (") + context.note + QLatin1Char(')')));
}
