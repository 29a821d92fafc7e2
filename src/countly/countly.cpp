#include "countly.h"

#include "data/global.h"
#include "data/serviceconfig.h"
#include "TovaUi/function/function.h"
#include "function/network.h"
#include "TovaUi/function/osinfo.h"
#include "support/log.h"
#include "users/userdatas.h"
#include "users/users.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRect>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>

namespace {
// A text as a JSON string literal, quotes included.
QString jsonString(const QString& text)
{
    const QByteArray doc = QJsonDocument(QJsonObject { { QStringLiteral("v"), text } }).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(doc.mid(5, doc.size() - 6));
}
}

countly::countly(QObject* parent)
    : QObject(parent)
{
}

QString countly::appKey()
{
    // Application key of this program on the analytics server.
    return QStringLiteral("5e1f0c3a7b9d2e4f6a8c0b1d3e5f7a9c2b4d6e8f");
}

void countly::start()
{
    logDebug(lcAccount) << "countly start";
    m_metrics = getOsInfo();
    m_holdTimer = new QTimer(this);
    m_activeTimer = new QTimer(this);
    connect(m_activeTimer, &QTimer::timeout, this, &countly::getActive);
    connect(m_holdTimer, &QTimer::timeout, this, &countly::hold);
    m_activeTimer->start(1000);
    m_holdTimer->start(30000);

    QUrlQuery query;
    query.addQueryItem(QStringLiteral("app_key"), appKey());
    query.addQueryItem(QStringLiteral("device_id"), function::deviceID());
    query.addQueryItem(QStringLiteral("begin_session"), QStringLiteral("1"));
    query.addQueryItem(QStringLiteral("metrics"), m_metrics);
    query.addQueryItem(QStringLiteral("hour"), QStringLiteral("8"));
    query.addQueryItem(QStringLiteral("session_duration"), QStringLiteral("30"));
    const QString user = getUserInfo();
    if (!user.isEmpty())
        query.addQueryItem(QStringLiteral("user_details"), user);
    send(query);
}

void countly::hold()
{
    if (!m_active)
        return;
    m_active = false;
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("app_key"), appKey());
    query.addQueryItem(QStringLiteral("device_id"), function::deviceID());
    query.addQueryItem(QStringLiteral("session_duration"), QStringLiteral("30"));
    const QString events = getEvents();
    if (!events.isEmpty())
        query.addQueryItem(QStringLiteral("events"), events);
    const QString user = getUserInfo();
    if (!user.isEmpty())
        query.addQueryItem(QStringLiteral("user_details"), user);
    send(query);
}

void countly::stop()
{
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("app_key"), appKey());
    query.addQueryItem(QStringLiteral("device_id"), function::deviceID());
    send(query);
}

void countly::getActive()
{
    // The session counts as active while the main window is.
    if (global::instance()->isAppAction())
        m_active = true;
}

void countly::send(const QUrlQuery& query)
{
    const QString base = ServiceConfig::analyticsServer();
    if (base.isEmpty())
        return;
    QUrl url(base);
    url.setPath(url.path().replace(QRegularExpression(QStringLiteral("/+$")), QString()) + QStringLiteral("/i"));
    url.setQuery(query);
    NetworkReply* reply = network::get(QNetworkRequest(url));
    connect(reply, &NetworkReply::finished, reply, &QObject::deleteLater);
}

QString countly::getOsInfo() const
{
    const QRect r = osInfo::screenRect();
    // Written by hand to keep the key order.
    const QString resolution = QString::number(r.right() - r.left() + 1) + QLatin1Char('x')
        + QString::number(r.bottom() - r.top() + 1);
    return QStringLiteral("{\"_app_version\":%1,\"_os\":%2,\"_os_version\":%3,\"_resolution\":%4}")
        .arg(jsonString(QStringLiteral("2.0.13")), jsonString(osInfo::osName()), jsonString(osInfo::osVersion()), jsonString(resolution));
}

QString countly::getUserInfo() const
{
    UserDatas* d = Users::instance()->getUserData();
    if (d->error_code() != 0 || d->login().isEmpty() || !d->logined())
        return QString();
    return QStringLiteral("{\"email\":%1,\"name\":%2,\"picture\":%3,\"username\":%2}")
        .arg(jsonString(d->email()), jsonString(d->login()), jsonString(d->avatar_url()));
}

QString countly::getEvents() const
{
    if (m_events.isEmpty())
        return QString();
    QStringList parts;
    for (auto it = m_events.constBegin(); it != m_events.constEnd(); ++it)
        parts << QStringLiteral("{\"key\":\"%1\",\"count\":%2}").arg(it.key(), QString::number(it.value().toInt()));
    return QLatin1Char('[') + parts.join(QLatin1Char(',')) + QLatin1Char(']');
}

void countly::addEvent(const QString& key)
{
    m_events.insert(key, m_events.value(key, 0).toInt() + 1);
}

void countly::clearEvents()
{
    m_events.clear();
}

void countly::setEvents_countly(QMap<QString, QVariant> events)
{
    m_events = events;
}
