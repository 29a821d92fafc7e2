#include "qtlocalpeer.h"

#include "support/log.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QThread>
#include <QTimer>

#include <unistd.h>

namespace {
const char kAck[] = "ack";
}

QtLocalPeer::QtLocalPeer(QObject* parent, const QString& appId)
    : QObject(parent)
    , m_id(appId)
{
    if (m_id.isEmpty())
        m_id = QCoreApplication::applicationFilePath();

    // The socket name is derived from the id and the user, so every user has
    // an instance of their own and the name stays short and portable.
    const QByteArray digest = QCryptographicHash::hash(m_id.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    QString prefix = m_id;
    prefix.remove(QRegularExpression(QStringLiteral("[^a-zA-Z0-9.]")));
    m_socketName = prefix.left(24) + QLatin1Char('-') + QString::fromLatin1(digest) + QLatin1Char('-')
        + QString::number(::getuid());
    m_lockFile.reset(new QtLockedFile(QDir::tempPath() + QLatin1Char('/') + m_socketName + QStringLiteral("-lockfile")));
}

QtLocalPeer::~QtLocalPeer() = default;

bool QtLocalPeer::isClient()
{
    if (m_lockFile->isLocked())
        return false;
    if (!m_lockFile->lock())
        return true;

    // We own the id now; a socket file left by a killed instance is removed
    // before listening.
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    bool listening = m_server->listen(m_socketName);
    if (!listening && m_server->serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(m_socketName);
        listening = m_server->listen(m_socketName);
    }
    if (!listening)
        logWarning(lcApp) << "cannot listen on" << m_socketName << m_server->errorString();
    connect(m_server, &QLocalServer::newConnection, this, &QtLocalPeer::receiveConnection);
    return false;
}

bool QtLocalPeer::sendMessage(const QString& message, int timeout)
{
    if (!isClient())
        return false;

    QDeadlineTimer deadline(timeout);
    QLocalSocket socket;
    bool connected = false;
    // The first instance may still be starting its server: retry briefly.
    while (!connected && !deadline.hasExpired()) {
        socket.connectToServer(m_socketName);
        connected = socket.waitForConnected(int(qMin<qint64>(deadline.remainingTime(), 500)));
        if (!connected)
            QThread::msleep(100);
    }
    if (!connected)
        return false;

    const QByteArray payload = message.toUtf8();
    QDataStream out(&socket);
    out.writeBytes(payload.constData(), uint(payload.size()));
    if (!socket.waitForBytesWritten(int(qMax<qint64>(deadline.remainingTime(), 1))))
        return false;

    // Delivered only when the running instance acknowledges it.
    QByteArray reply;
    while (reply.size() < int(sizeof(kAck) - 1) && !deadline.hasExpired()) {
        if (!socket.waitForReadyRead(int(qMax<qint64>(deadline.remainingTime(), 1))))
            break;
        reply += socket.readAll();
    }
    return reply.startsWith(kAck);
}

void QtLocalPeer::receiveConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // Each connection carries one length-prefixed message. It is read as
        // it arrives, so a silent client never blocks the event loop; one that
        // stays silent is dropped after a while.
        auto* buffer = new QByteArray;
        connect(socket, &QObject::destroyed, socket, [buffer] { delete buffer; });
        QTimer::singleShot(10000, socket, [socket] { socket->abort(); });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, buffer] {
            buffer->append(socket->readAll());
            if (buffer->size() < 4)
                return;
            quint32 length = 0;
            QDataStream header(*buffer);
            header >> length;
            if (length > 1024 * 1024) {
                socket->abort();
                return;
            }
            if (quint32(buffer->size()) < 4 + length)
                return;
            const QString message = QString::fromUtf8(buffer->mid(4, int(length)));
            buffer->clear();
            socket->write(kAck, qint64(sizeof(kAck) - 1));
            socket->flush();
            socket->disconnectFromServer();
            emit messageReceived(message);
        });
    }
}
