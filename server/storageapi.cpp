#include "storageapi.h"

#include "credentialstore.h"
#include "httpdate.h"
#include "httpserver.h"
#include "objectkey.h"
#include "objectstore.h"
#include "postpolicy.h"
#include "requestsignature.h"
#include "secretcompare.h"
#include "serveroptions.h"
#include "storageaccess.h"
#include "storagexml.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QUrlQuery>

#include <httplib.h>

const QByteArray StorageApi::bucket = "lumoranking";

namespace {
QByteArray bytes(const std::string& s) { return QByteArray(s.data(), int(s.size())); }

// Query items that name a sub-resource of the storage protocol; none of
// them is served here, and their requests would sign differently.
const char* const subResources[] = { "acl",       "uploads",  "uploadId", "partNumber", "append",   "position",
                                     "delete",    "symlink",  "tagging",  "restore",    "objectMeta", "location",
                                     "cors",      "lifecycle", "logging", "website",    "referer",  "x-oss-process" };
} // namespace

StorageApi::StorageApi(const ServerOptions& options, ObjectStore& store, CredentialStore& credentials)
    : m_options(options)
    , m_store(store)
    , m_credentials(credentials)
{
}

void StorageApi::fail(httplib::Response& response, RequestContext& context, int status, const QString& code,
                      const QString& message, const Fields& extra)
{
    const QByteArray requestId = CredentialStore::randomText(24);
    HttpServer::reply(response, status, StorageXml::error(code, message, requestId, extra), "application/xml");
    response.set_header("x-oss-request-id", requestId.constData());
    context.note = code;
}

void StorageApi::handle(const httplib::Request& request, httplib::Response& response, RequestContext& context)
{
    const QByteArray root = '/' + bucket;
    QByteArray key = context.path.mid(root.size());
    if (key.startsWith('/'))
        key.remove(0, 1);
    const QUrlQuery query(QString::fromUtf8(context.query));
    for (const char* name : subResources) {
        if (query.hasQueryItem(QLatin1String(name))) {
            fail(response, context, 501, QStringLiteral("NotImplemented"), QStringLiteral("This server does not serve \"%1\".").arg(QLatin1String(name)));
            return;
        }
    }
    const std::string& method = request.method;
    if (key.isEmpty() && method == "POST") {
        postForm(request, response, context);
        return;
    }
    if (method != "GET" && method != "HEAD" && method != "PUT" && method != "DELETE") {
        fail(response, context, 405, QStringLiteral("MethodNotAllowed"), QStringLiteral("The method is not allowed here."));
        return;
    }
    if (key.isEmpty() && method != "GET" && method != "HEAD") {
        fail(response, context, 405, QStringLiteral("MethodNotAllowed"), QStringLiteral("Buckets are not created or removed here."));
        return;
    }
    StorageCredential credential;
    if (!authenticate(request, response, context, key, &credential))
        return;
    if (key.isEmpty()) {
        list(response, context, credential);
        return;
    }
    const QString problem = ObjectKey::problem(key);
    if (!problem.isEmpty()) {
        fail(response, context, 400, QStringLiteral("InvalidObjectName"), problem);
        return;
    }
    const StorageAccess::Operation operation = method == "PUT" ? StorageAccess::Operation::Write
        : method == "DELETE"                                     ? StorageAccess::Operation::Delete
                                                                 : StorageAccess::Operation::Read;
    if (!StorageAccess::allows(credential.accountName, operation, key)) {
        fail(response, context, 403, QStringLiteral("AccessDenied"), QStringLiteral("This credential does not reach the object."));
        return;
    }
    if (method == "PUT") {
        put(request, response, context, key, credential);
    } else if (method == "DELETE") {
        m_store.remove(key);
        response.status = 204;
        response.set_header("x-oss-request-id", CredentialStore::randomText(24).constData());
    } else {
        get(response, context, key);
    }
}

