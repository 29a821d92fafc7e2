#include "httpserver.h"

#include "byterange.h"
#include "clientstream.h"
#include "connectiongate.h"
#include "connectionsocket.h"
#include "credentialstore.h"
#include "faultinjector.h"
#include "requestbody.h"
#include "requestframing.h"
#include "requestjournal.h"
#include "serverlog.h"
#include "storagexml.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <httplib.h>

#include <sys/resource.h>

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

// The library's server, asked to serve one request of a connection at a time.
class HttpServer::Engine : public httplib::Server
{
public:
    bool serve(httplib::Stream& stream, bool last, bool& closed)
    {
        return process_request(stream, last, closed, nullptr);
    }
    // The library streams answers only while it has a listening socket;
    // the gate's is that socket.
    void setListener(int fd) { svr_sock_ = fd; }
};

namespace {
// The request a worker serves, beside what the library knows of it.
struct WorkerRequest
{
    std::string range;       // its Range header, taken out of the head
    bool handled = false;    // it reached handle(), not only the library
    bool closeAfter = false; // it left its connection unusable (a body not read to its end)
};
thread_local WorkerRequest t_request;

// At most this many requests on one connection.
const int maxRequestsPerConnection = 1000;
// How long a worker waits for the next request of its connection: a busy
// client sends it well within this, and an idle one holds the worker no
// longer.
const int nextRequestWaitMs = 10;

// Makes the answer at the start of output (its head is whole there) say
// that the connection closes after it, instead of keeping it alive.
void closingAnswer(std::string& output)
{
    if (output.compare(0, 5, "HTTP/") != 0 || output.find("\r\n\r\n") == std::string::npos)
        return;
    RequestFraming::takeField(output, "Keep-Alive");
    RequestFraming::takeField(output, "Connection");
    output.insert(output.find("\r\n\r\n") + 2, "Connection: close\r\n");
}

// Connections in all: as many as the descriptors allow, less some for the
// files and database connections the workers open, and each with room for
// the file its answer may be sent from.
int connectionLimit()
{
    rlimit limit {};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0)
        return 1000;
    if (limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &limit);
        ::getrlimit(RLIMIT_NOFILE, &limit);
    }
    return int(qBound<rlim_t>(32, (limit.rlim_cur - qMin<rlim_t>(limit.rlim_cur / 4, 256)) / 2, 20000));
}
} // namespace

