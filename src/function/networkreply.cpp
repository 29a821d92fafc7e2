#include "networkreply.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkReply>
#include <QTimer>

namespace {
const int registered = qRegisterMetaType<NetworkData>("NetworkData");

QString headerText(QNetworkReply* reply, const QByteArray& name)
{
    if (!reply->hasRawHeader(name))
        return QString();
    QByteArray value = reply->rawHeader(name);
    const int nul = value.indexOf('\0');
    if (nul >= 0)
        value.truncate(nul);
    return QString::fromUtf8(value);
}
}

NetworkReply::NetworkReply(QNetworkReply* reply)
    : QObject(nullptr)
    , m_reply(reply)
{
    Q_UNUSED(registered);
    connect(reply, &QNetworkReply::finished, this, &NetworkReply::onFinished);
}

NetworkReply::NetworkReply(const QString& failure)
    : QObject(nullptr)
{
    QTimer::singleShot(1, this, [this, failure]() {
        NetworkData d;
        d.kind = NetworkData::Kind::NoAnswer;
        d.statusCode = 0;
        d.errorString = failure;
        d.complete = true;
        emit finished(d);
    });
}

NetworkReply::~NetworkReply()
{
    if (m_reply)
        m_reply->deleteLater();
}

NetworkData NetworkReply::toData(QNetworkReply* reply)
{
    NetworkData d;
    d.statusCode = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    // A reply ended by its time limit is closed and has no body.
    if (reply->isOpen())
        d.data = reply->readAll();
    const bool failed = reply->error() != QNetworkReply::NoError;
    // Only a body that arrived as sent can be measured against its length.
    qint64 declared = -1;
    if (!failed && reply->hasRawHeader("Content-Length") && !reply->hasRawHeader("Content-Encoding")) {
        bool ok = false;
        const qint64 length = reply->rawHeader("Content-Length").trimmed().toLongLong(&ok);
        declared = ok ? length : -1;
    }
    // A connection closed within the body is not always reported by the
    // network layer: a body of another length than declared was cut short.
    const bool cut = declared >= 0 && reply->isOpen() && d.data.size() != declared;
    if (failed || cut) {
        d.errorString = cut ? cutText()
            : reply->error() == QNetworkReply::OperationCanceledError ? timeoutText()
                                                                       : reply->errorString();
        // A transfer that broke after a success status (a body cut short, a
        // dropped connection, a time limit) is a failure below HTTP: its
        // status must not read as a success, and what arrived of its body is
        // no body at all.
        if (d.statusCode < 400) {
            d.kind = NetworkData::Kind::NoAnswer;
            d.statusCode = 0;
            d.data.clear();
        }
    } else {
        d.eTag = headerText(reply, "ETag");
        d.lastModified = headerText(reply, "Last-Modified");
        d.contentMd5 = headerText(reply, "Content-MD5");
        d.contentLength = declared;
    }
    const QJsonDocument doc = QJsonDocument::fromJson(d.data);
    if (doc.isObject()) {
        const QJsonObject o = doc.object();
        const bool ok = o.value(QStringLiteral("ok")).toBool(false);
        if (!ok) {
            const QJsonValue e = o.value(QStringLiteral("error"));
            if (e.isString())
                d.errorString = e.toString();
        } else if (d.statusCode == 200) {
            d.errorString.clear();
        }
    }
    d.complete = true;
    return d;
}

QString NetworkReply::timeoutText()
{
    return tr("网络请求超时");
}

QString NetworkReply::cutText()
{
    return tr("收到的内容不完整");
}

void NetworkReply::whenFinished(QObject* context, std::function<void(const NetworkData&)> handler)
{
    connect(this, &NetworkReply::finished, context, [this, handler](const NetworkData& data) {
        deleteLater();
        handler(data);
    });
    // Without the context the reply would never be released.
    connect(context, &QObject::destroyed, this, &QObject::deleteLater);
}

void NetworkReply::onFinished()
{
    if (!m_reply)
        return;
    emit finished(toData(m_reply));
}
