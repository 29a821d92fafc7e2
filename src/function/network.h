#ifndef NETWORK_H
#define NETWORK_H

#include "function/networkdata.h"
#include "function/networkreply.h"

#include <QIcon>
#include <QNetworkRequest>
#include <QObject>

class QHttpMultiPart;
class QPixmap;
class QNetworkReply;

// The HTTP helper every online feature goes through. All requests use the
// shared manager of global; each asynchronous function returns a new
// NetworkReply the caller owns. A request without a host (the service's
// address is not configured) fails at once without traffic. Every request
// has a time limit: one that gets no byte through for transferTimeout()
// milliseconds (while connecting, sending or waiting for the answer) is
// ended and reported with status 0, unless the caller set its own limit.
class network : public QObject
{
    Q_OBJECT

public:
    static NetworkReply* get(const QNetworkRequest& request);
    static NetworkReply* get(const QString& url);
    static NetworkReply* getByAuth(const QString& url, const QString& user, const QString& password);
    static NetworkReply* deleteRequest(const QNetworkRequest& request);
    static NetworkReply* post(const QNetworkRequest& request, QHttpMultiPart* multiPart);
    static NetworkReply* post(const QNetworkRequest& request, QByteArray& body);
    static NetworkReply* put(const QNetworkRequest& request, const QByteArray& body);
    static NetworkReply* postByAuth(const QString& url, QByteArray& body, const QString& user, const QString& password);

    // Synchronous picture download into the temporary folder; returns the
    // local path, an empty text on failure.
    static QString getImage(const QString& url, bool force);
    static QIcon getIcon(const QString& url);
    // Keeps a downloaded picture in the cache file at path (JPEG), replaced
    // whole or not at all. False when it could not be encoded or written.
    static bool saveImage(const QPixmap& pixmap, const QString& path);
    static QString errorString(int code);

    // "Basic " and the Base64 of user ":" password (local 8-bit bytes).
    static QByteArray basicAuthorization(const QString& user, const QString& password);
    // The account server's base address followed by path.
    static QString accountUrl(const QString& path);
    // True when the URL names a host a request can go to.
    static bool isReachable(const QUrl& url);
    static QString notConfiguredText();

    // Waits in a local event loop until the reply ends or the synchronous
    // timeout passes; false when the time ran out.
    static bool waitFor(QNetworkReply* reply);
    static int syncTimeout();
    static void setSyncTimeout(int milliseconds);
    // The idle time limit of the asynchronous requests (30000 ms).
    static int transferTimeout();
    static void setTransferTimeout(int milliseconds);

    // "1 GB", "1023 B/S": a byte count or speed in the largest whole unit.
    static QString transformUnit(qint64 bytes, bool isSpeed);

private:
    network() = default;
    static NetworkReply* start(QNetworkReply* reply);
    static QNetworkRequest limited(const QNetworkRequest& request);
    static NetworkReply* refuse(const QUrl& url);
};

#endif
