// The one writer of user files against real disk faults: a full tmpfs, a
// read-only bind mount, an immutable file, a size limit, a missing folder.
// Every failure must leave the old bytes in place and say why.

#include "filebytes.h"
#include "smalldisk.h"
#include "support/userfile.h"
#include "testenvironment.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QSet>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <fcntl.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <cstddef>

namespace {

// Writes bytes whole, or through writePieces() in pieces of pieceSize.
UserFile::Result writeBytes(const QString& path, const QByteArray& bytes, int pieceSize)
{
    if (pieceSize <= 0)
        return UserFile::write(path, bytes);
    int at = 0;
    return UserFile::writePieces(path, [&](QByteArray& piece) {
        if (at >= bytes.size())
            return false;
        piece = bytes.mid(at, pieceSize);
        at += pieceSize;
        return true;
    });
}

// Pieces that hand out these bytes, once.
UserFile::Pieces once(const QByteArray& bytes)
{
    auto handed = std::make_shared<bool>(false);
    return [bytes, handed](QByteArray& piece) {
        if (*handed)
            return false;
        piece = bytes;
        *handed = true;
        return true;
    };
}

// Folder entries other than the given names: a failed write leaves no
// temporary file behind.
QStringList strayEntries(const QString& folder, const QStringList& expected)
{
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& name : expected)
        names.removeAll(name);
    return names;
}

} // namespace

class TestUserFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // A write past the size limit must fail, not end the process.
        ::signal(SIGXFSZ, SIG_IGN);
    }

    void fullDiskKeepsOldFile_data()
    {
        QTest::addColumn<int>("newSize");
        QTest::addColumn<int>("pieceSize"); // 0: written whole
        // Under a page: the whole text waits in Qt's buffer until the flush
        // at commit, where QSaveFile alone reports success.
        QTest::newRow("small file") << 3000 << 0;
        QTest::newRow("one buffer") << 16384 << 0;
        QTest::newRow("large file") << 200000 << 0;
        // The disk fills after some pieces went through.
        QTest::newRow("large file in pieces") << 200000 << 7000;
        QTest::newRow("small pieces") << 3000 << 100;
    }

    void fullDiskKeepsOldFile()
    {
        QFETCH(int, newSize);
        QFETCH(int, pieceSize);
        SmallDisk disk(256);
        QVERIFY2(disk.isMounted(), "cannot mount a tmpfs: the tests need root");
        const QString path = disk.path() + QStringLiteral("/chapter.txt");
        const QByteArray old("chapter one\nold text\n");
        QVERIFY(putFileBytes(path, old));
        QVERIFY(disk.fill());

        const UserFile::Result result = writeBytes(path, QByteArray(newSize, 'n'), pieceSize);
        QVERIFY(!result);
        QVERIFY(!result.error.isEmpty());
        QCOMPARE(fileBytes(path), old);
        QCOMPARE(strayEntries(disk.path(), { QStringLiteral("chapter.txt"), QStringLiteral(".filler") }), QStringList());

        // With room again the same write goes through.
        disk.release();
        QVERIFY(writeBytes(path, QByteArray(newSize, 'n'), pieceSize));
        QCOMPARE(fileBytes(path), QByteArray(newSize, 'n'));
    }

    void otherFailuresKeepOldFile_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("read-only folder") << QStringLiteral("rofolder");
        QTest::newRow("immutable file") << QStringLiteral("immutable");
        QTest::newRow("size limit") << QStringLiteral("limit");
        QTest::newRow("name of a folder") << QStringLiteral("folder");
        QTest::newRow("existing file, new only") << QStringLiteral("newonly");
    }

    void otherFailuresKeepOldFile()
    {
        QFETCH(QString, how);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("chapter.txt"));
        const QByteArray old("old text\n");
        QVERIFY(putFileBytes(path, old));
        const QByteArray next(20000, 'n');

        UserFile::Result result;
        if (how == QLatin1String("rofolder")) {
            ReadOnlyFolder readOnly(dir.path());
            QVERIFY2(readOnly.isActive(), "cannot bind-mount read-only: the tests need root");
            result = UserFile::write(path, next);
        } else if (how == QLatin1String("immutable")) {
            ImmutableFile immutable(path);
            QVERIFY2(immutable.isActive(), "chattr +i failed: the tests need root and a filesystem with attributes");
            result = UserFile::write(path, next);
        } else if (how == QLatin1String("limit")) {
            struct rlimit saved;
            ::getrlimit(RLIMIT_FSIZE, &saved);
            struct rlimit small = saved;
            small.rlim_cur = 4096;
            ::setrlimit(RLIMIT_FSIZE, &small);
            result = UserFile::write(path, next);
            ::setrlimit(RLIMIT_FSIZE, &saved);
        } else if (how == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("book"))));
            result = UserFile::write(dir.filePath(QStringLiteral("book")), next);
            QVERIFY(QFileInfo(dir.filePath(QStringLiteral("book"))).isDir());
        } else {
            result = UserFile::write(path, next, UserFile::NewFileOnly);
        }
        QVERIFY(!result);
        QVERIFY(!result.error.isEmpty());
        QCOMPARE(fileBytes(path), old);
        QCOMPARE(strayEntries(dir.path(), { QStringLiteral("chapter.txt"), QStringLiteral("book") }), QStringList());
    }

    // A new file is never written through a link, even one that leads
    // nowhere: that would create the link's target elsewhere.
    void newFileOnlyRefusesDanglingLink()
    {
        QTemporaryDir dir;
        const QString outside = dir.filePath(QStringLiteral("outside/target.txt"));
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("outside"))));
        const QString link = dir.filePath(QStringLiteral("chapter.txt"));
        QVERIFY(QFile::link(outside, link));
        QVERIFY(!UserFile::write(link, "x", UserFile::NewFileOnly));
        QVERIFY(!QFileInfo::exists(outside));
        QVERIFY(QFileInfo(link).isSymLink());
    }

    void missingFolder()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a/b/c.txt"));
        QVERIFY(!UserFile::write(path, "x", UserFile::NoOptions));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("a"))));
        QVERIFY(UserFile::write(path, "x"));
        QCOMPARE(fileBytes(path), QByteArray("x"));
    }

    void emptyAndExactBytes()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("c.txt"));
        QByteArray bytes;
        for (int i = 0; i < 256; ++i)
            bytes.append(char(i));
        bytes.append("\r\n\n");
        QVERIFY(UserFile::write(path, bytes));
        QCOMPARE(fileBytes(path), bytes); // no text-mode translation
        QVERIFY(UserFile::write(path, QByteArray()));
        QCOMPARE(QFileInfo(path).size(), 0);
    }

    // A process killed at any moment of a write leaves the old file or the
    // new one, never a mix or a short file. The writer runs in a forked
    // child that alternates two contents; the parent kills it after a
    // seeded delay and reads what is there.
    void killedWhileWritingLeavesOldOrNew()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("chapter.txt"));
        const QByteArray first(20000, 'a');
        const QByteArray second(30000, 'b');
        QVERIFY(putFileBytes(path, first));
        QSet<QByteArray> seen;
        for (quint32 seed = 1; seed <= 30; ++seed) {
            const pid_t child = ::fork();
            QVERIFY(child >= 0);
            if (child == 0) {
                for (int i = 0;; ++i)
                    UserFile::write(path, i % 2 ? first : second);
            }
            QThread::usleep(1000 + QRandomGenerator(seed).bounded(20000));
            ::kill(child, SIGKILL);
            int status = 0;
            ::waitpid(child, &status, 0);
            const QByteArray now = fileBytes(path);
            QVERIFY2(now == first || now == second,
                     qPrintable(QStringLiteral("seed %1: %2 bytes").arg(seed).arg(now.size())));
            seen.insert(now);
        }
        // The child did write: both contents turned up.
        QCOMPARE(seen.size(), 2);
    }

    // A writer killed between naming its temporary file and renaming it
    // (here the system ends it at the rename) leaves that file; the next
    // start removes it. A write of this process under way stays.
    void leftoverOfAKilledWriterGoes()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("chapter.txt"));
        const QByteArray first("old text\n");
        QVERIFY(putFileBytes(path, first));
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            struct sock_filter rename[] = {
                BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(struct seccomp_data, nr)),
                BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_rename, 3, 0),
                BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_renameat, 2, 0),
                BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_renameat2, 1, 0),
                BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
                BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_KILL_PROCESS),
            };
            struct sock_fprog filter = { sizeof(rename) / sizeof(rename[0]), rename };
            if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 && ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &filter) == 0)
                UserFile::write(path, "new text\n");
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        QVERIFY2(WIFSIGNALED(status), "the writer was not stopped at its rename");
        QCOMPARE(fileBytes(path), first);
        QCOMPARE(strayEntries(dir.path(), { QStringLiteral("chapter.txt") }).size(), 1);
        int removedWhileWriting = -1;
        QVERIFY(UserFile::writePieces(path, [&](QByteArray& piece) {
            if (removedWhileWriting >= 0)
                return false;
            removedWhileWriting = UserFile::removeLeftovers(dir.path());
            piece = first;
            return true;
        }));
        QCOMPARE(removedWhileWriting, 1);
        QCOMPARE(fileBytes(path), first);
        QCOMPARE(strayEntries(dir.path(), { QStringLiteral("chapter.txt") }), QStringList());
    }

    // A kept start comes from the file at the path while that is the file
    // the stamp names, and only then: a file put there since (renamed over
    // or rewritten in place) makes the write fail as stale and stay
    // unwritten. Proof that the start is copied, not handed out again: a
    // change made behind the stamp's back (same size, old time put back)
    // shows up in the new file.
    void keptStartOnlyFromTheStampedFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("chapter.txt"));
        const UserFile::Result first = UserFile::write(path, "0123456789");
        QVERIFY(first);
        QVERIFY(!first.stamp.isNull());
        QCOMPARE(first.stamp.size, 10);
        const UserFile::Result second = UserFile::writePieces(path, once("abc"), UserFile::NoOptions, { 4, first.stamp });
        QVERIFY2(second, qPrintable(second.error));
        QCOMPARE(fileBytes(path), QByteArray("0123abc"));
        QCOMPARE(second.stamp.size, 7);
        QVERIFY(!(second.stamp == first.stamp));

        // The old stamp names a file that is gone.
        UserFile::Result stale = UserFile::writePieces(path, once("abc"), UserFile::NoOptions, { 4, first.stamp });
        QVERIFY(!stale);
        QVERIFY(stale.keptStale);
        QCOMPARE(fileBytes(path), QByteArray("0123abc"));
        QCOMPARE(strayEntries(dir.path(), { QStringLiteral("chapter.txt") }), QStringList());

        // Rewritten in place: a new time (set, as the system's clock for
        // file times is coarse).
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            file.write("X");
        }
        {
            struct stat info;
            QVERIFY(::stat(QFile::encodeName(path).constData(), &info) == 0);
            const struct timespec times[2] = { info.st_atim, { info.st_mtim.tv_sec + 1, info.st_mtim.tv_nsec } };
            QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0);
        }
        stale = UserFile::writePieces(path, once("abc"), UserFile::NoOptions, { 4, second.stamp });
        QVERIFY(stale.keptStale);
        QCOMPARE(fileBytes(path), QByteArray("X123abc"));

        // Changed with its time put back: the status time tells.
        const UserFile::Result third = UserFile::write(path, "0123abc");
        QVERIFY(third);
        const auto rewriteTimeBack = [&](const QByteArray& bytes) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite) && file.write(bytes) == bytes.size());
            file.close();
            const struct timespec times[2] = { { 0, UTIME_OMIT }, { time_t(third.stamp.modified / 1000000000), long(third.stamp.modified % 1000000000) } };
            QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0);
        };
        rewriteTimeBack("Y");
        QVERIFY(UserFile::writePieces(path, once("abc"), UserFile::NoOptions, { 4, third.stamp }).keptStale);
        QCOMPARE(fileBytes(path), QByteArray("Y123abc"));

        // Expected to replace a file that changed: nothing is written. The digest is the bytes'.
        rewriteTimeBack("Z");
        QVERIFY(UserFile::write(path, "new", UserFile::NoOptions, third.stamp).replacedChanged);
        QCOMPARE(fileBytes(path), QByteArray("Z123abc"));
        const UserFile::Result digested = UserFile::write(path, "mine", UserFile::WithDigest);
        QCOMPARE(digested.digest, UserFile::digest("mine"));
        QVERIFY(UserFile::write(path, "mine2", UserFile::NoOptions, digested.stamp));
    }

    // A long kept start (copied in steps, the old file's cache dropped
    // behind each) comes out byte for byte, also when it ends inside a step,
    // and the file written that way is again a source for the next write.
    void keptStartOfABook()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("book.txt"));
        QByteArray book;
        for (int i = 0; book.size() < 1100000; ++i)
            book += QByteArray::number(i * 7919) + (i % 13 ? ' ' : '\n');
        UserFile::Result written = UserFile::write(path, book, UserFile::WithDigest);
        QVERIFY(written);
        // The digest takes the kept part's whole mebibytes from the file before.
        for (const int kept : { 1048576 + 3, 700001, 262144 }) {
            written = UserFile::writePieces(path, once("<tail>"), UserFile::WithDigest, { kept, written.stamp, written.chunks });
            QVERIFY2(written, qPrintable(written.error));
            book = book.left(kept) + "<tail>";
            QCOMPARE(fileBytes(path), book);
            QCOMPARE(written.digest, UserFile::digest(book));
        }
    }

    // Copying the kept start onto a full disk fails like any other write:
    // the old file stays, no temporary file is left.
    void keptStartOnFullDiskKeepsOldFile()
    {
        SmallDisk disk(512);
        QVERIFY2(disk.isMounted(), "cannot mount a tmpfs: the tests need root");
        const QString path = disk.path() + QStringLiteral("/chapter.txt");
        const QByteArray old = QByteArray(200000, 'o') + "end\n";
        const UserFile::Result written = UserFile::write(path, old);
        QVERIFY(written);
        QVERIFY(disk.fill());
        const UserFile::Result result = UserFile::writePieces(path, once("more\n"), UserFile::NoOptions, { 200000, written.stamp });
        QVERIFY(!result);
        QVERIFY(!result.keptStale);
        QVERIFY(!result.error.isEmpty());
        QCOMPARE(fileBytes(path), old);
        QCOMPARE(strayEntries(disk.path(), { QStringLiteral("chapter.txt"), QStringLiteral(".filler") }), QStringList());

        disk.release();
        const UserFile::Result again = UserFile::writePieces(path, once("more\n"), UserFile::NoOptions, { 200000, written.stamp });
        QVERIFY2(again, qPrintable(again.error));
        QCOMPARE(fileBytes(path), QByteArray(200000, 'o') + "more\n");
    }
};

PENLARK_TEST_MAIN(TestUserFile)
#include "tst_userfile.moc"
