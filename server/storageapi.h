#ifndef STORAGEAPI_H
#define STORAGEAPI_H

#include "objectfile.h"
#include "requestcontext.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>

#include <atomic>

class CredentialStore;
class ObjectStore;
struct ServerOptions;
struct StorageCredential;

// The bucket "lumoranking" under the path "/lumoranking": listings
// (prefix, marker, delimiter, max-keys), GET, HEAD, PUT and DELETE of
// objects with header signatures, and form uploads with a signed policy.
// Every request is checked against the credential it names (signature,
// security token, expiry, Date within the allowed skew) and against what
// the credential's account may reach (StorageAccess). Failures are
// answered with the storage's XML error document.
class StorageApi
{
public:
    StorageApi(const ServerOptions& options, ObjectStore& store, CredentialStore& credentials);

    void handle(const httplib::Request& request, httplib::Response& response, RequestContext& context);
    qint64 signatureFailures() const { return m_signatureFailures; }

    static const QByteArray bucket;
    // What a form upload may hold besides its file.
    static const qint64 formOverhead = 64 * 1024;

private:
    using Fields = QList<QPair<QString, QString>>;

    bool authenticate(const httplib::Request& request, httplib::Response& response, RequestContext& context,
                      const QByteArray& key, StorageCredential* credential);
    void list(httplib::Response& response, RequestContext& context, const StorageCredential& credential);
    // An object, or the one range of it asked for.
    void get(const httplib::Request& request, httplib::Response& response, RequestContext& context, const QByteArray& key);
    void put(const httplib::Request& request, httplib::Response& response, RequestContext& context,
             const QByteArray& key, const StorageCredential& credential);
    void postForm(const httplib::Request& request, httplib::Response& response, RequestContext& context);
    // Whether a form upload's fields, all there when its file begins, let
    // it store key; false after answering the refusal.
    bool admitForm(httplib::Response& response, RequestContext& context, const QMap<QByteArray, QByteArray>& fields,
                   StorageCredential* credential);
    // Starts an upload's file; false after answering the refusal.
    bool begin(httplib::Response& response, RequestContext& context, ObjectFile::Writer* writer, const QByteArray& key,
               const QByteArray& type, const StorageCredential& credential);
    // An upload's file as its bytes arrive.
    struct Upload
    {
        ObjectFile::Writer file;
        bool tooLarge = false;
    };
    // Writes one piece of an upload; false once it is too large.
    bool take(Upload& upload, RequestContext& context, const char* data, size_t length) const;
    // Puts a received upload in place, when its credential is still
    // issued, and names its ETag in the answer; false after answering a
    // refusal or a failure.
    bool finish(httplib::Response& response, RequestContext& context, Upload& upload, bool received,
                const StorageCredential& credential, ObjectMeta* stored);
    void fail(httplib::Response& response, RequestContext& context, int status, const QString& code,
              const QString& message, const Fields& extra = Fields());

    const ServerOptions& m_options;
    ObjectStore& m_store;
    CredentialStore& m_credentials;
    std::atomic<qint64> m_signatureFailures { 0 };
};

#endif
