#ifndef RANDOMLIBRARY_H
#define RANDOMLIBRARY_H

// A seeded random run of the tree's operations (new document, new book,
// rename of documents and books, delete, folder and file import) over a
// library that has a book linked in from outside, a linked folder inside a
// book, dangling links, and a sibling folder whose name begins with the
// library's. After every step:
// - nothing outside the library (the linked folders' targets, the sibling,
//   the import sources) differs by a byte from before the run;
// - every document the library held is where the user put it: in its place
//   with its bytes, at the new place a successful rename gave it, or, when
//   it was deleted, as a snapshot with its name and bytes in the history;
// - a document that appeared is empty (new) or holds the bytes of an
//   import source, and no hidden entry appeared.
// The expectations are kept from the calls' arguments and results alone.

#include "testfiles.h"
#include "treesnapshot.h"

#include "data/global.h"
#include "files/files.h"

#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QMessageBox>
#include <QSet>
#include <QTemporaryDir>

#include <functional>
#include <random>

class RandomLibrary
{
public:
    explicit RandomLibrary(quint32 seed)
        : m_random(seed)
    {
    }

    // Runs `steps` operations; the empty string when every check held,
    // else what failed, at which step and after which operation.
    QString run(int steps, int* answer)
    {
        if (!build())
            return QStringLiteral("setting up failed");
        files tree;
        for (int step = 0; step < steps; ++step) {
            const QString done = operate(tree, answer);
            const QString problem = check();
            if (!problem.isEmpty())
                return QStringLiteral("step %1, %2:\n%3").arg(step).arg(done, problem);
        }
        return QString();
    }

private:
    std::mt19937 m_random;
    QTemporaryDir m_dir;
    QString m_base;
    QString m_root;
    QMap<QString, QByteArray> m_outside; // snapshots of every folder that is not the library
    QStringList m_outsideFolders;
    QMap<QString, QByteArray> m_documents; // expected: relative path -> bytes
    QSet<QByteArray> m_sourceBytes;
    int m_counter = 0;

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    template <typename T>
    const T& pickFrom(const QList<T>& list) { return list.at(pick(list.size())); }

    bool build()
    {
        m_base = m_dir.path();
        m_root = m_base + QStringLiteral("/docs");
        const QStringList inside { "第1章.txt", "第2章.txt", "序言.txt", "notes.md", "Book1/index.txt", "Book1/第1章.txt",
                                   "Book1/第2章.txt", "Book2/Part/第3章.md", "Book2/index.txt" };
        for (const QString& e : inside) {
            if (!writeTestFile(m_root + QLatin1Char('/') + e, "inside " + e.toUtf8()))
                return false;
        }
        const QStringList others { "outside/Book/index.txt", "outside/Book/第1章.txt", "outside/Folder/a.txt",
                                   "docs2/s.txt", "docs2/Book/第1章.txt", "src/第1章.txt", "src/新章.txt",
                                   "src/sub/第2章.txt", "src/sub/deep/x.md", "src/.hidden/h.txt" };
        for (const QString& e : others) {
            if (!writeTestFile(m_base + QLatin1Char('/') + e, "other " + e.toUtf8()))
                return false;
        }
        bool linked = QFile::link(m_base + QStringLiteral("/outside/Book"), m_root + QStringLiteral("/Linked"))
            && QFile::link(m_base + QStringLiteral("/outside/Folder"), m_root + QStringLiteral("/Book1/LinkedPart"))
            && QFile::link(m_base + QStringLiteral("/outside/gone.txt"), m_root + QStringLiteral("/第3章.txt"))
            && QFile::link(m_base + QStringLiteral("/outside/nothing"), m_root + QStringLiteral("/Dead"))
            && QFile::link(m_base + QStringLiteral("/outside/NewBook"), m_root + QStringLiteral("/Book2/NewBook"));
        if (!linked)
            return false;
        global::setDocumentPath(m_root);
        m_outsideFolders = QStringList { "outside", "docs2", "src" };
        for (const QString& folder : qAsConst(m_outsideFolders)) {
            const QMap<QString, QByteArray> snap = treeSnapshot(m_base + QLatin1Char('/') + folder);
            for (auto it = snap.begin(); it != snap.end(); ++it) {
                m_outside.insert(folder + QLatin1Char('/') + it.key(), it.value());
                if (it.value().startsWith("file:"))
                    m_sourceBytes.insert(it.value().mid(5));
            }
        }
        m_documents = documents();
        return true;
    }

