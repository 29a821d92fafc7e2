#ifndef LOCKER_H
#define LOCKER_H

#include <QObject>
#include <QPointer>
#include <QVariantMap>

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

    // The main window's state from before the lock began, kept in the
    // settings so that a lock outliving a restart still ends in it; empty
    // when none is kept. An empty state forgets it.
    Q_INVOKABLE QVariantMap windowBeforeLock() const;
    Q_INVOKABLE void keepWindowBeforeLock(const QVariantMap& state);

public slots:
    // Follows the store's lock state: locks or unlocks on a change.
    void setLockState(bool state);

private:
    QPointer<data> m_data;
    bool m_lockState = false;
};

#endif
