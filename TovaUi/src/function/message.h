#ifndef MESSAGE_H
#define MESSAGE_H

#include <QObject>
#include <QString>

class QWidget;

// The program-wide notification channel. Native code calls message::show,
// QML pages call message.show(...); both end in Message::showMessage, which
// the notice view of the main window turns into a popup.
class Message : public QObject
{
    Q_OBJECT
    // QML reaches the one object only as the context property "message",
    // through which enum values cannot be read; these constants make
    // message.show(text, message.Warn) mean what it says.
    Q_PROPERTY(int Error READ errorType CONSTANT)
    Q_PROPERTY(int Warn READ warnType CONSTANT)
    Q_PROPERTY(int Note READ noteType CONSTANT)
    Q_PROPERTY(int Update READ updateType CONSTANT)
    Q_PROPERTY(int Masking READ maskingType CONSTANT)
    Q_PROPERTY(int Tips READ tipsType CONSTANT)
    Q_PROPERTY(int Log READ logType CONSTANT)
    Q_PROPERTY(int TipsError READ tipsErrorType CONSTANT)

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

    Q_INVOKABLE void show(const QString& text, int type = Note, int timeout = 5000, const QString& subText = QString());

    int errorType() const { return Error; }
    int warnType() const { return Warn; }
    int noteType() const { return Note; }
    int updateType() const { return Update; }
    int maskingType() const { return Masking; }
    int tipsType() const { return Tips; }
    int logType() const { return Log; }
    int tipsErrorType() const { return TipsError; }

signals:
    void showMessage(const QString& text, int type, int timeout = 5000, const QString& subText = QString());
};

// Native entry points: all go through the one Message kept by `function`.
class message
{
public:
    static void show(Message::MessageType type, const QString& text, int timeout = 5000, const QString& subText = QString());
    static void show(Message::MessageType type, const QString& text, const QString& subText);
    // The widget is not used; kept for callers that pass one.
    static void show(Message::MessageType type, const QString& text, QWidget* parent, int timeout);
    // Shown from the event loop, from any thread: a notice given during
    // start-up (before the window that shows it exists), while a lock is
    // held, or by a worker. Nothing is shown once the application has gone.
    static void showLater(Message::MessageType type, const QString& text, int timeout = 5000);
};

#endif
