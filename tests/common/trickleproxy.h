#ifndef TRICKLEPROXY_H
#define TRICKLEPROXY_H

// A TCP relay on 127.0.0.1 in front of a test's server, run by the test's
// event loop: a peer that trickles. The answer on a connection whose request
// names the slow path goes on one byte every stepMs; all else as it comes.

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

class TrickleProxy : public QObject
{
public:
    explicit TrickleProxy(quint16 upstream)
    {
        connect(&m_listener, &QTcpServer::newConnection, this, [this, upstream]() {
            while (QTcpSocket* client = m_listener.nextPendingConnection())
                new Link(this, client, upstream);
        });
    }
    bool listen() { return m_listener.listen(QHostAddress::LocalHost); }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_listener.serverPort()); }
    // No path, or no step, slows nothing.
    void setSlowPath(const QByteArray& path, int stepMs) { m_slowPath = stepMs > 0 ? path : QByteArray(); m_stepMs = stepMs; }
    int slowed() const { return m_slowed; } // connections slowed so far

private:
    // One client connection and its own to the server; gone with the client.
    struct Link : QObject {
        QTcpSocket server;
        QTimer drip;
        QByteArray held;
        bool slow = false;
        Link(TrickleProxy* proxy, QTcpSocket* client, quint16 upstream)
            : QObject(client)
        {
            server.connectToHost(QHostAddress::LocalHost, upstream);
            connect(client, &QTcpSocket::readyRead, this, [this, proxy, client]() {
                const QByteArray bytes = client->readAll();
                if (!slow && !proxy->m_slowPath.isEmpty() && bytes.contains(proxy->m_slowPath)) {
                    slow = true;
                    ++proxy->m_slowed;
                    drip.start(proxy->m_stepMs);
                }
                server.write(bytes);
            });
            connect(&server, &QTcpSocket::readyRead, this, [this, client]() {
                slow ? void(held += server.readAll()) : void(client->write(server.readAll()));
            });
            connect(&drip, &QTimer::timeout, this, [this, client]() {
                client->write(held.left(1));
                held.remove(0, 1);
                if (held.isEmpty() && server.state() == QAbstractSocket::UnconnectedState)
                    client->disconnectFromHost();
            });
            connect(&server, &QTcpSocket::disconnected, this, [this, client]() {
                if (held.isEmpty() && !slow)
                    client->disconnectFromHost();
            });
            connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
        }
        // Closing the server side on the way out tells no one.
        ~Link() override { server.QObject::disconnect(); }
    };

    QTcpServer m_listener;
    QByteArray m_slowPath;
    int m_stepMs = 0;
    int m_slowed = 0;
};

#endif
