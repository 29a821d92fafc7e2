// The settings object: every key's default, write and single change signal,
// the setters with rules of their own, the fitted window rectangle, chapter
// patterns, daily sign-in, and the sensitive-word list and pattern.
#include "testenvironment.h"

#include "data/global.h"
#include "data/sensitivewords.h"
#include "data/settings.h"
#include "users/userdatas.h"
#include "users/users.h"
#include "TovaUi/function/function.h"
#include "TovaUi/function/message.h"
#include "filebytes.h"
#include "smalldisk.h"

#include <QApplication>
#include <QMetaProperty>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>

#include <memory>

namespace {
struct Row {
    const char* property;
    const char* key;
    QVariant defaultValue;
    QVariant newValue;
    QString stored;   // the INI text of newValue
};
} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private:
    // A settings object over an empty INI file, or over the given keys.
    static std::unique_ptr<Settings> fresh(const QVariantMap& keys = QVariantMap())
    {
        QSettings s;
        s.clear();
        for (auto it = keys.cbegin(); it != keys.cend(); ++it)
            s.setValue(it.key(), it.value());
        s.sync();
        global::instance()->reloadSetting();
        return std::make_unique<Settings>();
    }

    static QVariant stored(const QString& key) { return QSettings().value(key); }

    // The value as another process would read it from the INI file (a copy,
    // so that no in-process cache answers).
    static QVariant fromFile(const QString& key)
    {
        QSettings().sync();
        const QString copy = QDir::tempPath() + QStringLiteral("/settings-copy.ini");
        QFile::remove(copy);
        if (!QFile::copy(global::settingsFileName(), copy))
            return QVariant();
        QSettings other(copy, QSettings::IniFormat);
        return other.value(key);
    }

    static QList<Row> rows()
    {
        const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        return {
            { "keysName", "App/keysName", "default", "xhw", "xhw" },
            { "isShowPointsMessage", "Message/isShowPointsMessage", true, false, "false" },
            { "isThroughing", "Through/isThroughing", false, true, "true" },
            { "throughType", "Through/throughType", "", "words", "words" },
            { "throughNumber", "Through/throughNumber", 0, 3, "3" },
            { "throughRoomId", "Through/roomId", 0, 42, "42" },
            { "isShowStatusWord", "Chapter/ShowStatusWord", true, false, "false" },
            { "isShowCursorWord", "Chapter/ShowCursorWord", true, false, "false" },
            { "isAutoAddChapterName", "Chapter/AutoAddChapterName", false, true, "true" },
            { "isFirstLogin", "Setting/isFirstLogin", true, false, "false" },
            { "isWordCountChart", "WordCount/Chart", false, true, "true" },
            { "isWordCountWordResult", "WordCount/WordResult", false, true, "true" },
            { "isMakeupFirstLineIndentation", "makeup/firstLineIndentation", true, false, "false" },
            { "isMakeupParagraphSpacing", "makeup/paragraphSpacing", true, false, "false" },
            { "isMakeupAppendEmptyLineAtEnd", "makeup/appendEmptyLineAtEnd", true, false, "false" },
            { "isMakeupRemoveEmptyLines", "makeup/removeEmptyLines", true, false, "false" },
            { "isMakeupSpacesAtFront", "makeup/spacesAtFront", true, false, "false" },
            { "isMakeupRemoveSpaces", "makeup/removeSpaces", false, true, "true" },
            { "isTypewriter", "Typewriter/Typewriter", false, true, "true" },
            { "typewriterFocusedText", "Typewriter/FocusedText", 2, 1, "1" },
            { "typewriterFixedRolling", "Typewriter/FixedRolling", 4, 0, "0" },
            { "isTypewriterMarkCurrentLine", "Typewriter/markCurrentLine", true, false, "false" },
            { "isPageStyle", "Edit/WidthModel", true, false, "0" },
            { "pageWidth", "Edit/WidthPixel", 600, 700, "700" },
            { "pageWidthChineseCharacters", "Edit/WidthChineseCharacters", 30, 35, "35" },
            { "pageWidthType", "Edit/WidthType", 0, 1, "1" },
            { "pageSideMargin", "Edit/SideMargin", 40, 20, "20" },
            { "pageLineSpacing", "Edit/LineSpacing", 0.2, 0.75, "0.75" },
            { "pageParagraphSpacing", "Edit/ParagraphSpacing", 0.5, 1.25, "1.25" },
            { "pageTextIndent", "Edit/TextIndent", 0.0, 2.0, "2" },
            { "cursorLine", "Edit/CursorLine", 0, 12, "12" },
            { "cursorPosition", "Edit/CursorPostion", 0, 99, "99" },
            { "soundOpen", "sound/open", false, true, "true" },
            { "roomName", "Server/roomKey", "", "room-1", "room-1" },
            { "currentFile", "Save/CurrentFile", "", "/books/第1章.txt", "/books/第1章.txt" },
            { "layoutLefttoRight", "Layout/LeftToRight", true, false, "false" },
            { "autochapterIsMin", "Layout/minAutochapter", false, true, "true" },
            { "wordcountIsMin", "Layout/minWordCount", false, true, "true" },
            { "rankingIsMin", "Layout/minRanking", false, true, "true" },
            { "isHideToolBar", "ToolBar/isHideToolBar", false, true, "true" },
            { "minimalistModel", "App/minimalistModel", false, true, "true" },
            // the default 920 x 600 shrunk to the 800 x 600 test screen
            { "mainWidth", "Window/width", 800, 700, "700" },
            { "mainHeight", "Window/hight", 600, 500, "500" },
            { "mainX", "Window/x", 0, 10, "10" },
            { "mainY", "Window/y", 0, 30, "30" },
            { "mainVisibility", "Window/visibility", 2, 5, "5" },
            { "mainIsFullScreen", "Window/isFullScreen", false, true, "true" },
            { "useLoginPassword", "LoginPassword/Check", false, true, "true" },
            { "loginPassword", "LoginPassword/password", "", "甲乙", "甲乙" },
            { "useTouchId", "LoginPassword/touchid", false, true, "true" },
            { "currentFunction", "HomeWidget/Current", "files", "notes", "notes" },
            { "searchMode", "Find/SearchMode", 0, 2, "2" },
            { "matchCaseSensitive", "Find/MatchCaseSensitive", false, true, "true" },
            { "editFontName", "Edit/Font", QApplication::font("QMenu").family(), "Serif", "Serif" },
            { "editFontSize", "Edit/FontSize", 12.0, 14.5, "14.5" },
            { "editFontColor", "Edit/FontColor", "black", "#333333", "#333333" },
            { "wordCountFontSize", "WordCount/FontSize", 12.0, 16.0, "16" },
            { "historyTime", "File/HistoryTime", 10, 5, "5" },
            { "subtleType", "Subtle/Type", 0, 2, "2" },
            { "subtleLevel", "Subtle/Level", 0, 2, "2" },
            { "subtleAutoMark", "Subtle/AutoMark", true, false, "false" },
            { "royalties", "Count/Royalty", 0, 30, "30" },
            { "editGlobalCenter", "Edit/GlobalCenter", false, true, "true" },
            { "TitleColorSame", "Edit/TitleColorSame", true, false, "false" },
            { "TitleMultiple", "Edit/TitleMultiple", 1.5, 2.0, "2" },
            { "TitleColor", "Edit/TitleColor", "black", "red", "red" },
            { "useCloud", "Cloud/UseCloud", true, false, "false" },
            { "cloudOnQuit", "Cloud/CloudOnQuit", false, true, "true" },
            { "miniTipsX", "miniTips/x", -1, 100, "100" },
            { "miniTipsY", "miniTips/y", -1, 200, "200" },
            { "fileDialogPath", "fileDialog/path", docs, "/somewhere", "/somewhere" },
            { "isShowNotesList", "Notes/ShowNotesList", true, false, "false" },
        };
    }

