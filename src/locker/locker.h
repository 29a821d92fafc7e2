#ifndef LOCKER_H
#define LOCKER_H

#include <QObject>
#include <QPointer>

class data;

// The writing lock ("locker"): turns the statistics store's lock state into
// the lock and unlock notices. The targets and their count-down live in the
// store.
class Locker : public QObject
{
    Q_OBJECT

public:
    // Works on data::instance().
    explicit Locker(QObject* parent = nullptr);
    // Works on the given store.
    explicit Locker(data* store, QObject* parent = nullptr);

    bool lockState() const { return m_lockState; }

    // Turns the lock on (also re-applies a lock carried over from the last
    // run) and shows "已锁定" once.
    Q_INVOKABLE void doLock();
    // Turns the lock off and shows "已解锁" once.
    Q_INVOKABLE void unLock();

public slots:
    // Follows the store's lock state: locks or unlocks on a change.
    void setLockState(bool state);

private:
    QPointer<data> m_data;
    bool m_lockState = false;
};

#endif
