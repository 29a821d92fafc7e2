#include "oss.h"

#include "data/serviceconfig.h"
#include "function/datareply.h"
#include "function/downloadthread.h"
#include "TovaUi/function/function.h"
#include "function/network.h"
#include "function/osslistreply.h"
#include "function/ossxml.h"
#include "function/osspolicytokenreply.h"
#include "function/ossreply.h"
#include "function/ststokenreply.h"
#include "function/storerefusal.h"
#include "function/transfercheck.h"
#include "support/log.h"
#include "users/userdatas.h"
#include "users/userinfo.h"
#include "users/users.h"

#include <QDateTime>
#include <QHash>
#include <QHttpMultiPart>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>
#include <QUuid>

namespace {
const char* const bucketName = "lumoranking";

QString currentLogin()
{
    return Users::instance()->getUserData()->login();
}

// The token request of the signed-in account, sent whether or not anyone is
// signed in (the account server then refuses it). A refusal of the
// account's password (401) is told to the account client, which signs the
// writer out while these are still the session's credentials.
NetworkReply* tokenRequest(const QString& path)
{
    UserDatas* user = Users::instance()->getUserData();
    QNetworkRequest request(QUrl(network::accountUrl(path), QUrl::TolerantMode));
    request.setRawHeader("Authorization", network::basicAuthorization(user->login(), user->password()));
    NetworkReply* reply = network::get(request);
    QObject::connect(reply, &NetworkReply::finished, reply, [login = user->login(), password = user->password()](const NetworkData& d) {
        if (d.kind == NetworkData::Kind::Answer && d.statusCode == 401)
            Users::instance()->getUserInfo()->credentialsRefused(login, password);
    });
    return reply;
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
    // Credentials of a session that ended are never used again.
    connect(Users::instance()->getUserData(), &UserDatas::loginedChanged, this, [this](bool signedIn) {
        if (signedIn)
            return;
        stsToken = ossStsToken();
        policyToken = ossPolicyToken();
        stsReply = nullptr;
        policyReply = nullptr;
        stsOwner.clear();
        policyOwner.clear();
    });
}

void oss::setClockProblem(const QString& problem)
{
    if (problem == m_clockProblem)
        return;
    m_clockProblem = problem;
    if (!problem.isEmpty())
        logWarning(lcSync) << "the store refuses this device's clock:" << problem;
    emit clockProblemChanged(problem);
}

NetworkData oss::keyFailure()
{
    NetworkData d;
    d.kind = NetworkData::Kind::NoKey;
    d.statusCode = 0;
    d.errorString = QStringLiteral("no object key");
    d.complete = false;
    return d;
}

bool oss::isObjectKey(const QString& key)
{
    return !QString(key).remove(QLatin1Char('/')).isEmpty();
}

NetworkData oss::checkedDownload(NetworkData d, const QString& listedETag)
{
    if (d.statusCode == 200) {
        const TransferCheck::Result check = TransferCheck::download(d, listedETag);
        if (!check.ok()) {
            logWarning(lcSync) << "download not verified:" << check.reason << d.data.size() << "bytes, ETag" << d.eTag;
            return failed(d, check.reason);
        }
    } else if (d.statusCode == 404) {
        // Only the store's own word counts as "no such object"; any other
        // 404 (a proxy's page) says nothing about the object.
        if (OssXml::errorCode(d.data) != QLatin1String("NoSuchKey")) {
            logDebug(lcSync) << "404 without NoSuchKey";
            return failed(d, notStoreAnswerText());
        }
    }
    return d;
}

NetworkData oss::checkedUpload(NetworkData d, const QByteArray& sent)
{
    if (d.statusCode != 200)
        return d;
    const TransferCheck::Result check = TransferCheck::upload(d, sent);
    if (check.ok())
        return d;
    logWarning(lcSync) << "upload not confirmed:" << check.reason << "ETag" << d.eTag;
    return failed(d, check.reason);
}

NetworkData oss::failed(const NetworkData& d, const QString& reason)
{
    NetworkData f;
    f.kind = NetworkData::Kind::Unverified;
    f.statusCode = 0;
    f.errorString = reason;
    f.complete = d.complete;
    return f;
}

QString oss::notListingText()
{
    return tr("云端的回答不是文件列表");
}

QString oss::notStoreAnswerText()
{
    return tr("云端的回答不是存储服务的回答");
}

NetworkData oss::tokenFailure()
{
    NetworkData d;
    d.kind = NetworkData::Kind::NoCredentials;
    d.statusCode = 0;
    d.errorString = QStringLiteral("can not get token");
    d.complete = false;
    return d;
}

// ---- credentials --------------------------------------------------------------

namespace {
// The cached token while it is good for 20 more seconds, else the fetch in
// flight, else a new fetch: every caller in the meantime shares one request.
// A token serves only the account it was fetched for: after a change of
// account the next request fetches anew and never shares the old fetch.
template <typename Reply, typename Token, typename Fetch>
Reply* tokenReply(const Token& cached, QPointer<Reply>& inFlight, QString& owner, Fetch fetch)
{
    const QString login = currentLogin();
    if (owner != login) {
        inFlight = nullptr;
    } else if (cached.valid && cached.expire - 20 > static_cast<qint32>(QDateTime::currentSecsSinceEpoch())) {
        auto* reply = new Reply();
        // The token as it is now, also if a sign-out clears the cache
        // before the timer fires.
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
    owner = login;
    fetch(reply);
    return reply;
}
} // namespace

StsTokenReply* oss::getStsToken()
{
    return tokenReply(stsToken, stsReply, stsOwner, [this](StsTokenReply* reply) {
        auto* wrapped = new OssReply(tokenRequest(QStringLiteral("/api/v2/ranking/ststoken")));
        connect(wrapped, &OssReply::finished, this, [this, reply, wrapped](NetworkData data) {
            // A fetch overtaken by a change of account leaves the cache alone.
            const ossStsToken token = stsReply == reply ? dataToOssStsToken(data) : ossStsToken();
            if (stsReply == reply)
                stsReply = nullptr;
            emit reply->finished(token);
            reply->deleteLater();
            wrapped->deleteLater();
        });
    });
}

OssPolicyTokenReply* oss::getPolicyToken()
{
    return tokenReply(policyToken, policyReply, policyOwner, [this](OssPolicyTokenReply* reply) {
        NetworkReply* request = tokenRequest(QStringLiteral("/api/v2/ranking/osstoken"));
        connect(request, &NetworkReply::finished, this, [this, reply, request](NetworkData data) {
            const bool current = policyReply == reply;
            if (current) {
                dataToOssPolicyToken(data);
                policyReply = nullptr;
            }
            emit reply->finished(current ? policyToken : ossPolicyToken());
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
        logWarning(lcSync) << "policy token:" << data.errorString;
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

bool oss::credentialRevoked(const NetworkData& answer)
{
    if (answer.kind != NetworkData::Kind::Answer || answer.statusCode != 403)
        return false;
    const QString code = OssXml::errorCode(answer.data);
    return code == QLatin1String("InvalidAccessKeyId") || code == QLatin1String("SecurityTokenExpired")
        || code == QLatin1String("InvalidSecurityToken");
}

void oss::withStsToken(DataReply* reply, const Send& send, bool retried)
{
    const QPointer<oss> self(this);
    connect(getStsToken(), &StsTokenReply::finished, reply, [self, reply, send, retried](oss::ossStsToken t) {
        if (!t.valid) {
            logWarning(lcSync) << "can not get token";
            finishData(reply, tokenFailure());
            return;
        }
        send(t, [self, reply, send, retried, t](const NetworkData& d) {
            if (!retried && self && credentialRevoked(d)) {
                logWarning(lcSync) << "the store no longer takes the credentials:" << OssXml::errorCode(d.data);
                if (self->stsToken.accesskeyid == t.accesskeyid)
                    self->stsToken = ossStsToken();
                self->withStsToken(reply, send, true);
                return;
            }
            finishData(reply, d);
        });
    });
}

DataReply* oss::signedRequest(Verb verb, const QString& key, const QByteArray& body, const QString& query,
                              const QString& listedETag)
{
    auto* reply = new DataReply();
    // No request goes out for an object without a key: it would name the
    // bucket itself (a sign-out during a sync left such keys behind).
    if (query.isNull() && !isObjectKey(key)) {
        logWarning(lcSync) << "refused: no object key";
        emitLater(reply, keyFailure());
        return reply;
    }
    const QPointer<oss> self(this);
    withStsToken(reply, [self, reply, verb, key, body, query, listedETag](const ossStsToken& t, const Done& done) {
        // A listing goes to the bucket itself and signs the resource "/".
        const bool listing = !query.isNull();
        const QString verbText = verb == Verb::Get ? QStringLiteral("GET")
            : verb == Verb::Put                    ? QStringLiteral("PUT")
                                                   : QStringLiteral("DELETE");
        QNetworkRequest request = objectRequest(verbText, listing ? QString() : key, t);
        if (listing) {
            QUrl url(t.host, QUrl::TolerantMode);
            url.setQuery(query, QUrl::StrictMode);
            request.setUrl(url);
        }
        NetworkReply* sent = verb == Verb::Get ? network::get(request)
            : verb == Verb::Put                ? network::put(request, body)
                                               : network::deleteRequest(request);
        connect(sent, &NetworkReply::finished, reply, [self, sent, verb, listing, body, listedETag, done](NetworkData data) {
            if (verb == Verb::Put && data.statusCode != 200) {
                logWarning(lcSync) << data.errorString;
                logDebug(lcSync) << data.statusCode;
                logDebug(lcSync) << data.data;
            }
            sent->deleteLater();
            if (verb == Verb::Get && !listing)
                data = checkedDownload(data, listedETag);
            else if (verb == Verb::Put)
                data = checkedUpload(data, body);
            // A refusal says why in words; one for the device's clock is
            // also announced, for the pages that read the store.
            const QString refused = StoreRefusal::text(data);
            if (!refused.isEmpty())
                data.errorString = refused;
            if (self && data.kind == NetworkData::Kind::Answer)
                self->setClockProblem(StoreRefusal::clockText(data));
            done(data);
        });
    });
    return reply;
}

// A signed request for the object (the bucket itself, resource "/", when
// the key is null).
QNetworkRequest oss::objectRequest(const QString& verb, const QString& key, const ossStsToken& token)
{
    QNetworkRequest request(QUrl(key.isNull() ? token.host : token.host + QLatin1Char('/') + function::urlEncode(key),
                                 QUrl::TolerantMode));
    const QString date = function::timeToGMT(QDateTime::currentSecsSinceEpoch() + 180);
    request.setRawHeader("Date", date.toUtf8());
    request.setRawHeader("x-oss-security-token", token.securitytoken.toUtf8());
    request.setRawHeader("Authorization",
                         getSignature(verb, key.isNull() ? QStringLiteral("/") : key, date, token).toUtf8());
    return request;
}

DataReply* oss::getBoundedObject(const QString& key, qint64 maxBytes, const QString& listedETag,
                                 const DownloadThread::Pace& pace)
{
    auto* reply = new DataReply();
    if (!isObjectKey(key)) {
        logWarning(lcSync) << "refused: no object key";
        emitLater(reply, keyFailure());
        return reply;
    }
    withStsToken(reply, [reply, key, maxBytes, listedETag, pace](const ossStsToken& t, const Done& done) {
        DownloadThread::instance()->get(objectRequest(QStringLiteral("GET"), key, t), maxBytes, listedETag, reply, done,
                                        pace);
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
    return signedRequest(Verb::Get, QString(), QByteArray(), query, QString());
}

DataReply* oss::getObject(const QString& key, const QString& listedETag)
{
    return signedRequest(Verb::Get, key, QByteArray(), QString(), listedETag);
}

DataReply* oss::putObject(const QString& key, const QByteArray& data, QByteArray contentType)
{
    Q_UNUSED(contentType);
    return signedRequest(Verb::Put, key, data, QString(), QString());
}

DataReply* oss::deleteObject(QString key)
{
    logDebug(lcSync) << "delete:" << key;
    return signedRequest(Verb::Delete, key, QByteArray(), QString(), QString());
}

// ---- listing ------------------------------------------------------------------

bool oss::parseListPage(const QByteArray& xml, OssList& list)
{
    return OssXml::readListPage(xml, list);
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
            list.kind = d.kind;
            list.statusCode = 200;
            list.errorString = d.errorString;
            list.isTruncated = false;
            // A page that is no listing (a proxy's page, a broken or hostile
            // answer), or a truncated page that names no new marker, fails
            // the whole listing: the caller must not take it for the bucket.
            QString failure;
            if (!parseListPage(d.data, list))
                failure = notListingText();
            else if (list.isTruncated && (list.nextMarker.isEmpty() || list.nextMarker == marker))
                failure = tr("云端文件列表不完整");
            if (!failure.isEmpty()) {
                logWarning(lcSync) << "listing page refused:" << failure << d.data.size() << "bytes";
                list.kind = NetworkData::Kind::Unverified;
                list.statusCode = 0;
                list.errorString = failure;
                list.isTruncated = false;
                list.contents.clear();
            }
        } else {
            logDebug(lcSync) << "code:" << d.statusCode;
            logWarning(lcSync) << "error:" << d.errorString;
            logDebug(lcSync) << "list:" << QString::fromUtf8(d.data);
            list.kind = d.kind;
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
    if (!isObjectKey(key)) {
        logWarning(lcSync) << "refused: no object key";
        emitLater(reply, keyFailure());
        return reply;
    }
    postWithPolicy(reply, key, data, contentType, false);
    return reply;
}

void oss::postWithPolicy(DataReply* reply, const QString& key, const QByteArray& data, const QString& contentType, bool retried)
{
    const QPointer<oss> self(this);
    OssPolicyTokenReply* token = getPolicyToken();
    connect(token, &OssPolicyTokenReply::finished, reply, [self, reply, key, data, contentType, retried](oss::ossPolicyToken t) {
        if (!t.valid) {
            logWarning(lcSync) << "can not get token:" << false;
            finishData(reply, tokenFailure());
            return;
        }
        if (key.left(t.dir.size()) != t.dir) {
            logWarning(lcSync) << "Error:" << "This path is not authorized by the server";
            NetworkData d;
            d.kind = NetworkData::Kind::OutsidePolicy;
            d.statusCode = 0;
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
        connect(sent, &NetworkReply::finished, reply, [self, reply, sent, key, data, contentType, retried, t](NetworkData d) {
            sent->deleteLater();
            // A policy revoked by a password change: once more with a new one.
            if (!retried && self && d.kind == NetworkData::Kind::Answer && d.statusCode == 403
                && OssXml::errorCode(d.data) == QLatin1String("InvalidAccessKeyId")) {
                logWarning(lcSync) << "the store no longer takes the upload policy";
                if (self->policyToken.accessid == t.accessid)
                    self->policyToken = ossPolicyToken();
                self->postWithPolicy(reply, key, data, contentType, true);
                return;
            }
            finishData(reply, checkedUpload(d, data));
        });
    });
}

DataReply* oss::postObject(const QString& key, const QString& text)
{
    return postObject(key, text.toUtf8(), QStringLiteral("text/plain"));
}
