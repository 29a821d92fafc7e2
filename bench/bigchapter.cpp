// Opening a 200 MB chapter (ten copies of the benchmark book: 1 000 010
// lines, about 72 M characters) in the real main window, as its current
// file. Prints the time until the text is loaded and counted, the longest
// time the GUI thread left events waiting meanwhile (target: about 0.5 s),
// and the peak resident memory against the file size (target: 10x).
#include "support/memorytuning.h"
#include "data/global.h"
#include "document/counthandler.h"
#include "document/lumocounter.h"
#include "support/stallprobe.h"
#include "TovaUi/textarea/lazytextdocument.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QUrl>

#include "benchbook.h"
#include "mainwindow.h"

#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

namespace {

void quietDebug(QtMsgType type, const QMessageLogContext&, const QString& msg)
{
    if (type != QtDebugMsg)
        std::fprintf(stderr, "%s\n", qPrintable(msg));
}

} // namespace

int main(int argc, char* argv[])
{
    giveBackLargeBlocks();
    QTemporaryDir root;
    if (!root.isValid())
        return 1;
    useHome(root.path());
    qInstallMessageHandler(quietDebug);

    // The book is written a copy at a time, so that the figures below are
    // the editor's and not the generator's.
    const QString path = root.path() + QStringLiteral("/chapter.txt");
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        const QByteArray copy = makeBook().toUtf8();
        for (int i = 0; i < 10; ++i) {
            if (file.write(copy) != copy.size())
                return 1;
        }
    }
    const double fileMb = QFileInfo(path).size() / (1024.0 * 1024.0);

    QApplication app(argc, argv);
    QQmlApplicationEngine engine;
    QElapsedTimer open;
    open.start();
    QQuickWindow* window = openMainWindow(engine, path);
    if (!window)
        return 5;

    // From here on the chapter is being read: every wait of the GUI thread
    // counts.
    StallProbe probe;
    LazyTextDocument* document = nullptr;
    while (!document && open.elapsed() < 300000) {
        for (LazyTextDocument* d : window->findChildren<LazyTextDocument*>()) {
            if (d->textLoaded() && !d->loading() && d->lineCount() > 1000000)
                document = d;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    if (!document)
        return 6;
    const double loaded = open.nsecsElapsed() / 1e9;
    // Then until the counting thread has counted it all and handed it over.
    CountHandler* handler = window->findChild<CountHandler*>();
    QElapsedTimer quiet;
    quiet.start();
    while (open.elapsed() < 300000 && (!handler || !handler->counter()->isIdle() || quiet.elapsed() < 3000)) {
        if (handler && !handler->counter()->isIdle())
            quiet.restart();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    const double counted = (open.nsecsElapsed() - quiet.nsecsElapsed()) / 1e9;

    struct rusage usage;
    ::getrusage(RUSAGE_SELF, &usage);
    const double peakMb = usage.ru_maxrss / 1024.0;
    print("big_chapter_size", fileMb, "MB");
    print("big_chapter_lines", document->lineCount(), "lines");
    print("big_chapter_open_to_loaded", loaded, "s");
    print("big_chapter_open_to_counted", counted, "s");
    print("big_chapter_longest_gui_stall", probe.longestMs(), "ms");
    std::printf("big_chapter_longest_gui_stall_target: 500.000 ms\n");
    print("big_chapter_peak_memory", peakMb, "MB");
    std::printf("big_chapter_peak_memory_to_file_size: %.3f x\n", peakMb / fileMb);
    std::printf("big_chapter_peak_memory_to_file_size_target: 10.000 x\n");
    global::instance()->setEngine(nullptr);
    return 0;
}
