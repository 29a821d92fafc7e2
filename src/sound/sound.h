#ifndef SOUND_H
#define SOUND_H

#include <QObject>
#include <QUrl>

#include <functional>

class QSoundEffect;

// Typing sounds: one sound for Enter and one for every other key, played only
// while the setting "sound/open" is on. Sets: 0 typewriter, 1 water drop,
// 2 the two files named in the settings. Kept by global; QML: "sound".
class sound : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int type READ type WRITE setType NOTIFY typeChanged)

public:
    // The key class of every key but Enter.
    enum { AnyKey = 32 };

    explicit sound(QObject* parent = nullptr);

    int type();
    Q_INVOKABLE void setEnabled(bool enabled);
    static bool isEnabled();

    // The loaded sound of a key class (32 or Qt::Key_Enter), null when none.
    static QSoundEffect* effect(int keyClass);
    static QUrl source(int keyClass);
    // Called with the key class each time a sound is started; lets tests see
    // what would be heard where no audio device exists.
    static void setPlayObserver(std::function<void(int keyClass)> observer);

signals:
    void sendPlay(int name);
    void typeChanged(int type);
    void isOpenChanged(bool isOpen);

public slots:
    void play(int name);
    void setType(int type);

private slots:
    void setWaterSound();
    void setDefSound();

private:
    void loadSounds();

    int m_type = 0;
    QUrl m_anyKeyUrl;
    QUrl m_enterUrl;
};

#endif
