#include "oss.h"

#include "data/serviceconfig.h"
#include "function/datareply.h"
#include "function/function.h"
#include "function/network.h"
#include "function/osslistreply.h"
#include "function/osspolicytokenreply.h"
#include "function/ossreply.h"
#include "function/ststokenreply.h"
#include "support/log.h"
#include "users/userdatas.h"
#include "users/users.h"

#include <QDateTime>
#include <QDomDocument>
#include <QHash>
#include <QHttpMultiPart>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>
#include <QUuid>

namespace {
const char* const bucketName = "lumoranking";

// The token request of the signed-in account, sent whether or not anyone is
// signed in (the account server then refuses it).
NetworkReply* tokenRequest(const QString& path)
{
    UserDatas* user = Users::instance()->getUserData();
    QNetworkRequest request(QUrl(network::accountUrl(path), QUrl::TolerantMode));
    request.setRawHeader("Authorization", network::basicAuthorization(user->login(), user->password()));
    return network::get(request);
}

// The object store's own address when configuration overrides the one the
// account server hands out.
QString hostOverride(const QString& given)
{
    const QString configured = ServiceConfig::ossEndpoint();
    return configured.isEmpty() ? given : configured;
}

template <typename Reply, typename Result>
void emitLater(Reply* reply, const Result& result)
{
    QTimer::singleShot(1, reply, [reply, result]() {
        emit reply->finished(result);
        reply->deleteLater();
    });
}

void finishData(DataReply* reply, const NetworkData& data)
{
    emit reply->finished(data);
    reply->deleteLater();
}
} // namespace

oss::oss(QObject* parent)
    : QObject(parent)
{
    qRegisterMetaType<NetworkData>("NetworkData");
    qRegisterMetaType<oss::ossStsToken>("oss::ossStsToken");
    qRegisterMetaType<oss::ossPolicyToken>("oss::ossPolicyToken");
    qRegisterMetaType<oss::OssList>("oss::OssList");
}

NetworkData oss::tokenFailure()
{
    NetworkData d;
    d.statusCode = 406;
    d.errorString = QStringLiteral("can not get token");
    d.complete = false;
    return d;
}

// ---- credentials --------------------------------------------------------------

namespace {
// The cached token while it is good for 20 more seconds, else the fetch in
// flight, else a new fetch: every caller in the meantime shares one request.
template <typename Reply, typename Token, typename Fetch>
Reply* tokenReply(const Token& cached, QPointer<Reply>& inFlight, Fetch fetch)
{
    if (cached.valid && cached.expire - 20 > static_cast<qint32>(QDateTime::currentSecsSinceEpoch())) {
        auto* reply = new Reply();
        // The cache only changes when a fetch ends, and none runs while it
        // is fresh, so the value now is the value when the timer fires.
        QTimer::singleShot(1, reply, [reply, cached]() {
            emit reply->finished(cached);
            reply->deleteLater();
        });
        return reply;
    }
    if (inFlight)
        return inFlight;
    auto* reply = new Reply();
    inFlight = reply;
    fetch(reply);
    return reply;
}
} // namespace

StsTokenReply* oss::getStsToken()
{
    return tokenReply(stsToken, stsReply, [this](StsTokenReply* reply) {
        auto* wrapped = new OssReply(tokenRequest(QStringLiteral("/api/v2/ranking/ststoken")));
        connect(wrapped, &OssReply::finished, this, [this, reply, wrapped](NetworkData data) {
            const ossStsToken token = dataToOssStsToken(data);
            stsReply = nullptr;
            emit reply->finished(token);
            reply->deleteLater();
            wrapped->deleteLater();
        });
    });
}

