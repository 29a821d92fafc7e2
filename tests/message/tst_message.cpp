// The notice view driven through the one Message object, as the QML pages
// and native code use it; and the context objects as QML pages call them.
#include "testenvironment.h"

#include "data/global.h"
#include "data/settings.h"
#include "TovaUi/function/function.h"
#include "TovaUi/function/message.h"
#include "TovaUi/theme/lumotheme.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest>

class Setup : public QObject
{
    Q_OBJECT

public slots:
    void qmlEngineAvailable(QQmlEngine* engine)
    {
        engine->addImportPath(QStringLiteral("qrc:///"));
        QQmlContext* context = engine->rootContext();
        context->setContextProperty(QStringLiteral("functions"), function::instance());
        context->setContextProperty(QStringLiteral("message"), function::instance()->getMessage());
        context->setContextProperty(QStringLiteral("cglobal"), global::instance());
        context->setContextProperty(QStringLiteral("csettings"), global::instance()->settings());
        context->setContextProperty(QStringLiteral("g_theme"), new LumoTheme(engine));
        context->setContextProperty(QStringLiteral("nativeMessage"), this);
    }

public:
    // Lets the QML test raise a notice the way native code does.
    Q_INVOKABLE void showNative(int type, const QString& text, const QString& subText)
    {
        message::show(Message::MessageType(type), text, subText);
    }
};

int main(int argc, char** argv)
{
    TestEnvironment environment;
    QTEST_SET_MAIN_SOURCE_PATH
    Setup setup;
    return quick_test_main_with_setup(argc, argv, "message", TEST_SOURCE_DIR "/qml", &setup);
}

#include "tst_message.moc"
