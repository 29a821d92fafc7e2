#include "support/memorytuning.h"
#include "data/global.h"
#include "data/settings.h"
#include "TovaUi/function/function.h"
#include "TovaUi/function/message.h"
#include "TovaUi/function/qmlkey.h"
#include "i18n/i18n.h"
#include "registertype/registertype.h"
#include "support/log.h"
#include "support/quitonsignal.h"
#include "support/qtsingleapplication/qtsingleapplication.h"
#include "support/filenamecodec.h"
#include "support/userfile.h"
#include "TovaUi/textarea/documentloader.h"
#include "TovaUi/textarea/historysnapshots.h"
#include "TovaUi/tovaui.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QSslSocket>
#include <QThreadPool>
#include <QVariantMap>

#include "TovaUi/function/qisystemdispatcher.h"

int main(int argc, char* argv[])
{
    giveBackLargeBlocks();
    if (!QSslSocket::supportsSsl())
        logDebug(lcApp) << "QSslSocket::supportsSsl(): false";

    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);

    QtSingleApplication app(QStringLiteral("com.velmora.Penlark"), argc, argv);
    // Before any path is read: names that are not UTF-8 list and open too.
    FileNameCodec::install();

    // The application object and the settings exist before anything else, so
    // the settings location is fixed even for a process that ends at once.
    global::instance();
    global::instance()->settings();

    if (app.isRunning()) {
        logDebug(lcApp) << "app is running";
        return app.sendMessage(QStringLiteral("showTovaWriterWindow"), 5000) ? 0 : 1;
    }

    const QStringList arguments = app.arguments();
    if (arguments.size() > 1 && arguments.at(1) == QLatin1String("-autostart") && !global::isHasLockNumber()) {
        logDebug(lcApp) << "close from app handle";
        QApplication::closeAllWindows();
        QCoreApplication::quit();
        return 0;
    }

    // Temporary files that writers killed in an earlier run left behind
    // (statistics, the book order, documents) go, off the GUI thread.
    const QStringList folders { global::dataPath(), global::documentPath() };
    QThreadPool::globalInstance()->start([folders] {
        for (const QString& folder : folders)
            UserFile::removeLeftovers(folder);
    });

    // Unsaved text that neither its file nor the history could take is kept
    // in the program's own folder.
    HistorySnapshots::setFallbackFolder(global::dataPath() + QStringLiteral("/Unsaved"));

    // The document reopened at start is read while the interface is built;
    // one that is gone since the last run is told instead.
    const QUrl current(global::instance()->settings()->currentFile());
    DocumentLoader::readAhead(current);
    if (current.isLocalFile() && !QFileInfo::exists(current.toLocalFile())) {
        logWarning(lcApp) << "the file open at the last quit is gone:" << current.toLocalFile();
        message::showLater(Message::Warn, QCoreApplication::translate("main", "上次打开的文件已不存在：%1")
                                              .arg(QDir::toNativeSeparators(current.toLocalFile())));
    }

    QQuickStyle::setStyle(QStringLiteral("Default"));
    QFont font(function::systemFont());
    font.setPixelSize(13);
    QApplication::setFont(font);

    QQmlApplicationEngine engine;

    auto* qmlKey = new QmlKey();
    qmlKey->registerTypes(&engine);

    auto* i18n = new I18n(&app, &engine);
    engine.rootContext()->setContextProperty(QStringLiteral("i18n"), i18n);

    engine.addImportPath(QStringLiteral("qrc:///"));
    RegisterType::Register(&engine);
    global::instance()->setEngine(&engine);

    // PENLARK_MAIN_QML lets the start-up tests load a main file of their own.
    const QString mainOverride = qEnvironmentVariable("PENLARK_MAIN_QML");
    const QUrl mainUrl(mainOverride.isEmpty() ? QStringLiteral("qrc:/qml/main.qml") : mainOverride);
    QObject::connect(
        &engine, &QQmlApplicationEngine::objectCreated, &app,
        [mainUrl](QObject* object, const QUrl& url) {
            if (!object && url == mainUrl)
                QCoreApplication::exit(-1);
        },
        Qt::QueuedConnection);
    engine.load(mainUrl);

    if (!engine.rootObjects().isEmpty()) {
        if (auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().first())) {
            app.setActivationWindow(window, true);
            TovaUi::setupWindow(window);
        }
        qmlKey->installSignal(&app);
        TovaUi::setStatusBarStyle(TovaUi::StatusBarStyleDefault);
        QISystemDispatcher::instance()->dispatch(QStringLiteral("activityIndicatorStart"), QVariantMap());
        // A session that ends or a kill saves the open documents as closing
        // the window does; it is not refused, and no cloud sync is started.
        quitOnSignals([] { emit global::instance()->saveAllNoTips(); });
        // Copies of unsaved text made as the last run ended (a signal, a
        // second quit) are named now, when the writer can read it.
        const QStringList kept = HistorySnapshots::takeKeptAtEnd();
        if (!kept.isEmpty()) {
            logWarning(lcApp) << "unsaved text kept as the last run ended:" << kept;
            const QString notice = QCoreApplication::translate("main", "上次退出时有文档未能保存，未保存的内容已存入：%1")
                                       .arg(kept.join(QStringLiteral("、")));
            // Once the window is on screen, where it can be read.
            auto* told = new QObject(&app);
            if (auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().first())) {
                QObject::connect(window, &QQuickWindow::frameSwapped, told, [told, notice] {
                    if (told->property("done").toBool())
                        return;
                    told->setProperty("done", true);
                    message::show(Message::TipsError, notice, 8000);
                    told->deleteLater();
                });
            }
        }
    }

    return app.exec();
}
