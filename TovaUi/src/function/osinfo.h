#ifndef OSINFO_H
#define OSINFO_H

#include <QObject>
#include <QRect>

class QScreen;

// What the program needs to know about the operating system and the screen:
// the system's name and version text and the geometry of the screen the
// window opens on. Stateless; every operation can be called without an
// instance.
class osInfo : public QObject
{
    Q_OBJECT

public:
    explicit osInfo(QObject* parent = nullptr);

    Q_INVOKABLE static QString osName();
    Q_INVOKABLE static QString osVersion();
    // The first screen of the application's list, or null without screens.
    Q_INVOKABLE static QScreen* thisScreen();
    // Geometry of thisScreen() in device-independent pixels; empty without one.
    Q_INVOKABLE static QRect screenRect();
    Q_INVOKABLE static bool isPad() { return false; }
    Q_INVOKABLE static bool isPhone() { return false; }
    Q_INVOKABLE static QString IP();
};

#endif