OssPolicyTokenReply* oss::getPolicyToken()
{
    return tokenReply(policyToken, policyReply, [this](OssPolicyTokenReply* reply) {
        NetworkReply* request = tokenRequest(QStringLiteral("/api/v2/ranking/osstoken"));
        connect(request, &NetworkReply::finished, this, [this, reply, request](NetworkData data) {
            dataToOssPolicyToken(data);
            policyReply = nullptr;
            emit reply->finished(policyToken);
            reply->deleteLater();
            request->deleteLater();
        });
    });
}

namespace {
// The "data" object of a token reply with "ok" true; false otherwise.
bool tokenData(const NetworkData& data, QJsonObject& out)
{
    if (!data.errorString.isEmpty())
        return false;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(data.data, &error);
    if (error.error != QJsonParseError::NoError)
        return false;
    const QJsonObject root = doc.object();
    if (!root.value(QStringLiteral("ok")).toBool(false))
        return false;
    out = root.value(QStringLiteral("data")).toObject();
    return true;
}
} // namespace

oss::ossStsToken oss::dataToOssStsToken(const NetworkData& data)
{
    ossStsToken token;
    QJsonObject o;
    if (tokenData(data, o)) {
        token.valid = true;
        token.accesskeyid = o.value(QStringLiteral("accesskeyid")).toString();
        token.accesskeysecret = o.value(QStringLiteral("accesskeysecret")).toString();
        token.securitytoken = o.value(QStringLiteral("securitytoken")).toString();
        token.endpoint = o.value(QStringLiteral("endpoint")).toString();
        token.host = hostOverride(o.value(QStringLiteral("host")).toString());
        token.expire = o.value(QStringLiteral("expire")).toInt(0);
    }
    stsToken = token;
    return token;
}

oss::ossPolicyToken oss::dataToOssPolicyToken(const NetworkData& data)
{
    if (!data.errorString.isEmpty())
        PLOG << "policy token:" << data.errorString;
    ossPolicyToken token;
    QJsonObject o;
    if (tokenData(data, o)) {
        token.valid = true;
        token.dir = o.value(QStringLiteral("dir")).toString();
        token.host = hostOverride(o.value(QStringLiteral("host")).toString());
        token.expire = o.value(QStringLiteral("expire")).toInt(0);
        token.policy = o.value(QStringLiteral("policy")).toString().toUtf8();
        token.signature = o.value(QStringLiteral("signature")).toString().toUtf8();
        token.accessid = o.value(QStringLiteral("accessid")).toString().toUtf8();
    }
    policyToken = token;
    return token;
}

QString oss::getSignature(QString verb, QString key, QString date, oss::ossStsToken token)
{
    QString resource = QLatin1Char('/') + QLatin1String(bucketName);
    if (!key.startsWith(QLatin1Char('/')))
        resource += QLatin1Char('/');
    resource += key;
    const QString toSign = verb + QStringLiteral("\n\n\n") + date + QStringLiteral("\nx-oss-security-token:")
        + token.securitytoken + QLatin1Char('\n') + resource;
    const QString signature = function::hmacSha1(token.accesskeysecret.toUtf8(), toSign.toUtf8());
    return QStringLiteral("OSS ") + token.accesskeyid + QLatin1Char(':') + signature;
}

// ---- header-signed operations -----------------------------------------------

