// Pieces working together as the editor page wires them: a document's live
// counts reach the writing statistics.
#include "testenvironment.h"

#include "chapter/wordcountmodel.h"
#include "chapter/wordstypeclass.h"
#include "data/data.h"
#include "data/global.h"
#include "document/counthandler.h"

#include <QPlainTextDocumentLayout>
#include <QTextCursor>
#include <QTextDocument>

class TestIntegration : public QObject
{
    Q_OBJECT

private slots:
    void countsReachStatistics()
    {
        const QString path = global::documentPath() + QStringLiteral("/第1章.txt");
        const QUrl url = QUrl::fromLocalFile(path);
        QTextDocument document;
        document.setDocumentLayout(new QPlainTextDocumentLayout(&document));

        auto* handler = new CountHandler();
        handler->setTextDocument(&document);
        handler->setFileName(url);
        handler->setInited(true);

        QTextCursor cursor(&document);
        cursor.insertText(QStringLiteral("第一章 开始\n　　他走进了房间。"));

        WordsTypeClass* counts = data::instance()->wordCountModel()->countClass(url);
        QVERIFY(counts);
        QTRY_VERIFY_WITH_TIMEOUT(counts->All() > 0, 5000);
        const int first = counts->All();
        QTRY_COMPARE_WITH_TIMEOUT(data::instance()->fileDayCount().now.value(QStringLiteral("第1章.txt"), -1), first, 5000);

        // Typing more raises the file's figure in the statistics too.
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QStringLiteral("窗外下着雨"));
        QTRY_VERIFY_WITH_TIMEOUT(counts->All() > first, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(data::instance()->fileDayCount().now.value(QStringLiteral("第1章.txt"), -1),
                                  counts->All(), 5000);

        handler->exit();
    }
};

PENLARK_TEST_MAIN(TestIntegration)
#include "tst_integration.moc"
