// Opening a long book as the editor page does: the windowed document loads
// the file, one counting handler counts it; prints the time until the first
// total and until the chapter list is complete.
#include "chapter/autochaptermodel.h"
#include "chapter/wordcountmodel.h"
#include "chapter/wordstypeclass.h"
#include "data/data.h"
#include "document/counthandler.h"
#include "TovaUi/textarea/lazytextdocument.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>

#include "benchbook.h"

#include <cstdio>
#include <cstdlib>


int main(int argc, char* argv[])
{
    QTemporaryDir root;
    if (!root.isValid())
        return 1;
    ::setenv("HOME", QFile::encodeName(root.path()).constData(), 1);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);

    const QString path = root.path() + QStringLiteral("/book.txt");
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write(makeBook().toUtf8());
    }
    print("file_size", QFileInfo(path).size() / (1024.0 * 1024.0), "MB");
    const QUrl url = QUrl::fromLocalFile(path);

    LazyTextDocument doc;
    QTextDocument window;
    doc.setEditDocument(&window);
    doc.setEditHeight(600);
    CountHandler handler;
    handler.setTextDocument(doc.allTextDocument());
    handler.setFileName(url);

    QElapsedTimer timer;
    timer.start();
    bool loaded = false;
    QObject::connect(&doc, &LazyTextDocument::textLoadedChanged, [&] {
        if (doc.textLoaded() && !loaded) {
            loaded = true;
            print("open_to_text_loaded", timer.elapsed(), "ms");
            handler.setInited(true);
        }
    });
    doc.setFileName(url);

    WordsTypeClass* counts = data::instance()->wordCountModel()->countClass(url);
    AutoChapterModel* chapters = data::instance()->wordCountModel()->autoChapterModel(url);
    bool first = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!first && counts->All() > 0) {
            first = true;
            print("open_to_first_total", timer.elapsed(), "ms");
        }
        if (first && chapters->rowCount() >= 334) {
            print("open_to_chapter_list", timer.elapsed(), "ms");
            print("chapters", chapters->rowCount(), "rows");
            print("total_words", counts->All(), "words");
            app.quit();
        }
        if (timer.elapsed() > 120000) {
            print("timed_out_after", timer.elapsed(), "ms");
            print("chapters", chapters->rowCount(), "rows");
            app.quit();
        }
    });
    poll.start(20);
    return app.exec();
}
