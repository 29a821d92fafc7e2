#ifndef UPDATEFEED_H
#define UPDATEFEED_H

#include "requestcontext.h"

#include <QString>

// The update feed from one folder: the program's three feeds (64-bit,
// 32-bit, generic) and its installer package, each at the address the
// program asks for, read from the same path below the folder (see
// ServerOptions::controlHelp). Nothing else of the folder is served.
class UpdateFeed
{
public:
    explicit UpdateFeed(const QString& folder);

    void handle(const httplib::Request& request, httplib::Response& response, RequestContext& context);

private:
    QString m_folder;
};

#endif
