#include "update.h"

#include "data/global.h"
#include "data/serviceconfig.h"
#include "TovaUi/function/function.h"
#include "TovaUi/function/message.h"
#include "support/log.h"

#include <QDate>
#include <QDesktopServices>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QXmlStreamReader>

namespace {
// A stalled feed request ends as a failed check instead of hanging on.
const int feedTimeoutMs = 20000;
} // namespace

update::update(QObject* parent)
    : QObject(parent)
{
}

QUrl update::feedUrl()
{
    // A whole feed address from the configuration is taken as it is.
    const QString configured = ServiceConfig::updateFeed();
    if (!configured.isEmpty()) {
        QUrl url(configured);
        if (function::is32BitApp()) {
            QString path = url.path();
            const QString folder = QStringLiteral("/repository/");
            const int at = path.lastIndexOf(folder);
            if (at >= 0) {
                path.replace(at, folder.size(), QStringLiteral("/repository_32/"));
                url.setPath(path);
            }
        }
        return url;
    }
    const QString server = ServiceConfig::updateServer();
    if (server.isEmpty())
        return QUrl();
    return QUrl(server + QStringLiteral("/update/linux/") + global::instance()->versionType()
                + (function::is32BitApp() ? QStringLiteral("/repository_32") : QStringLiteral("/repository"))
                + QStringLiteral("/Updates.xml"));
}

QUrl update::installerUrl()
{
    const QString installer = QLatin1Char('/') + global::instance()->versionType() + QStringLiteral("/TovaWriter_installer.deb");
    const QString server = ServiceConfig::updateServer();
    if (!server.isEmpty())
        return QUrl(server + installer);
    const QUrl feed = feedUrl();
    return feed.isEmpty() ? QUrl() : feed.resolved(QUrl(installer));
}

void update::checkNewVersion() { checkNewVersion(false); }

void update::checkNewVersion(bool forceMySever)
{
    const int start = global::instance()->timeElapsed();
    m_forceMySever = forceMySever;
    if (m_hasNewVerison)
        install();
    if (!function::isUpdateSelf())
        return;

    const QUrl url = feedUrl();
    logDebug(lcApp) << "updating url:" << url.toString();
    if (!url.isValid() || url.isEmpty()) {
        connectFailed();
        return;
    }
    QNetworkRequest request(url);
    request.setTransferTimeout(feedTimeoutMs);
    QNetworkReply* reply = global::instance()->NetworkAccessManager()->get(request);
    connect(reply, &QNetworkReply::finished, this, &update::checkFinished);
    logDebug(lcApp) << "check new version use time:" << global::instance()->timeElapsed() - start << "ms";
}

void update::checkFinished()
{
    auto* reply = qobject_cast<QNetworkReply*>(sender());
    if (!reply)
        return;
    reply->deleteLater();

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    // A transfer that broke off after a 200 delivered part of a feed at
    // best: the check failed, it found no answer.
    if (status != 200 || reply->error() != QNetworkReply::NoError) {
        logWarning(lcApp) << "update feed status:" << status << reply->errorString();
        connectFailed();
        return;
    }

    // A connection closed early can still end without an error on the
    // client's side; a body shorter than its stated length is a cut one.
    const QByteArray body = reply->readAll();
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && reply->rawHeader("Content-Encoding").isEmpty() && body.size() < length.toLongLong()) {
        logWarning(lcApp) << "update feed cut short:" << body.size() << "of" << length.toLongLong() << "bytes";
        connectFailed();
        return;
    }

    QXmlStreamReader reader(body);
    if (reader.hasError()) {
        logWarning(lcApp) << reader.errorString();
        showError(reader.errorString());
    }
    QString version;
    QString notes;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        if (reader.name() == QLatin1String("Version")) {
            version = reader.readElementText();
        } else if (reader.name() == QLatin1String("UpdateText")) {
            notes = reader.readElementText();
        } else if (reader.name() == QLatin1String("ReleaseDate")) {
            QDate::fromString(reader.readElementText(), QStringLiteral("yyyy-MM-dd"));
        }
    }
    if (reader.hasError()) {
        logWarning(lcApp) << reader.errorString();
        showError(reader.errorString());
    }

    if (isVersionBigger(version, global::instance()->version())) {
        setHasNewVerison(true);
        message::show(Message::Update, notes, version);
        setTips(tr("有新版:") + version);
    } else {
        thisIsNewVersion();
        setHasNewVerison(false);
    }
}

bool update::isVersionBigger(const QString& feed, const QString& own)
{
    const QStringList a = feed.split(QLatin1Char('.'));
    const QStringList b = own.split(QLatin1Char('.'));
    if (feed.isEmpty())
        return false;
    // Missing components read as 0, so "2.0.13.0.0" equals "2.0.13".
    const int n = qMax(a.size(), b.size());
    for (int i = 0; i < n; ++i) {
        const int x = a.value(i).toInt();
        const int y = b.value(i).toInt();
        if (x != y)
            return x > y;
    }
    return false;
}

void update::install()
{
    const QUrl url = installerUrl();
    logDebug(lcApp) << "download new version" << url.toString();
    if (!url.isEmpty())
        QDesktopServices::openUrl(url);
}

void update::showError(const QString& text) { message::show(Message::Error, text, 5000); }

void update::thisIsNewVersion() { setTips(tr("恭喜，已经是最新版了")); }

// A check that never reached the feed says so; it does not claim that this
// is the latest version.
void update::connectFailed()
{
    setTips(tr("连接更新服务器失败!"));
    setHasNewVerison(false);
}

void update::setHasNewVerison(bool value)
{
    if (m_hasNewVerison == value)
        return;
    m_hasNewVerison = value;
    emit hasNewVerisonChanged(m_hasNewVerison);
}

void update::setTips(const QString& tips)
{
    if (m_tips == tips)
        return;
    m_tips = tips;
    emit tipsChanged(m_tips);
}
