#ifndef FUNCTION_H
#define FUNCTION_H

#include <QAtomicPointer>
#include <QMutex>
#include <QObject>
#include <QPointer>

class Message;

// The utility singleton offered to QML as "functions".
class function : public QObject
{
    Q_OBJECT
public:
    static function* instance();

    Q_INVOKABLE static QString systemFont();
    Message* getMessage();

private:
    function();
    static QAtomicPointer<function> self;
    static QMutex mutex;
    QPointer<Message> m_message;
};

#endif
