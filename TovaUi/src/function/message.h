#ifndef MESSAGE_H
#define MESSAGE_H

#include <QObject>
#include <QString>

// The program-wide notification channel. Native code calls message::show;
// the QML notice view listens to Message::showMessage.
class Message : public QObject
{
    Q_OBJECT
public:
    enum MessageType {
        Error = 0,
        Warn = 1,
        Note = 2,
        Update = 4,
        Masking = 8,
        Tips = 16,
        Log = 32,
        TipsError = 64
    };
    Q_ENUM(MessageType)

    explicit Message(QObject* parent = nullptr);

    Q_INVOKABLE void show(const QString& text, int type = Error, int timeout = 5000, const QString& subText = QString());

signals:
    void showMessage(const QString& text, int type, int timeout, const QString& subText);
};

class message
{
public:
    static void show(Message::MessageType type, const QString& text, int timeout = 5000, const QString& subText = QString());
    static void show(const QString& text, Message::MessageType type = Message::Error, int timeout = 5000);
};

#endif
