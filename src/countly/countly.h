#ifndef COUNTLY_H
#define COUNTLY_H

#include <QMap>
#include <QObject>
#include <QVariant>

class QTimer;
class QUrlQuery;

// Usage-analytics reporter speaking the Countly protocol: a session begin
// when the main window opens, a heartbeat while the session is marked
// active and an end when the window closes. Answers are ignored; without a
// configured analytics server nothing is sent.
class countly : public QObject
{
    Q_OBJECT

public:
    explicit countly(QObject* parent = nullptr);

    Q_INVOKABLE void start();
    Q_INVOKABLE void hold();
    Q_INVOKABLE void stop();
    Q_INVOKABLE void getActive();

    QString getOsInfo() const;
    QString getUserInfo() const;
    QString getEvents() const;
    void addEvent(const QString& key);
    void clearEvents();
    void setEvents_countly(QMap<QString, QVariant> events);
    // Marks the session active, so the next heartbeat goes out.
    void setActive(bool active) { m_active = active; }

    static QString appKey();

private:
    void send(const QUrlQuery& query);

    QTimer* m_holdTimer = nullptr;
    QMap<QString, QVariant> m_events;
    QString m_metrics;
    QTimer* m_activeTimer = nullptr;
    bool m_active = false;
};

#endif
