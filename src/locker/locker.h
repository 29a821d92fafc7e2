#ifndef LOCKER_H
#define LOCKER_H

#include <QObject>

// The writing lock: a word or time target keeps the window locked until it is
// written.
class Locker : public QObject
{
    Q_OBJECT

public:
    explicit Locker(QObject* parent = nullptr);
    Q_INVOKABLE void doLock();
    Q_INVOKABLE void unLock();

signals:

private:
    void setLockState(bool state);
    bool m_state = false;
};

#endif
