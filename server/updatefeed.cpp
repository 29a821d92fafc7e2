#include "updatefeed.h"

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
        HttpServer::replyFile(response, 200, file, 0, file->size(), s.type);
        response.set_header("Cache-Control", "no-cache");
        return;
    }
    HttpServer::reply(response, 404, "not found\n", "text/plain");
}
