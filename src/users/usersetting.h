#ifndef USERSETTING_H
#define USERSETTING_H

#include "function/networkdata.h"

#include <QObject>
#include <QPointer>
#include <QVariant>
#include <functional>

class NetworkReply;
class QTimer;

// Mirrors the settings group "Server" to one JSON object per user in the
// object store, so these settings follow the user between devices. The
// transfers go through a storage provider set with setStorage; until one is
// set (and while its owner lives) nothing is transferred.
class UserSetting : public QObject
{
    Q_OBJECT

public:
    using GetObject = std::function<NetworkReply*(const QString& key)>;
    using PutObject = std::function<NetworkReply*(const QString& key, const QByteArray& body, const QString& contentType)>;

    explicit UserSetting(QObject* parent = nullptr);

    void setStorage(QObject* owner, GetObject get, PutObject put);
    static QString objectKey(const QString& login);

    QVariant value(const QString& key, const QVariant& defaultValue = QVariant()) const;
    void setValue(const QString& key, const QVariant& value);
    void valueChanged(bool isChanged);
    bool isValueChanged() const;

public slots:
    void download();
    void upload();
    void downloadFinished(const NetworkData& data);
    void uploadFinished(const NetworkData& data);
    void onLogged(bool ok);
    void onLoginOut();

private:
    bool canTransfer() const;

    QPointer<QObject> m_owner;
    GetObject m_get;
    PutObject m_put;
    QTimer* m_timer = nullptr;
};

#endif
