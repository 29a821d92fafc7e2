// The utility object: hashes, encodings, dates, names from URLs, encoding
// detection, folder walks and file operations; the notification helpers and
// the operating-system queries that live beside it.
#include "testenvironment.h"

#include "TovaUi/function/function.h"
#include "TovaUi/function/message.h"
#include "TovaUi/function/osinfo.h"
#include "TovaUi/textarea/textfileform.h"

#include <QApplication>
#include <QBuffer>
#include <QDateTime>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QTimer>

class TestFunction : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString& relative) const { return m_dir.path() + QLatin1Char('/') + relative; }

    static void writeFile(const QString& file, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    static QByteArray readFile(const QString& file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static QByteArray gbk(const QString& text) { return QTextCodec::codecForName("GBK")->fromUnicode(text); }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    // ---- hashes and encodings ----

    void md5_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("digest");
        QTest::newRow("empty") << QString() << "d41d8cd98f00b204e9800998ecf8427e";
        QTest::newRow("a") << "a" << "0cc175b9c0f1b6a831c399e269772661";
        QTest::newRow("abc") << "abc" << "900150983cd24fb0d6963f7d28e17f72";
        QTest::newRow("message digest") << "message digest" << "f96b697d7cb7938d525a2f31aaf161d0";
    }
    void md5()
    {
        QFETCH(QString, text);
        QFETCH(QString, digest);
        QCOMPARE(function::md5(text), digest);
        QCOMPARE(function::md5(text.toUtf8()), digest.toLatin1());
        const QString file = path(QStringLiteral("md5-") + QString::fromLatin1(QTest::currentDataTag()));
        writeFile(file, text.toUtf8());
        QCOMPARE(function::fileMd5(file), digest);
    }

    void md5OfTextIsMd5OfUtf8()
    {
        const QString text = QStringLiteral("第一章 风起");
        QCOMPARE(function::md5(text), QString::fromLatin1(function::md5(text.toUtf8())));
        QCOMPARE(function::fileMd5(path(QStringLiteral("missing"))), QString());
    }

    void hmacSha1_data()
    {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("base64");
        QTest::newRow("rfc2202-1") << QByteArray(20, '\x0b') << QByteArray("Hi There") << "thcxhlUFcmTii8C2+zeMjvFGvgA=";
        QTest::newRow("rfc2202-2") << QByteArray("Jefe") << QByteArray("what do ya want for nothing?")
                                   << "7/zfauXrL6LSdBbV8YTfnCWafHk=";
        QTest::newRow("long key") << QByteArray(80, '\xaa')
                                  << QByteArray("Test Using Larger Than Block-Size Key - Hash Key First")
                                  << "qkrl4VJy0A6VcFY3zoo7Ve1AIRI=";
        QTest::newRow("empty") << QByteArray() << QByteArray() << "+9sdGxiqbAgyS31ktx+3Y3BpDh0=";
    }
    void hmacSha1()
    {
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, data);
        QFETCH(QString, base64);
        QCOMPARE(function::hmacSha1(key, data), base64);
    }

    void urlEncode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("encoded");
        QTest::newRow("unreserved") << "AZaz09-._~" << "AZaz09-._~";
        QTest::newRow("space and slash") << "a b/c" << "a%20b%2Fc";
        QTest::newRow("reserved") << "?&=+:@" << "%3F%26%3D%2B%3A%40";
        QTest::newRow("chinese") << "中" << "%E4%B8%AD";
        QTest::newRow("empty") << "" << "";
    }
    void urlEncode()
    {
        QFETCH(QString, text);
        QFETCH(QString, encoded);
        QCOMPARE(function::urlEncode(text), encoded);
    }

    // ---- dates ----

    void weekStartsOnMonday_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QDate>("monday");
        QTest::newRow("sunday") << QDate(2024, 1, 7) << QDate(2024, 1, 1);
        QTest::newRow("monday") << QDate(2024, 1, 8) << QDate(2024, 1, 8);
        QTest::newRow("across the year") << QDate(2023, 12, 31) << QDate(2023, 12, 25);
        QTest::newRow("leap day") << QDate(2024, 2, 29) << QDate(2024, 2, 26);
    }
    void weekStartsOnMonday()
    {
        QFETCH(QDate, date);
        QFETCH(QDate, monday);
        QCOMPARE(function::mondayOf(date), monday);
    }

    void dateTests_data()
    {
        const QDate today = QDate::currentDate();
        const QDate monday = function::mondayOf(today);
        const QDate firstOfMonth(today.year(), today.month(), 1);
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("day");
        QTest::addColumn<bool>("week");
        QTest::addColumn<bool>("month");
        QTest::addColumn<bool>("year");
        QTest::newRow("today") << today << true << true << true << true;
        QTest::newRow("yesterday") << today.addDays(-1) << false << (today != monday) << (today.day() != 1)
                                   << (today.dayOfYear() != 1);
        QTest::newRow("this monday") << monday << (monday == today) << true << (monday.month() == today.month())
                                     << (monday.year() == today.year());
        QTest::newRow("last sunday") << monday.addDays(-1) << false << false
                                     << (monday.addDays(-1).month() == today.month())
                                     << (monday.addDays(-1).year() == today.year());
        QTest::newRow("coming sunday") << monday.addDays(6) << (monday.addDays(6) == today) << true
                                       << (monday.addDays(6).month() == today.month())
                                       << (monday.addDays(6).year() == today.year());
        QTest::newRow("next monday") << monday.addDays(7) << false << false
                                     << (monday.addDays(7).month() == today.month())
                                     << (monday.addDays(7).year() == today.year());
        QTest::newRow("first of month") << firstOfMonth << (firstOfMonth == today) << (function::mondayOf(firstOfMonth) == monday)
                                        << true << true;
        QTest::newRow("last of previous month") << firstOfMonth.addDays(-1) << false
                                                << (function::mondayOf(firstOfMonth.addDays(-1)) == monday) << false
                                                << (today.month() != 1);
        QTest::newRow("first of next month") << firstOfMonth.addMonths(1) << false
                                             << (function::mondayOf(firstOfMonth.addMonths(1)) == monday) << false
                                             << (today.month() != 12);
        QTest::newRow("same day last year") << today.addYears(-1) << false << false << false << false;
        QTest::newRow("new year's day") << QDate(today.year(), 1, 1) << (today.dayOfYear() == 1)
                                        << (function::mondayOf(QDate(today.year(), 1, 1)) == monday)
                                        << (today.month() == 1) << true;
        QTest::newRow("invalid") << QDate() << false << false << false << false;
    }
    void dateTests()
    {
        QFETCH(QDate, date);
        QFETCH(bool, day);
        QFETCH(bool, week);
        QFETCH(bool, month);
        QFETCH(bool, year);
        QCOMPARE(function::isToday(date), day);
        QCOMPARE(function::isThisWeek(date), week);
        QCOMPARE(function::isThisMonth(date), month);
        QCOMPARE(function::isThisYear(date), year);
        if (date.isValid()) {
            // Seconds are read as local time: the first and last second of
            // the day belong to it.
            const int first = int(QDateTime(date, QTime(0, 0)).toSecsSinceEpoch());
            const int last = int(QDateTime(date, QTime(23, 59, 59)).toSecsSinceEpoch());
            QCOMPARE(function::isToday(first), day);
            QCOMPARE(function::isToday(last), day);
            QCOMPARE(function::isThisWeek(first), week);
            QCOMPARE(function::isThisMonth(last), month);
            QCOMPARE(function::isThisYear(first), year);
        }
    }

    void timeTexts()
    {
        QCOMPARE(function::formatSecond(3725), QStringLiteral("1:2:5"));
        QCOMPARE(function::formatSecond(59), QStringLiteral("0:0:59"));
        QCOMPARE(function::formatSecond(0), QStringLiteral("0:0:0"));
        QCOMPARE(function::timeToGMT(1700000000), QStringLiteral("Tue, 14 Nov 2023 22:13:20 GMT"));
        QCOMPARE(function::formatTime(qint64(86400)), QStringLiteral("1970-01-02 00:00:00"));
        const QString local = QStringLiteral("yyyy-MM-dd HH:mm:ss");
        QCOMPARE(function::formatTime(QStringLiteral("86400")),
                 QDateTime::fromSecsSinceEpoch(86400).toLocalTime().toString(local));
        QCOMPARE(function::formatTime(QStringLiteral("abc")),
                 QDateTime::fromSecsSinceEpoch(0).toLocalTime().toString(local));
        QCOMPARE(function::formatDate(QStringLiteral("86400")),
                 QDateTime::fromSecsSinceEpoch(86400).toLocalTime().toString(QStringLiteral("yyyy-MM-dd")));
        QVERIFY(function::timeToGMT().endsWith(QLatin1String(" GMT")));
    }

    void clockText()
    {
        function* f = function::instance();
        QSignalSpy spy(f, &function::nowTimeTextChanged);
        f->setNowTimeText(QString());
        spy.clear();
        f->updateNowTimeText();
        QCOMPARE(spy.count(), 1);
        QVERIFY(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$"))
                    .match(f->nowTimeText())
                    .hasMatch());
        f->setNowTimeText(f->nowTimeText());
        QCOMPARE(spy.count(), 1);
    }

    // ---- identifier, colours, scale, keys, random ----

    void deviceId()
    {
        QSettings().remove(QStringLiteral("countly/deviceId"));
        const QString id = function::deviceID();
        QVERIFY(QRegularExpression(QStringLiteral("^\\{[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}\\}$"))
                    .match(id)
                    .hasMatch());
        QCOMPARE(QSettings().value(QStringLiteral("countly/deviceId")).toString(), id);
        QCOMPARE(function::deviceID(), id);
    }

    void darkStyle_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("dark");
        QTest::newRow("40") << 40 << false;
        QTest::newRow("41") << 41 << true;
        QTest::newRow("59") << 59 << true;
        QTest::newRow("60") << 60 << false;
    }
    void darkStyle()
    {
        QFETCH(int, value);
        QFETCH(bool, dark);
        const QPalette saved = QApplication::palette();
        QPalette palette = saved;
        palette.setColor(QPalette::Window, QColor::fromHsv(0, 0, value));
        QApplication::setPalette(palette);
        QCOMPARE(function::isDarkStyle(), dark);
        QApplication::setPalette(saved);
    }

    void colours()
    {
        QCOMPARE(function::InvertColor(QColor(130, 130, 130)), QColor(0, 0, 0));
        QCOMPARE(function::InvertColor(QColor(0, 0, 0)), QColor(255, 255, 255));
        QCOMPARE(function::InvertColor(QColor(10, 200, 30, 128)), QColor(245, 55, 225));
        const QColor light = function::lighter(QColor(0, 0, 0), 150);
        QVERIFY(light != QColor(0, 0, 0));
        QCOMPARE(light.red(), light.green());
        QCOMPARE(function::colorSetAlpha(QStringLiteral("#ff0000"), 100), QColor(255, 0, 0, 100));
    }

    void rate_data()
    {
        QTest::addColumn<double>("dpi");
        QTest::addColumn<double>("rate");
        QTest::newRow("96") << 96.0 << 1.0;
        QTest::newRow("120") << 120.0 << 1.25;
        QTest::newRow("144") << 144.0 << 1.5;
        QTest::newRow("216") << 216.0 << 2.25;
        QTest::newRow("240") << 240.0 << 2.5;
        QTest::newRow("300") << 300.0 << 3.0;
    }
    void rate()
    {
        QFETCH(double, dpi);
        QFETCH(double, rate);
        QCOMPARE(function::rateForDpi(dpi), rate);
    }

    void keys()
    {
        QCOMPARE(function::keyEventToString(Qt::ControlModifier, Qt::Key_1), QStringLiteral("Ctrl+1"));
        QCOMPARE(function::keyEventToString(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_S),
                 QStringLiteral("Ctrl+Shift+S"));
    }

    void randomNumbers()
    {
        QCOMPARE(function::generateRandomNumber(5, 5), 5);
        QCOMPARE(function::generateRandomNumber(3, 0), 0);
        QCOMPARE(function::generateRandomNumber(7, 2), 7);
        QSet<int> seen;
        for (int i = 0; i < 200; ++i) {
            const int n = function::generateRandomNumber(10, 14);
            QVERIFY(n >= 10 && n < 14);
            seen.insert(n);
        }
        QVERIFY(seen.size() > 1);
    }

    // ---- names and paths ----

    void numberFromString_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");
        QTest::newRow("chapter") << "第12章" << 12;
        QTest::newRow("dots") << "1.2.3" << 123;
        QTest::newRow("leading zeros") << "007" << 7;
        QTest::newRow("no digits") << "序章" << -1;
        QTest::newRow("full-width digits") << "１２" << -1;
        QTest::newRow("too large") << "12345678901" << 0;
    }
    void numberFromString()
    {
        QFETCH(QString, text);
        QFETCH(int, number);
        QCOMPARE(function::getNumberFormString(text), number);
    }

    void namesFromUrls_data()
    {
        QTest::addColumn<QUrl>("url");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("base");
        QTest::newRow("index.txt") << QUrl::fromLocalFile(QStringLiteral("/books/Novel/index.txt")) << "Novel" << "Novel";
        QTest::newRow("chapter") << QUrl::fromLocalFile(QStringLiteral("/books/Chapter 1.txt")) << "Chapter 1.txt"
                                 << "Chapter 1";
        QTest::newRow("two dots") << QUrl::fromLocalFile(QStringLiteral("/books/a.b.txt")) << "a.b.txt" << "a";
        QTest::newRow("hidden") << QUrl::fromLocalFile(QStringLiteral("/books/.notes")) << ".notes" << "";
        QTest::newRow("Index.txt") << QUrl::fromLocalFile(QStringLiteral("/books/Novel/Index.txt")) << "Index.txt"
                                   << "Index";
        QTest::newRow("qrc") << QUrl(QStringLiteral("qrc:/source/Readme.md")) << "Readme.md" << "Readme";
        QTest::newRow("https") << QUrl(QStringLiteral("https://example.invalid/a/b.txt")) << "b.txt" << "b";
        QTest::newRow("trailing slash") << QUrl::fromLocalFile(QStringLiteral("/books/")) << "" << "";
    }
    void namesFromUrls()
    {
        QFETCH(QUrl, url);
        QFETCH(QString, name);
        QFETCH(QString, base);
        QCOMPARE(function::getNameFromUrl(url), name);
        QCOMPARE(function::getBaseNameFromUrl(url), base);
    }

    void pathsAndUrls()
    {
        const QUrl file = QUrl::fromLocalFile(QStringLiteral("/books/Novel/a.md"));
        QCOMPARE(function::getSuffixByFile(file), QStringLiteral("md"));
        QCOMPARE(function::getParentFromFile(file), QUrl::fromLocalFile(QStringLiteral("/books/Novel")));
        QCOMPARE(function::getPathUrlByFileUrl(file), QUrl::fromLocalFile(QStringLiteral("/books/Novel")));
        QCOMPARE(function::fileToUrl(QStringLiteral("/books/a b.txt")), QStringLiteral("file:///books/a b.txt"));
        QVERIFY(function::isFileExist(QUrl(QStringLiteral("qrc:/does/not/exist"))));
        QVERIFY(!function::isFileExist(QUrl::fromLocalFile(path(QStringLiteral("nothing-here")))));
        QVERIFY(function::isFileExist(QUrl::fromLocalFile(m_dir.path())));
        QVERIFY(function::isSameFile(QUrl::fromLocalFile(QStringLiteral("/books/x/../a.txt")),
                                     QUrl::fromLocalFile(QStringLiteral("/books/a.txt"))));
    }

    void makePaths()
    {
        const QString nested = path(QStringLiteral("paths/one/two/file.txt"));
        QVERIFY(function::checkPath(nested));
        QVERIFY(QFileInfo(path(QStringLiteral("paths/one/two"))).isDir());
        QVERIFY(!QFileInfo::exists(nested));
        QVERIFY(function::mkpath(path(QStringLiteral("paths/three/file.txt"))));
        QVERIFY(QFileInfo(path(QStringLiteral("paths/three"))).isDir());
    }

    void fileListInNumberOrder()
    {
        const QString root = path(QStringLiteral("book"));
        writeFile(root + QStringLiteral("/第10章.txt"), "x");
        writeFile(root + QStringLiteral("/第2章.txt"), "x");
        writeFile(root + QStringLiteral("/卷1/第1章.txt"), "x");
        writeFile(root + QStringLiteral("/notes.md"), "x");
        writeFile(root + QStringLiteral("/.hidden.txt"), "x");
        QDir().mkpath(root + QStringLiteral("/空卷3"));
        QCOMPARE(function::getFileListByPath(QUrl::fromLocalFile(root), { QStringLiteral("*.txt") }),
                 QStringList({ QStringLiteral("卷1/第1章.txt"), QStringLiteral("第2章.txt"), QStringLiteral("第10章.txt") }));
    }

    void fileListSurvivesLinkLoops()
    {
        const QString root = path(QStringLiteral("loop"));
        writeFile(root + QStringLiteral("/1.txt"), "x");
        writeFile(root + QStringLiteral("/sub2/2.txt"), "x");
        QVERIFY(QFile::link(root, root + QStringLiteral("/sub2/back3")));
        const QStringList list = function::getFileListByPath(QUrl::fromLocalFile(root), { QStringLiteral("*.txt") });
        QCOMPARE(list, QStringList({ QStringLiteral("1.txt"), QStringLiteral("sub2/2.txt") }));
    }

    // ---- encoding detection ----

    // form: the file's form as TextFileForm finds it; an exact one writes
    // the text read, its lines in the document's form, as the same bytes.
    void codecName_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("codec");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QByteArray>("written"); // when not the bytes read
        const QString chinese = QStringLiteral("第一章 风起云涌，天下大乱。");
        QTest::newRow("utf-8") << chinese.toUtf8() << "UTF-8" << chinese << "UTF-8 LF" << QByteArray();
        QTest::newRow("gbk") << gbk(chinese) << "GBK" << chinese << "GBK LF" << QByteArray();
        const QString ascii = QStringLiteral("Chapter One: the long road\n") + chinese;
        QTest::newRow("gbk after ascii") << gbk(ascii) << "GBK" << ascii << "GBK LF" << QByteArray();
        QTest::newRow("gbk far in") << gbk(QString(5000, QLatin1Char('a')) + chinese) << "GBK"
                                    << QString(5000, QLatin1Char('a')) + chinese << "GBK LF" << QByteArray();
        const QString cut = QStringLiteral("abcdefghi中文");   // "中" spans bytes 10 to 12
        QTest::newRow("utf-8 cut at 10") << cut.toUtf8() << "UTF-8" << cut << "UTF-8 LF" << QByteArray();
        // The GBK bytes of the last character (E4 A1) also begin a UTF-8
        // sequence, which the end of the file leaves unfinished.
        const QString lastStartsUtf8 = QStringLiteral("Chapter one\n\u6D39");
        QTest::newRow("gbk ending like a cut utf-8 sequence") << gbk(lastStartsUtf8) << "GBK" << lastStartsUtf8 << "GBK LF" << QByteArray();
        QTest::newRow("utf-8 bom") << QByteArray("\xEF\xBB\xBF") + chinese.toUtf8() << "UTF-8" << chinese << "UTF-8 LF mark" << QByteArray();
        // These codecs write the byte-order mark themselves.
        QTest::newRow("utf-16le bom") << QTextCodec::codecForName("UTF-16LE")->fromUnicode(chinese)
                                      << "UTF-16" << chinese << "UTF-16 LF mark" << QByteArray();
        QTest::newRow("utf-16be bom") << QTextCodec::codecForName("UTF-16BE")->fromUnicode(chinese)
                                      << "UTF-16" << chinese << "UTF-16 LF mark" << QByteArray();
        QTest::newRow("utf-32le bom") << QTextCodec::codecForName("UTF-32LE")->fromUnicode(chinese)
                                      << "UTF-32" << chinese << "UTF-32 LF mark" << QByteArray();
        QTest::newRow("empty") << QByteArray() << "UTF-8" << QString() << "UTF-8 LF" << QByteArray();
        QTest::newRow("ascii") << QByteArray("plain") << "UTF-8" << QStringLiteral("plain") << "UTF-8 LF" << QByteArray();

        // A UTF-8 book with a stray byte or its last character cut short
        // stays UTF-8, the bytes kept.
        QString book;
        for (int i = 0; i < 40; ++i)
            book += QStringLiteral("第%1行，山河远阔，人间烟火。\n").arg(i);
        const QByteArray bookBytes = book.toUtf8();
        QTest::newRow("utf-8 stray byte") << QByteArray(bookBytes).insert(bookBytes.indexOf("第20行"), '\xFF') << "UTF-8"
                                          << QString(book).insert(book.indexOf(QStringLiteral("第20行")), QChar(QChar::ReplacementCharacter)) << "UTF-8 LF" << QByteArray();
        QTest::newRow("utf-8 cut last character") << bookBytes + QStringLiteral("尾").toUtf8().left(2) << "UTF-8"
                                                  << book + QString(2, QChar(QChar::ReplacementCharacter)) << "UTF-8 LF" << QByteArray();
        QTest::newRow("ascii stray byte") << QByteArray("plain \xFF text\n") << "UTF-8" << QStringLiteral("plain \uFFFD text\n") << "UTF-8 LF" << QByteArray();
        // Bytes GBK leaves undefined cannot be written back.
        QTest::newRow("gbk undefined byte") << gbk(book) + '\xFF' << "GBK" << book + QChar(QChar::ReplacementCharacter) << "GBK LF inexact" << QByteArray();
        QTest::newRow("utf-16 odd byte") << QTextCodec::codecForName("UTF-16LE")->fromUnicode(chinese) + 'x'
                                         << "UTF-16" << chinese << "UTF-16 LF mark inexact" << QByteArray();

        // Line ends: the most frequent one.
        QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << "UTF-8" << "a\r\nb\r\n" << "UTF-8 CRLF" << QByteArray();
        QTest::newRow("lone cr") << QByteArray("a\rb\r") << "UTF-8" << "a\rb\r" << "UTF-8 CR" << QByteArray();
        QTest::newRow("mostly crlf") << QByteArray("a\nb\r\nc\r\n") << "UTF-8" << "a\nb\r\nc\r\n" << "UTF-8 CRLF" << QByteArray("a\r\nb\r\nc\r\n");
        QTest::newRow("gbk crlf") << gbk(QStringLiteral("第一行\r\n第二行\r\n")) << "GBK" << "第一行\r\n第二行\r\n" << "GBK CRLF" << QByteArray();
        QTest::newRow("utf-16be bom cr") << QTextCodec::codecForName("UTF-16BE")->fromUnicode(QStringLiteral("一\r二\r"))
                                         << "UTF-16" << "一\r二\r" << "UTF-16 CR mark" << QByteArray();
        QTest::newRow("utf-8 bom crlf") << QByteArray("\xEF\xBB\xBF") + QStringLiteral("一\r\n\uFEFF二\r\n").toUtf8() << "UTF-8"
                                        << "一\r\n\uFEFF二\r\n" << "UTF-8 CRLF mark" << QByteArray();
    }
    void codecName()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, codec);
        QFETCH(QString, text);
        QFETCH(QString, form);
        QFETCH(QByteArray, written);
        QCOMPARE(function::getCodecName(bytes), codec);
        QCOMPARE(function::decodeText(bytes), text);

        const TextFileForm::Read read = TextFileForm::read(bytes);
        static const char* const lineEnds[] = { " LF", " CRLF", " CR" };
        QCOMPARE(read.form.encodingName() + QLatin1String(lineEnds[int(read.form.lineEnd())])
                + QLatin1String(read.form.hasMark() ? " mark" : "") + QLatin1String(read.form.exact() ? "" : " inexact"),
            form);
        if (read.form.exact()) {
            QString lines = read.text;
            lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
            QCOMPARE(read.form.encode(lines), written.isNull() ? bytes : written);
        }

        // Through a device: the whole file counts, the position stays.
        const QString file = path(QStringLiteral("codec-") + QString::fromLatin1(QTest::currentDataTag()));
        writeFile(file, bytes);
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        f.seek(bytes.size() / 2);
        QCOMPARE(function::getCodecName(&f), codec);
        QCOMPARE(f.pos(), qint64(bytes.size() / 2));
        // Callers decode with the codec of the returned name.
        if (read.form.exact() && !text.contains(QChar(QChar::ReplacementCharacter)))
            QCOMPARE(QTextCodec::codecForName(codec.toLatin1())->toUnicode(bytes), text);
        f.close();
        QCOMPARE(function::readTextFile(QUrl::fromLocalFile(file)), text);
    }

    // ---- file operations ----

    void copyAndMove()
    {
        const QString source = path(QStringLiteral("ops/a.txt"));
        const QString target = path(QStringLiteral("ops/target"));
        writeFile(source, "source");
        QDir().mkpath(target);
        const QUrl copy = function::copyFile(QUrl::fromLocalFile(source), QUrl::fromLocalFile(target));
        QCOMPARE(copy, QUrl::fromLocalFile(target + QStringLiteral("/a.txt")));
        QCOMPARE(readFile(target + QStringLiteral("/a.txt")), QByteArray("source"));

        // Never over an existing file: the source URL comes back and both stay.
        writeFile(target + QStringLiteral("/a.txt"), "kept");
        QCOMPARE(function::copyFile(QUrl::fromLocalFile(source), QUrl::fromLocalFile(target)),
                 QUrl::fromLocalFile(source));
        QCOMPARE(readFile(target + QStringLiteral("/a.txt")), QByteArray("kept"));
        QVERIFY(!function::moveFile(QUrl::fromLocalFile(source), QUrl::fromLocalFile(target)));
        QCOMPARE(readFile(source), QByteArray("source"));

        const QString other = path(QStringLiteral("ops/other"));
        QDir().mkpath(other);
        QVERIFY(function::moveFile(QUrl::fromLocalFile(source), QUrl::fromLocalFile(other)));
        QVERIFY(!QFileInfo::exists(source));
        QCOMPARE(readFile(other + QStringLiteral("/a.txt")), QByteArray("source"));
    }

    void deleteWithoutConfirmation()
    {
        const QString file = path(QStringLiteral("del/a.txt"));
        writeFile(file, "x");
        QVERIFY(function::delFile(QUrl::fromLocalFile(file), false));
        QVERIFY(!QFileInfo::exists(file));

        const QString folder = path(QStringLiteral("del/plain"));
        writeFile(folder + QStringLiteral("/1.txt"), "x");
        writeFile(folder + QStringLiteral("/.hidden"), "x");
        QVERIFY(function::delFile(QUrl::fromLocalFile(folder), false));
        QVERIFY(!QFileInfo::exists(folder));
    }

    void deleteRefusesFolderWithSubfolders()
    {
        const QString folder = path(QStringLiteral("del/nested"));
        writeFile(folder + QStringLiteral("/1.txt"), "keep me");
        writeFile(folder + QStringLiteral("/sub/2.txt"), "keep me too");
        QVERIFY(!function::delFile(QUrl::fromLocalFile(folder), false));
        QCOMPARE(readFile(folder + QStringLiteral("/1.txt")), QByteArray("keep me"));
        QCOMPARE(readFile(folder + QStringLiteral("/sub/2.txt")), QByteArray("keep me too"));
    }

    void deleteAnsweredNoKeepsFile()
    {
        const QString file = path(QStringLiteral("del/ask.txt"));
        writeFile(file, "x");
        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box)
                box->button(QMessageBox::No)->click();
        });
        QVERIFY(!function::delFile(QUrl::fromLocalFile(file), true));
        QVERIFY(QFileInfo::exists(file));
    }

    // ---- notifications and operating system ----

    void nativeNotices()
    {
        Message* m = function::instance()->getMessage();
        QCOMPARE(function::instance()->getMessage(), m);
        QSignalSpy spy(m, &Message::showMessage);
        message::show(Message::Warn, QStringLiteral("refused"), QStringLiteral("sub"));
        message::show(Message::Tips, QStringLiteral("tip"), 5000);
        message::show(Message::Error, QStringLiteral("failed"), nullptr, 5000);
        m->show(QStringLiteral("note"));
        QCOMPARE(spy.count(), 4);
        QCOMPARE(spy.at(0), QVariantList({ QStringLiteral("refused"), 1, 5000, QStringLiteral("sub") }));
        QCOMPARE(spy.at(1), QVariantList({ QStringLiteral("tip"), 16, 5000, QString() }));
        QCOMPARE(spy.at(2), QVariantList({ QStringLiteral("failed"), 0, 5000, QString() }));
        QCOMPARE(spy.at(3).at(1).toInt(), int(Message::Note));

        spy.clear();
        QVERIFY(!function::systemShutDown());
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(1).toInt(), int(Message::Tips));
    }

    void operatingSystem()
    {
        QCOMPARE(osInfo::osName(), QStringLiteral("Linux"));
        QVERIFY(osInfo::osVersion().startsWith(QLatin1String("Unknown ")));
        QVERIFY(osInfo::thisScreen());
        QCOMPARE(osInfo::thisScreen(), QGuiApplication::screens().first());
        QCOMPARE(osInfo::screenRect(), QGuiApplication::screens().first()->geometry());
        QVERIFY(!osInfo::IP().isEmpty());
    }
};

PENLARK_TEST_MAIN(TestFunction)
#include "tst_function.moc"
