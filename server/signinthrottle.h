#ifndef SIGNINTHROTTLE_H
#define SIGNINTHROTTLE_H

#include <QHash>
#include <QString>

#include <mutex>

// Slows down repeated failed sign-ins of one name from one address: after
// freeAttempts failures within the window, each further attempt waits one
// more second before its password is checked (at most maxDelay). A right
// password clears the count.
class SignInThrottle
{
public:
    // Milliseconds the attempt must wait before it is checked.
    qint64 delayFor(const QString& name, const QString& address);
    void failed(const QString& name, const QString& address);
    void succeeded(const QString& name, const QString& address);

    static const int freeAttempts = 5;
    static const int maxDelaySeconds = 10;
    static const int windowSeconds = 900;

private:
    struct Record
    {
        int failures = 0;
        qint64 last = 0;
    };
    static QString key(const QString& name, const QString& address);

    std::mutex m_mutex;
    QHash<QString, Record> m_records;
};

#endif
