#ifndef TOVAUI_H
#define TOVAUI_H

#include <QObject>

class QGuiApplication;
class QQmlApplicationEngine;
class QQuickWindow;

// Entry class of the component library: registers its native types, binds its
// context objects to the engine and offers a few window operations.
class TovaUi : public QObject
{
    Q_OBJECT
public:
    enum StatusBarStyle { StatusBarStyleDefault = 0, StatusBarStyleLightContent = 1, StatusBarStyleDarkContent = 2 };
    Q_ENUM(StatusBarStyle)

    explicit TovaUi(QObject* parent = nullptr);

    // Registers the "TovaUi" 0.1 module types; runs while the application
    // object is being built.
    static void registerModule();
    void registerTypes(QQmlApplicationEngine* engine);
    static void setupWindow(QQuickWindow* window);
    void installSignal(QGuiApplication* app);
    static void setStatusBarStyle(StatusBarStyle style);
    static void setStatusBarHidden(bool hidden, int animation);
};

#endif
