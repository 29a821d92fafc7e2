// The settings file format against Qt's own INI format as the oracle: random
// settings written by one and read by the other must come back as Qt reads
// back what it wrote itself. Then its reasons to exist: a write on a full
// disk leaves the old file as it was and is told once, and a damaged file
// loses only its damaged lines.
#include "filebytes.h"
#include "smalldisk.h"
#include "testenvironment.h"

#include "data/settingsfile.h"
#include "TovaUi/function/function.h"
#include "TovaUi/function/message.h"

#include <QDateTime>
#include <QPoint>
#include <QRandomGenerator>
#include <QRect>
#include <QSettings>
#include <QSignalSpy>
#include <QSize>

namespace {

// Characters that stress the escaping: separators, quotes, backslashes,
// "@", blanks at either end, control characters, Latin-1, CJK, a
// surrogate pair, and hex digits right after an escape.
QString randomText(QRandomGenerator& rng, int maxLength)
{
    static const QString pool = QStringLiteral(" ;,=\"\\@%[]#/ab09fF\t\n\r") + QChar(0) + QChar(0x7f) + QChar(0xe9)
        + QChar(0xff) + QStringLiteral("章节龙傲天") + QChar(0xd83d) + QChar(0xde00) + QChar(0x1) + QChar(0x1f);
    QString text;
    const int length = rng.bounded(maxLength + 1);
    for (int i = 0; i < length; ++i)
        text += pool.at(rng.bounded(pool.size()));
    // Keep surrogates paired: a lone one cannot be stored by anyone.
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && (i + 1 == text.size() || !text.at(i + 1).isLowSurrogate()))
            text.remove(i--, 1);
        else if (text.at(i).isLowSurrogate() && (i == 0 || !text.at(i - 1).isHighSurrogate()))
            text.remove(i--, 1);
    }
    return text;
}

QString randomKeyPart(QRandomGenerator& rng)
{
    static const QString pool = QStringLiteral("abcXYZ019_-.% =;章");
    QString part;
    const int length = 1 + rng.bounded(6);
    for (int i = 0; i < length; ++i)
        part += pool.at(rng.bounded(pool.size()));
    return part;
}

QVariant randomValue(QRandomGenerator& rng)
{
    switch (rng.bounded(11)) {
    case 0: return randomText(rng, 12);
    case 1: return QStringLiteral("@") + randomText(rng, 6);
    case 2: {
        QStringList list;
        const int n = rng.bounded(4);
        for (int i = 0; i < n; ++i)
            list << randomText(rng, 6);
        return list;
    }
    case 3: return int(rng.bounded(2000000)) - 1000000;
    case 4: return rng.bounded(1000.0) - 500.0;
    case 5: return rng.bounded(2) == 1;
    case 6: {
        QByteArray bytes;
        const int n = rng.bounded(10);
        for (int i = 0; i < n; ++i)
            bytes += char(rng.bounded(256));
        return bytes;
    }
    case 7: return QRect(rng.bounded(100) - 50, rng.bounded(100), rng.bounded(900), rng.bounded(900));
    case 8: return rng.bounded(2) ? QVariant(QSize(rng.bounded(900), rng.bounded(900))) : QVariant(QPoint(rng.bounded(50), -rng.bounded(50)));
    case 9: return QDateTime::fromSecsSinceEpoch(1700000000 + rng.bounded(100000), Qt::UTC);
    default: return QVariantList { randomText(rng, 4), int(rng.bounded(9)) };
    }
}

QSettings::SettingsMap randomMap(QRandomGenerator& rng, bool oneSection)
{
    QSettings::SettingsMap map;
    const QString group = randomKeyPart(rng);
    const int n = 1 + rng.bounded(12);
    for (int i = 0; i < n; ++i) {
        QString key;
        if (oneSection) {
            key = group + QLatin1Char('/') + randomKeyPart(rng);
        } else {
            const int parts = 1 + rng.bounded(3);
            for (int p = 0; p < parts; ++p)
                key += (p ? QStringLiteral("/") : QString()) + randomKeyPart(rng);
        }
        map.insert(key, randomValue(rng));
    }
    return map;
}

// Everything a settings file holds, as the given format reads it. Read from
// a fresh copy: QSettings keeps what it wrote in memory and would answer
// from there instead of the file.
QSettings::SettingsMap readBack(const QString& path, QSettings::Format format)
{
    static int copies = 0;
    const QString copy = path + QStringLiteral(".copy%1").arg(++copies);
    if (!QFile::copy(path, copy))
        return {};
    QSettings s(copy, format);
    QSettings::SettingsMap map;
    for (const QString& key : s.allKeys())
        map.insert(key, s.value(key));
    return map;
}

