#include "serviceconfig.h"

#include <QUrl>
#include <QtGlobal>

namespace {
bool isFeedAddress(const QString& address)
{
    return QUrl(address).path().endsWith(QLatin1String(".xml"), Qt::CaseInsensitive);
}

QString withoutTrailingSlash(QString address)
{
    while (address.endsWith(QLatin1Char('/')))
        address.chop(1);
    return address;
}
} // namespace

QString ServiceConfig::value(const char* variable, const QString& fallback)
{
    const QString v = qEnvironmentVariable(variable);
    return v.isEmpty() ? fallback : v;
}

QString ServiceConfig::server() { return withoutTrailingSlash(value("PENLARK_SERVER")); }
QString ServiceConfig::accountServer() { return value("PENLARK_ACCOUNT_SERVER", server()); }
QString ServiceConfig::analyticsServer() { return value("PENLARK_ANALYTICS_SERVER", server()); }

QString ServiceConfig::updateServer()
{
    const QString own = value("PENLARK_UPDATE_FEED");
    if (own.isEmpty())
        return server();
    return isFeedAddress(own) ? QString() : withoutTrailingSlash(own);
}

QString ServiceConfig::updateFeed()
{
    const QString own = value("PENLARK_UPDATE_FEED");
    return isFeedAddress(own) ? own : QString();
}

QString ServiceConfig::feedbackMail() { return value("PENLARK_FEEDBACK_MAIL"); }
QString ServiceConfig::ossEndpoint() { return value("PENLARK_OSS_ENDPOINT"); }
QString ServiceConfig::avatarProxy() { return value("PENLARK_AVATAR_PROXY"); }
