#ifndef STORAGEAPI_H
#define STORAGEAPI_H

#include "requestcontext.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <atomic>

class CredentialStore;
class ObjectStore;
struct ServerOptions;
struct ObjectMeta;
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

private:
    using Fields = QList<QPair<QString, QString>>;

    bool authenticate(const httplib::Request& request, httplib::Response& response, RequestContext& context,
                      const QByteArray& key, StorageCredential* credential);
    void list(httplib::Response& response, RequestContext& context, const StorageCredential& credential);
    void get(httplib::Response& response, RequestContext& context, const QByteArray& key);
    void put(const httplib::Request& request, httplib::Response& response, RequestContext& context,
             const QByteArray& key, const StorageCredential& credential);
    void postForm(const httplib::Request& request, httplib::Response& response, RequestContext& context);
    // Stores an upload of the credential's account and names its ETag in
    // the answer; false after answering a refusal or a failure.
    bool store(httplib::Response& response, RequestContext& context, const QByteArray& key, const QByteArray& body,
               const QByteArray& type, const StorageCredential& credential, ObjectMeta* stored);
    void fail(httplib::Response& response, RequestContext& context, int status, const QString& code,
              const QString& message, const Fields& extra = Fields());

    const ServerOptions& m_options;
    ObjectStore& m_store;
    CredentialStore& m_credentials;
    std::atomic<qint64> m_signatureFailures { 0 };
};

#endif