QString describe(const QSettings::SettingsMap& map)
{
    QString text;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        text += it.key() + QStringLiteral(" = ") + QString::fromLatin1(QVariant(it.value()).typeName()) + QLatin1Char(' ')
            + it.value().toString() + QLatin1Char('\n');
    return text;
}

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT

private:
    int m_files = 0;
    QString nextPath() { return QDir::tempPath() + QStringLiteral("/s%1.ini").arg(++m_files); }

private slots:
    // Seeded: a failure names its seed, and the run can be repeated.
    void agreesWithQtInBothDirections()
    {
        for (quint32 seed = 1; seed <= 300; ++seed) {
            QRandomGenerator rng(seed);
            const QSettings::SettingsMap map = randomMap(rng, seed % 3 == 0);

            // The oracle: what Qt reads back of what it wrote itself.
            const QString qtPath = nextPath();
            {
                QSettings qt(qtPath, QSettings::IniFormat);
                for (auto it = map.cbegin(); it != map.cend(); ++it)
                    qt.setValue(it.key(), it.value());
            }
            const QSettings::SettingsMap expected = readBack(qtPath, QSettings::IniFormat);
            QCOMPARE(expected.size(), map.size());

            // Ours, read by Qt.
            const QString ourPath = nextPath();
            QVERIFY(putFileBytes(ourPath, SettingsFile::encode(map)));
            const QSettings::SettingsMap qtReadsOurs = readBack(ourPath, QSettings::IniFormat);
            QVERIFY2(qtReadsOurs == expected, qPrintable(QStringLiteral("seed %1: Qt reads our file as\n%2instead of\n%3")
                                                             .arg(seed).arg(describe(qtReadsOurs), describe(expected))));

            // Qt's file, read by us; and ours by us.
            QSettings::SettingsMap weReadQt;
            QVERIFY(SettingsFile::decode(fileBytes(qtPath), weReadQt));
            QVERIFY2(weReadQt == expected, qPrintable(QStringLiteral("seed %1: we read Qt's file as\n%2instead of\n%3")
                                                         .arg(seed).arg(describe(weReadQt), describe(expected))));
            QSettings::SettingsMap weReadOurs;
            QVERIFY(SettingsFile::decode(SettingsFile::encode(map), weReadOurs));
            QVERIFY2(weReadOurs == expected, qPrintable(QStringLiteral("seed %1").arg(seed)));

            // Within one section the text is the very same.
            if (seed % 3 == 0)
                QVERIFY2(SettingsFile::encode(map) == fileBytes(qtPath), qPrintable(QStringLiteral("seed %1:\n").arg(seed)
                    + QString::fromLatin1(SettingsFile::encode(map)) + QStringLiteral("---\n") + QString::fromLatin1(fileBytes(qtPath))));
        }
    }

    // Hand-written files as people and older versions leave them.
    void readsHandWrittenFiles_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("spaces around =") << QByteArray("[Edit]\nFontSize = 14 \n") << "Edit/FontSize" << QVariant("14");
        QTest::newRow("comment line") << QByteArray("; note\n[Edit]\n;x=1\nFont=Serif\n") << "Edit/Font" << QVariant("Serif");
        QTest::newRow("comment after value") << QByteArray("[a]\nb=1 ; two\n") << "a/b" << QVariant("1");
        QTest::newRow("CR LF") << QByteArray("[Window]\r\nwidth=700\r\n") << "Window/width" << QVariant("700");
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xef\xbb\xbf[files]\npath=/\xe4\xb9\xa6\n") << "files/path"
                                        << QVariant(QStringLiteral("/书"));
        QTest::newRow("no section") << QByteArray("top=1\n") << "top" << QVariant("1");
        QTest::newRow("%General") << QByteArray("[%General]\nx=1\n") << "General/x" << QVariant("1");
        QTest::newRow("quoted list") << QByteArray("[S]\nKeys=\"a,b\", c\n") << "S/Keys" << QVariant(QStringList { "a,b", "c" });
        QTest::newRow("ends in a backslash") << QByteArray("[a]\nb=x  \\") << "a/b" << QVariant("x  ");
        QTest::newRow("continued line") << QByteArray("[a]\nb=x\\\ny\n") << "a/b" << QVariant("xy");
    }

    void readsHandWrittenFiles()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        QSettings::SettingsMap ours;
        SettingsFile::decode(text, ours);
        QCOMPARE(ours.value(key), value);
        const QString path = nextPath();
        QVERIFY(putFileBytes(path, text));
        QCOMPARE(readBack(path, QSettings::IniFormat).value(key), value);
    }

    // A line the reader does not understand costs that line, never the
    // file: every other key is read, a notice says so, and what is written
    // back keeps them all.
    void unreadableLinesKeepTheRest_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("hash comment") << QByteArray("# a comment");
        QTest::newRow("header without ]") << QByteArray("[Window");
        QTest::newRow("stray word") << QByteArray("stray");
        QTest::newRow("NUL bytes") << QByteArray("\0\0\0\0", 4);
        QTest::newRow("NUL bytes in a key") << QByteArray("wid\0th=1", 9);
    }

    void unreadableLinesKeepTheRest()
    {
        QFETCH(QByteArray, line);
        const QString path = nextPath();
        QVERIFY(putFileBytes(path, "[files]\npath=/books\n\n[Save]\nCurrentFile=/books/a.txt\n" + line
                                       + "\n[userInfo]\nuserName=writer\n"));
        QSignalSpy notices(function::instance()->getMessage(), &Message::showMessage);
        {
            QSettings s(path, SettingsFile::format());
            QCOMPARE(s.value(QStringLiteral("files/path")).toString(), QStringLiteral("/books"));
            QCOMPARE(s.value(QStringLiteral("Save/CurrentFile")).toString(), QStringLiteral("/books/a.txt"));
            QCOMPARE(s.value(QStringLiteral("userInfo/userName")).toString(), QStringLiteral("writer"));
            s.setValue(QStringLiteral("Edit/FontSize"), 14);
            QVERIFY(SettingsFile::commit(s));
        }
        QTRY_COMPARE(notices.count(), 1);
        QCOMPARE(notices.at(0).at(1).toInt(), int(Message::Warn));
        const QSettings::SettingsMap written = readBack(path, QSettings::IniFormat);
        QCOMPARE(written.value(QStringLiteral("files/path")).toString(), QStringLiteral("/books"));
        QCOMPARE(written.value(QStringLiteral("Save/CurrentFile")).toString(), QStringLiteral("/books/a.txt"));
        QCOMPARE(written.value(QStringLiteral("Edit/FontSize")).toInt(), 14);
        QCOMPARE(written.value(QStringLiteral("userInfo/userName")).toString(), QStringLiteral("writer"));
    }

    // A full disk: with a page left, the lock file takes it and the settings
    // text no longer fits (Qt's own INI writer then renamed an empty file
    // over the settings); with not a byte left, QSettings cannot make its
    // lock file and never writes. Either way the old file stays and the
    // failure is told once.
    void fullDiskKeepsSettings_data()
    {
        QTest::addColumn<qint64>("left");
        QTest::newRow("a page left") << qint64(4096);
        QTest::newRow("not a byte left") << qint64(0);
    }

    void fullDiskKeepsSettings()
    {
        QFETCH(qint64, left);
        SmallDisk disk(256);
        QVERIFY2(disk.isMounted(), "cannot mount a tmpfs: the tests need root");
        const QString path = disk.path() + QStringLiteral("/Penlark.ini");
        {
            QSettings s(path, SettingsFile::format());
            for (int i = 0; i < 40; ++i)
                s.setValue(QStringLiteral("Group/key%1").arg(i), QString(60, QLatin1Char('v')));
        }
        const QByteArray old = fileBytes(path);
        QVERIFY(old.size() > 2000);
        QVERIFY(disk.fill());
        const QString filler = disk.path() + QStringLiteral("/.filler");
        QVERIFY(QFile::resize(filler, QFileInfo(filler).size() - left));

        QSignalSpy notices(function::instance()->getMessage(), &Message::showMessage);
        for (int attempt = 0; attempt < 2; ++attempt) {
            QSettings s(path, SettingsFile::format());
            s.setValue(QStringLiteral("Group/new%1").arg(attempt), 1);
            QVERIFY(!SettingsFile::commit(s));
            QCOMPARE(s.status(), QSettings::AccessError);
        }
        QCOMPARE(fileBytes(path), old);
        QTRY_COMPARE(notices.count(), 1);
        QTest::qWait(20);
        QCOMPARE(notices.count(), 1);
        QVERIFY(notices.at(0).at(0).toString().contains(path));
        QCOMPARE(notices.at(0).at(1).toInt(), int(Message::Error));

        // With room again the next change is written, with the earlier ones.
        disk.release();
        {
            QSettings s(path, SettingsFile::format());
            s.setValue(QStringLiteral("Group/after"), 2);
            QVERIFY(SettingsFile::commit(s));
        }
        QSettings check(path, QSettings::IniFormat);
        QCOMPARE(check.value(QStringLiteral("Group/after")).toInt(), 2);
        QCOMPARE(check.value(QStringLiteral("Group/new1")).toInt(), 1);
        QCOMPARE(check.value(QStringLiteral("Group/key39")).toString(), QString(60, QLatin1Char('v')));
    }
};

PENLARK_TEST_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
