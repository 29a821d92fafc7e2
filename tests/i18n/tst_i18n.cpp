// Identifier translation and interface languages: the start-up choice, the
// switch at run time and the catalogues compiled into the resources.
#include "testenvironment.h"

#include "TovaUi/function/t.h"
#include "i18n/i18n.h"
#include "TovaUi/theme/lumotheme.h"
#include "TovaUi/theme/thememodel.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QDomDocument>
#include <QLibraryInfo>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QGuiApplication>
#include <QSettings>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTemporaryDir>

namespace {
const char* const key = "Language/language";

QString latest() { return QCoreApplication::translate("update", "恭喜，已经是最新版了"); }

const char* const catalogueCodes[] = { "en", "zh_TW", "de", "fr", "es", "it", "pt", "ru", "ja", "ko", "ar" };

// The concepts of tools/ts/glossary.json by name.
QJsonObject glossary()
{
    QFile file(QStringLiteral(TEST_SOURCE_DIR "/../../tools/ts/glossary.json"));
    QJsonObject byName;
    if (file.open(QIODevice::ReadOnly))
        for (const QJsonValue concept : QJsonDocument::fromJson(file.readAll())[QLatin1String("concepts")].toArray())
            byName.insert(concept[QLatin1String("name")].toString(), concept);
    return byName;
}

// Whether a text holds one of a concept's words ("terms" or "avoid") in a language.
bool holds(const QJsonValue& concept, const char* list, const QString& code, const QString& text)
{
    const auto options = QRegularExpression::UseUnicodePropertiesOption
        | (concept[QLatin1String("caseSensitive")].toBool() ? QRegularExpression::NoPatternOption : QRegularExpression::CaseInsensitiveOption);
    const QJsonArray words = concept[QLatin1String(list)][code].toArray();
    return std::any_of(words.begin(), words.end(), [&](const QJsonValue& word) {
        return QRegularExpression(word.toString(), options).match(text).hasMatch();
    });
}

// The <message> elements of a .ts catalogue.
QDomNodeList readCatalogue(const QString& path)
{
    QFile file(path);
    QDomDocument document;
    return file.open(QIODevice::ReadOnly) && document.setContent(&file) ? document.elementsByTagName(QStringLiteral("message"))
                                                                       : QDomNodeList();
}
QString where(const QDomElement& message)
{
    return QStringLiteral("[%1] %2%3").arg(message.parentNode().firstChildElement(QStringLiteral("name")).text(),
                                           message.firstChildElement(QStringLiteral("source")).text(),
                                           message.attribute(QStringLiteral("numerus")) == QLatin1String("yes") ? " (plural)" : "");
}

// Source and translation of every finished message of a catalogue (the
// forms of a numerus entry run together).
QVector<QPair<QString, QString>> catalogueTexts(const QString& code)
{
    const QDomNodeList messages = readCatalogue(QStringLiteral(TEST_SOURCE_DIR "/../../ts/writer_%1.ts").arg(code));
    QVector<QPair<QString, QString>> texts;
    for (int i = 0; i < messages.size(); ++i) {
        const QDomElement translation = messages.at(i).firstChildElement(QStringLiteral("translation"));
        if (translation.attribute(QStringLiteral("type")) != QLatin1String("unfinished"))
            texts.append({ messages.at(i).firstChildElement(QStringLiteral("source")).text(), translation.text() });
    }
    return texts;
}
} // namespace

