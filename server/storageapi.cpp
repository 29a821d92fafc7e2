#include "storageapi.h"

#include "byterange.h"
#include "credentialstore.h"
#include "httpdate.h"
#include "httpserver.h"
#include "objectkey.h"
#include "objectstore.h"
#include "postpolicy.h"
#include "requestbody.h"
#include "requestsignature.h"
#include "secretcompare.h"
#include "serveroptions.h"
#include "storageaccess.h"
#include "storagexml.h"

#include <QDateTime>
#include <QFile>
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
        QString error;
        if (m_store.remove(key, &error) == ObjectStore::Removal::Failed) {
            fail(response, context, 500, QStringLiteral("InternalError"), QStringLiteral("The object could not be removed: ") + error);
            return;
        }
        response.status = 204;
        response.set_header("x-oss-request-id", CredentialStore::randomText(24).constData());
    } else {
        get(request, response, context, key);
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
    bool failed = false;
    *credential = m_credentials.find(keyId, &failed);
    if (failed) {
        fail(response, context, 503, QStringLiteral("ServiceUnavailable"), QStringLiteral("The service is not available now; please try again."));
        return false;
    }
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

void StorageApi::get(const httplib::Request& request, httplib::Response& response, RequestContext& context,
                     const QByteArray& key)
{
    ObjectMeta meta;
    auto file = std::make_shared<QFile>();
    if (!m_store.open(key, &meta, file.get())) {
        fail(response, context, 404, QStringLiteral("NoSuchKey"), QStringLiteral("The specified key does not exist."),
             { { QStringLiteral("Key"), QString::fromUtf8(key) } });
        return;
    }
    const QByteArray modified = HttpDate::format(QDateTime::fromMSecsSinceEpoch(meta.modified));
    const ByteRange range = ByteRange::select(context.range, HttpServer::header(request, "If-Range"), meta.size,
                                              { meta.quotedETag(), modified });
    if (range.kind() == ByteRange::Kind::Unsatisfiable) {
        fail(response, context, 416, QStringLiteral("InvalidRange"), QStringLiteral("The requested range cannot be satisfied."));
        response.set_header("Content-Range", range.contentRange().constData());
        return;
    }
    HttpServer::replyFile(response, range, file, file->pos(), meta.size,
                          meta.contentType.isEmpty() ? QByteArray("application/octet-stream") : meta.contentType);
    response.set_header("ETag", meta.quotedETag().constData());
    response.set_header("Last-Modified", modified.constData());
    response.set_header("x-oss-object-type", "Normal");
    response.set_header("x-oss-request-id", CredentialStore::randomText(24).constData());
}

bool StorageApi::begin(httplib::Response& response, RequestContext& context, ObjectFile::Writer* writer,
                       const QByteArray& key, const QByteArray& type, const StorageCredential& credential)
{
    if (type.size() > ObjectFile::maxContentType) {
        fail(response, context, 400, QStringLiteral("InvalidArgument"),
             QStringLiteral("The Content-Type is longer than %1 bytes.").arg(ObjectFile::maxContentType));
        return false;
    }
    QString error;
    if (!m_store.begin(writer, key, type.isEmpty() ? QByteArray("application/octet-stream") : type,
                       credential.accountName.toUtf8(), &error)) {
        fail(response, context, 500, QStringLiteral("InternalError"), QStringLiteral("The object could not be stored: ") + error);
        return false;
    }
    return true;
}

bool StorageApi::take(Upload& upload, RequestContext& context, const char* data, size_t length) const
{
    if (upload.file.size() + qint64(length) > m_options.maxObjectSize) {
        upload.tooLarge = true;
        return false;
    }
    // A failed write (a full disk) is reported once the body is in.
    if (!upload.file.append(data, qint64(length)))
        context.body->refuse();
    return true;
}

bool StorageApi::finish(httplib::Response& response, RequestContext& context, Upload& upload, bool received,
                        const StorageCredential& credential, ObjectMeta* stored)
{
    if (upload.tooLarge) {
        fail(response, context, 400, QStringLiteral("EntityTooLarge"), QStringLiteral("The object is larger than this server allows."));
        return false;
    }
    if (!received && upload.file.written()) {
        fail(response, context, 400, QStringLiteral("IncompleteBody"), QStringLiteral("The body did not arrive whole."));
        return false;
    }
    // A credential revoked (by a password change) while the body arrived
    // stores nothing; it is asked once the bytes are on the disk, just
    // before they are put in place.
    upload.file.sync();
    bool failed = false;
    if (!m_credentials.stillIssued(credential.accessId, &failed)) {
        if (failed)
            fail(response, context, 503, QStringLiteral("ServiceUnavailable"), QStringLiteral("The service is not available now; please try again."));
        else
            fail(response, context, 403, QStringLiteral("InvalidAccessKeyId"), QStringLiteral("The access key id does not exist."));
        return false;
    }
    QString error;
    if (!m_store.finish(upload.file, stored, &error)) {
        fail(response, context, 500, QStringLiteral("InternalError"), QStringLiteral("The object could not be stored: ") + error);
        return false;
    }
    response.set_header("ETag", stored->quotedETag().constData());
    response.set_header("x-oss-request-id", CredentialStore::randomText(24).constData());
    return true;
}

void StorageApi::put(const httplib::Request& request, httplib::Response& response, RequestContext& context,
                     const QByteArray& key, const StorageCredential& credential)
{
    bool known = false;
    if (HttpServer::header(request, "Content-Length").toLongLong(&known) > m_options.maxObjectSize && known) {
        fail(response, context, 400, QStringLiteral("EntityTooLarge"), QStringLiteral("The object is larger than this server allows."));
        return;
    }
    Upload upload;
    if (!begin(response, context, &upload.file, key, HttpServer::header(request, "Content-Type"), credential))
        return;
    const bool received = context.body->read(
        [&](const char* data, size_t length) { return take(upload, context, data, length); });
    const QByteArray md5 = HttpServer::header(request, "Content-MD5");
    if (received && upload.file.written() && !md5.isEmpty() && QByteArray::fromBase64(md5) != upload.file.md5()) {
        fail(response, context, 400, QStringLiteral("InvalidDigest"), QStringLiteral("The Content-MD5 you specified did not match what we received."));
        return;
    }
    ObjectMeta stored;
    if (finish(response, context, upload, received, credential, &stored))
        response.status = 200;
}

bool StorageApi::admitForm(httplib::Response& response, RequestContext& context,
                           const QMap<QByteArray, QByteArray>& fields, StorageCredential* credential)
{
    const QByteArray key = fields.value("key");
    const QByteArray policy = fields.value("policy");
    const auto refuse = [&](int status, const QString& code, const QString& message, bool signature) {
        if (signature)
            ++m_signatureFailures;
        fail(response, context, status, code, message);
        return false;
    };
    if (key.isEmpty())
        return refuse(400, QStringLiteral("InvalidArgument"), QStringLiteral("A form upload needs the fields key and file."), false);
    bool failed = false;
    *credential = m_credentials.find(fields.value("OSSAccessKeyId"), &failed);
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    if (failed)
        return refuse(503, QStringLiteral("ServiceUnavailable"), QStringLiteral("The service is not available now; please try again."), false);
    if (!credential->isValid() || credential->kind != "policy")
        return refuse(403, QStringLiteral("InvalidAccessKeyId"), QStringLiteral("The access id does not exist."), true);
    context.account = credential->accountName;
    if (credential->expires <= now)
        return refuse(403, QStringLiteral("AccessDenied"), QStringLiteral("The policy credential has expired."), true);
    if (!SecretCompare::equal(RequestSignature::sign(credential->secret, policy), fields.value("Signature")))
        return refuse(403, QStringLiteral("SignatureDoesNotMatch"), QStringLiteral("The policy signature does not match."), true);
    QString problem;
    if (!PostPolicy::admits(policy, key, 0, now, &problem))
        return refuse(403, QStringLiteral("AccessDenied"), problem, false);
    problem = ObjectKey::problem(key);
    if (!problem.isEmpty())
        return refuse(400, QStringLiteral("InvalidObjectName"), problem, false);
    if (!StorageAccess::allows(credential->accountName, StorageAccess::Operation::Write, key))
        return refuse(403, QStringLiteral("AccessDenied"), QStringLiteral("This credential does not reach the object."), false);
    return true;
}

void StorageApi::postForm(const httplib::Request& request, httplib::Response& response, RequestContext& context)
{
    if (!request.is_multipart_form_data()) {
        fail(response, context, 400, QStringLiteral("InvalidArgument"), QStringLiteral("A form upload needs the fields key and file."));
        return;
    }
    // The fields come first (the file is the last part), so everything
    // but the file's size is checked before its bytes are taken.
    QMap<QByteArray, QByteArray> fields;
    QByteArray part;
    bool inFile = false;
    qint64 fieldBytes = 0;
    StorageCredential credential;
    Upload upload;
    bool writing = false;
    bool answered = false;
    bool fieldsTooLarge = false;
    const bool received = context.body->readForm(
        [&](const httplib::MultipartFormData& header) {
            part = bytes(header.name);
            inFile = false;
            if (part != "file" || writing) {
                fields[part].clear();
                return true;
            }
            QByteArray type = bytes(header.content_type);
            if (type.isEmpty())
                type = fields.value("Content-Type");
            answered = !admitForm(response, context, fields, &credential)
                || !begin(response, context, &upload.file, fields.value("key"), type, credential);
            if (answered)
                context.body->refuse();
            writing = inFile = !answered;
            return true;
        },
        [&](const char* data, size_t length) {
            if (!inFile) {
                fieldBytes += qint64(length);
                if (fieldBytes > formOverhead) {
                    fieldsTooLarge = true;
                    return false;
                }
                fields[part].append(data, int(length));
                return true;
            }
            return take(upload, context, data, length);
        });
    if (answered)
        return;
    if (fieldsTooLarge) {
        fail(response, context, 400, QStringLiteral("InvalidArgument"), QStringLiteral("The form's fields are too long."));
        return;
    }
    if (!writing) {
        fail(response, context, 400, QStringLiteral("InvalidArgument"), QStringLiteral("A form upload needs the fields key and file."));
        return;
    }
    QString problem;
    if (!upload.tooLarge
        && !PostPolicy::admits(fields.value("policy"), fields.value("key"), upload.file.size(), QDateTime::currentSecsSinceEpoch(), &problem)) {
        fail(response, context, 403, QStringLiteral("AccessDenied"), problem);
        return;
    }
    ObjectMeta stored;
    if (!finish(response, context, upload, received, credential, &stored))
        return;
    const QByteArray key = fields.value("key");
    const QByteArray status = fields.value("success_action_status");
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
