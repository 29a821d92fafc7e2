#ifndef COUNTLY_H
#define COUNTLY_H

#include <QObject>

// Usage-analytics reporter: a session with a heartbeat; silent while no server
// is configured.
class countly : public QObject
{
    Q_OBJECT

public:
    explicit countly(QObject* parent = nullptr);
    Q_INVOKABLE void start();
    Q_INVOKABLE void stop();

signals:

private:
};

#endif
