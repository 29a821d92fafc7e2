// The editor: search and replace of the windowed document (C++), and Qt
// Quick Tests of the editor page, the document tabs, the find bar and the
// typewriter text area with the program's real context objects.
#include "leasedfile.h"
#include "testenvironment.h"
#include "testfiles.h"

#include "searchtest.h"

#include "chapter/wordcountmodel.h"
#include "data/data.h"
#include "data/global.h"
#include "data/settings.h"
#include "files/cloudDisk/clouddisk.h"
#include "files/files.h"
#include "TovaUi/function/function.h"
#include "TovaUi/function/keys.h"
#include "TovaUi/function/message.h"
#include "TovaUi/function/qmlkey.h"
#include "TovaUi/function/t.h"
#include "document/counthandler.h"
#include "registertype/registertype.h"
#include "TovaUi/textarea/documentsaver.h"
#include "TovaUi/textarea/lazytextdocument.h"
#include "TovaUi/textarea/subtle.h"
#include "TovaUi/theme/lumotheme.h"
#include "i18n/i18n.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QProcess>
#include <QTimer>
#include <QWaitCondition>
#include <QQmlContext>
#include <QQmlEngine>
#include <QTextCodec>
#include <QtQml>
#include <QtQuickTest>

#include <unistd.h>

// Files for the Quick Tests: written, read and taken away in the test home.
class Fixture : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    Q_INVOKABLE QString write(const QString& name, const QString& text) { return put(name, text.toUtf8()); }
    Q_INVOKABLE QString read(const QString& url) const
    {
        QFile file(QUrl(url).toLocalFile());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    // The file's url; "" when it could not be written.
    QString put(const QString& name, const QByteArray& bytes)
    {
        const QString path = QDir::homePath() + QLatin1Char('/') + name;
        return writeTestFile(path, bytes) ? QUrl::fromLocalFile(path).toString() : QString();
    }
    // A file's bytes as hexadecimal digits, written and read; a text's
    // bytes in an encoding (no byte-order mark).
    Q_INVOKABLE QString writeBytes(const QString& name, const QString& hex) { return put(name, QByteArray::fromHex(hex.toLatin1())); }
    Q_INVOKABLE QString readHex(const QString& url) const { return QString::fromLatin1(readTestFile(QUrl(url).toLocalFile()).toHex()); }
    Q_INVOKABLE QString hex(const QString& text, const QString& codec) const
    {
        QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
        return QString::fromLatin1(QTextCodec::codecForName(codec.toLatin1())->fromUnicode(text.constData(), text.size(), &state).toHex());
    }
    Q_INVOKABLE bool removeFolderOf(const QString& url) const
    {
        return QFileInfo(QUrl(url).toLocalFile()).dir().removeRecursively();
    }
    Q_INVOKABLE bool moveFolderOf(const QString& url) const
    {
        const QString folder = QFileInfo(QUrl(url).toLocalFile()).absolutePath();
        return QDir().rename(folder, folder + QStringLiteral("-moved"));
    }
    Q_INVOKABLE QString readPath(const QString& path) const { return read(QUrl::fromLocalFile(path).toString()); }
    // Another program's line at the end of the file.
    Q_INVOKABLE static bool append(const QString& url, const QString& text)
    {
        QFile file(QUrl(url).toLocalFile());
        return file.open(QIODevice::Append) && file.write(text.toUtf8()) == text.toUtf8().size();
    }
    // The line appended while the document is put in in parts: once part
    // of the text is in and before the last part.
    Q_INVOKABLE void appendDuringLoad(QObject* document, const QString& url, const QString& text)
    {
        m_appended = false;
        auto* doc = qobject_cast<LazyTextDocument*>(document);
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [=] {
            if (doc->textLoaded() || !doc->loading() || doc->allTextDocument()->characterCount() <= 1)
                return;
            poll->deleteLater();
            poll->stop();
            m_appended = append(url, text);
        });
        poll->start(0);
    }
    // The line appended just after the next write has put its file in
    // place, before the editor hears of it.
    Q_INVOKABLE void appendAfterNextWrite(const QString& url, const QString& text)
    {
        m_appended = false;
        DocumentSaver::setWrittenHook([this, url, text](const QString&) {
            DocumentSaver::setWrittenHook(nullptr);
            m_appended = append(url, text);
        });
    }
    Q_INVOKABLE bool appended() const { return m_appended; }
    // The file made unwritable: immutable (root, as CI runs), else its
    // folder read-only.
    Q_INVOKABLE bool lockFile(const QString& url, bool locked) const
    {
        const QString path = QUrl(url).toLocalFile();
        if (::geteuid() == 0)
            return QProcess::execute(QStringLiteral("chattr"), { locked ? QStringLiteral("+i") : QStringLiteral("-i"), path }) == 0;
        const QString folder = QFileInfo(path).absolutePath();
        return QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner
            | (locked ? QFileDevice::Permissions() : QFileDevice::WriteOwner));
    }
    // Another program's command on the file ($1), as sh runs it.
    Q_INVOKABLE bool sh(const QString& command, const QString& url) const
    {
        return QProcess::execute(QStringLiteral("sh"), { QStringLiteral("-c"), command, QStringLiteral("sh"), QUrl(url).toLocalFile() }) == 0;
    }
    // This process, every thread of it, an ordinary user (root reads any folder), and back.
    Q_INVOKABLE bool asNobody(bool nobody) const
    {
        if (::getuid() != 0)
            return true;
        return nobody ? ::setegid(65534) == 0 && ::seteuid(65534) == 0 : ::seteuid(0) == 0 && ::setegid(0) == 0;
    }
    Q_INVOKABLE void stepLoading(int fromBytes, int characters) { LazyTextDocument::setStepLoading(fromBytes, characters); }
    // Another program's lease on the file: the document's read waits.
    Q_INVOKABLE bool holdRead(const QString& url) { return m_lease.take(QUrl(url).toLocalFile()); }
    Q_INVOKABLE void releaseRead() { m_lease.release(); }
    bool m_appended = false;
    LeasedFile m_lease;
    // Holds the document writer before each write while held (the hook
    // stays installed: the writer thread reads it); writesWaiting() tells
    // how many writes have come to it since the last hold.
    Q_INVOKABLE void holdWrites(bool hold)
    {
        QMutexLocker lock(&s_gate);
        if (hold && !s_hooked) {
            s_hooked = true;
            DocumentSaver::setWriteHook([](const QString&) {
                QMutexLocker inner(&s_gate);
                ++s_waiting;
                while (s_held)
                    s_released.wait(&s_gate);
            });
        }
        if (hold)
            s_waiting = 0;
        s_held = hold;
        s_released.wakeAll();
    }
    Q_INVOKABLE int writesWaiting() const
    {
        QMutexLocker lock(&s_gate);
        return s_waiting;
    }
    static QMutex s_gate;
    static QWaitCondition s_released;
    static bool s_held;
    static bool s_hooked;
    static int s_waiting;

    // A book of the given number of lines with a chapter title every 100.
    Q_INVOKABLE QString book(int lines) const
    {
        QString text;
        for (int i = 0; i < lines; ++i) {
            if (i % 100 == 0)
                text += QStringLiteral("第%1章 远行\n").arg(i / 100 + 1);
            else
                text += QStringLiteral("\u3000\u3000第%1行，山河远阔，人间烟火。\n").arg(i);
        }
        return text;
    }
};

