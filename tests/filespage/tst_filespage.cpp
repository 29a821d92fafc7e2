// The file-tree page in a Qt Quick Test: it lists the document folder
// through the files object.
#include "testenvironment.h"

#include "data/global.h"
#include "function/function.h"
#include "files/files.h"
#include "folderlistmodel/qquickfolderlistmodel.h"

#include <QApplication>
#include <QMessageBox>
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
        global::instance(); // settings location first
        const QString root = QDir::homePath() + QStringLiteral("/Books");
        for (const QString& name : { QStringLiteral("第2章.txt"), QStringLiteral("第1章.txt"), QStringLiteral("第10章.txt"),
                                     QStringLiteral("index.txt"), QStringLiteral("Book/index.txt"), QStringLiteral("Book/a.txt") }) {
            const QString path = root + QLatin1Char('/') + name;
            QDir().mkpath(QFileInfo(path).absolutePath());
            QFile f(path);
            f.open(QIODevice::WriteOnly);
        }
        global::setDocumentPath(root);
        for (const QString& name : { QStringLiteral("第1章---100.txt"), QStringLiteral("第10章---200.txt"), QStringLiteral("第1章---300.txt") }) {
            QFile f(root + QStringLiteral("/.History/") + name);
            QDir().mkpath(root + QStringLiteral("/.History"));
            f.open(QIODevice::WriteOnly);
            f.write("old");
            f.flush();
            f.setFileTime(QDateTime::fromSecsSinceEpoch(name.section(QStringLiteral("---"), 1).section(QLatin1Char('.'), 0, 0).toLongLong()),
                          QFileDevice::FileModificationTime);
        }
        qmlRegisterType<QQuickFolderListModel>("com.velmora.folderlistmodel", 1, 0, "FolderListModel");
        engine->rootContext()->setContextProperty(QStringLiteral("cglobal"), global::instance());
        engine->rootContext()->setContextProperty(QStringLiteral("functions"), function::instance());
        global::instance()->setFilesSortType(false);
        // The delete confirmation answers Yes instead of opening a modal box.
        files::setQuestionHandler([](const QString&, const QString&) { return int(QMessageBox::Yes); });
        m_files = new files(this);
        engine->rootContext()->setContextProperty(QStringLiteral("files"), m_files);
        engine->rootContext()->setContextProperty(QStringLiteral("documentRoot"), root);
    }

private:
    files* m_files = nullptr;
};

int main(int argc, char** argv)
{
    TestEnvironment environment;
    QApplication app(argc, argv);
    Setup setup;
    return quick_test_main_with_setup(argc, argv, "filespage", TEST_SOURCE_DIR "/qml", &setup);
}

#include "tst_filespage.moc"
