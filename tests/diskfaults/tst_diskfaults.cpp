// Every writer of a user file against real disk faults, through the call the
// program itself makes: a full tmpfs, a read-only bind mount of the folder,
// and an immutable file (as root; CI runs as root). A failed write returns
// false, leaves every byte of the folder as it was, and is told once with
// the file's name; with the fault gone, the same write goes through.
#include "filebytes.h"
#include "smalldisk.h"
#include "testenvironment.h"

#include "data/data.h"
#include "data/global.h"
#include "data/settingsfile.h"
#include "TovaUi/dialog/qiimagepicker.h"
#include "files/cloudDisk/clouddisk.h"
#include "files/fileordermaplist.h"
#include "files/files.h"
#include "TovaUi/function/function.h"
#include "TovaUi/function/message.h"
#include "function/network.h"
#include "TovaUi/mark/markmodel.h"
#include "ranking/bot.h"
#include "TovaUi/textarea/lazytextdocument.h"

#include <QDirIterator>
#include <QImage>
#include <QPixmap>
#include <QSettings>
#include <QSignalSpy>
#include <QTextCursor>
#include <QMessageBox>
#include <QTextDocument>
#include <QThreadPool>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

void writeAll(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!putFileBytes(path, bytes))
        qFatal("cannot prepare %s", qPrintable(path));
}

// Every file below a folder with its bytes (the disk's filler left out).
QMap<QString, QByteArray> contents(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (it.fileName() != QLatin1String(".filler"))
            files.insert(path.mid(folder.size()), fileBytes(path));
    }
    return files;
}

// Points a folder of the data folder (statistics, caches) at the faulty one.
void linkDataFolder(const QString& name, const QString& target)
{
    const QString link = global::dataPath() + QLatin1Char('/') + name;
    QFile::remove(link);
    QDir(link).removeRecursively();
    if (!QFile::link(target, link))
        qFatal("cannot link %s", qPrintable(link));
}

// The statistics store, without the heartbeat that writes today's records
// every second: a write of its own would change the faulty folder during a
// row.
data& stats()
{
    static data* store = new data(false); // never destroyed, as the program's
    return *store;
}

bool waitForLoad(LazyTextDocument& doc)
{
    return QTest::qWaitFor([&] { return doc.textLoaded() && !doc.loading(); }, 5000);
}

void append(LazyTextDocument& doc, const QString& text)
{
    QTextCursor cursor(doc.allTextDocument());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
}

// One writer: the file it replaces (relative to the faulty folder; empty
// when it only creates files), the words of its notice and the path the
// notice names (no notice: the caller reports the result), how to write and
// what else must hold after a failure.
struct Writer {
    QString file;
    QString words;
    QString named;
    std::function<bool()> write;
    std::function<bool()> afterFailure = [] { return true; };
};

} // namespace

