// The main window shell: a start-up check that loads qrc:/qml/main.qml with
// the real objects the way the program does, and Qt Quick Tests that drive
// the shell against stand-ins (tests/shell/ShellStandIns.qml) for the
// objects whose behaviour they control.
#include "testenvironment.h"
#include "mainengine.h"

#include "data/global.h"
#include "data/settings.h"
#include "function/qmlkey.h"
#include "i18n/i18n.h"
#include "registertype/registertype.h"

#include <QApplication>
#include <QFile>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QtQuickTest>

class TestShellStartup : public QObject
{
    Q_OBJECT

    // Builds the engine the way main() does and loads the main window.
    static QQuickWindow* loadMainWindow(QQmlApplicationEngine& engine)
    {
        setUpMainEngine(engine, &engine);
        global::instance()->setEngine(&engine);
        engine.load(QUrl(QStringLiteral("qrc:/qml/main.qml")));
        global::instance()->setEngine(nullptr);
        return engine.rootObjects().isEmpty() ? nullptr : qobject_cast<QQuickWindow*>(engine.rootObjects().first());
    }

private slots:
    // The program's own engine set-up gives a main window as the root with
    // the desktop layout and its document area in place.
    void rootIsMainWindow()
    {
        QQmlApplicationEngine engine;
        QQuickWindow* window = loadMainWindow(engine);
        QCOMPARE(engine.rootObjects().size(), 1);
        QVERIFY(window);
        QCOMPARE(window->objectName(), QStringLiteral("applicationWindow"));
        QVERIFY(window->isVisible());
        QVERIFY(window->minimumWidth() >= 300);
        QVERIFY(window->minimumHeight() >= 200);
        QTRY_VERIFY(window->property("pcMain").value<QObject*>() != nullptr);
        QVERIFY(window->property("documentPage").value<QObject*>() != nullptr);
        auto* menuBar = window->findChild<QObject*>(QStringLiteral("windowsMenuBar"));
        QVERIFY(menuBar);

        // With the real settings object the window size reaches the INI file.
        Settings* settings = global::instance()->settings();
        const bool realSettings = settings->metaObject()->indexOfProperty("mainWidth") >= 0;
        if (realSettings) {
            window->setProperty("geometrySaveDelay", 10);
            window->resize(640, 480);
            QTRY_COMPARE(QSettings().value(QStringLiteral("Window/width")).toInt(), 640);
            QCOMPARE(QSettings().value(QStringLiteral("Window/hight")).toInt(), 480);
        }

        // No lock and no quit-time sync: the window closes at once.
        QVERIFY(QMetaObject::invokeMethod(window, "close"));
        QTRY_VERIFY(!window->isVisible());
        if (!realSettings)
            QSKIP("the settings object has no window keys yet");
    }

    // A document opened in the real window is counted, its chapters fill
    // the chapter page and the status bar shows its words.
    void openedDocumentFillsChapterPage()
    {
        const QString path = global::documentPath() + QStringLiteral("/book.txt");
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QStringLiteral("第1章 起\n　　风起了。\n第2章 承\n　　雨来了。\n第3章 转\n　　天晴了。\n").toUtf8());
        }
        QQmlApplicationEngine engine;
        QQuickWindow* window = loadMainWindow(engine);
        QVERIFY(window);
        QVERIFY(QMetaObject::invokeMethod(window, "openFile", Q_ARG(QString, QUrl::fromLocalFile(path).toString())));

        QObject* pcMain = window->property("pcMain").value<QObject*>();
        QVERIFY(pcMain);
        QVERIFY(QMetaObject::invokeMethod(pcMain, "showTab", Q_ARG(QVariant, QStringLiteral("autoChapter"))));
        QObject* list = window->findChild<QObject*>(QStringLiteral("chapterList"));
        QVERIFY(list);
        QTRY_COMPARE_WITH_TIMEOUT(list->property("count").toInt(), 3, 10000);
        QObject* label = window->findChild<QObject*>(QStringLiteral("countLabel"));
        QVERIFY(label);
        QTRY_VERIFY_WITH_TIMEOUT(label->property("text").toString().startsWith(QStringLiteral("字数: ")), 10000);
        window->close();
    }
};

// Sets the stand-ins as context properties of each Quick Test engine.
class Setup : public QObject
{
    Q_OBJECT
public slots:
    void qmlEngineAvailable(QQmlEngine* engine)
    {
        engine->addImportPath(QStringLiteral("qrc:///"));
        const QStringList files = { QStringLiteral(TEST_SOURCE_DIR "/../library/StandIns.qml"),
                                    QStringLiteral(TEST_SOURCE_DIR "/ShellStandIns.qml") };
        const QList<QStringList> names = {
            { "g_theme", "functions", "t", "qmlKey" },
            { "cglobal", "csettings", "files", "cloudDisk", "g_data", "locker", "wordCountModel", "countly",
              "cUpdate", "user", "userdata", "keys", "message" }
        };
        for (int i = 0; i < files.size(); ++i) {
            QQmlComponent component(engine, QUrl::fromLocalFile(files.at(i)));
            QObject* object = component.create();
            if (!object)
                qFatal("stand-ins: %s", qPrintable(component.errorString()));
            object->setParent(engine);
            for (const QString& name : names.at(i))
                engine->rootContext()->setContextProperty(name, object->property(name.toLatin1()).value<QObject*>());
            if (i == 1)
                engine->rootContext()->setContextProperty(QStringLiteral("standIns"), object);
        }
    }
};

int main(int argc, char** argv)
{
    TestEnvironment environment;
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    // The tests close main windows; the run must outlive them.
    app.setQuitOnLastWindowClosed(false);

    int status = 0;
    {
        TestShellStartup startup;
        char* startupArgs[] = { argv[0] };
        status |= QTest::qExec(&startup, 1, startupArgs);
    }
    Setup setup;
    status |= quick_test_main_with_setup(argc, argv, "shell", TEST_SOURCE_DIR "/qml", &setup);
    return status;
}

#include "tst_shell.moc"
