#include "qtsingleapplication.h"

#include "qtlocalpeer.h"
#include "support/log.h"

#include <QQuickWindow>

QtSingleApplication::QtSingleApplication(const QString& id, int& argc, char** argv)
    : QApplication(argc, argv)
{
    m_peer = new QtLocalPeer(this, id);
    connect(m_peer, &QtLocalPeer::messageReceived, this, &QtSingleApplication::messageReceived);
}

bool QtSingleApplication::isRunning()
{
    return m_peer->isClient();
}

QString QtSingleApplication::id() const
{
    return m_peer->applicationId();
}

bool QtSingleApplication::sendMessage(const QString& message, int timeout)
{
    return m_peer->sendMessage(message, timeout);
}

void QtSingleApplication::setActivationWindow(QQuickWindow* window, bool activateOnMessage)
{
    m_quickWindow = window;
    if (activateOnMessage)
        connect(m_peer, &QtLocalPeer::messageReceived, this, &QtSingleApplication::activateQuickWindow, Qt::UniqueConnection);
    else
        disconnect(m_peer, &QtLocalPeer::messageReceived, this, &QtSingleApplication::activateQuickWindow);
    if (window)
        window->raise();
}

void QtSingleApplication::activateQuickWindow()
{
    if (!m_quickWindow)
        return;
    logDebug(lcApp) << "activateQuickWindow" << m_quickWindow.data();
    m_quickWindow->setVisibility(QWindow::Windowed);
    m_quickWindow->raise();
    m_quickWindow->requestActivate();
}
