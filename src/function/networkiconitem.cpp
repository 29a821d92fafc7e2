#include "networkiconitem.h"

#include "data/global.h"
#include "TovaUi/function/function.h"
#include "function/network.h"
#include "support/log.h"

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QNetworkAccessManager>
#include <QPixmap>

namespace {
const QString defaultPicture = QStringLiteral(":/source/images/user.png");
}

networkIconItem::networkIconItem()
    : QObject(nullptr)
    , m_iconFile(defaultPicture)
{
}

networkIconItem::~networkIconItem()
{
    if (m_reply)
        m_reply->deleteLater();
}

void networkIconItem::setIconFile(const QString& file)
{
    if (m_iconFile == file)
        return;
    m_iconFile = file;
    emit iconFileChanged(file);
}

void networkIconItem::setHttpIcon(const QString& url)
{
    if (url.isEmpty()) {
        setData(QIcon(defaultPicture), Qt::DecorationRole);
        setIconFile(defaultPicture);
        return;
    }
    m_iconPath = global::tmpPath() + QDir::separator() + function::md5(url) + QStringLiteral(".jpg");
    if (QFile::exists(m_iconPath)) {
        setIconFile(m_iconPath);
        return;
    }
    QNetworkRequest request{QUrl(url)};
    if (!network::isReachable(request.url()))
        return;
    logDebug(lcAccount) << "url:" << url;
    request.setAttribute(QNetworkRequest::FollowRedirectsAttribute, true);
    if (m_reply)
        m_reply->deleteLater();
    m_reply = global::instance()->NetworkAccessManager()->get(request);
    connect(m_reply, &QNetworkReply::errorOccurred, this, &networkIconItem::NetError);
    connect(m_reply, &QNetworkReply::finished, this, &networkIconItem::getIconStandardItemFinished);
    connect(m_reply, &QNetworkReply::sslErrors, this, &networkIconItem::sslErrors);
    setIconFile(defaultPicture);
}

void networkIconItem::getIconStandardItemFinished()
{
    QNetworkReply* reply = qobject_cast<QNetworkReply*>(sender());
    if (!reply)
        return;
    logDebug(lcAccount) << "code :" << reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() == QNetworkReply::NoError) {
        QPixmap pixmap;
        pixmap.loadFromData(reply->readAll());
        const bool saved = network::saveImage(pixmap, m_iconPath);
        const QIcon icon(m_iconPath);
        setData(icon, Qt::DecorationRole);
        setData(icon, Qt::UserRole + 104);
        setIconFile(m_iconPath);
        logDebug(lcAccount) << "iconname:" << m_iconPath << "isSaved:" << (saved ? "true" : "false");
    }
    reply->deleteLater();
}

void networkIconItem::NetError(QNetworkReply::NetworkError netError)
{
    logWarning(lcAccount) << "error: " << netError;
    if (QNetworkReply* reply = qobject_cast<QNetworkReply*>(sender()))
        reply->deleteLater();
}

void networkIconItem::sslErrors(const QList<QSslError>& errors)
{
    for (const QSslError& e : errors)
        logWarning(lcAccount) << e.errorString();
    if (QNetworkReply* reply = qobject_cast<QNetworkReply*>(sender()))
        reply->deleteLater();
}