    // The library's documents as they are: regular files under the
    // library, links never followed, hidden folders (history, notes) left out.
    QMap<QString, QByteArray> documents() const
    {
        QMap<QString, QByteArray> found;
        QDirIterator it(m_root, { QStringLiteral("*.txt"), QStringLiteral("*.md") }, QDir::Files | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (QFileInfo(path).isSymLink())
                continue;
            QFile f(path);
            found.insert(path.mid(m_root.size() + 1), f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("?"));
        }
        return found;
    }

    // Hidden entries anywhere in the library, except the program's own.
    QStringList hiddenEntries() const
    {
        QStringList found;
        QDirIterator it(m_root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString relative = it.next().mid(m_root.size() + 1);
            const QString name = relative.section(QLatin1Char('/'), -1);
            if (!name.startsWith(QLatin1Char('.')))
                continue;
            if (relative == QLatin1String(".History") || relative.startsWith(QLatin1String(".History/"))
                || relative == QLatin1String(".notes") || relative.startsWith(QLatin1String(".notes/"))
                || relative == QLatin1String(".MetaData") || relative.startsWith(QLatin1String(".MetaData/")))
                continue;
            found << relative;
        }
        return found;
    }

    // The library's folders in name order: a listing's own order is the
    // file system's (a tmpfs and ext4 differ), and a seed must take the same
    // road on every machine.
    QStringList subfolders() const
    {
        QStringList folders;
        QDirIterator it(m_root, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext())
            folders << it.next();
        folders.sort();
        return folders;
    }

    // Paths the operations are pointed at: inside, through links, beside.
    QStringList folderPool() const
    {
        QStringList pool { m_root, m_root + QStringLiteral("/Linked"), m_root + QStringLiteral("/Book1/LinkedPart"),
                           m_root + QStringLiteral("/Dead"), m_root + QStringLiteral("/Book2/NewBook"),
                           m_base + QStringLiteral("/docs2"), m_base + QStringLiteral("/docs2/Book"),
                           m_base + QStringLiteral("/outside"), m_base + QStringLiteral("/nowhere"),
                           m_root + QStringLiteral("/Linked/.."), m_root + QStringLiteral("/../docs2") };
        return pool + subfolders();
    }

    QStringList entryPool() const
    {
        QStringList pool { m_root + QStringLiteral("/Linked/第1章.txt"), m_root + QStringLiteral("/Linked/index.txt"),
                           m_root + QStringLiteral("/Book1/LinkedPart/a.txt"), m_root + QStringLiteral("/Book1/LinkedPart/index.txt"),
                           m_root + QStringLiteral("/第3章.txt"), m_root + QStringLiteral("/Dead/index.txt"),
                           m_root + QStringLiteral("/index.txt"), m_base + QStringLiteral("/docs2/s.txt"),
                           m_base + QStringLiteral("/docs2/Book/index.txt"), m_base + QStringLiteral("/outside/Folder/a.txt"),
                           m_root + QStringLiteral("/missing.txt"), m_root + QStringLiteral("/Linked/../Folder/a.txt") };
        for (auto it = m_documents.begin(); it != m_documents.end(); ++it)
            pool << m_root + QLatin1Char('/') + it.key();
        for (const QString& folder : subfolders())
            pool << folder + QStringLiteral("/index.txt");
        return pool;
    }

    QString randomName()
    {
        static const QStringList names { "序章.txt", "第20章.txt", "尾声.md", "第1章.txt", "第2章.txt", "第3章.txt", "Linked.txt",
                                         "", ".txt", " .txt", ".序章.txt", "index.txt", "index", "../x.txt", "a/b.txt", "..",
                                         "Library", "cache", "卷 二", "Book1", "新书", "NewBook.txt", "x.doc" };
        const QString name = pickFrom(names);
        return name == QLatin1String("卷 二") ? name + QString::number(++m_counter) : name;
    }

