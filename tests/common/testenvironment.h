#ifndef TESTENVIRONMENT_H
#define TESTENVIRONMENT_H

// Every test process gets its own temporary HOME and TMPDIR before any Qt
// application object exists, so no test touches a real data folder,
// settings file or socket. The folder is removed when the process ends.

#include "support/filenamecodec.h"

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QtTest>

#include <cstdlib>
#include <unistd.h>

class TestEnvironment
{
public:
    TestEnvironment()
    {
        char pattern[] = "/tmp/penlark-test-XXXXXX";
        const char* made = ::mkdtemp(pattern);
        if (!made)
            std::abort();
        m_root = QString::fromLocal8Bit(made);
        const QByteArray home = (m_root + QStringLiteral("/home")).toLocal8Bit();
        const QByteArray tmp = (m_root + QStringLiteral("/tmp")).toLocal8Bit();
        QDir().mkpath(QString::fromLocal8Bit(home));
        QDir().mkpath(QString::fromLocal8Bit(tmp));
        ::setenv("HOME", home.constData(), 1);
        ::setenv("TMPDIR", tmp.constData(), 1);
        ::setenv("XDG_CONFIG_HOME", (home + "/.config").constData(), 1);
        ::setenv("XDG_DATA_HOME", (home + "/.local/share").constData(), 1);
        ::setenv("XDG_CACHE_HOME", (home + "/.cache").constData(), 1);
        const QByteArray runtime = (m_root + QStringLiteral("/runtime")).toLocal8Bit();
        QDir().mkpath(QString::fromLocal8Bit(runtime));
        QFile::setPermissions(QString::fromLocal8Bit(runtime), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        ::setenv("XDG_RUNTIME_DIR", runtime.constData(), 1);
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    ~TestEnvironment()
    {
        if (!m_root.isEmpty() && qEnvironmentVariableIsEmpty("PENLARK_KEEP_TEST_HOME"))
            QDir(m_root).removeRecursively();
    }
    QString root() const { return m_root; }
    QString home() const { return m_root + QStringLiteral("/home"); }
    QString tmp() const { return m_root + QStringLiteral("/tmp"); }

private:
    QString m_root;
};

// Like QTEST_MAIN, with the isolated environment set up first and file
// names read as the program reads them.
#define PENLARK_TEST_MAIN(TestObject)                     \
    int main(int argc, char* argv[])                      \
    {                                                     \
        TestEnvironment environment;                      \
        QApplication app(argc, argv);                     \
        app.setAttribute(Qt::AA_Use96Dpi, true);          \
        FileNameCodec::install(); /* as the program does */ \
        TestObject tc;                                    \
        QTEST_SET_MAIN_SOURCE_PATH                        \
        return QTest::qExec(&tc, argc, argv);             \
    }

#endif
