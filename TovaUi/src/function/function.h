#ifndef FUNCTION_H
#define FUNCTION_H

#include <QAtomicPointer>
#include <QMutex>
#include <QObject>
#include <QPointer>

class Message;
class QIODevice;

// The utility singleton offered to QML as "functions".
class function : public QObject
{
    Q_OBJECT
public:
    static function* instance();

    Q_INVOKABLE static QString systemFont();

    // The one encoding detection for every reader of user text: "UTF-8" when
    // the whole content is valid UTF-8 (or starts with a Unicode byte-order
    // mark), otherwise "GBK". The device position is left unchanged.
    static QString getCodecName(QIODevice* device);
    static QString getCodecName(const QByteArray& bytes);
    // Decodes user text with the detected encoding; a byte-order mark wins.
    static QString decodeText(const QByteArray& bytes);
    Message* getMessage();

private:
    function();
    static QAtomicPointer<function> self;
    static QMutex mutex;
    QPointer<Message> m_message;
};

#endif
