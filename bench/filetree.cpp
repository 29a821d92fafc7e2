// Document tree over a generated library of 20 000 chapters in 500 books.
// Figures: time to a populated, sorted tree (the books as the page opens it,
// the current document revealed, and every book expanded), time of a
// sort-direction change, memory, and the GUI thread's longest stall while
// the tree fills (a 1 ms timer's longest gap). For comparison the same
// expand-everything fill of a bare QFileSystemModel is timed too.
#include "data/global.h"
#include "files/filefiltermodel.h"
#include "files/files.h"
#include "files/lumofilesystemmodel.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {
const int kBooks = 500;
const int kChapters = 40;

long rssKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

void report(const char* name, double value, const char* unit) { std::printf("%s: %.1f %s\n", name, value, unit); }

// Longest gap between ticks of a 1 ms timer on the GUI thread.
class StallProbe
{
public:
    StallProbe()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { m_longest = qMax(m_longest, m_tick.restart()); });
    }
    void start()
    {
        m_longest = 0;
        m_tick.start();
        m_timer.start();
    }
    qint64 stop()
    {
        m_timer.stop();
        return m_longest;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_tick;
    qint64 m_longest = 0;
};

bool waitFor(QApplication& app, const std::function<bool()>& done)
{
    QElapsedTimer limit;
    limit.start();
    while (!done()) {
        app.processEvents(QEventLoop::WaitForMoreEvents, 20);
        if (limit.elapsed() > 300000)
            return false;
    }
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/.config")));
    QApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& msg) {
        if (type != QtDebugMsg)
            std::fprintf(stderr, "%s\n", qPrintable(msg));
    });

    const QString root = home.path() + QStringLiteral("/library");
    for (int b = 1; b <= kBooks; ++b) {
        const QString book = root + QStringLiteral("/第%1卷").arg(b);
        QDir().mkpath(book);
        for (int c = 1; c <= kChapters; ++c) {
            QFile f(book + QStringLiteral("/第%1章.txt").arg(c));
            if (!f.open(QIODevice::WriteOnly))
                return 1;
            f.write("正文\n");
        }
    }
    global::instance();
    global::setDocumentPath(root);
    global::instance()->setFilesSortType(false);
    app.processEvents();
    const long rssBefore = rssKiB();

    StallProbe probe;
    QElapsedTimer clock;

    // 1. The page opens: the books listed and sorted.
    probe.start();
    clock.start();
    files tree;
    FileFilterModel* proxy = tree.model();
    if (!waitFor(app, [&] { return !tree.loading() && proxy->rowCount(tree.index()) == kBooks; }))
        return 1;
    report("populated_sorted_books", clock.elapsed(), "ms");
    report("gui_longest_stall_books", probe.stop(), "ms");
    const QModelIndex top = tree.index();
    if (proxy->index(0, 0, top).data().toString() != QStringLiteral("第1卷")
        || proxy->index(kBooks - 1, 0, top).data().toString() != QStringLiteral("第500卷"))
        std::fprintf(stderr, "unexpected book order\n");

    // 2. The current document is revealed: its book loads and shows.
    bool shown = false;
    QObject::connect(&tree, &files::expand, [&](const QModelIndex& index) {
        if (proxy->canFetchMore(index))
            proxy->fetchMore(index); // as the tree view does on expand
    });
    QObject::connect(&tree, &files::ensureVisible, [&](const QModelIndex&) { shown = true; });
    probe.start();
    clock.restart();
    tree.setCurrentFile(QUrl::fromLocalFile(root + QStringLiteral("/第250卷/第20章.txt")));
    if (!waitFor(app, [&] { return shown; }))
        return 1;
    report("reveal_current_document", clock.elapsed(), "ms");
    report("gui_longest_stall_reveal", probe.stop(), "ms");

    // 3. Every book expanded: all 20 000 chapters listed and sorted.
    QSet<QString> loaded;
    QObject::connect(tree.fileSystemModel(), &QFileSystemModel::directoryLoaded, [&](const QString& path) { loaded.insert(path); });
    probe.start();
    clock.restart();
    for (int r = 0; r < kBooks; ++r) {
        const QModelIndex book = proxy->index(r, 0, top);
        if (proxy->canFetchMore(book))
            proxy->fetchMore(book);
    }
    auto allListed = [&] {
        for (int r = 0; r < kBooks; ++r) {
            if (proxy->rowCount(proxy->index(r, 0, top)) != kChapters)
                return false;
        }
        return true;
    };
    if (!waitFor(app, [&] { return loaded.size() >= kBooks - 1 && allListed(); }))
        return 1;
    report("populated_sorted_all_chapters", clock.elapsed(), "ms");
    report("gui_longest_stall_all_chapters", probe.stop(), "ms");
    const QModelIndex firstBook = proxy->index(0, 0, top);
    if (proxy->index(0, 0, firstBook).data().toString() != QStringLiteral("第1章.txt")
        || proxy->index(kChapters - 1, 0, firstBook).data().toString() != QStringLiteral("第40章.txt"))
        std::fprintf(stderr, "unexpected chapter order\n");

    clock.restart();
    global::instance()->setFilesSortType(true);
    report("sort_direction_change", clock.elapsed(), "ms");
    if (proxy->index(0, 0, top).data().toString() != QStringLiteral("第500卷"))
        std::fprintf(stderr, "unexpected order after the change\n");
    clock.restart();
    global::instance()->setFilesSortType(false);
    report("sort_direction_change_back", clock.elapsed(), "ms");

    const long rssAfter = rssKiB();
    report("memory_rss_tree", (rssAfter - rssBefore) / 1024.0, "MiB");

    // Baseline: Qt's file-system model alone, every book fetched.
    {
        QFileSystemModel bare;
        bare.setNameFilters({ QStringLiteral("*.md"), QStringLiteral("*.txt") });
        bare.setNameFilterDisables(false);
        QSet<QString> got;
        QObject::connect(&bare, &QFileSystemModel::directoryLoaded, [&](const QString& path) { got.insert(path); });
        bare.setRootPath(root);
        if (!waitFor(app, [&] { return got.contains(root); }))
            return 1;
        probe.start();
        clock.restart();
        const QModelIndex bareRoot = bare.index(root);
        for (int r = 0; r < bare.rowCount(bareRoot); ++r)
            bare.fetchMore(bare.index(r, 0, bareRoot));
        if (!waitFor(app, [&] { return got.size() > kBooks; }))
            return 1;
        report("baseline_qfilesystemmodel_all_chapters", clock.elapsed(), "ms");
        report("baseline_gui_longest_stall_all_chapters", probe.stop(), "ms");
    }
    return 0;
}
