#ifndef QTLOCALPEER_H
#define QTLOCALPEER_H

#include "qtlockedfile.h"

#include <QObject>
#include <QScopedPointer>

class QLocalServer;

// One end of the single-instance channel: the first process of an application
// id holds the lock and listens on a local socket; later processes find the
// lock taken and send their message to it.
class QtLocalPeer : public QObject
{
    Q_OBJECT
public:
    explicit QtLocalPeer(QObject* parent = nullptr, const QString& appId = QString());
    ~QtLocalPeer() override;

    // True when another process already owns the application id.
    bool isClient();
    bool sendMessage(const QString& message, int timeout);
    QString applicationId() const { return m_id; }
    QString socketName() const { return m_socketName; }

signals:
    void messageReceived(const QString& message);

private slots:
    void receiveConnection();

private:
    QString m_id;
    QString m_socketName;
    QScopedPointer<QtLockedFile> m_lockFile;
    QLocalServer* m_server = nullptr;
};

#endif
