#ifndef OSS_H
#define OSS_H

#include "function/downloadthread.h"
#include "function/networkdata.h"

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QNetworkRequest>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class StsTokenReply;
class OssPolicyTokenReply;
class DataReply;
class OssListReply;

// Client of the one object-storage bucket. It holds no permanent keys: it asks
// the account server for short-lived credentials (STS for signed requests, a
// POST policy for form uploads), caches them until 20 s before they run out
// and shares a fetch in flight between all callers. Every operation returns a
// fresh reply that emits finished once, from a later turn of the event loop,
// and then deletes itself.
class oss : public QObject
{
    Q_OBJECT

public:
    struct ossStsToken
    {
        QString accesskeyid;
        QString accesskeysecret;
        QString securitytoken;
        QString host;
        QString endpoint;
        qint32 expire = 0;
        bool valid = false;
    };

    struct ossPolicyToken
    {
        QString host;
        qint32 expire = 0;
        QString dir;
        bool valid = false;
        QByteArray accessid;
        QByteArray signature;
        QByteArray policy;
    };

    struct OssListContent
    {
        QString Key;
        QString LastModified;
        QString ETag;
        QString Type;
        QString Size;
        QString StorageClass;
        QString Owner;
    };

    struct OssList
    {
        NetworkData::Kind kind = NetworkData::Kind::Answer;
        int statusCode = 200;
        QString errorString;
        bool isTruncated = false;
        QString nextMarker;
        QList<OssListContent> contents;
    };

    explicit oss(QObject* parent = nullptr);

    // ---- credentials ----
    StsTokenReply* getStsToken();
    OssPolicyTokenReply* getPolicyToken();
    ossStsToken dataToOssStsToken(const NetworkData& data);
    ossPolicyToken dataToOssPolicyToken(const NetworkData& data);
    // The complete "Authorization" value of one header-signed request.
    static QString getSignature(QString verb, QString key, QString date, oss::ossStsToken token);

    // ---- operations ----
    DataReply* getList(const QString& prefix, QString delimiter, QString marker);
    OssListReply* getFullList(const QString& prefix, QString delimiter);
    void getMoreList(OssListReply* reply, QString prefix, QString delimiter, QString marker);
    // A 200 answer arrives only verified against its ETag or Content-MD5
    // (listedETag stands in when the answer has none), a 404 only when the
    // store said "NoSuchKey"; anything else arrives as a failure with status
    // 0 and no body.
    DataReply* getObject(const QString& key, const QString& listedETag = QString());
    // The same for a document other people write (the writing rooms'): it
    // is received and checked on the download thread (DownloadThread), and
    // a body over maxBytes is stopped as it comes (kind TooLarge), one
    // slower than pace allows is given up.
    DataReply* getBoundedObject(const QString& key, qint64 maxBytes, const QString& listedETag = QString(),
                                const DownloadThread::Pace& pace = DownloadThread::Pace());
    // The content type is accepted for the callers' sake and not sent: the
    // signature covers an empty Content-Type line.
    // Uploads count (status 200) only when the answer's ETag confirms the
    // bytes sent. An empty key is refused without a request (kind NoKey).
    DataReply* putObject(const QString& key, const QByteArray& data, QByteArray contentType);
    DataReply* deleteObject(QString key);
    DataReply* postObject(const QString& key, const QByteArray& data, QString contentType);
    DataReply* postObject(const QString& key, const QString& text);

    // The result every operation gives when no credentials could be had.
    static NetworkData tokenFailure();
    // The result of an object operation without a key; nothing is sent.
    static NetworkData keyFailure();
    static bool isObjectKey(const QString& key);
    // Reads one listing page into list; false when the page is not a listing.
    static bool parseListPage(const QByteArray& xml, OssList& list);
    // The answers of getObject and of the uploads as their callers get them.
    static NetworkData checkedDownload(NetworkData answer, const QString& listedETag);
    static NetworkData checkedUpload(NetworkData answer, const QByteArray& sent);
    static QString notListingText();
    static QString notStoreAnswerText();

    // Empty while the store takes this device's clock; the text that names
    // both times while it refuses it (RequestTimeTooSkewed).
    QString clockProblem() const { return m_clockProblem; }

    // The store's answer that it no longer takes the STS credentials the
    // request was signed with: revoked (a password change), or expired or
    // unknown on its side.
    static bool credentialRevoked(const NetworkData& answer);

signals:
    void clockProblemChanged(const QString& problem);

private:
    void setClockProblem(const QString& problem);

    using Done = std::function<void(const NetworkData&)>;
    using Send = std::function<void(const ossStsToken&, const Done&)>;
    // Runs send with the STS credentials and finishes reply with what it
    // answers. An answer that the store no longer takes them drops them and
    // runs send once more with a new fetch, made with the account's
    // password; when the account server refuses that, the account client
    // signs the writer out (tokenRequest).
    void withStsToken(DataReply* reply, const Send& send, bool retried = false);
    // A form upload with the POST policy, retried the same way.
    void postWithPolicy(DataReply* reply, const QString& key, const QByteArray& data, const QString& contentType, bool retried);

    enum class Verb { Get, Put, Delete };
    DataReply* signedRequest(Verb verb, const QString& key, const QByteArray& body, const QString& query,
                             const QString& listedETag);
    static NetworkData failed(const NetworkData& answer, const QString& reason);
    static QNetworkRequest objectRequest(const QString& verb, const QString& key, const ossStsToken& token);

    ossPolicyToken policyToken;
    ossStsToken stsToken;
    QPointer<StsTokenReply> stsReply;
    QPointer<OssPolicyTokenReply> policyReply;
    // The account each cache and fetch in flight belongs to.
    QString stsOwner;
    QString policyOwner;
    QString m_clockProblem;
};

Q_DECLARE_METATYPE(oss::ossStsToken)
Q_DECLARE_METATYPE(oss::ossPolicyToken)
Q_DECLARE_METATYPE(oss::OssList)

#endif
