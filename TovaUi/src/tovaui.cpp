#include "tovaui.h"

#include "dialog/qiactionsheet.h"
#include "dialog/qiactivityindicator.h"
#include "dialog/qialertview.h"
#include "dialog/qiimagepicker.h"
#include "function/buttonkeys.h"
#include "function/function.h"
#include "function/keys.h"
#include "function/message.h"
#include "function/menuletters.h"
#include "function/plainkeys.h"
#include "function/accessiblestate.h"
#include "function/pointerrest.h"
#include "function/popupcover.h"
#include "function/qidevice.h"
#include "function/qisystemdispatcher.h"
#include "function/t.h"
#include "textarea/lazytextdocument.h"
#include "textarea/markdownhighlighter.h"
#include "theme/lumotheme.h"
#include "theme/thememodel.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QScreen>
#include <QVariantMap>
#include <QWindow>
#include <QtQml>

namespace {
const char* const moduleUri = "TovaUi";

QObject* systemMessengerProvider(QQmlEngine* engine, QJSEngine* scriptEngine)
{
    Q_UNUSED(engine)
    Q_UNUSED(scriptEngine)
    QObject* dispatcher = QISystemDispatcher::instance();
    // The dispatcher belongs to the application object, not to the engine.
    QQmlEngine::setObjectOwnership(dispatcher, QQmlEngine::CppOwnership);
    return dispatcher;
}

QObject* deviceProvider(QQmlEngine* engine, QJSEngine* scriptEngine)
{
    Q_UNUSED(engine)
    Q_UNUSED(scriptEngine)
    QIDevice* device = QIDevice::instance();
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (!screens.isEmpty()) {
        const QRect available = screens.first()->availableGeometry();
        device->setScreenWidth(available.width());
        device->setScreenHeight(available.height());
    }
    QQmlEngine::setObjectOwnership(device, QQmlEngine::CppOwnership);
    return device;
}
} // namespace

TovaUi::TovaUi(QObject* parent)
    : QObject(parent)
{
}

void TovaUi::registerModule()
{
    qmlRegisterSingletonType<QISystemDispatcher>(moduleUri, 0, 1, "SystemMessenger", systemMessengerProvider);
    qmlRegisterSingletonType<QIDevice>(moduleUri, 0, 1, "QIDevice", deviceProvider);
    qmlRegisterType<QIAlertView>(moduleUri, 0, 1, "AlertView");
    qmlRegisterType<QIActionSheet>(moduleUri, 0, 1, "ActionSheet");
    qmlRegisterType<QIImagePicker>(moduleUri, 0, 1, "ImagePicker");
    qmlRegisterType<QIActivityIndicator>(moduleUri, 0, 1, "ActivityIndicator");
    qmlRegisterType<LazyTextDocument>(moduleUri, 0, 1, "LazyTextDocument");
    qmlRegisterType<MarkdownHighlighter>(moduleUri, 0, 1, "MarkdownHighlighter");
    qmlRegisterType<MenuLetters>(moduleUri, 0, 1, "MenuLetters");
    qmlRegisterType<PlainKeys>(moduleUri, 0, 1, "PlainKeys");
    qmlRegisterType<PointerRest>(moduleUri, 0, 1, "PointerRest");
    qmlRegisterType<AccessibleState>(moduleUri, 0, 1, "AccessibleState");
    qmlRegisterType<PopupCover>(moduleUri, 0, 1, "PopupCover");
    // Library windows may use the revisioned window properties.
    qmlRegisterRevision<QQuickWindow, 1>(moduleUri, 0, 1);
    qmlRegisterRevision<QWindow, 1>(moduleUri, 0, 1);
}

void TovaUi::registerTypes(QQmlApplicationEngine* engine)
{
    QQmlContext* context = engine->rootContext();
    context->setContextProperty(QStringLiteral("qmlKey"), this);
    context->setContextProperty(QStringLiteral("g_theme"), new LumoTheme());
    qmlRegisterType<ThemeModel>(moduleUri, 0, 1, "ThemeModel");
    context->setContextProperty(QStringLiteral("functions"), function::instance());
    context->setContextProperty(QStringLiteral("message"), function::instance()->getMessage());
    // t::r is static, so the shared instance answers exactly like a new one.
    context->setContextProperty(QStringLiteral("t"), t::instance());
    context->setContextProperty(QStringLiteral("keys"), new keys());
    QCoreApplication::instance()->installEventFilter(new ButtonKeys(this));
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
    QISystemDispatcher::instance()->dispatch(QStringLiteral("applicationSetStatusBarStyle"),
        { { QStringLiteral("style"), int(style) } });
}

void TovaUi::setStatusBarHidden(bool hidden, int animation)
{
    QISystemDispatcher::instance()->dispatch(QStringLiteral("applicationSetStatusBarHidden"),
        { { QStringLiteral("hidden"), hidden }, { QStringLiteral("animation"), animation } });
}

// Registers the module while the application object is being built, before
// any QML engine exists.
static void registerTovaUiModule()
{
    TovaUi::registerModule();
}
Q_COREAPP_STARTUP_FUNCTION(registerTovaUiModule)
