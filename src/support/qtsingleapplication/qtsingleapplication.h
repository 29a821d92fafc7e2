#ifndef QTSINGLEAPPLICATION_H
#define QTSINGLEAPPLICATION_H

#include <QApplication>
#include <QPointer>
#include <QQuickWindow>

class QtLocalPeer;

// An application object that lets only one instance run per user and
// application id. A later start sends a message to the running instance,
// which then raises its activation window, here a Qt Quick window.
class QtSingleApplication : public QApplication
{
    Q_OBJECT
public:
    QtSingleApplication(const QString& id, int& argc, char** argv);

    bool isRunning();
    QString id() const;

    void setActivationWindow(QQuickWindow* window, bool activateOnMessage = true);
    QQuickWindow* activationWindow() const { return m_quickWindow; }

public slots:
    bool sendMessage(const QString& message, int timeout = 5000);
    void activateQuickWindow();

signals:
    void messageReceived(const QString& message);

private:
    QtLocalPeer* m_peer = nullptr;
    QPointer<QQuickWindow> m_quickWindow;
};

#endif
