#include "updatefeed.h"

#include "byterange.h"
#include "httpserver.h"

#include <QFile>

#include <httplib.h>

namespace {
struct Served
{
    const char* path;
    const char* file;
    const char* type;
};
const Served served[] = {
    { "/update/linux/Master/repository/Updates.xml", "/linux/Master/repository/Updates.xml", "text/xml; charset=utf-8" },
    { "/update/linux/Master/repository_32/Updates.xml", "/linux/Master/repository_32/Updates.xml", "text/xml; charset=utf-8" },
    { "/update/linux/repository/Updates.xml", "/linux/repository/Updates.xml", "text/xml; charset=utf-8" },
    { "/Master/TovaWriter_installer.deb", "/Master/TovaWriter_installer.deb", "application/vnd.debian.binary-package" },
};
} // namespace

UpdateFeed::UpdateFeed(const QString& folder)
    : m_folder(folder)
{
}

void UpdateFeed::handle(const httplib::Request& request, httplib::Response& response, RequestContext& context)
{
    if (request.method != "GET") {
        HttpServer::reply(response, 405, "method not allowed\n", "text/plain");
        return;
    }
    for (const Served& s : served) {
        if (context.path != s.path)
            continue;
        // Read as it is sent: an installer is large.
        auto file = std::make_shared<QFile>(m_folder + QLatin1String(s.file));
        if (!file->open(QIODevice::ReadOnly)) {
            context.note = QStringLiteral("no file ") + file->fileName();
            break;
        }
        // A download resumed: without a validator to check, an If-Range
        // gets the whole file.
        const ByteRange range = ByteRange::select(context.range, HttpServer::header(request, "If-Range"), file->size(), {});
        response.set_header("Cache-Control", "no-cache");
        if (range.kind() == ByteRange::Kind::Unsatisfiable) {
            HttpServer::reply(response, 416, "range not satisfiable\n", "text/plain");
            response.set_header("Content-Range", range.contentRange().constData());
            return;
        }
        HttpServer::replyFile(response, range, file, 0, file->size(), s.type);
        return;
    }
    HttpServer::reply(response, 404, "not found\n", "text/plain");
}