    QString operate(files& tree, int* answer)
    {
        switch (pick(7)) {
        case 0: {
            const QString folder = pickFrom(folderPool());
            tree.setCurrentPath(QUrl::fromLocalFile(folder));
            const QUrl made = tree.newFile();
            addNew(made.toLocalFile(), QByteArray());
            return QStringLiteral("newFile in %1").arg(folder);
        }
        case 1: {
            const QString folder = pickFrom(folderPool());
            tree.setCurrentPath(QUrl::fromLocalFile(folder));
            const QString made = tree.newDir();
            addNew(made + QStringLiteral("/index.txt"), QByteArray());
            return QStringLiteral("newDir in %1").arg(folder);
        }
        case 2:
        case 3: {
            const QString entry = pickFrom(entryPool());
            const QString name = randomName();
            // A book's index.txt stands for the book (not the library's own).
            const QFileInfo info(entry);
            const bool book = info.fileName() == QLatin1String("index.txt") && QDir::cleanPath(info.absolutePath()) != m_root;
            const QString from = book ? QDir::cleanPath(info.absolutePath()) : QDir::cleanPath(info.absoluteFilePath());
            const bool renamed = tree.renameFile(name, entry);
            if (renamed) {
                QString newName = name;
                if (book && newName.endsWith(QLatin1String(".txt")))
                    newName.chop(4);
                if (book && newName.endsWith(QLatin1String(".md")))
                    newName.chop(3);
                moveExpected(from, QFileInfo(from).absolutePath() + QLatin1Char('/') + newName);
            }
            return QStringLiteral("rename %1 to \"%2\": %3").arg(entry, name, renamed ? "done" : "refused");
        }
        case 4: {
            const QString entry = pickFrom(entryPool());
            *answer = pick(4) == 0 ? QMessageBox::No : QMessageBox::Yes;
            tree.setCurrentFile(QUrl::fromLocalFile(entry));
            tree.delFile();
            forgetDeleted();
            return QStringLiteral("delete %1 (%2)").arg(entry, *answer == QMessageBox::Yes ? "yes" : "no");
        }
        case 5: {
            static const QStringList sources { "src", "src/sub", "docs2", "outside", "outside/Folder", "docs/Book1", "docs/Linked", "docs" };
            const QString source = m_base + QLatin1Char('/') + pickFrom(sources);
            const QString target = pickFrom(folderPool());
            const QSet<QByteArray> before = libraryBytes();
            tree.importDir(QUrl::fromLocalFile(source), QUrl::fromLocalFile(target));
            adoptImported(before);
            return QStringLiteral("importDir %1 into %2").arg(source, target);
        }
        default: {
            static const QStringList sources { "src/第1章.txt", "src/新章.txt", "src/sub/第2章.txt", "docs2/s.txt",
                                               "outside/Book/第1章.txt", "docs/序言.txt", "src/missing.txt" };
            QList<QUrl> list;
            for (int n = 1 + pick(3); n > 0; --n)
                list << QUrl::fromLocalFile(m_base + QLatin1Char('/') + pickFrom(sources));
            const QString target = pickFrom(folderPool());
            const QSet<QByteArray> before = libraryBytes();
            tree.importFiles(list, QUrl::fromLocalFile(target));
            adoptImported(before);
            return QStringLiteral("importFiles into %1").arg(target);
        }
        }
    }

    QString relative(const QString& path) const
    {
        const QString clean = QDir::cleanPath(path);
        return clean.startsWith(m_root + QLatin1Char('/')) ? clean.mid(m_root.size() + 1) : QString();
    }

    // A created document is expected only where it really is a document of
    // the library (a real file, reached without links).
    void addNew(const QString& path, const QByteArray& bytes)
    {
        const QString key = relative(path);
        const QMap<QString, QByteArray> now = documents();
        if (!key.isEmpty() && now.contains(key) && !m_documents.contains(key) && now.value(key) == bytes)
            m_documents.insert(key, bytes);
    }