bool StorageApi::authenticate(const httplib::Request& request, httplib::Response& response, RequestContext& context,
                              const QByteArray& key, StorageCredential* credential)
{
    QByteArray keyId;
    QByteArray signature;
    const auto refuse = [&](const QString& code, const QString& message, const Fields& extra = Fields()) {
        ++m_signatureFailures;
        fail(response, context, 403, code, message, extra);
        return false;
    };
    if (!RequestSignature::parseAuthorization(HttpServer::header(request, "Authorization"), &keyId, &signature))
        return refuse(QStringLiteral("AccessDenied"), QStringLiteral("The request is not signed."));
    *credential = m_credentials.find(keyId);
    if (!credential->isValid() || credential->kind != "sts")
        return refuse(QStringLiteral("InvalidAccessKeyId"), QStringLiteral("The access key id does not exist."));
    context.account = credential->accountName;
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    if (credential->expires <= now)
        return refuse(QStringLiteral("SecurityTokenExpired"), QStringLiteral("The security token has expired."));
    if (!SecretCompare::equal(HttpServer::header(request, "x-oss-security-token"), credential->securityToken))
        return refuse(QStringLiteral("InvalidSecurityToken"), QStringLiteral("The security token does not belong to the access key id."));
    const QDateTime date = HttpServer::header(request, "Date").isEmpty() ? QDateTime() : HttpDate::parse(HttpServer::header(request, "Date"));
    if (!date.isValid())
        return refuse(QStringLiteral("AccessDenied"), QStringLiteral("The request has no valid Date header."));
    if (qAbs(date.toSecsSinceEpoch() - now) > m_options.maxSkew)
        return refuse(QStringLiteral("RequestTimeTooSkewed"), QStringLiteral("The difference between the request time and the server's time is too large."),
                      { { QStringLiteral("RequestTime"), QString::fromLatin1(HttpServer::header(request, "Date")) },
                        { QStringLiteral("ServerTime"), QString::fromLatin1(HttpDate::format(QDateTime::currentDateTimeUtc())) } });
    RequestSignature::Headers headers;
    for (const auto& h : request.headers)
        headers << qMakePair(bytes(h.first), bytes(h.second));
    const QByteArray text = RequestSignature::stringToSign(bytes(request.method),
                                                           headers, '/' + bucket + '/' + key);
    if (!SecretCompare::equal(RequestSignature::sign(credential->secret, text), signature))
        return refuse(QStringLiteral("SignatureDoesNotMatch"),
                      QStringLiteral("The request signature we calculated does not match the signature you provided."),
                      { { QStringLiteral("StringToSign"), QString::fromUtf8(text) } });
    return true;
}

void StorageApi::list(httplib::Response& response, RequestContext& context, const StorageCredential& credential)
{
    const QUrlQuery query(QString::fromUtf8(context.query));
    const auto item = [&query](const char* name) { return query.queryItemValue(QLatin1String(name), QUrl::FullyDecoded).toUtf8(); };
    const QByteArray prefix = item("prefix");
    const QByteArray marker = item("marker");
    const QByteArray delimiter = item("delimiter");
    int maxKeys = 100;
    if (query.hasQueryItem(QStringLiteral("max-keys"))) {
        bool ok = false;
        maxKeys = query.queryItemValue(QStringLiteral("max-keys")).toInt(&ok);
        if (!ok || maxKeys < 1 || maxKeys > 1000) {
            fail(response, context, 400, QStringLiteral("InvalidArgument"), QStringLiteral("max-keys must be from 1 to 1000."));
            return;
        }
    }
    if (!StorageAccess::allowsListing(credential.accountName, prefix)) {
        fail(response, context, 403, QStringLiteral("AccessDenied"), QStringLiteral("This credential does not reach the prefix."));
        return;
    }
    const ListPage page = m_store.list(prefix, marker, delimiter, maxKeys);
    HttpServer::reply(response, 200, StorageXml::listing(bucket, prefix, marker, delimiter, maxKeys, page), "application/xml");
    response.set_header("x-oss-request-id", CredentialStore::randomText(24).constData());
}

void StorageApi::get(httplib::Response& response, RequestContext& context, const QByteArray& key)
{
    ObjectMeta meta;
    QByteArray body;
    if (!m_store.get(key, &meta, &body)) {
        fail(response, context, 404, QStringLiteral("NoSuchKey"), QStringLiteral("The specified key does not exist."),
             { { QStringLiteral("Key"), QString::fromUtf8(key) } });
        return;
    }
    HttpServer::reply(response, 200, body,
                      meta.contentType.isEmpty() ? "application/octet-stream" : meta.contentType.constData());
    response.set_header("ETag", meta.quotedETag().constData());
    response.set_header("Last-Modified", HttpDate::format(QDateTime::fromMSecsSinceEpoch(meta.modified)).constData());
    response.set_header("x-oss-object-type", "Normal");
    response.set_header("x-oss-request-id", CredentialStore::randomText(24).constData());
}

