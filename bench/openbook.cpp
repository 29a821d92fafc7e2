// Opening a long book as the editor page does: the windowed document loads
// the file, one counting handler counts it; prints the time until the first
// total and until the chapter list is complete.
#include "chapter/autochaptermodel.h"
#include "chapter/wordcountmodel.h"
#include "chapter/wordstypeclass.h"
#include "data/data.h"
#include "document/counthandler.h"
#include "textarea/lazytextdocument.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {
QString makeBook()
{
    const QString pool = QStringLiteral("天地玄黄宇宙洪荒日月盈昃辰宿列张寒来暑往秋收冬藏闰余成岁律吕调阳云腾致雨露结为霜金生丽水玉出昆冈");
    QRandomGenerator random(7);
    QString text;
    for (int line = 0; line < 100000; ++line) {
        if (line % 300 == 0) {
            text += QStringLiteral("第%1章 风雨归程\n").arg(line / 300 + 1);
            continue;
        }
        text += QStringLiteral("\u3000\u3000");
        const int length = 60 + random.bounded(20);
        for (int i = 0; i < length; ++i)
            text += (i % 12 == 11) ? QChar(0xFF0C) : pool.at(random.bounded(pool.size()));
        text += QLatin1Char('\n');
    }
    return text;
}

void print(const char* name, double value, const char* unit)
{
    std::printf("%s: %.3f %s\n", name, value, unit);
    std::fflush(stdout);
}
} // namespace

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