    void moveExpected(const QString& from, const QString& to)
    {
        const QString oldKey = relative(from);
        const QString newKey = relative(to);
        if (oldKey.isEmpty() || newKey.isEmpty())
            return;
        QMap<QString, QByteArray> moved;
        for (auto it = m_documents.begin(); it != m_documents.end(); ++it) {
            if (it.key() == oldKey)
                moved.insert(newKey, it.value());
            else if (it.key().startsWith(oldKey + QLatin1Char('/')))
                moved.insert(newKey + it.key().mid(oldKey.size()), it.value());
            else
                moved.insert(it.key(), it.value());
        }
        m_documents = moved;
    }

    // Documents that went must be in the history; they are then no longer
    // expected in the library.
    void forgetDeleted()
    {
        const QMap<QString, QByteArray> now = documents();
        for (auto it = m_documents.begin(); it != m_documents.end();) {
            if (!now.contains(it.key()) && inHistory(it.key(), it.value()))
                it = m_documents.erase(it);
            else
                ++it;
        }
    }

    bool inHistory(const QString& key, const QByteArray& bytes) const
    {
        QString base = key.section(QLatin1Char('/'), -1);
        if (base == QLatin1String("index.txt") && key.contains(QLatin1Char('/')))
            base = QStringLiteral("index");
        base = base.section(QLatin1Char('.'), 0, 0);
        const QFileInfoList snapshots = QDir(m_root + QStringLiteral("/.History")).entryInfoList({ base + QStringLiteral("---*") }, QDir::Files);
        for (const QFileInfo& snapshot : snapshots) {
            QFile f(snapshot.absoluteFilePath());
            if (f.open(QIODevice::ReadOnly) && f.readAll() == bytes)
                return true;
        }
        return false;
    }

    // Imported documents are new and hold the bytes of a source (outside,
    // or a document of the library itself).
    void adoptImported(const QSet<QByteArray>& libraryBytes)
    {
        const QMap<QString, QByteArray> now = documents();
        for (auto it = now.begin(); it != now.end(); ++it) {
            if (!m_documents.contains(it.key()) && (m_sourceBytes.contains(it.value()) || libraryBytes.contains(it.value())))
                m_documents.insert(it.key(), it.value());
        }
    }

    QSet<QByteArray> libraryBytes() const
    {
        QSet<QByteArray> bytes;
        for (const QByteArray& b : m_documents)
            bytes.insert(b);
        return bytes;
    }

    QString check()
    {
        QStringList problems;
        QMap<QString, QByteArray> outsideNow;
        for (const QString& folder : qAsConst(m_outsideFolders)) {
            const QMap<QString, QByteArray> snap = treeSnapshot(m_base + QLatin1Char('/') + folder);
            for (auto it = snap.begin(); it != snap.end(); ++it)
                outsideNow.insert(folder + QLatin1Char('/') + it.key(), it.value());
        }
        if (outsideNow != m_outside)
            problems << QStringLiteral("outside the library changed:\n") + snapshotDifference(m_outside, outsideNow);
        if (!QFileInfo(m_root).isDir())
            problems << QStringLiteral("the library is gone");
        const QMap<QString, QByteArray> now = documents();
        for (auto it = m_documents.begin(); it != m_documents.end(); ++it) {
            if (!now.contains(it.key()))
                problems << QStringLiteral("lost: ") + it.key();
            else if (now.value(it.key()) != it.value())
                problems << QStringLiteral("changed: ") + it.key();
        }
        for (auto it = now.begin(); it != now.end(); ++it) {
            if (!m_documents.contains(it.key()))
                problems << QStringLiteral("unexpected: ") + it.key();
        }
        const QStringList hidden = hiddenEntries();
        if (!hidden.isEmpty())
            problems << QStringLiteral("hidden entries: ") + hidden.join(QStringLiteral(", "));
        return problems.join(QLatin1Char('\n'));
    }
};

#endif