private slots:
    // The offscreen screen is 800 x 600: a 920-pixel window is centred at
    // x -60, y 0 (the table's mainX and mainY).
    void initTestCase() { QCOMPARE(QGuiApplication::screens().first()->geometry(), QRect(0, 0, 800, 600)); }

    void keys_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("defaultValue");
        QTest::addColumn<QVariant>("newValue");
        QTest::addColumn<QString>("storedText");
        for (const Row& row : rows())
            QTest::newRow(row.property) << row.property << row.key << row.defaultValue << row.newValue << row.stored;
    }

    void keys()
    {
        QFETCH(QString, property);
        QFETCH(QString, key);
        QFETCH(QVariant, defaultValue);
        QFETCH(QVariant, newValue);
        QFETCH(QString, storedText);

        auto settings = fresh();
        const QMetaObject* meta = settings->metaObject();
        const int index = meta->indexOfProperty(property.toLatin1().constData());
        QVERIFY2(index >= 0, "no such property");
        const QMetaProperty prop = meta->property(index);
        QVERIFY(prop.hasNotifySignal());

        // A fresh file gives the default and the constructor writes nothing.
        QCOMPARE(settings->property(prop.name()), defaultValue);
        QVERIFY(!QSettings().contains(key));

        QSignalSpy spy(settings.get(), prop.notifySignal());
        QVERIFY(settings->setProperty(prop.name(), newValue));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(settings->property(prop.name()), newValue);
        QCOMPARE(stored(key).toString(), storedText);
        QCOMPARE(fromFile(key).toString(), storedText);

        // The same value again writes nothing and emits nothing.
        QSettings().remove(key);
        QVERIFY(settings->setProperty(prop.name(), newValue));
        QCOMPARE(spy.count(), 1);
        QVERIFY(!QSettings().contains(key));

        // A new object reads the stored value back (with a window that fits
        // the 800-pixel screen, so the stored size is kept).
        QSettings().setValue(key, storedText);
        if (key == QLatin1String("Window/hight"))
            QSettings().setValue(QStringLiteral("Window/width"), 700);
        Settings again;
        QCOMPARE(again.property(prop.name()), newValue);
    }

    // A temporary-folder cleaner removes or replaces the private link
    // through which the run writes the settings file (or its whole folder):
    // the next change still reaches the file. Where the link cannot be made
    // again, the change is told as not saved and the next one reaches the file.
    void privateLinkMadeAgain_data()
    {
        QTest::addColumn<QString>("done");
        QTest::newRow("link removed") << "removed";
        QTest::newRow("folder removed") << "folder";
        QTest::newRow("link replaced by a file") << "file";
        QTest::newRow("link led elsewhere") << "elsewhere";
        QTest::newRow("link removed, its folder read-only") << "read-only";
    }
    void privateLinkMadeAgain()
    {
        QFETCH(QString, done);
        auto settings = fresh();
        QSignalSpy notices(function::instance()->getMessage(), &Message::showMessage);
        const QStringList made = QDir(QDir::tempPath()).entryList({ QStringLiteral("penlark-settings-*") }, QDir::Dirs);
        QCOMPARE(made.size(), 1);
        const QString folder = QDir::tempPath() + QLatin1Char('/') + made.first() + QStringLiteral("/Unknown Organization");
        const QString link = folder + QStringLiteral("/Penlark.ini");
        QVERIFY(QFileInfo(link).isSymLink());
        QVERIFY(done == QLatin1String("folder") ? QDir(QFileInfo(folder).absolutePath()).removeRecursively() : QFile::remove(link));
        if (done == QLatin1String("file"))
            QVERIFY(putFileBytes(link, "[Edit]\nFontSize=99\n"));
        const QString other = QDir::tempPath() + QStringLiteral("/other.ini");
        if (done == QLatin1String("elsewhere"))
            QVERIFY(putFileBytes(other, "") && QFile::link(other, link));
        std::unique_ptr<ReadOnlyFolder> readOnly(done == QLatin1String("read-only") ? new ReadOnlyFolder(folder) : nullptr);
        QVERIFY2(!readOnly || readOnly->isActive(), "the test needs to mount (run as root)");
        QVERIFY(settings->setProperty("editFontSize", 16.5));
        if (readOnly) {
            QTRY_COMPARE(notices.count(), 1);
            const QString notice = notices.first().first().toString();
            QVERIFY2(notice.startsWith(QStringLiteral("无法保存设置：") + global::settingsFileName()), qPrintable(notice));
            QCOMPARE(fromFile(QStringLiteral("Edit/FontSize")), QVariant());
            readOnly.reset();
            QVERIFY(settings->setProperty("editFontSize", 17.5));
        }
        QCOMPARE(fromFile(QStringLiteral("Edit/FontSize")).toString(), done == QLatin1String("read-only") ? "17.5" : "16.5");
        QVERIFY(QFileInfo(link).isSymLink());
    }

    void memoryOnlyProperties()
    {
        auto settings = fresh();
        const QStringList before = QSettings().allKeys();
        for (const char* name : { "lumoModel", "addEmptyLineAtEndByEnter" }) {
            QCOMPARE(settings->property(name), QVariant(false));
            QVERIFY(settings->setProperty(name, true));
            QCOMPARE(settings->property(name), QVariant(true));
        }
        QSignalSpy spy(settings.get(), &Settings::tmpMainXChanged);
        settings->setTmpMainX(5);
        settings->setTmpMainX(5);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(QSettings().allKeys(), before);
    }

    void fontSizeAndName()
    {
        auto settings = fresh();
        QStringList order;
        connect(settings.get(), &Settings::editFontChanged, this, [&] { order << "font"; });
        connect(settings.get(), &Settings::editFontSizeChanged, this, [&] { order << "size"; });
        settings->setEditFontSize(12);
        QVERIFY(order.isEmpty());
        QVERIFY(!QSettings().contains(QStringLiteral("Edit/FontSize")));
        settings->setEditFontSize(14);
        QCOMPARE(order, QStringList({ "font", "size" }));
        QCOMPARE(settings->editFont().pointSizeF(), 14.0);

        settings->setEditFontName(QString());
        QCOMPARE(settings->editFontName(), QApplication::font("QMenu").family());
        QVERIFY(!QSettings().contains(QStringLiteral("Edit/Font")));
        settings->setEditFontName(QStringLiteral("Serif"));
        QCOMPARE(settings->editFont().family(), QStringLiteral("Serif"));
        QCOMPARE(settings->editFont().pointSizeF(), 14.0);
    }

    void setterRules()
    {
        auto settings = fresh();
        QSignalSpy visibility(settings.get(), &Settings::mainvisibilityChanged);
        settings->setMainvisibility(3);
        settings->setMainvisibility(0);
        QCOMPARE(settings->mainVisibility(), 2);
        QCOMPARE(visibility.count(), 0);
        QVERIFY(!QSettings().contains(QStringLiteral("Window/visibility")));

        settings->setRoyalties(5);
        settings->setRoyalties(-5);
        QCOMPARE(settings->royalties(), 0);
        QCOMPARE(stored(QStringLiteral("Count/Royalty")).toInt(), 0);

        QSignalSpy spacing(settings.get(), &Settings::pageLineSpacingChanged);
        settings->setPageLineSpacing(0.2);
        settings->setPageLineSpacing(0.20000000000001);
        QCOMPARE(spacing.count(), 0);
        QVERIFY(Settings::fuzzyEqual(0.2, 0.20000000000001));
        QVERIFY(!Settings::fuzzyEqual(0.0, 1e-300));
        QVERIFY(Settings::fuzzyEqual(0.0, 0.0));

        // Font size and title multiple compare exactly.
        QSignalSpy multiple(settings.get(), &Settings::TitleMultipleChanged);
        settings->setTitleMultiple(1.5000000000000002);
        QCOMPARE(multiple.count(), 1);
    }

    void minimalistModel()
    {
        auto settings = fresh();
        settings->setLayoutLefttoRight(false);
        settings->setMinimalistModel(true);
        QVERIFY(settings->layoutLefttoRight());
        QVERIFY(settings->isHideToolBar());
        settings->setMinimalistModel(false);
        QVERIFY(!settings->isHideToolBar());
        QVERIFY(settings->layoutLefttoRight());

        // At start-up the minimalist layout forces the fixed layout in memory.
        auto again = fresh({ { "App/minimalistModel", true }, { "Layout/LeftToRight", false } });
        QVERIFY(again->layoutLefttoRight());
        QCOMPARE(stored(QStringLiteral("Layout/LeftToRight")).toBool(), false);
    }

    void language_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("langKey");
        QTest::newRow("Deutsch") << "Deutsch" << "de";
        QTest::newRow("中文简体") << "中文简体" << "zh_CN";
        QTest::newRow("عربي") << "عربي" << "ar";
        QTest::newRow("zh_tw") << "zh_tw" << "zh_TW";
        QTest::newRow("zh_cn") << "zh_cn" << "zh_CN";
        QTest::newRow("unknown") << "Klingon" << "en";
        QTest::newRow("empty") << "" << "en";
    }
    void language()
    {
        QFETCH(QString, language);
        QFETCH(QString, langKey);
        auto settings = fresh({ { "language/language", "Français" } });
        QCOMPARE(settings->langKey(), QStringLiteral("fr"));
        QSignalSpy spy(settings.get(), &Settings::languageChanged);
        settings->setLanguage(language);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(settings->langKey(), langKey);
        QCOMPARE(stored(QStringLiteral("language/language")).toString(), language);
    }

    void languageCodesAtStartUp()
    {
        auto tw = fresh({ { "language/language", "zh_tw" } });
        QCOMPARE(tw->language(), QStringLiteral("zh_TW"));
        QCOMPARE(tw->langKey(), QStringLiteral("zh_TW"));
        auto cn = fresh({ { "language/language", "zn_cn" } });
        QCOMPARE(cn->language(), QStringLiteral("zh_CN"));
        QCOMPARE(cn->langKey(), QStringLiteral("zh_CN"));
    }

    void storedForms()
    {
        auto settings = fresh({ { "Edit/WidthModel", "true" },
                                { "Edit/TextIndent", "1.5" },
                                { "Window/visibility", 3 },
                                { "fileDialog/path", "file:///no/such/folder" } });
        QVERIFY(settings->isPageStyle());
        QCOMPARE(settings->pageTextIndent(), 0.0);
        QCOMPARE(settings->mainVisibility(), 2);
        QCOMPARE(settings->fileDialogPath(), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        QCOMPARE(stored(QStringLiteral("fileDialog/path")).toString(), QString());

        auto other = fresh({ { "Edit/WidthModel", 0 }, { "fileDialog/path", QUrl::fromLocalFile(QDir::homePath()).toString() } });
        QVERIFY(!other->isPageStyle());
        QCOMPARE(other->fileDialogPath(), QUrl::fromLocalFile(QDir::homePath()).toString());
    }

    // Numbers in the file that the program cannot work with (a damaged or
    // hand-edited file) read as their defaults; the edges of each range
    // still read as stored.
    void outOfRangeReadsAsDefault_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("expected");
        auto row = [](const char* name, const char* key, const QVariant& stored, const char* property, const QVariant& expected) {
            QTest::newRow(name) << QString::fromLatin1(key) << stored << QString::fromLatin1(property) << expected;
        };
        row("visibility 77", "Window/visibility", 77, "mainVisibility", 2);
        row("visibility -1", "Window/visibility", -1, "mainVisibility", 2);
        row("visibility text", "Window/visibility", "full", "mainVisibility", 2);
        row("visibility 5 kept", "Window/visibility", 5, "mainVisibility", 5);
        row("visibility 1 kept", "Window/visibility", 1, "mainVisibility", 1);
        row("rolling 5", "Typewriter/FixedRolling", 5, "typewriterFixedRolling", 4);
        row("focus -1", "Typewriter/FocusedText", -1, "typewriterFocusedText", 2);
        row("page width 0", "Edit/WidthPixel", 0, "pageWidth", 600);
        row("page width 199", "Edit/WidthPixel", 199, "pageWidth", 600);
        row("page width 1200 kept", "Edit/WidthPixel", 1200, "pageWidth", 1200);
        row("page width huge", "Edit/WidthPixel", 2000000000, "pageWidth", 600);
        row("characters 9", "Edit/WidthChineseCharacters", 9, "pageWidthChineseCharacters", 30);
        row("width type 2", "Edit/WidthType", 2, "pageWidthType", 0);
        row("margin -1", "Edit/SideMargin", -1, "pageSideMargin", 40);
        row("line spacing 50", "Edit/LineSpacing", 50, "pageLineSpacing", 0.2);
        row("line spacing nan", "Edit/LineSpacing", "nan", "pageLineSpacing", 0.2);
        row("line spacing 3 kept", "Edit/LineSpacing", 3, "pageLineSpacing", 3.0);
        row("paragraph spacing -0.5", "Edit/ParagraphSpacing", -0.5, "pageParagraphSpacing", 0.5);
        row("indent 99", "Edit/TextIndent", 99, "pageTextIndent", 0.0);
        row("cursor line -3", "Edit/CursorLine", -3, "cursorLine", 0);
        row("cursor -1", "Edit/CursorPostion", -1, "cursorPosition", 0);
        row("search mode 3", "Find/SearchMode", 3, "searchMode", 0);
        row("font size 0", "Edit/FontSize", 0, "editFontSize", 12.0);
        row("font size inf", "Edit/FontSize", "inf", "editFontSize", 12.0);
        row("count font size 500", "WordCount/FontSize", 500, "wordCountFontSize", 12.0);
        row("snapshot every 0 minutes", "File/HistoryTime", 0, "historyTime", 10);
        row("snapshot every -5 minutes", "File/HistoryTime", -5, "historyTime", 10);
        row("royalty -5", "Count/Royalty", -5, "royalties", 0);
        row("title multiple 10", "Edit/TitleMultiple", 10, "TitleMultiple", 1.5);
        row("window width -20", "Window/width", -20, "mainWidth", 800);
    }

    void outOfRangeReadsAsDefault()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, stored);
        QFETCH(QString, property);
        QFETCH(QVariant, expected);
        auto settings = fresh({ { key, stored } });
        const QVariant value = settings->property(property.toLatin1().constData());
        QCOMPARE(value.toString(), expected.toString());
        // What the file holds is left to the user's next change.
        QCOMPARE(QSettings().value(key).toString(), stored.toString());
    }

    void visibilitySetterRefusesNonValues()
    {
        auto settings = fresh();
        QSignalSpy visibility(settings.get(), &Settings::mainvisibilityChanged);
        settings->setMainvisibility(77);
        settings->setMainvisibility(-1);
        QCOMPARE(visibility.count(), 0);
        QVERIFY(!QSettings().contains(QStringLiteral("Window/visibility")));
        settings->setMainvisibility(4);
        QCOMPARE(settings->mainVisibility(), 4);
    }

    void windowRect_data()
    {
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QVariant>("x");
        QTest::addColumn<QVariant>("y");
        QTest::addColumn<QRect>("rect");
        const QList<QRect> hd { QRect(0, 0, 1920, 1080) };
        const QList<QRect> two { QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024) };
        QTest::newRow("centred") << hd << 920 << 600 << QVariant() << QVariant() << QRect(500, 240, 920, 600);
        QTest::newRow("too wide") << hd << 2000 << 700 << QVariant(10) << QVariant(20) << QRect(10, 20, 920, 600);
        QTest::newRow("too high") << hd << 800 << 1200 << QVariant() << QVariant() << QRect(500, 240, 920, 600);
        QTest::newRow("x -400 stays") << hd << 920 << 600 << QVariant(-400) << QVariant(100) << QRect(-400, 100, 920, 600);
        QTest::newRow("x -612 stays") << hd << 920 << 600 << QVariant(-612) << QVariant(100) << QRect(-612, 100, 920, 600);
        QTest::newRow("x -613 centred") << hd << 920 << 600 << QVariant(-613) << QVariant(100) << QRect(500, 100, 920, 600);
        QTest::newRow("y 14 centred") << hd << 920 << 600 << QVariant(0) << QVariant(14) << QRect(0, 240, 920, 600);
        QTest::newRow("y 15 stays") << hd << 920 << 600 << QVariant(0) << QVariant(15) << QRect(0, 15, 920, 600);
        QTest::newRow("right edge stays") << hd << 920 << 600 << QVariant(1614) << QVariant(100) << QRect(1614, 100, 920, 600);
        QTest::newRow("past right edge") << hd << 920 << 600 << QVariant(1615) << QVariant(100) << QRect(500, 100, 920, 600);
        QTest::newRow("past bottom edge") << hd << 920 << 600 << QVariant(100) << QVariant(881) << QRect(100, 240, 920, 600);
        QTest::newRow("second screen") << two << 920 << 600 << QVariant(2500) << QVariant(100) << QRect(2500, 100, 920, 600);
        QTest::newRow("200 % on 1280 x 800") << QList<QRect> { QRect(0, 0, 640, 400) } << 0 << 0 << QVariant() << QVariant() << QRect(0, 0, 640, 400);
        QTest::newRow("150 % on 1280 x 800, too wide") << QList<QRect> { QRect(0, 0, 853, 533) } << 1000 << 500 << QVariant() << QVariant() << QRect(0, 0, 853, 533);
        QTest::newRow("no screen") << QList<QRect>() << 920 << 600 << QVariant(7) << QVariant(8) << QRect(7, 8, 920, 600);
        // Below the window's minimum (300 x 200): raised to it; no size at
        // all: the default one.
        QTest::newRow("too narrow") << hd << 299 << 600 << QVariant() << QVariant() << QRect(810, 240, 300, 600);
        QTest::newRow("negative height") << hd << 800 << -5 << QVariant() << QVariant() << QRect(500, 240, 920, 600);
        QTest::newRow("200 x 100") << hd << 200 << 100 << QVariant(40) << QVariant(40) << QRect(40, 40, 300, 200);
        QTest::newRow("smallest kept") << hd << 300 << 200 << QVariant(40) << QVariant(40) << QRect(40, 40, 300, 200);
        QTest::newRow("no screen, zero size") << QList<QRect>() << 0 << 0 << QVariant(7) << QVariant(8) << QRect(7, 8, 920, 600);
        QTest::newRow("no screen, 100 x 50") << QList<QRect>() << 100 << 50 << QVariant(7) << QVariant(8) << QRect(7, 8, 300, 200);
    }
    void windowRect()
    {
        QFETCH(QList<QRect>, screens);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QVariant, x);
        QFETCH(QVariant, y);
        QFETCH(QRect, rect);
        QCOMPARE(Settings::fitWindowRect(screens, width, height, x, y), rect);
    }

    void windowRectAtStartUp()
    {
        auto settings = fresh({ { "Window/width", 700 }, { "Window/hight", 500 }, { "Window/x", 20 }, { "Window/y", 14 } });
        QCOMPARE(QRect(settings->mainX(), settings->mainY(), settings->mainWidth(), settings->mainHeight()),
                 QRect(20, 50, 700, 500));
        QCOMPARE(QRect(settings->tmpMainX(), settings->tmpMainY(), settings->tmpMainWidth(), settings->tmpMainHeight()),
                 QRect(20, 50, 700, 500));
        QCOMPARE(stored(QStringLiteral("Window/y")).toInt(), 14);
    }

    void chapterKeys()
    {
        auto settings = fresh();
        QCOMPARE(settings->autoChapterKeysList(), global::defaultChapterKeys());
        QCOMPARE(settings->autoChapterKeys().count(QLatin1Char('\n')), 13);

        QSignalSpy own(settings.get(), &Settings::autoChapterKeysChanged);
        QSignalSpy mirrored(global::instance(), &global::autoChapterKeysChanged);
        settings->setAutoChapterKeys(QStringLiteral("第*章\nChapter"));
        QCOMPARE(stored(QStringLiteral("Chapter/AutoChapterKeys")).toString(), QStringLiteral("第*章;Chapter;"));
        QCOMPARE(settings->autoChapterKeysList(), QStringList({ "第*章", "Chapter" }));
        QCOMPARE(own.count(), 1);
        QCOMPARE(mirrored.count(), 1);

        // A blank line does not put an empty pattern among the others.
        settings->setAutoChapterKeys(QStringLiteral("第*卷\n\n  \n第*章\n"));
        QCOMPARE(stored(QStringLiteral("Chapter/AutoChapterKeys")).toString(), QStringLiteral("第*卷;第*章;"));
        QCOMPARE(settings->autoChapterKeysList(), QStringList({ "第*卷", "第*章" }));

        Settings again;
        QCOMPARE(again.autoChapterKeys(), QStringLiteral("第*卷\n第*章\n"));
    }

    void dailySignIn()
    {
        auto settings = fresh();
        QVERIFY(settings->isDailyLogined());
        QSignalSpy spy(settings.get(), &Settings::isDailyLoginedChanged);
        settings->setIsDailyLogined(false);
        QCOMPARE(spy.count(), 1);
        QVERIFY(!QSettings().contains(QStringLiteral("Setting/dailyLoginTime")));
        settings->setIsDailyLogined(true);
        QCOMPARE(spy.count(), 2);
        QVERIFY(!settings->isDailyLogined());
        QSettings().setValue(QStringLiteral("Setting/dailyLoginTime"),
                             QDateTime::currentDateTime().addDays(-1).toSecsSinceEpoch());
        QVERIFY(settings->isDailyLogined());
    }

    void roomPasswordsAndCursor()
    {
        auto settings = fresh();
        const QString digest = QStringLiteral("e10adc3949ba59abbe56e057f20f883e");
        // A room password is the signed-in account's: none is kept or read
        // with nobody signed in, nor one kept for the whole computer by an
        // earlier version, nor another account's.
        UserDatas* user = Users::instance()->getUserData();
        QSettings().setValue(QStringLiteral("RoomPassword/r1"), digest);
        settings->setRoomPassword(QStringLiteral("r1"), digest);
        QCOMPARE(settings->roomPassword(QStringLiteral("r1")), QString());
        user->setLogin(QStringLiteral("ann"));
        user->setLogined(true);
        QCOMPARE(settings->roomPassword(QStringLiteral("r1")), QString());
        settings->setRoomPassword(QStringLiteral("r1"), digest);
        QCOMPARE(settings->roomPassword(QStringLiteral("r1")), digest);
        QCOMPARE(stored(QStringLiteral("RoomPasswordOf/ann/r1")).toString(), digest);
        user->setLogin(QStringLiteral("bob"));
        QCOMPARE(settings->roomPassword(QStringLiteral("r1")), QString());
        user->setLogined(false);

        QSignalSpy spy(settings.get(), &Settings::cursorPositionChanged);
        settings->saveCursorPosition(0);
        QVERIFY(!QSettings().contains(QStringLiteral("Edit/CursorPostion")));
        settings->saveCursorPosition(57);
        QCOMPARE(stored(QStringLiteral("Edit/CursorPostion")).toInt(), 57);
        settings->saveCursorPosition(QUrl::fromLocalFile(QStringLiteral("/b/1.txt")), 58);
        QCOMPARE(stored(QStringLiteral("Edit/CursorPostion")).toInt(), 58);
        QCOMPARE(settings->cursorPosition(), 0);
        QCOMPARE(spy.count(), 0);
    }

    // ---- sensitive words ----

    void builtInList()
    {
        const QStringList words = SensitiveWords::builtInList().split(QLatin1Char('|'));
        QCOMPARE(words.size(), 523);
        QCOMPARE(QSet<QString>(words.begin(), words.end()).size(), words.size());
        int ascii = 0;
        for (const QString& word : words) {
            QVERIFY2(word.size() >= 1 && word.size() <= 8, qPrintable(word));
            QCOMPARE(SensitiveWords::escapeWord(word), word);
            if (QRegularExpression(QStringLiteral("^[A-Za-z0-9]+$")).match(word).hasMatch())
                ++ascii;
        }
        QCOMPARE(ascii, 15);
        QVERIFY(SensitiveWords::heavyList().isEmpty());
    }

    void freshSensitiveWords()
    {
        auto settings = fresh();
        QCOMPARE(settings->subtleLevel(), 0);
        QCOMPARE(settings->subtleType(), 0);
        QVERIFY(settings->subtleAutoMark());
        QCOMPARE(settings->subtleUserKeyString(), QStringLiteral("\r\n"));
        QCOMPARE(settings->sensitiveWords(), SensitiveWords::builtInList());
    }

    void userWords()
    {
        auto settings = fresh();
        QSignalSpy text(settings.get(), &Settings::subtleUserKeyStringChanged);
        QSignalSpy pattern(settings.get(), &Settings::sensitiveWordsChanged);
        settings->setSubtleUserKeyString(QStringLiteral(" 龙傲天 \n\n凤傲天\r\n龙傲天"));
        QCOMPARE(text.count(), 1);
        QCOMPARE(pattern.count(), 1);
        QCOMPARE(stored(QStringLiteral("Subtle/Keys")).toStringList(), QStringList({ "龙傲天", "凤傲天" }));
        QCOMPARE(settings->subtleUserKeyString(), QStringLiteral("龙傲天\r\n凤傲天\r\n"));
        QCOMPARE(settings->sensitiveWords(), SensitiveWords::builtInList() + QStringLiteral("|龙傲天|凤傲天"));

        // The same text again: nothing written, nothing emitted.
        QSettings().remove(QStringLiteral("Subtle/Keys"));
        settings->setSubtleUserKeyString(settings->subtleUserKeyString());
        QCOMPARE(text.count(), 1);
        QVERIFY(!QSettings().contains(QStringLiteral("Subtle/Keys")));
    }

    void levels()
    {
        auto settings = fresh();
        const QString light = settings->sensitiveWords();
        settings->setSubtleLevel(1);
        QCOMPARE(settings->sensitiveWords(), QString());
        settings->setSubtleLevel(2);
        QCOMPARE(settings->sensitiveWords(), light);
        settings->setSubtleLevel(7);
        QCOMPARE(settings->sensitiveWords(), QString());
        settings->setSubtleUserKeyString(QStringLiteral("甲\n乙"));
        settings->setSubtleLevel(1);
        QCOMPARE(settings->sensitiveWords(), QStringLiteral("甲|乙"));

        QSignalSpy mark(settings.get(), &Settings::subtleAutoMarkChanged);
        settings->setSubtleAutoMark(false);
        QCOMPARE(mark.count(), 1);
        QCOMPARE(settings->sensitiveWords(), QStringLiteral("甲|乙"));
    }

    void patternIsAlwaysSafe_data()
    {
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("matched");
        QTest::newRow("open paren") << "(" << "a(b" << "(";
        QTest::newRow("star") << "a*" << "baa*" << "a*";
        QTest::newRow("bar in word") << "x|y" << "zzy" << "y";
        QTest::newRow("brackets") << "[abc]" << "b[abc]" << "[abc]";
        QTest::newRow("backslash") << "c:\\d" << "c:\\d" << "c:\\d";
        QTest::newRow("dot") << "a.b" << "axb a.b" << "a.b";
        QTest::newRow("anchors") << "^$" << "x^$" << "^$";
        QTest::newRow("blank") << "   " << "a b" << "";
    }
    void patternIsAlwaysSafe()
    {
        QFETCH(QString, words);
        QFETCH(QString, text);
        QFETCH(QString, matched);
        auto settings = fresh({ { "Subtle/Level", 1 } });
        settings->setSubtleUserKeyString(words);
        const QString pattern = settings->sensitiveWords();
        if (matched.isEmpty()) {
            // No words: the empty pattern, which every consumer skips.
            QCOMPARE(pattern, QString());
            return;
        }
        const QRegularExpression re(pattern);
        QVERIFY2(re.isValid(), qPrintable(re.errorString()));
        // Empty text never matches, and no match anywhere is empty.
        QVERIFY(!re.match(QString()).hasMatch());
        auto it = re.globalMatch(text);
        QString first;
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            QVERIFY(m.capturedLength() > 0);
            if (first.isEmpty())
                first = m.captured();
        }
        QCOMPARE(first, matched);
        // Consumers that split the pattern at "|" get valid, non-empty words.
        for (const QString& word : pattern.split(QLatin1Char('|'))) {
            QVERIFY(!word.isEmpty());
            QVERIFY(QRegularExpression(word).isValid());
        }
    }
};

PENLARK_TEST_MAIN(TestSettings)
#include "tst_settings.moc"