class TestDiskFaults : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_healthy; // sources and documents on a sound disk
    std::vector<std::shared_ptr<QObject>> m_keep;
    int m_counter = 0;

    QString healthy(const QString& name)
    {
        return m_healthy.path() + QStringLiteral("/%1/").arg(++m_counter) + name;
    }

    // Sets the writer up to write into folder (already holding its old
    // files when this returns).
    Writer writer(const QString& name, const QString& folder)
    {
        const QString date = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
        if (name == QLatin1String("document save")) {
            const QString path = folder + QStringLiteral("/第1章.txt");
            writeAll(path, "第一章\n　　old text\n");
            auto doc = std::make_shared<LazyTextDocument>();
            m_keep.push_back(doc);
            doc->setFileName(QUrl::fromLocalFile(path));
            if (!waitForLoad(*doc))
                qFatal("document not loaded");
            return { QStringLiteral("第1章.txt"), QStringLiteral("Cannot save: "), path,
                     [doc] {
                         append(*doc, QStringLiteral("　　new line\n"));
                         return doc->save();
                     },
                     [doc, path] { return doc->isModified() && doc->fileName() == QUrl::fromLocalFile(path); } };
        }
        if (name == QLatin1String("document save as")) {
            const QString source = healthy(QStringLiteral("source.txt"));
            writeAll(source, "source text\n");
            const QString target = folder + QStringLiteral("/target.txt");
            writeAll(target, "old target\n");
            auto doc = std::make_shared<LazyTextDocument>();
            m_keep.push_back(doc);
            doc->setFileName(QUrl::fromLocalFile(source));
            if (!waitForLoad(*doc))
                qFatal("document not loaded");
            return { QStringLiteral("target.txt"), QStringLiteral("Cannot save: "), target,
                     [doc, target] { return doc->saveAs(QUrl::fromLocalFile(target)); },
                     [doc, source] { return doc->fileName() == QUrl::fromLocalFile(source); } };
        }
        if (name == QLatin1String("history snapshot")) {
            const QString path = healthy(QStringLiteral("第2章.txt"));
            writeAll(path, "第二章\n");
            writeAll(folder + QStringLiteral("/第2章---1.txt"), "an older snapshot\n");
            auto doc = std::make_shared<LazyTextDocument>();
            m_keep.push_back(doc);
            doc->setFileName(QUrl::fromLocalFile(path));
            if (!waitForLoad(*doc))
                qFatal("document not loaded");
            doc->setHistoryPath(QUrl::fromLocalFile(folder));
            append(*doc, QStringLiteral("　　more\n"));
            return { QString(), QStringLiteral("无法保存历史记录："), path, [doc] { return doc->saveTmpFile(); },
                     [doc] { return doc->isTmpModified(); } };
        }
        if (name == QLatin1String("history restore")) {
            const QString snapshot = healthy(QStringLiteral("第3章---5.txt"));
            writeAll(snapshot, "restored text\n");
            const QString document = folder + QStringLiteral("/第3章.txt");
            writeAll(document, "current text\n");
            auto f = std::make_shared<files>();
            m_keep.push_back(f);
            return { QStringLiteral("第3章.txt"), QStringLiteral("恢复失败："), document, [f, snapshot, document] {
                        return f->restoreHistory(QUrl::fromLocalFile(snapshot), QUrl::fromLocalFile(document));
                    } };
        }
        if (name == QLatin1String("snapshot before restore")) {
            // The document folder is sound; its history folder is the faulty one.
            const QString documents = healthy(QStringLiteral("books"));
            QDir().mkpath(documents);
            if (!global::setDocumentPath(documents) || !QFile::link(folder, documents + QStringLiteral("/.History")))
                qFatal("cannot place the history folder");
            const QString document = documents + QStringLiteral("/第4章.txt");
            writeAll(document, "current text\n");
            writeAll(folder + QStringLiteral("/第4章---1.txt"), "an older snapshot\n");
            const QString snapshot = healthy(QStringLiteral("第4章---5.txt"));
            writeAll(snapshot, "restored text\n");
            auto f = std::make_shared<files>();
            m_keep.push_back(f);
            return { QString(), QStringLiteral("无法保存当前内容的历史记录，未恢复："), document,
                     [f, snapshot, document] {
                         return f->restoreHistory(QUrl::fromLocalFile(snapshot), QUrl::fromLocalFile(document));
                     },
                     [document] { return fileBytes(document) == "current text\n"; } };
        }
        if (name == QLatin1String("statistics record")) {
            writeAll(folder + QStringLiteral("/day/") + date + QStringLiteral(".json"), "{\"old\": true}");
            linkDataFolder(QStringLiteral("count"), folder);
            return { QStringLiteral("day/") + date + QStringLiteral(".json"), QStringLiteral("字数统计保存失败"),
                     global::countDataPath() + QStringLiteral("/day/") + date + QStringLiteral(".json"),
                     [] { return stats().saveDataToFile(stats().todayData(), DataTypeClass::day); } };
        }
        if (name == QLatin1String("statistics per file")) {
            writeAll(folder + QStringLiteral("/day/") + date + QStringLiteral("_file.json"), "[]");
            linkDataFolder(QStringLiteral("count"), folder);
            return { QStringLiteral("day/") + date + QStringLiteral("_file.json"), QStringLiteral("字数统计保存失败"),
                     global::countDataPath() + QStringLiteral("/day/") + date + QStringLiteral("_file.json"), [] {
                         resultCountType table;
                         table.initi.insert(QStringLiteral("第1章.txt"), 10);
                         table.now.insert(QStringLiteral("第1章.txt"), 25);
                         return stats().saveLocalFileData(table);
                     } };
        }
        if (name == QLatin1String("marks")) {
            writeAll(folder + QStringLiteral("/第5章.txt"), "林冲\n");
            const QString marks = folder + QStringLiteral("/.index.mark");
            writeAll(marks, "{\"marks\": []}");
            auto model = std::make_shared<MarkModel>();
            m_keep.push_back(model);
            model->setFileName(QUrl::fromLocalFile(folder + QStringLiteral("/第5章.txt")));
            auto words = std::make_shared<int>(0);
            return { QStringLiteral(".index.mark"), QStringLiteral("无法保存标记："), marks, [model, marks, words] {
                        const QString word = QStringLiteral("林冲%1").arg(++*words);
                        model->setMark(word, QStringLiteral("#f44336"), QString());
                        return fileBytes(marks).contains(word.toUtf8());
                    } };
        }
        if (name == QLatin1String("book order")) {
            if (!global::setDocumentPath(folder))
                qFatal("document folder refused");
            writeAll(folder + QStringLiteral("/books.list"), "Old\n");
            auto round = std::make_shared<int>(0);
            return { QStringLiteral("books.list"), QStringLiteral("无法保存书籍顺序："), folder + QStringLiteral("/books.list"),
                     [round] { return fileordermaplist::setFileList(QStringLiteral("Book%1\nBook2\n").arg(++*round)); } };
        }
        if (name == QLatin1String("sync record")) {
            const QString documents = healthy(QStringLiteral("synced"));
            QDir().mkpath(documents);
            if (!global::setDocumentPath(documents) || !QFile::link(folder, documents + QStringLiteral("/.MetaData")))
                qFatal("cannot place the sync folder");
            writeAll(folder + QStringLiteral("/a.txt.meta"), "{\"ETag\":\"E1\",\"Md5\":\"m1\",\"SortPath\":\"a.txt\"}");
            return { QStringLiteral("a.txt.meta"), QString(), QString(), [] {
                        MetaData record;
                        record.sortPath = QStringLiteral("a.txt");
                        record.Etag = QStringLiteral("E2");
                        record.Md5 = QStringLiteral("m2");
                        return cloudDisk::setMetaData(record);
                    } };
        }
        if (name == QLatin1String("export")) {
            const QString book = healthy(QStringLiteral("Book"));
            writeAll(book + QStringLiteral("/第1章.txt"), "chapter one\n");
            const QString target = folder + QStringLiteral("/book.txt");
            writeAll(target, "old export\n");
            auto f = std::make_shared<files>();
            m_keep.push_back(f);
            return { QStringLiteral("book.txt"), QStringLiteral("导出失败："), target, [f, book, target] {
                        f->exportThisBook(QUrl::fromLocalFile(book), QUrl::fromLocalFile(target));
                        return fileBytes(target) != "old export\n";
                    } };
        }
        if (name == QLatin1String("import")) {
            // Imports land in the library only: the folder is a book of it.
            if (!global::setDocumentPath(QFileInfo(folder).absolutePath()))
                qFatal("document folder refused");
            const QString source = healthy(QStringLiteral("导入.txt"));
            writeAll(source, "imported text\n");
            writeAll(folder + QStringLiteral("/existing.txt"), "already here\n");
            auto f = std::make_shared<files>();
            m_keep.push_back(f);
            return { QString(), QStringLiteral("未能导入："), QStringLiteral("导入.txt"), [f, source, folder] {
                        f->importFiles({ QUrl::fromLocalFile(source) }, QUrl::fromLocalFile(folder));
                        return QFileInfo::exists(folder + QStringLiteral("/导入.txt"));
                    } };
        }
        if (name == QLatin1String("copy")) {
            const QString source = healthy(QStringLiteral("copied.txt"));
            writeAll(source, "copied text\n");
            writeAll(folder + QStringLiteral("/existing.txt"), "already here\n");
            return { QString(), QStringLiteral("复制失败："), folder + QStringLiteral("/copied.txt"), [source, folder] {
                        return function::copyFile(QUrl::fromLocalFile(source), QUrl::fromLocalFile(folder))
                            != QUrl::fromLocalFile(source);
                    } };
        }
        if (name == QLatin1String("move")) {
            const QString source = healthy(QStringLiteral("moved.txt"));
            writeAll(source, "moved text\n");
            writeAll(folder + QStringLiteral("/existing.txt"), "already here\n");
            return { QString(), QStringLiteral("移动失败："), folder + QStringLiteral("/moved.txt"),
                     [source, folder] { return function::moveFile(QUrl::fromLocalFile(source), QUrl::fromLocalFile(folder)); },
                     [source] { return fileBytes(source) == "moved text\n"; } };
        }
        if (name == QLatin1String("new chapter")) {
            // The folder is a book of a sound library.
            if (!global::setDocumentPath(QFileInfo(folder).absolutePath()))
                qFatal("document folder refused");
            writeAll(folder + QStringLiteral("/existing.txt"), "already here\n");
            const QString path = folder + QStringLiteral("/第1章.txt");
            auto f = std::make_shared<files>();
            m_keep.push_back(f);
            f->setCurrentPath(QUrl::fromLocalFile(folder));
            return { QString(), QStringLiteral("无法新建文件："), path, [f, path] {
                        f->newFile();
                        return QFileInfo::exists(path);
                    } };
        }
        if (name == QLatin1String("book delete")) {
            // Library and history on the faulty disk: the empty index's copy fits a full disk, the chapters' do not.
            if (!global::setDocumentPath(folder))
                qFatal("document folder refused");
            writeAll(folder + QStringLiteral("/Book/index.txt"), "");
            writeAll(folder + QStringLiteral("/Book/第1章.txt"), QByteArray("　　第一章的正文。\n").repeated(200));
            writeAll(folder + QStringLiteral("/Book/第2章.txt"), QByteArray("　　第二章的正文。\n").repeated(200));
            QDir().mkpath(global::historyPath());
            auto f = std::make_shared<files>();
            m_keep.push_back(f);
            files::setQuestionHandler([](const QString&, const QString&) { return int(QMessageBox::Yes); });
            f->setCurrentFile(QUrl::fromLocalFile(folder + QStringLiteral("/Book/index.txt")));
            return { QString(), QStringLiteral("无法保存历史记录，文件夹未删除："), QStringLiteral("Book/第1章.txt"), [f, folder] {
                        f->delFile();
                        return !QFileInfo::exists(folder + QStringLiteral("/Book"));
                    } };
        }
        if (name == QLatin1String("room cache")) {
            writeAll(folder + QStringLiteral("/room1/bot.xml"), "<old/>");
            linkDataFolder(QStringLiteral("cache"), folder);
            auto round = std::make_shared<int>(0);
            return { QStringLiteral("room1/bot.xml"), QStringLiteral("无法保存缓存文件："), bot::localBotsFile(QStringLiteral("room1")),
                     [round] {
                         return bot::saveLocalBots(QStringLiteral("room1"),
                                                   QStringLiteral("<Bots round=\"%1\"/>").arg(++*round).toUtf8());
                     } };
        }
        if (name == QLatin1String("picture cache")) {
            const QString path = folder + QStringLiteral("/avatar.jpg");
            writeAll(path, "old picture");
            return { QStringLiteral("avatar.jpg"), QStringLiteral("无法保存缓存文件："), path, [path] {
                        QPixmap pixmap(64, 64);
                        pixmap.fill(Qt::red);
                        return network::saveImage(pixmap, path);
                    } };
        }
        if (name == QLatin1String("picked image")) {
            const QString path = folder + QStringLiteral("/picked.png");
            writeAll(path, "old image");
            auto picker = std::make_shared<QIImagePicker>();
            m_keep.push_back(picker);
            QImage image(48, 48, QImage::Format_RGB32);
            image.fill(Qt::blue);
            picker->setImage(image);
            return { QStringLiteral("picked.png"), QStringLiteral("Failed to save the image: "), path, [picker, path] {
                        picker->save(path);
                        QThreadPool::globalInstance()->waitForDone();
                        QCoreApplication::processEvents();
                        return fileBytes(path) != "old image";
                    } };
        }
        if (name == QLatin1String("settings file")) {
            const QString path = folder + QStringLiteral("/Penlark.ini");
            {
                QSettings s(path, SettingsFile::format());
                for (int i = 0; i < 40; ++i)
                    s.setValue(QStringLiteral("Group/key%1").arg(i), QString(60, QLatin1Char('v')));
            }
            auto round = std::make_shared<int>(0);
            return { QStringLiteral("Penlark.ini"), QStringLiteral("无法保存设置："), path, [path, round] {
                        QSettings s(path, SettingsFile::format());
                        s.setValue(QStringLiteral("Window/width"), 700 + ++*round);
                        return SettingsFile::commit(s);
                    } };
        }
        qFatal("unknown writer %s", qPrintable(name));
        return {};
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_healthy.isValid());
        global::instance(); // the settings' format and place, as in the program
        // Today's record is loaded before its folder is moved around.
        QVERIFY(stats().todayData());
    }

    void cleanup()
    {
        m_keep.clear();
        global::setDocumentPath(QString());
        for (const QString& name : { QStringLiteral("count"), QStringLiteral("cache") }) {
            const QString link = global::dataPath() + QLatin1Char('/') + name;
            if (QFileInfo(link).isSymLink())
                QFile::remove(link);
        }
    }

    void failedWriteKeepsOldBytesAndIsToldOnce_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<QString>("fault");
        const QStringList all { QStringLiteral("full"), QStringLiteral("read-only folder"), QStringLiteral("read-only file") };
        const QStringList creating { QStringLiteral("full"), QStringLiteral("read-only folder") };
        const QList<QPair<QString, QStringList>> writers {
            { QStringLiteral("document save"), all },
            { QStringLiteral("document save as"), all },
            { QStringLiteral("history snapshot"), creating },
            { QStringLiteral("history restore"), all },
            { QStringLiteral("snapshot before restore"), creating },
            { QStringLiteral("statistics record"), all },
            { QStringLiteral("statistics per file"), all },
            { QStringLiteral("marks"), all },
            // A read-only document folder is refused as a whole (see the
            // settings tests); its book order file still can be read-only.
            { QStringLiteral("book order"), { QStringLiteral("full"), QStringLiteral("read-only file") } },
            { QStringLiteral("sync record"), all },
            { QStringLiteral("export"), all },
            { QStringLiteral("import"), creating },
            { QStringLiteral("copy"), creating },
            { QStringLiteral("move"), creating },
            // An empty file still fits on a full disk.
            { QStringLiteral("new chapter"), { QStringLiteral("read-only folder") } },
            // Refused, the history copies made go again (a read-only library is refused as a whole).
            { QStringLiteral("book delete"), { QStringLiteral("full") } },
            { QStringLiteral("room cache"), all },
            { QStringLiteral("picture cache"), all },
            { QStringLiteral("picked image"), all },
            // Full to the last block: QSettings cannot even make its lock
            // file. A read-only settings file or folder stops it before it
            // writes anything too; nothing is lost but the change.
            { QStringLiteral("settings file"), all },
        };
        for (const auto& w : writers) {
            for (const QString& fault : w.second)
                QTest::newRow(qPrintable(w.first + QStringLiteral(", ") + fault)) << w.first << fault;
        }
    }

    void failedWriteKeepsOldBytesAndIsToldOnce()
    {
        QFETCH(QString, writer);
        QFETCH(QString, fault);

        std::unique_ptr<SmallDisk> disk;
        QTemporaryDir place;
        QString folder;
        if (fault == QLatin1String("full")) {
            disk = std::make_unique<SmallDisk>(256);
            QVERIFY2(disk->isMounted(), "cannot mount a tmpfs: the tests need root");
            folder = disk->path() + QStringLiteral("/f");
        } else {
            QVERIFY(place.isValid());
            folder = place.path() + QStringLiteral("/f");
        }
        QVERIFY(QDir().mkpath(folder));
        Writer w = this->writer(writer, folder);
        const QMap<QString, QByteArray> before = contents(folder);

        QSignalSpy notices(function::instance()->getMessage(), &Message::showMessage);
        bool ok = true;
        bool afterFailure = false;
        {
            std::unique_ptr<ReadOnlyFolder> readOnly;
            std::unique_ptr<ImmutableFile> immutable;
            if (fault == QLatin1String("full")) {
                QVERIFY(disk->fill());
            } else if (fault == QLatin1String("read-only folder")) {
                readOnly = std::make_unique<ReadOnlyFolder>(folder);
                QVERIFY2(readOnly->isActive(), "cannot bind-mount read-only: the tests need root");
            } else {
                immutable = std::make_unique<ImmutableFile>(folder + QLatin1Char('/') + w.file);
                QVERIFY2(immutable->isActive(), "chattr +i failed: the tests need root");
            }
            ok = w.write();
            afterFailure = w.afterFailure();
            // Writers that retry by themselves tell from the event loop.
            QCoreApplication::processEvents();
        }
        if (disk)
            disk->release();

        QVERIFY2(!ok, "the write reported success");
        QVERIFY(afterFailure);
        QCOMPARE(contents(folder), before);
        QStringList errors;
        for (const QList<QVariant>& n : qAsConst(notices)) {
            if (n.at(1).toInt() == int(Message::Error))
                errors << n.at(0).toString();
        }
        if (w.words.isEmpty()) {
            QCOMPARE(errors, QStringList());
        } else {
            QCOMPARE(errors.size(), 1);
            QVERIFY2(errors.first().contains(w.words) && errors.first().contains(QDir::toNativeSeparators(w.named)),
                     qPrintable(errors.first()));
        }

        // With the fault gone the same write goes through.
        QVERIFY(w.write());
        QVERIFY(contents(folder) != before);
    }

    // Writers that try again by themselves tell a file once, not at every
    // attempt, and again after it has been written in between.
    void repeatedFailuresAreToldOnce()
    {
        SmallDisk disk(256);
        QVERIFY2(disk.isMounted(), "cannot mount a tmpfs: the tests need root");
        const QString folder = disk.path() + QStringLiteral("/count");
        QVERIFY(QDir().mkpath(folder));
        linkDataFolder(QStringLiteral("count"), folder);
        QVERIFY(disk.fill());
        QSignalSpy notices(function::instance()->getMessage(), &Message::showMessage);
        auto save = [] { return stats().saveDataToFile(stats().todayData(), DataTypeClass::week); };
        QVERIFY(!save());
        QVERIFY(!save());
        QVERIFY(!save());
        QTRY_COMPARE(notices.count(), 1);
        disk.release();
        QVERIFY(save());
        QVERIFY(disk.fill());
        QVERIFY(!save());
        QTRY_COMPARE(notices.count(), 2);
        QTest::qWait(20);
        QCOMPARE(notices.count(), 2);
        disk.release();

        // A document whose timed save failed and was told still has a
        // failed snapshot of it told.
        const QString path = disk.path() + QStringLiteral("/第6章.txt");
        writeAll(path, "第六章\n");
        LazyTextDocument doc;
        doc.setFileName(QUrl::fromLocalFile(path));
        QVERIFY(waitForLoad(doc));
        doc.setHistoryPath(QUrl::fromLocalFile(disk.path() + QStringLiteral("/.History")));
        QVERIFY(QDir().mkpath(disk.path() + QStringLiteral("/.History")));
        append(doc, QStringLiteral("　　more\n"));
        QVERIFY(disk.fill());
        doc.saveInBackground();
        doc.waitForSaves();
        QVERIFY(doc.isModified());
        QVERIFY(!doc.saveTmpFile());
        QTRY_VERIFY(std::any_of(notices.cbegin(), notices.cend(), [&](const QList<QVariant>& n) {
            return n.at(0).toString().startsWith(QStringLiteral("无法保存历史记录：")) && n.at(0).toString().contains(path);
        }));
        disk.release();
    }
};

PENLARK_TEST_MAIN(TestDiskFaults)
#include "tst_diskfaults.moc"
