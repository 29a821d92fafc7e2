#ifndef THROUGHCLOCK_H
#define THROUGHCLOCK_H

#include <QObject>
#include <QTimer>

// The challenge's one-second beat. The game only listens to tick(), so tests
// hand it a clock of their own and beat it by hand instead of waiting.
class ThroughClock : public QObject
{
    Q_OBJECT

public:
    explicit ThroughClock(QObject* parent = nullptr);

    virtual void start();
    virtual void stop();
    virtual bool isActive() const;

signals:
    void tick();

private:
    QTimer m_timer;
};

#endif