class TestI18n : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QSettings().remove(QLatin1String(key));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    // Runs first: the table is built once, in the language installed then.
    void identifierTable()
    {
        // The component library takes the instance before the language is
        // installed, as at start-up.
        t::instance();
        QSettings().setValue(QLatin1String(key), QStringLiteral("English"));
        I18n i18n(QCoreApplication::instance(), nullptr);

        QCOMPARE(t::r(QStringLiteral("fileSave")), QStringLiteral("Save"));
        QCOMPARE(t::r(QStringLiteral("showSetting")), QStringLiteral("Preferences"));
        QCOMPARE(t::r(QStringLiteral("主机需要验证")), QStringLiteral("Wrong user name or password"));
        QCOMPARE(t::r(QStringLiteral("General")), QStringLiteral("General"));
        QCOMPARE(t::r(QStringLiteral("第九关")), QStringLiteral("Level 9"));
        QCOMPARE(t::r(QStringLiteral("zh_cn")), QStringLiteral("简体中文"));
        QCOMPARE(t::r(QStringLiteral("en_us")), QStringLiteral("English"));
        QCOMPARE(t::r(QStringLiteral("showMe")), QStringLiteral("showMe"));
        QCOMPARE(t::r(QStringLiteral("server said: no")), QStringLiteral("server said: no"));
        QCOMPARE(t::r(QString()), QString());
        QCOMPARE(t::instance()->get(QStringLiteral("fileSave")), QStringLiteral("Save"));
        // The document card's total is the word count the status bar shows.
        QCOMPARE(QCoreApplication::translate("WordCountPage", "总字数"), QStringLiteral("Total words"));

        // A later switch does not change the table.
        i18n.reTrans(QStringLiteral("Français"));
        QCOMPARE(QCoreApplication::translate("QObject", "保存"), QStringLiteral("Enregistrer"));
        QCOMPARE(t::r(QStringLiteral("fileSave")), QStringLiteral("Save"));
    }

    void startLanguage_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::newRow("zh_tw") << "zh_tw" << 1 << "恭喜，已經是最新版了";
        QTest::newRow("zh_cn") << "zh_cn" << 0 << "恭喜，已经是最新版了";
        QTest::newRow("English") << "English" << 2 << "Congratulations, this is the latest version";
        QTest::newRow("Deutsch") << "Deutsch" << 10 << "Glückwunsch, dies ist die neueste Version";
        QTest::newRow("русский язык") << "русский язык" << 9 << "Поздравляем, это последняя версия";
        QTest::newRow("unknown name") << "Klingon" << 2 << "Congratulations, this is the latest version";
    }
    void startLanguage()
    {
        QFETCH(QString, stored);
        QFETCH(int, index);
        QFETCH(QString, text);
        QSettings().setValue(QLatin1String(key), stored);
        I18n i18n(QCoreApplication::instance(), nullptr);
        QCOMPARE(i18n.index(), index);
        QCOMPARE(i18n.languageList().at(index), i18n.language());
        QCOMPARE(latest(), text);
        // The stored choice is never rewritten at start-up.
        QCOMPARE(QSettings().value(QLatin1String(key)).toString(), stored);
    }

    void systemLanguageWhenNothingStored()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        I18n i18n(QCoreApplication::instance(), nullptr);
        QCOMPARE(i18n.language(), QStringLiteral("Deutsch"));
        QCOMPARE(i18n.index(), 10);
        QCOMPARE(latest(), QStringLiteral("Glückwunsch, dies ist die neueste Version"));
        QVERIFY(!QSettings().contains(QLatin1String(key)));
    }

    void localLanguage_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("name");
        QTest::newRow("en") << QLocale(QLocale::English, QLocale::UnitedKingdom) << "English";
        QTest::newRow("zh_Hans") << QLocale(QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::China) << "中文简体";
        QTest::newRow("zh_Hant") << QLocale(QLocale::Chinese, QLocale::TraditionalHanScript, QLocale::Taiwan) << "繁體中文";
        QTest::newRow("ja") << QLocale(QLocale::Japanese) << "日本語";
        QTest::newRow("pt_BR") << QLocale(QLocale::Portuguese, QLocale::Brazil) << "Portugués";
        QTest::newRow("ar") << QLocale(QLocale::Arabic, QLocale::Egypt) << "عربي";
        QTest::newRow("nl") << QLocale(QLocale::Dutch) << "English";
    }
    void localLanguage()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, name);
        QLocale::setDefault(locale);
        QCOMPARE(I18n::getLocalLanguage(), name);
    }

    void switchRetranslatesTheScene()
    {
        QSettings().setValue(QLatin1String(key), QStringLiteral("English"));
        QQmlEngine engine;
        I18n i18n(QCoreApplication::instance(), &engine);
        QQmlComponent component(&engine);
        component.setData("import QtQuick 2.15\nText { text: qsTr(\"立即更新\") }", QUrl(QStringLiteral("qrc:/qml/page/AboutPage.qml")));
        QScopedPointer<QObject> text(component.create());
        QVERIFY2(text, qPrintable(component.errorString()));
        QCOMPARE(text->property("text").toString(), QStringLiteral("Update now"));

        QSignalSpy index(&i18n, &I18n::indexChanged);
        QSignalSpy done(&i18n, &I18n::reTransed);
        i18n.reTrans(QStringLiteral("Français"));
        QCOMPARE(text->property("text").toString(), QStringLiteral("Mettre à jour"));
        QCOMPARE(i18n.index(), 5);
        QCOMPARE(index.count(), 1);
        QCOMPARE(done.count(), 1);
        QCOMPARE(QSettings().value(QLatin1String(key)).toString(), QStringLiteral("Français"));

        // The same language again does nothing at all.
        QSettings().setValue(QLatin1String(key), QStringLiteral("marker"));
        i18n.reTrans(QStringLiteral("Français"));
        QCOMPARE(done.count(), 1);
        QCOMPARE(QSettings().value(QLatin1String(key)).toString(), QStringLiteral("marker"));

        // Arabic turns the application right to left, and back.
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
        i18n.reTrans(QStringLiteral("عربي"));
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
        // A count (%n) and a figure beside it are both in Arabic digits.
        QCOMPARE(QCoreApplication::translate("WordCountPage", "%n 分钟", nullptr, 12), QStringLiteral("١٢ دقيقة"));
        QCOMPARE(i18n.figure(4.5, 1), QStringLiteral("٤٫٥"));

        // An unknown name is stored and shows the source texts.
        i18n.reTrans(QStringLiteral("Klingon"));
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
        QCOMPARE(done.count(), 3);
        QCOMPARE(i18n.index(), 11);
        QCOMPARE(QSettings().value(QLatin1String(key)).toString(), QStringLiteral("Klingon"));
        QCOMPARE(text->property("text").toString(), QStringLiteral("立即更新"));
    }

    // The theme list is built before the interface language is installed;
    // its names are still shown in that language, and in the next one after
    // a switch.
    void themeNamesFollowTheLanguage()
    {
        LumoTheme theme;
        QSettings().setValue(QLatin1String(key), QStringLiteral("English"));
        I18n i18n(QCoreApplication::instance(), nullptr);
        QStandardItemModel* list = theme.themes();
        auto names = [list] {
            QStringList shown;
            for (int row = 0; row < list->rowCount(); ++row)
                shown << list->index(row, 0).data(ThemeModel::NameRole).toString();
            return shown;
        };
        QCOMPARE(names(), QStringList({ "Follow the system", "Default white", "Default black", "Pink theme",
                                        "Soft green theme", "Blue theme", "E-paper theme" }));
        QCOMPARE(theme.getThemeName(QStringLiteral("电纸书")), QStringLiteral("E-paper theme"));
        QCOMPARE(theme.getThemeName(QStringLiteral("my own")), QStringLiteral("my own"));

        QSignalSpy changed(list, &QAbstractItemModel::dataChanged);
        i18n.reTrans(QStringLiteral("Deutsch"));
        QVERIFY(changed.count() >= 1);
        QCOMPARE(changed.last().at(0).value<QModelIndex>().row(), 0);
        QCOMPARE(changed.last().at(1).value<QModelIndex>().row(), list->rowCount() - 1);
        QCOMPARE(names().at(0), QStringLiteral("System folgen"));
        QCOMPARE(names().at(3), QStringLiteral("Puderrosa"));
    }

    // lupdate over the sources, run as tools/ts/update_catalogues.sh runs
    // it, finds no text the catalogue lacks and none it no longer has. Every
    // text has a translation with its source's placeholders. A count (%n) is
    // a numerus message with the language's number of forms, each with %n;
    // only Arabic's zero, one and two may write the number out ("كلمة
    // واحدة"), each standing for one number. A placeholder before a counter
    // word is a count that must be %n (not 第%1章, an ordinal; hours are left
    // out: they show a decimal).
    void catalogues_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("forms");
        for (const char* code : { "en", "de", "fr", "es", "it", "pt" })
            QTest::newRow(code) << QString::fromLatin1(code) << 2;
        QTest::newRow("ru") << "ru" << 3;
        QTest::newRow("ar") << "ar" << 6;
        for (const char* code : { "zh_TW", "ja", "ko", "zh_CN" })
            QTest::newRow(code) << QString::fromLatin1(code) << 1;
    }
    void catalogues()
    {
        QFETCH(QString, code);
        QFETCH(int, forms);
        const QString root = QStringLiteral(TEST_SOURCE_DIR "/../..");
        const QString committed = QStringLiteral("%1/ts/writer_%2.ts").arg(root, code);
        QTemporaryDir dir;
        QVERIFY(QFile::copy(committed, dir.filePath("refreshed.ts")));
        QProcess lupdate;
        lupdate.setWorkingDirectory(root);
        lupdate.start(QLibraryInfo::location(QLibraryInfo::BinariesPath) + QStringLiteral("/lupdate"),
                      { "-silent", "-locations", "none", "-no-obsolete", "-source-language", "zh_CN", "-target-language", code,
                        "main.cpp", "src", "TovaUi", "qml", "-ts", dir.filePath("refreshed.ts") });
        QVERIFY2(lupdate.waitForFinished(120000) && lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
        QSet<QString> before, after;
        const QDomNodeList messages = readCatalogue(committed), refreshed = readCatalogue(dir.filePath("refreshed.ts"));
        for (int i = 0; i < messages.size(); ++i)
            before << where(messages.at(i).toElement());
        for (int i = 0; i < refreshed.size(); ++i)
            after << where(refreshed.at(i).toElement());
        QVERIFY(messages.size() > 500);
        QStringList faults;
        for (const QString& key : after - before)
            faults << QStringLiteral("not in the catalogue: ") + key;
        for (const QString& key : before - after)
            faults << QStringLiteral("no longer in the sources: ") + key;
        const QRegularExpression placeholder(QStringLiteral("%\\d"));
        const QRegularExpression counted(QStringLiteral("(?<!第)%\\d ?(个|字|章|段|层|秒|分钟|积分|次|人)|%\\d files"));
        auto placeholders = [&placeholder](const QString& text) {
            QStringList found;
            for (auto it = placeholder.globalMatch(text); it.hasNext();)
                found << it.next().captured();
            found.sort();
            return found;
        };
        QFile tableFile(root + QStringLiteral("/tools/ts/texts.json"));
        QVERIFY(tableFile.open(QIODevice::ReadOnly));
        const QJsonObject table = QJsonDocument::fromJson(tableFile.readAll()).object();
        for (int i = 0; i < messages.size() && code != QLatin1String("zh_CN"); ++i) {
            const QDomElement message = messages.at(i).toElement(), translation = message.firstChildElement("translation");
            const QString source = message.firstChildElement(QStringLiteral("source")).text();
            const bool numerus = message.attribute(QStringLiteral("numerus")) == QLatin1String("yes");
            const QDomNodeList plural = translation.elementsByTagName(QStringLiteral("numerusform"));
            QStringList texts;
            for (int form = 0; form < plural.size(); ++form)
                texts << plural.at(form).toElement().text();
            if (!numerus)
                texts << translation.text();
            // As the table gives it (for this context first): a table
            // changed without the catalogues refreshed is caught.
            const QString context = message.parentNode().firstChildElement(QStringLiteral("name")).text();
            QJsonValue wanted = table.value(context + QLatin1Char('|') + source)[code];
            if (wanted.isUndefined())
                wanted = table.value(source)[code];
            if (translation.attribute(QStringLiteral("type")) != QLatin1String("unfinished")
                && texts != (wanted.isArray() ? wanted.toVariant().toStringList() : QStringList(wanted.toString())))
                faults << QStringLiteral("not as tools/ts/texts.json gives it: ") + where(message);
            if (source.contains(counted) || numerus != source.contains(QLatin1String("%n")) || (numerus && texts.size() != forms))
                faults << QStringLiteral("a count needs %n and %1 plural forms: ").arg(forms) + where(message);
            for (int form = 0; form < texts.size(); ++form) {
                if (translation.attribute(QStringLiteral("type")) == QLatin1String("unfinished") || texts.at(form).isEmpty())
                    faults << QStringLiteral("no translation: ") + where(message);
                else if (placeholders(texts.at(form)) != placeholders(source)
                         || (numerus && !texts.at(form).contains(QLatin1String("%n")) && (code != QLatin1String("ar") || form > 2)))
                    faults << QStringLiteral("placeholders differ: %1 -> %2").arg(where(message), texts.at(form));
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))
                                              + QStringLiteral("\nrun tools/ts/update_catalogues.sh, which lists what is missing")));
    }

    // Every catalogue names each concept with the one word its glossary
    // gives: each text whose source names the concept says it with that word
    // and not with a concept it must not be taken for, and no text of the
    // catalogue uses a variant the glossary rules out.
    void glossaryTerms_data()
    {
        QTest::addColumn<QString>("concept");
        QTest::addColumn<QString>("code");
        const QJsonObject concepts = glossary();
        QVERIFY(!concepts.isEmpty());
        for (auto concept = concepts.begin(); concept != concepts.end(); ++concept)
            for (const char* code : catalogueCodes)
                if (concept.value()[QLatin1String("source")].isString()) // the others only lend their words to "notIn"
                    QTest::addRow("%s %s", qPrintable(concept.key()), code) << concept.key() << QString::fromLatin1(code);
    }
    void glossaryTerms()
    {
        QFETCH(QString, concept);
        QFETCH(QString, code);
        const QJsonObject concepts = glossary();
        const QJsonValue entry = concepts.value(concept);
        const QRegularExpression source(entry[QLatin1String("source")].toString());
        const auto texts = catalogueTexts(code);
        QVERIFY(texts.size() > 500);
        QStringList faults;
        int naming = 0;
        for (const auto& text : texts) {
            if (holds(entry, "avoid", code, text.second))
                faults << QStringLiteral("a variant ruled out: %1 -> %2").arg(text.first, text.second);
            if (!source.match(text.first).hasMatch())
                continue;
            ++naming;
            if (!holds(entry, "terms", code, text.second))
                faults << QStringLiteral("not the glossary's word: %1 -> %2").arg(text.first, text.second);
            for (const QJsonValue other : entry[QLatin1String("notIn")].toArray())
                if (holds(concepts.value(other.toString()), "terms", code, text.second))
                    faults << QStringLiteral("the word for %1: %2 -> %3").arg(other.toString(), text.first, text.second);
        }
        QVERIFY2(naming > 0, "no source text names this concept");
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // Each language's rules pick the plural form for 0, 1, 2, 5, 11, 21 and 101.
    void pluralForms_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("shown");
        QTest::newRow("en words") << "English" << "WordCountPage" << "%n 字" << "0 words|1 word|2 words|5 words|11 words|21 words|101 words";
        QTest::newRow("en files") << "English" << "files" << "已将 %n 个文件导入到 %1"
                                  << "Imported 0 files into %1|Imported 1 file into %1|Imported 2 files into %1|||||";
        QTest::newRow("de chapters") << "Deutsch" << "AutoChapterPage" << "%n 章" << "0 Kapitel|1 Kapitel||||||";
        QTest::newRow("de minutes") << "Deutsch" << "CountChartWindow" << "%n 分钟" << "0 Minuten|1 Minute|2 Minuten|||21 Minuten|";
        QTest::newRow("ru words") << "русский язык" << "WordCountPage" << "%n 字" << "0 слов|1 слово|2 слова|5 слов|11 слов|21 слово|101 слово";
        QTest::newRow("ru chapters") << "русский язык" << "AutoChapterPage" << "%n 章" << "0 глав|1 глава|2 главы|5 глав|11 глав|21 глава|";
        QTest::newRow("ru points") << "русский язык" << "ThroughPage" << "确定花费%n积分，进入该闯关模式吗？"
                                   << "|Потратить 1 балл, чтобы начать это испытание?|Потратить 2 балла, чтобы начать это испытание?|"
                                      "Потратить 5 баллов, чтобы начать это испытание?|||";
        QTest::newRow("ar words") << "عربي" << "WordCountPage" << "%n 字" << "لا كلمات|كلمة واحدة|كلمتان|5 كلمات|11 كلمة|21 كلمة|101 كلمة";
    }
    void pluralForms()
    {
        QFETCH(QString, language);
        QFETCH(QString, context);
        QFETCH(QString, source);
        QFETCH(QString, shown);
        QTranslator translator; // removes itself when the row ends
        QVERIFY(translator.load(I18n::catalogue(language)));
        QCoreApplication::installTranslator(&translator);
        const QStringList expected = shown.split(QLatin1Char('|'));
        const int counts[] = { 0, 1, 2, 5, 11, 21, 101 };
        for (int i = 0; i < 7; ++i)
            if (!expected.value(i).isEmpty())
                QCOMPARE(QCoreApplication::translate(qPrintable(context), source.toUtf8().constData(), nullptr, counts[i]),
                         expected.at(i));
    }

    void everyCatalogueIsInTheResources()
    {
        I18n i18n(QCoreApplication::instance(), nullptr);
        for (const QString& name : i18n.languageList()) {
            const QString file = I18n::catalogue(name);
            QVERIFY2(QFile::exists(file), qPrintable(file));
            QTranslator translator;
            QVERIFY2(translator.load(file), qPrintable(file));
        }
    }
};

PENLARK_TEST_MAIN(TestI18n)
#include "tst_i18n.moc"