QMutex Fixture::s_gate;
QWaitCondition Fixture::s_released;
bool Fixture::s_held = false;
bool Fixture::s_hooked = false;
int Fixture::s_waiting = 0;

// The context objects the editor pages bind to, as start-up sets them.
class Setup : public QObject
{
    Q_OBJECT
public slots:
    void qmlEngineAvailable(QQmlEngine* engine)
    {
        engine->addImportPath(QStringLiteral("qrc:///"));
        QQmlContext* context = engine->rootContext();
        global* g = global::instance();
        context->setContextProperty(QStringLiteral("qmlKey"), new QmlKey(engine));
        context->setContextProperty(QStringLiteral("g_theme"), new LumoTheme(engine));
        context->setContextProperty(QStringLiteral("functions"), function::instance());
        context->setContextProperty(QStringLiteral("message"), function::instance()->getMessage());
        context->setContextProperty(QStringLiteral("t"), t::instance());
        context->setContextProperty(QStringLiteral("keys"), new keys(engine));
        context->setContextProperty(QStringLiteral("csettings"), g->settings());
        context->setContextProperty(QStringLiteral("files"), new files(engine));
        context->setContextProperty(QStringLiteral("wordCountModel"), data::instance()->wordCountModel());
        context->setContextProperty(QStringLiteral("cglobal"), g);
        context->setContextProperty(QStringLiteral("i18n"), new I18n(nullptr, engine));
        context->setContextProperty(QStringLiteral("g_data"), data::instance());
        context->setContextProperty(QStringLiteral("csubtle"), new Subtle(engine));
        RegisterType::installTextRules();
        context->setContextProperty(QStringLiteral("fixture"), new Fixture(engine));
    }
};

int main(int argc, char** argv)
{
    TestEnvironment environment;
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    qmlRegisterType<CountHandler>("com.velmora.count", 1, 0, "CountHandler");
    qmlRegisterUncreatableType<cloudDisk>("com.velmora.clouddisk", 1, 0, "CloudDisk", QString());

    int status = 0;
    {
        SearchTest search;
        char* searchArgs[] = { argv[0] };
        status |= QTest::qExec(&search, 1, searchArgs);
    }
    Setup setup;
    status |= quick_test_main_with_setup(argc, argv, "editor", TEST_SOURCE_DIR "/qml", &setup);
    return status;
}

#include "tst_editor.moc"