HttpServer::HttpServer(const ServerOptions& options)
    : m_options(options)
    , m_engine(new Engine)
{
    ConnectionGate::Limits limits;
    limits.headSeconds = options.headTimeout;
    limits.bodySeconds = options.readTimeout;
    limits.idleSeconds = options.idleTimeout;
    limits.answerSeconds = options.writeTimeout;
    limits.minRate = ServerOptions::minRate;
    limits.bodyBuffer = size_t(smallBody);
    limits.perAddress = options.maxConnectionsPerAddress;
    // Room for a few of the largest uploads at once.
    limits.heldPerAddress = options.maxConnectionsPerAddress > 0 ? 4 * (options.maxObjectSize + smallBody) : 0;
    limits.total = connectionLimit();
    limits.exempt = options.proxyAddress.toStdString();
    limits.spoolFolder = QDir(options.dataPath).absoluteFilePath(QStringLiteral("spool")).toStdString();
    QDir().mkpath(QString::fromStdString(limits.spoolFolder));
    limits.bodyLimit = [this](const std::string& target) {
        const QByteArray path = QByteArray::fromPercentEncoding(bytes(target.substr(0, target.find('?'))));
        const Route* route = find(path);
        return route ? route->bodyLimit : smallBody;
    };
    m_gate.reset(new ConnectionGate(limits, [this](ClientConnection c) {
        m_workers->enqueue([this, c]() { serve(c); });
    }));
    m_engine->set_keep_alive_max_count(maxRequestsPerConnection);
    m_engine->set_keep_alive_timeout(options.idleTimeout);
    m_engine->set_payload_max_length(size_t(options.maxObjectSize) + (1 << 20));
    m_engine->set_exception_handler([](const httplib::Request& request, httplib::Response& response, std::exception_ptr e) {
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
    const auto plain = [this](const httplib::Request& request, httplib::Response& response) {
        handle(request, response, nullptr);
    };
    const auto withBody = [this](const httplib::Request& request, httplib::Response& response,
                                 const httplib::ContentReader& reader) { handle(request, response, &reader); };
    // Every path, also one holding a decoded line break. Requests of the
    // methods that may carry a body always come with its reader.
    const std::string any = "[\\s\\S]*";
    m_engine->Get(any, plain);
    m_engine->Options(any, plain);
    m_engine->Post(any, withBody);
    m_engine->Put(any, withBody);
    m_engine->Patch(any, withBody);
    m_engine->Delete(any, withBody);
}

HttpServer::~HttpServer() = default;

void HttpServer::setTestControl(FaultInjector* faults, RequestJournal* journal)
{
    m_faults = faults;
    m_journal = journal;
}

void HttpServer::route(const QByteArray& path, bool exact, Handler handler, qint64 bodyLimit, Body body)
{
    Route r;
    r.path = path;
    r.exact = exact;
    r.bodyLimit = bodyLimit;
    r.body = body;
    r.handler = std::move(handler);
    m_routes << r;
}

void HttpServer::controlRoute(const QByteArray& path, Handler handler)
{
    route(path, false, std::move(handler), 1ll << 30);
    m_routes.last().control = true;
}

int HttpServer::bind()
{
    m_port = m_gate->listen(m_options.listenAddress.toStdString(), m_options.port);
    m_engine->setListener(m_gate->listener());
    return m_port;
}

void HttpServer::run()
{
    m_workers.reset(new httplib::ThreadPool(size_t(m_options.threads)));
    m_gate->run();
    m_workers->shutdown();
}

void HttpServer::stop()
{
    m_stopping = true;
    m_engine->setListener(-1);
    if (m_faults)
        m_faults->shutdown();
    m_gate->stop();
    // Requests being served end with their connections.
    ConnectionSocket::dropAll(m_port);
}

void HttpServer::serve(ClientConnection connection)
{
    bool keep = false;
    do {
        {
            // The head is whole here. The library would apply ranges to
            // every answer, also to bodies it was given whole, so it never
            // sees them.
            t_request = WorkerRequest();
            t_request.range = RequestFraming::takeField(connection.buffered, "Range");
            ClientStream stream(connection);
            const bool last = m_stopping || ++connection.requests >= maxRequestsPerConnection;
            bool closed = false;
            connection.answerSent = 0;
            keep = m_engine->serve(stream, last, closed) && !closed && !last && !t_request.closeAfter;
        }
        // After a refused request where the next one starts is not sure;
        // one the library answered itself may have left its body unread.
        if (!t_request.handled || connection.output.compare(0, 13, "HTTP/1.1 400 ") == 0
            || connection.output.compare(0, 13, "HTTP/1.0 400 ") == 0)
            keep = false;
        // An answer after which the connection closes says so.
        if (!keep)
            closingAnswer(connection.output);
        // Most answers go out at once; the rest is sent by the gate, where
        // a slow reader holds no worker.
        if (!connection.sendSome()) {
            m_gate->release(connection);
            return;
        }
        // A busy client's next request tends to follow at once; it is
        // served here rather than after a trip through the gate.
    } while (keep && !connection.answerPending() && m_gate->requestArrives(connection, nextRequestWaitMs));
    connection.closeAfter = !keep;
    m_gate->giveBack(std::move(connection));
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

void HttpServer::replyFile(httplib::Response& response, const ByteRange& range, const std::shared_ptr<QFile>& file,
                           qint64 offset, qint64 length, const QByteArray& contentType)
{
    const int status = range.kind() == ByteRange::Kind::Part ? 206 : 200;
    if (status == 206) {
        response.set_header("Content-Range", range.contentRange().constData());
        offset += range.first();
        length = range.length();
    }
    if (length == 0) {
        // The library announces no length for an empty provider.
        reply(response, status, QByteArray(), contentType.constData());
        return;
    }
    response.status = status;
    // The file is sent by the gate as the client reads it; a worker sends
    // a small piece at a time only when there is no gate.
    response.set_content_provider(size_t(length), contentType.toStdString(),
                                  [file, offset](size_t at, size_t wanted, httplib::DataSink& sink) {
                                      static const char standIn = 0;
                                      // Never copied whole into the answer's bytes: without
                                      // a descriptor for it the answer fails.
                                      if (ClientStream* stream = ClientStream::current())
                                          return stream->sendFileLater(file->handle(), offset + qint64(at), qint64(wanted))
                                              && sink.write(&standIn, wanted);
                                      char piece[64 * 1024];
                                      if (!file->seek(offset + qint64(at)))
                                          return false;
                                      const qint64 n = file->read(piece, qint64(qMin(wanted, sizeof(piece))));
                                      return n > 0 && sink.write(piece, size_t(n));
                                  });
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

QString HttpServer::clientAddress(const httplib::Request& request) const
{
    // Behind the reverse proxy the client is the one the proxy names.
    if (!m_options.proxyAddress.isEmpty() && QString::fromStdString(request.remote_addr) == m_options.proxyAddress) {
        const QByteArray real = header(request, "X-Real-IP").trimmed();
        if (!real.isEmpty() && real.size() <= 45)
            return QString::fromLatin1(real);
    }
    return QString::fromStdString(request.remote_addr);
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

bool HttpServer::readWhole(httplib::Request& request, httplib::Response& response, RequestBody& body)
{
    bool ok = false;
    if (request.is_multipart_form_data()) {
        httplib::MultipartFormData* part = nullptr;
        ok = body.readForm(
            [&](const httplib::MultipartFormData& header) {
                part = &request.files.emplace(header.name, header)->second;
                return true;
            },
            [&](const char* data, size_t length) {
                part->content.append(data, length);
                return true;
            });
    } else {
        ok = body.read([&](const char* data, size_t length) {
            request.body.append(data, length);
            return true;
        });
    }
    if (!ok)
        reply(response, body.tooLarge() ? 413 : 400,
              body.tooLarge() ? "{\"ok\":false,\"error\":\"the body is too large\"}" : "{\"ok\":false,\"error\":\"the body did not arrive\"}",
              "application/json");
    return ok;
}

void HttpServer::handle(const httplib::Request& original, httplib::Response& response, const httplib::ContentReader* reader)
{
    QElapsedTimer timer;
    timer.start();
    RequestContext context;
    const QByteArray target = bytes(original.target);
    const int mark = target.indexOf('?');
    const QByteArray rawPath = mark < 0 ? target : target.left(mark);
    context.query = mark < 0 ? QByteArray() : target.mid(mark + 1);
    context.path = QByteArray::fromPercentEncoding(rawPath);
    context.remote = clientAddress(original);
    context.publicBase = publicBase(original);
    // Ranges are defined for GET only; others ignore them.
    t_request.handled = true;
    if (original.method == "GET")
        context.range = bytes(t_request.range);

    const Route* route = find(context.path);
    const bool control = route && route->control;
    if (control && !(m_faults && loopback(original.remote_addr)))
        route = nullptr;

    // The body is read whole here within the route's limit, or left to the
    // handler; one that is refused unread ends its connection.
    const httplib::Request* request = &original;
    httplib::Request whole;
    std::unique_ptr<RequestBody> body;
    bool refused = false;
    qint64 bodyLength = -1; // -1: chunked or unknown
    if (reader) {
        const qint64 limit = route ? route->bodyLimit : smallBody;
        const bool chunked = header(original, "Transfer-Encoding").toLower().contains("chunked");
        const QByteArray length = header(original, "Content-Length").trimmed();
        bool valid = false;
        // Without a length or chunks a request has no body.
        const qint64 declared = length.isEmpty() ? 0 : length.toLongLong(&valid);
        if (!chunked && (valid || length.isEmpty()))
            bodyLength = declared;
        refused = true;
        if (!length.isEmpty() && (!valid || declared < 0))
            reply(response, 400, "{\"ok\":false,\"error\":\"the Content-Length is not valid\"}", "application/json");
        else if (!chunked && declared > limit)
            reply(response, 413, "{\"ok\":false,\"error\":\"the body is too large\"}", "application/json");
        else
            refused = false;
        if (!refused) {
            body.reset(new RequestBody(*reader, chunked ? -1 : declared, limit, original.is_multipart_form_data()));
            if (route && route->body == Body::Streamed) {
                context.body = body.get();
            } else {
                whole = original;
                refused = !readWhole(whole, response, *body);
                request = &whole;
            }
        }
        if (refused)
            context.note = QStringLiteral("body refused");
    }

    quint64 seq = 0;
    if (!control && m_journal) {
        RequestJournal::Entry entry;
        entry.method = bytes(request->method);
        entry.target = target;
        entry.path = context.path;
        entry.query = context.query;
        for (const auto& h : request->headers)
            entry.headers << qMakePair(bytes(h.first), bytes(h.second));
        if (!t_request.range.empty())
            entry.headers << qMakePair(QByteArray("Range"), bytes(t_request.range));
        entry.bodySize = qint64(request->body.size());
        entry.body = QByteArray(request->body.data(), int(qMin<size_t>(request->body.size(), RequestJournal::bodyLimit)));
        // Form uploads arrive parsed; the journal keeps their parts.
        for (const auto& file : request->files)
            entry.parts << RequestJournal::Part { bytes(file.second.name), bytes(file.second.filename),
                                                  bytes(file.second.content_type), bytes(file.second.content) };
        seq = m_journal->record(entry);
    }

    qint64 cutAfter = -1;
    const bool faulted = !refused && !control && m_faults && applyFault(*request, response, context, &cutAfter);
    if (!faulted && !refused) {
        if (route)
            route->handler(*request, response, context);
        else
            reply(response, 404, "{\"ok\":false,\"error\":\"not found\"}", "application/json");
    }
    // A short body left unread is dropped; after a longer one the
    // connection closes rather than spend a worker on it.
    if (body && !body->started() && bodyLength >= 0 && bodyLength <= RequestBody::drainLimit)
        body->drain();
    if (reader && !(body && body->finished()))
        t_request.closeAfter = true;
    if (seq && context.body)
        m_journal->received(seq, body->kept(), body->keptParts(), body->size());
    // A plain body goes out as a provider too, as it is, with its true
    // length: the library compresses only plain bodies. A cut answer stops
    // early and closes the connection.
    if (response.status > 0 && !response.body.empty()) {
        auto bytes = std::make_shared<std::string>(std::move(response.body));
        response.body.clear();
        const std::string type = response.get_header_value("Content-Type");
        response.headers.erase("Content-Type");
        response.set_content_provider(bytes->size(), type, [bytes](size_t offset, size_t length, httplib::DataSink& sink) {
            return sink.write(bytes->data() + offset, qMin(length, bytes->size() - offset));
        });
    }
    if (cutAfter >= 0 && response.content_provider_) {
        const size_t limit = size_t(cutAfter);
        auto provider = std::move(response.content_provider_);
        response.content_provider_ = [provider, limit](size_t offset, size_t length, httplib::DataSink& sink) {
            return offset < limit && provider(offset, qMin(length, limit - offset), sink);
        };
    }
    if (m_journal && seq)
        m_journal->answered(seq, response.status);
    if (!control)
        // One multi-argument call: a "%2" in a path is text, not a placeholder.
        ServerLog::line(QStringLiteral("%1 %2 %3 %4 %5ms%6%7")
                            .arg(context.remote, QString::fromStdString(request->method), QString::fromUtf8(rawPath),
                                 QString::number(response.status), QString::number(timer.elapsed()),
                                 context.account.isEmpty() ? QString() : QLatin1Char(' ') + context.account,
                                 context.note.isEmpty() ? QString() : QStringLiteral(" (") + context.note + QLatin1Char(')')));
}
