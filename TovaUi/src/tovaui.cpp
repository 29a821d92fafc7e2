#include "tovaui.h"

#include "function/function.h"
#include "function/keys.h"
#include "function/message.h"
#include "function/t.h"
#include "theme/lumotheme.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QtQml>

TovaUi::TovaUi(QObject* parent)
    : QObject(parent)
{
}

void TovaUi::registerModule()
{
}

void TovaUi::registerTypes(QQmlApplicationEngine* engine)
{
    QQmlContext* context = engine->rootContext();
    context->setContextProperty(QStringLiteral("qmlKey"), this);
    context->setContextProperty(QStringLiteral("g_theme"), new LumoTheme());
    context->setContextProperty(QStringLiteral("functions"), function::instance());
    context->setContextProperty(QStringLiteral("message"), function::instance()->getMessage());
    context->setContextProperty(QStringLiteral("t"), t::instance());
    context->setContextProperty(QStringLiteral("keys"), new keys());
}

void TovaUi::setupWindow(QQuickWindow* window)
{
    Q_UNUSED(window)
}

void TovaUi::installSignal(QGuiApplication* app)
{
    app->installEventFilter(this);
}

void TovaUi::setStatusBarStyle(StatusBarStyle style)
{
    Q_UNUSED(style)
}

void TovaUi::setStatusBarHidden(bool hidden, int animation)
{
    Q_UNUSED(hidden)
    Q_UNUSED(animation)
}

// Registers the module while the application object is being built, before
// any QML engine exists.
static void registerTovaUiModule()
{
    TovaUi::registerModule();
}
Q_COREAPP_STARTUP_FUNCTION(registerTovaUiModule)