DataReply* oss::signedRequest(Verb verb, const QString& key, const QByteArray& body, const QString& query)
{
    auto* reply = new DataReply();
    StsTokenReply* token = getStsToken();
    connect(token, &StsTokenReply::finished, reply, [reply, verb, key, body, query](oss::ossStsToken t) {
        if (!t.valid) {
            if (!query.isNull())
                PLOG << "406:" << "can not get token";
            finishData(reply, tokenFailure());
            return;
        }
        // A listing goes to the bucket itself and signs the resource "/".
        const bool listing = !query.isNull();
        QUrl url(listing ? t.host : t.host + QLatin1Char('/') + function::urlEncode(key), QUrl::TolerantMode);
        if (listing)
            url.setQuery(query, QUrl::StrictMode);
        QNetworkRequest request(url);
        const QString date = function::timeToGMT(QDateTime::currentSecsSinceEpoch() + 180);
        const QString verbText = verb == Verb::Get ? QStringLiteral("GET")
            : verb == Verb::Put                    ? QStringLiteral("PUT")
                                                   : QStringLiteral("DELETE");
        request.setRawHeader("Date", date.toUtf8());
        request.setRawHeader("x-oss-security-token", t.securitytoken.toUtf8());
        request.setRawHeader("Authorization", getSignature(verbText, listing ? QStringLiteral("/") : key, date, t).toUtf8());
        NetworkReply* sent = verb == Verb::Get ? network::get(request)
            : verb == Verb::Put                ? network::put(request, body)
                                               : network::deleteRequest(request);
        connect(sent, &NetworkReply::finished, reply, [reply, sent, verb](NetworkData data) {
            if (verb == Verb::Put && data.statusCode != 200) {
                PLOG << data.errorString;
                PLOG << data.statusCode;
                PLOG << data.data;
            }
            sent->deleteLater();
            finishData(reply, data);
        });
    });
    return reply;
}

DataReply* oss::getList(const QString& prefix, QString delimiter, QString marker)
{
    // Built by hand so every value is percent-encoded the same way, "/"
    // included, and the empty items stay present.
    QString query = QStringLiteral("prefix=") + function::urlEncode(prefix) + QStringLiteral("&delimiter=")
        + function::urlEncode(delimiter);
    if (!marker.isEmpty())
        query += QStringLiteral("&marker=") + function::urlEncode(marker);
    query += QStringLiteral("&max-keys=500");
    return signedRequest(Verb::Get, QString(), QByteArray(), query);
}

DataReply* oss::getObject(const QString& key)
{
    return signedRequest(Verb::Get, key, QByteArray(), QString());
}

DataReply* oss::putObject(const QString& key, const QByteArray& data, QByteArray contentType)
{
    Q_UNUSED(contentType);
    return signedRequest(Verb::Put, key, data, QString());
}

DataReply* oss::deleteObject(QString key)
{
    PLOG << "delete:" << key;
    return signedRequest(Verb::Delete, key, QByteArray(), QString());
}

// ---- listing ------------------------------------------------------------------

bool oss::parseListPage(const QByteArray& xml, OssList& list)
{
    QDomDocument doc;
    if (!doc.setContent(xml, false))
        return false;
    const QDomElement root = doc.documentElement();
    if (root.tagName() != QLatin1String("ListBucketResult"))
        return false;
    for (QDomElement e = root.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        const QString name = e.tagName();
        if (name == QLatin1String("Contents")) {
            OssListContent c;
            static const QHash<QString, QString OssListContent::*> fields {
                { QStringLiteral("Key"), &OssListContent::Key },
                { QStringLiteral("LastModified"), &OssListContent::LastModified },
                { QStringLiteral("ETag"), &OssListContent::ETag },
                { QStringLiteral("Type"), &OssListContent::Type },
                { QStringLiteral("Size"), &OssListContent::Size },
                { QStringLiteral("StorageClass"), &OssListContent::StorageClass },
                { QStringLiteral("Owner"), &OssListContent::Owner },
            };
            // The last child of a name wins; Owner runs its children's texts together.
            for (QDomElement f = e.firstChildElement(); !f.isNull(); f = f.nextSiblingElement()) {
                if (const auto field = fields.value(f.tagName()))
                    c.*field = f.text();
            }
            list.contents << c;
        } else if (name == QLatin1String("IsTruncated")) {
            list.isTruncated = e.text() == QLatin1String("true");
        } else if (name == QLatin1String("NextMarker")) {
            list.nextMarker = e.text();
        }
    }
    return true;
}