void StorageApi::put(const httplib::Request& request, httplib::Response& response, RequestContext& context,
                     const QByteArray& key, const StorageCredential& credential)
{
    const QByteArray body = bytes(request.body);
    const QByteArray md5 = HttpServer::header(request, "Content-MD5");
    if (!md5.isEmpty() && QByteArray::fromBase64(md5) != QCryptographicHash::hash(body, QCryptographicHash::Md5)) {
        fail(response, context, 400, QStringLiteral("InvalidDigest"), QStringLiteral("The Content-MD5 you specified did not match what we received."));
        return;
    }
    ObjectMeta stored;
    if (!store(response, context, key, body, HttpServer::header(request, "Content-Type"), credential, &stored))
        return;
    response.status = 200;
}

bool StorageApi::store(httplib::Response& response, RequestContext& context, const QByteArray& key,
                       const QByteArray& body, const QByteArray& type, const StorageCredential& credential,
                       ObjectMeta* stored)
{
    if (body.size() > m_options.maxObjectSize) {
        fail(response, context, 400, QStringLiteral("EntityTooLarge"), QStringLiteral("The object is larger than this server allows."));
        return false;
    }
    QString error;
    if (!m_store.put(key, body, type.isEmpty() ? QByteArray("application/octet-stream") : type,
                     credential.accountName.toUtf8(), stored, &error)) {
        fail(response, context, 500, QStringLiteral("InternalError"), QStringLiteral("The object could not be stored: ") + error);
        return false;
    }
    response.set_header("ETag", stored->quotedETag().constData());
    response.set_header("x-oss-request-id", CredentialStore::randomText(24).constData());
    return true;
}

void StorageApi::postForm(const httplib::Request& request, httplib::Response& response, RequestContext& context)
{
    const auto field = [&request](const char* name) {
        return request.has_file(name) ? bytes(request.get_file_value(name).content) : QByteArray();
    };
    if (!request.is_multipart_form_data() || !request.has_file("file") || field("key").isEmpty()) {
        fail(response, context, 400, QStringLiteral("InvalidArgument"), QStringLiteral("A form upload needs the fields key and file."));
        return;
    }
    const QByteArray key = field("key");
    const QByteArray policy = field("policy");
    const StorageCredential credential = m_credentials.find(field("OSSAccessKeyId"));
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    if (!credential.isValid() || credential.kind != "policy") {
        ++m_signatureFailures;
        fail(response, context, 403, QStringLiteral("InvalidAccessKeyId"), QStringLiteral("The access id does not exist."));
        return;
    }
    context.account = credential.accountName;
    if (credential.expires <= now) {
        ++m_signatureFailures;
        fail(response, context, 403, QStringLiteral("AccessDenied"), QStringLiteral("The policy credential has expired."));
        return;
    }
    if (!SecretCompare::equal(RequestSignature::sign(credential.secret, policy), field("Signature"))) {
        ++m_signatureFailures;
        fail(response, context, 403, QStringLiteral("SignatureDoesNotMatch"), QStringLiteral("The policy signature does not match."));
        return;
    }
    const httplib::MultipartFormData file = request.get_file_value("file");
    const QByteArray body = bytes(file.content);
    QString problem;
    if (!PostPolicy::admits(policy, key, body.size(), now, &problem)) {
        fail(response, context, 403, QStringLiteral("AccessDenied"), problem);
        return;
    }
    problem = ObjectKey::problem(key);
    if (!problem.isEmpty()) {
        fail(response, context, 400, QStringLiteral("InvalidObjectName"), problem);
        return;
    }
    if (!StorageAccess::allows(credential.accountName, StorageAccess::Operation::Write, key)) {
        fail(response, context, 403, QStringLiteral("AccessDenied"), QStringLiteral("This credential does not reach the object."));
        return;
    }
    QByteArray type = bytes(file.content_type);
    if (type.isEmpty())
        type = field("Content-Type");
    ObjectMeta stored;
    if (!store(response, context, key, body, type, credential, &stored))
        return;
    const QByteArray status = field("success_action_status");
    if (status == "200") {
        response.status = 200;
    } else if (status == "201") {
        const QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<PostResponse><Bucket>" + bucket
            + "</Bucket><ETag>" + stored.quotedETag() + "</ETag><Key>" + QString::fromUtf8(key).toHtmlEscaped().toUtf8()
            + "</Key><Location>" + context.publicBase.toUtf8() + '/' + bucket + '/'
            + QString::fromUtf8(key).toHtmlEscaped().toUtf8() + "</Location></PostResponse>";
        HttpServer::reply(response, 201, xml, "application/xml");
    } else {
        response.status = 204;
    }
}
