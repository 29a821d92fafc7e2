#ifndef NETWORKREPLY_H
#define NETWORKREPLY_H

#include "function/networkdata.h"

#include <QObject>
#include <QNetworkReply>
#include <QPointer>
#include <functional>


// Wraps one Qt reply and turns it into a NetworkData when it ends. The caller
// owns this object and deletes it (deleteLater in its finished handler);
// deleting it also releases the Qt reply.
class NetworkReply : public QObject
{
    Q_OBJECT

public:
    explicit NetworkReply(QNetworkReply* reply);
    // A request that could not be sent (no server configured, bad URL): the
    // failure arrives through finished from the event loop like any other.
    explicit NetworkReply(const QString& failure);
    ~NetworkReply() override;

    QNetworkReply* reply() const { return m_reply; }

    // Runs handler (while context lives) with the result, then releases
    // this reply.
    void whenFinished(QObject* context, std::function<void(const NetworkData&)> handler);

    // The conversion of a finished Qt reply, shared with the synchronous
    // requests.
    // A reply that reports OperationCanceledError was ended by its time
    // limit (nothing else here aborts a request): its error text says so.
    static NetworkData toData(QNetworkReply* reply);
    static QString timeoutText();
    // The error of an answer whose body is not as long as it said.
    static QString cutText();

signals:
    void finished(NetworkData data);

public slots:
    void onFinished();

private:
    QPointer<QNetworkReply> m_reply;
};

#endif