OssListReply* oss::getFullList(const QString& prefix, QString delimiter)
{
    auto* outer = new OssListReply();
    auto* inner = new OssListReply();
    connect(inner, &OssListReply::finished, this, [this, outer, inner, prefix, delimiter](oss::OssList list) {
        if (list.isTruncated) {
            getMoreList(inner, prefix, delimiter, list.nextMarker);
            return;
        }
        emit outer->finished(list);
        outer->deleteLater();
        inner->deleteLater();
    });
    getMoreList(inner, prefix, delimiter, QString());
    return outer;
}

void oss::getMoreList(OssListReply* reply, QString prefix, QString delimiter, QString marker)
{
    DataReply* page = getList(prefix, delimiter, marker);
    connect(page, &DataReply::finished, reply, [reply, marker](NetworkData d) {
        OssList& list = reply->list;
        if (d.statusCode == 200) {
            list.statusCode = 200;
            list.errorString = d.errorString;
            list.isTruncated = false;
            const bool parsed = parseListPage(d.data, list);
            // A page that is no listing, or a truncated page that names no new
            // marker, would ask for the same page forever: it ends the listing.
            if (!parsed || (list.isTruncated && (list.nextMarker.isEmpty() || list.nextMarker == marker)))
                list.isTruncated = false;
        } else {
            PLOG << "code:" << d.statusCode;
            PLOG << "error:" << d.errorString;
            PLOG << "list:" << QString::fromUtf8(d.data);
            list.statusCode = d.statusCode;
            list.errorString = d.errorString;
            list.isTruncated = false;
            list.contents.clear();
        }
        emit reply->finished(list);
    });
}

// ---- policy upload ------------------------------------------------------------

DataReply* oss::postObject(const QString& key, const QByteArray& data, QString contentType)
{
    auto* reply = new DataReply();
    OssPolicyTokenReply* token = getPolicyToken();
    connect(token, &OssPolicyTokenReply::finished, reply, [reply, key, data, contentType](oss::ossPolicyToken t) {
        if (!t.valid) {
            PLOG << "can not get token:" << false;
            finishData(reply, tokenFailure());
            return;
        }
        if (key.left(t.dir.size()) != t.dir) {
            PLOG << "Error:" << "This path is not authorized by the server";
            NetworkData d;
            d.statusCode = 401;
            d.errorString = oss::tr("This path is not authorized by the server");
            finishData(reply, d);
            return;
        }
        auto* form = new QHttpMultiPart(QHttpMultiPart::FormDataType);
        const QByteArray boundary = QUuid::createUuid().toByteArray();
        form->setBoundary(boundary);
        const auto field = [form](const QByteArray& disposition, const QByteArray& body) {
            QHttpPart part;
            part.setRawHeader("Content-Disposition", disposition);
            part.setBody(body);
            form->append(part);
        };
        field("form-data; name=\"OSSAccessKeyId\"", t.accessid);
        field("form-data; name=\"policy\"", t.policy);
        field("form-data; name=\"Signature\"", t.signature);
        field("form-data; name=\"success_action_status\"", "200");
        field("form-data; name=\"key\"", key.toUtf8());
        QHttpPart file;
        file.setRawHeader("Content-Disposition", "form-data; name=\"file\"; filename=\"" + key.toUtf8() + "\"");
        file.setRawHeader("Content-Type", contentType.toUtf8());
        file.setBody(data);
        form->append(file);
        QNetworkRequest request(QUrl(t.host, QUrl::TolerantMode));
        request.setRawHeader("Content-Type", "multipart/form-data;boundary=" + boundary);
        NetworkReply* sent = network::post(request, form);
        // The form lives until the exchange is over.
        form->setParent(sent);
        connect(sent, &NetworkReply::finished, reply, [reply, sent](NetworkData d) {
            sent->deleteLater();
            finishData(reply, d);
        });
    });
    return reply;
}

DataReply* oss::postObject(const QString& key, const QString& text)
{
    return postObject(key, text.toUtf8(), QStringLiteral("text/plain"));
}
