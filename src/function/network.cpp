#include "network.h"

#include "data/global.h"
#include "data/serviceconfig.h"
#include "TovaUi/function/function.h"
#include "support/log.h"
#include "support/userfile.h"
#include "support/writenotice.h"

#include <QBuffer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QHttpMultiPart>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPixmap>
#include <QTimer>

namespace {
int g_syncTimeout = 25000;
int g_transferTimeout = 30000;
const QString defaultPicture = QStringLiteral(":/source/images/user.png");

QNetworkAccessManager* manager()
{
    return global::instance()->NetworkAccessManager();
}

QNetworkRequest imageRequest(const QString& url)
{
    QNetworkRequest request(QUrl(url, QUrl::TolerantMode));
    request.setAttribute(QNetworkRequest::FollowRedirectsAttribute, true);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::PreferCache);
    return request;
}

// Runs a synchronous GET; returns the finished reply (caller deletes) or
// null when it failed, timed out or could not be sent.
QNetworkReply* fetchNow(const QString& url)
{
    const QNetworkRequest request = imageRequest(url);
    if (!network::isReachable(request.url()))
        return nullptr;
    QNetworkReply* reply = manager()->get(request);
    if (!network::waitFor(reply)) {
        // Nothing usable arrived in time; stop the transfer.
        reply->abort();
        reply->deleteLater();
        return nullptr;
    }
    if (reply->error() != QNetworkReply::NoError) {
        reply->deleteLater();
        return nullptr;
    }
    return reply;
}
}

bool network::isReachable(const QUrl& url)
{
    return url.isValid() && !url.isRelative() && !url.host().isEmpty();
}

QString network::notConfiguredText()
{
    return tr("未配置服务器地址");
}

NetworkReply* network::refuse(const QUrl& url)
{
    logDebug(lcAccount) << "no server address for" << url.path();
    return new NetworkReply(notConfiguredText());
}

NetworkReply* network::start(QNetworkReply* reply)
{
    return new NetworkReply(reply);
}

QNetworkRequest network::limited(const QNetworkRequest& request)
{
    QNetworkRequest copy(request);
    if (copy.transferTimeout() <= 0)
        copy.setTransferTimeout(g_transferTimeout);
    return copy;
}

int network::transferTimeout()
{
    return g_transferTimeout;
}

void network::setTransferTimeout(int milliseconds)
{
    g_transferTimeout = qMax(1, milliseconds);
}

QByteArray network::basicAuthorization(const QString& user, const QString& password)
{
    const QByteArray pair = user.toLocal8Bit() + ':' + password.toLocal8Bit();
    return QByteArrayLiteral("Basic ") + pair.toBase64();
}

QString network::accountUrl(const QString& path)
{
    QString base = ServiceConfig::accountServer();
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return base + path;
}

NetworkReply* network::get(const QNetworkRequest& request)
{
    if (!isReachable(request.url()))
        return refuse(request.url());
    return start(manager()->get(limited(request)));
}

NetworkReply* network::get(const QString& url)
{
    QNetworkRequest request(QUrl(url, QUrl::TolerantMode));
    request.setAttribute(QNetworkRequest::FollowRedirectsAttribute, true);
    return get(request);
}

NetworkReply* network::getByAuth(const QString& url, const QString& user, const QString& password)
{
    QNetworkRequest request(QUrl(url, QUrl::TolerantMode));
    request.setRawHeader("Authorization", basicAuthorization(user, password));
    return get(request);
}

NetworkReply* network::deleteRequest(const QNetworkRequest& request)
{
    if (!isReachable(request.url()))
        return refuse(request.url());
    return start(manager()->deleteResource(limited(request)));
}

NetworkReply* network::post(const QNetworkRequest& request, QHttpMultiPart* multiPart)
{
    if (!isReachable(request.url()))
        return refuse(request.url());
    return start(manager()->post(limited(request), multiPart));
}

NetworkReply* network::post(const QNetworkRequest& request, QByteArray& body)
{
    if (!isReachable(request.url()))
        return refuse(request.url());
    return start(manager()->post(limited(request), body));
}

NetworkReply* network::put(const QNetworkRequest& request, const QByteArray& body)
{
    if (!isReachable(request.url()))
        return refuse(request.url());
    return start(manager()->put(limited(request), body));
}

NetworkReply* network::postByAuth(const QString& url, QByteArray& body, const QString& user, const QString& password)
{
    QNetworkRequest request(QUrl(url.arg(user), QUrl::TolerantMode));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    request.setRawHeader("Authorization", basicAuthorization(user, password));
    return post(request, body);
}

int network::syncTimeout()
{
    return g_syncTimeout;
}

void network::setSyncTimeout(int milliseconds)
{
    g_syncTimeout = milliseconds;
}

bool network::waitFor(QNetworkReply* reply)
{
    if (reply->isFinished())
        return true;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(g_syncTimeout);
    loop.exec();
    if (!timer.isActive() && !reply->isFinished())
        return false;
    timer.stop();
    return true;
}

QString network::getImage(const QString& url, bool force)
{
    if (url.isEmpty())
        return defaultPicture;
    QNetworkReply* reply = fetchNow(url);
    if (!reply)
        return QString();
    const QByteArray body = reply->readAll();
    reply->deleteLater();
    QPixmap pixmap;
    pixmap.loadFromData(body);
    pixmap.setDevicePixelRatio(function::rate());
    const QString path = global::tmpPath() + QDir::separator() + function::md5(body) + QStringLiteral(".jpg");
    if (!force && QFile::exists(path))
        return path;
    if (!saveImage(pixmap, path))
        logWarning(lcAccount) << "picture not saved:" << path;
    return path;
}

QIcon network::getIcon(const QString& url)
{
    if (url.isEmpty())
        return QIcon(defaultPicture);
    const QString path = global::tmpPath() + QDir::separator() + function::md5(url) + QStringLiteral(".jpg");
    if (QFile::exists(path))
        return QIcon(path);
    QNetworkReply* reply = fetchNow(url);
    if (!reply)
        return QIcon();
    QPixmap pixmap;
    pixmap.loadFromData(reply->readAll());
    reply->deleteLater();
    saveImage(pixmap, path);
    return QIcon(path);
}

// The cache is filled again on every download: a file is reported once until
// a write of it succeeds.
bool network::saveImage(const QPixmap& pixmap, const QString& path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (pixmap.isNull() || !buffer.open(QIODevice::WriteOnly) || !pixmap.save(&buffer, "JPG"))
        return false;
    return WriteNotice::track(tr("无法保存缓存文件："), path, UserFile::write(path, bytes));
}

QString network::errorString(int code)
{
    return tr("错误码:") + QString::number(code);
}

QString network::transformUnit(qint64 bytes, bool isSpeed)
{
    qint64 number = 0;
    QString unit = QStringLiteral(" B");
    if (bytes < 1) {
        number = 0;
    } else if (bytes < 1024) {
        number = bytes;
    } else if (bytes < 1048576) {
        number = bytes / 1024;
        unit = QStringLiteral(" KB");
    } else if (bytes < 1073741824) {
        number = bytes / 1048576;
        unit = QStringLiteral(" MB");
    } else {
        number = bytes / 1073741824;
        unit = QStringLiteral(" GB");
    }
    if (isSpeed)
        unit += QStringLiteral("/S");
    return QStringLiteral("%1%2").arg(number).arg(unit);
}
