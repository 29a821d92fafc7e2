#include "serviceconfig.h"

#include <QLoggingCategory>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QUrl>
#include <QtGlobal>

#include <mutex>

Q_LOGGING_CATEGORY(lcServiceConfig, "penlark.services")

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

void ServiceConfig::trustCaFile()
{
    static std::mutex mutex;
    static QString trusted;
    const QString path = qEnvironmentVariable("PENLARK_CA_FILE");
    std::lock_guard<std::mutex> lock(mutex);
    if (path.isEmpty() || path == trusted)
        return;
    trusted = path;
    const QList<QSslCertificate> certificates = QSslCertificate::fromPath(path, QSsl::Pem);
    if (certificates.isEmpty()) {
        qCWarning(lcServiceConfig) << "no certificate in PENLARK_CA_FILE" << path;
        return;
    }
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.addCaCertificates(certificates);
    QSslConfiguration::setDefaultConfiguration(tls);
}

QString ServiceConfig::value(const char* variable, const QString& fallback)
{
    // Every service address is asked for before its first request.
    trustCaFile();
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
