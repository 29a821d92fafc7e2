#ifndef KEYS_H
#define KEYS_H

#include <QObject>

// Shortcut schemes: the default scheme with an optional chosen scheme over it.
class keys : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString message READ message NOTIFY messageChanged)

public:
    explicit keys(QObject* parent = nullptr);
    QString message() const { return m_message; }
    void setMessage(const QString& value);
    Q_INVOKABLE QString getKey(const QString& name) const;
    Q_INVOKABLE QString getKeyText(const QString& name) const;

signals:
    void messageChanged(const QString& message);

private:
    QString m_message;
};

#endif
