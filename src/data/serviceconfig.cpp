#include "serviceconfig.h"

#include <QtGlobal>

QString ServiceConfig::value(const char* variable, const QString& fallback)
{
    const QString v = qEnvironmentVariable(variable);
    return v.isEmpty() ? fallback : v;
}

QString ServiceConfig::accountServer() { return value("PENLARK_ACCOUNT_SERVER"); }
QString ServiceConfig::analyticsServer() { return value("PENLARK_ANALYTICS_SERVER"); }
QString ServiceConfig::updateFeed() { return value("PENLARK_UPDATE_FEED"); }
QString ServiceConfig::feedbackMail() { return value("PENLARK_FEEDBACK_MAIL"); }
QString ServiceConfig::ossEndpoint() { return value("PENLARK_OSS_ENDPOINT"); }
QString ServiceConfig::avatarProxy() { return value("PENLARK_AVATAR_PROXY"); }
