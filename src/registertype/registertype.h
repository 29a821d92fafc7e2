#ifndef REGISTERTYPE_H
#define REGISTERTYPE_H

#include <QObject>

class QQmlApplicationEngine;

// Registers the application's QML types ("com.velmora.*" 1.0) and binds the
// application's context properties, in a fixed order, before the main QML
// file is loaded; and gives the component library the application's rules.
class RegisterType : public QObject
{
    Q_OBJECT
public:
    static void Register(QQmlApplicationEngine* engine);
    // The editor's chapter-title tests are the counting rules'.
    static void installTextRules();
};

#endif
