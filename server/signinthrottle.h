#ifndef SIGNINTHROTTLE_H
#define SIGNINTHROTTLE_H

#include <QHash>
#include <QString>

#include <mutex>

// Slows down repeated failed sign-ins of one account (or unknown name)
// from one address: after freeAttempts failures within the window, each
// further failure makes the
// next attempt wait one more second (at most maxDelaySeconds) after it.
// An attempt that comes sooner is not checked at all: the caller answers
// it at once with the time left, so that no worker thread waits. A right
// password clears the count.
class SignInThrottle
{
public:
    // Milliseconds until the next attempt of this name from this address
    // may be checked; 0: now.
    qint64 waitFor(const QString& name, const QString& address);
    void failed(const QString& name, const QString& address);
    void succeeded(const QString& name, const QString& address);

    static const int freeAttempts = 5;
    static const int maxDelaySeconds = 10;
    static const int windowSeconds = 900;

private:
    struct Record
    {
        int failures = 0;
        qint64 last = 0; // milliseconds since the epoch
    };
    static QString key(const QString& name, const QString& address);

    std::mutex m_mutex;
    QHash<QString, Record> m_records;
};

#endif
