#ifndef SOUND_H
#define SOUND_H

#include <QObject>

// Typing-sound player kept by global.
class sound : public QObject
{
    Q_OBJECT

public:
    explicit sound(QObject* parent = nullptr);

signals:

private:
};

#endif
