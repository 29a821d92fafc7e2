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
#include <QQmlComponent>
#include <QQmlEngine>
#include <QSettings>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QXmlStreamReader>

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

// Source and translation of every finished message of a catalogue (the
// forms of a numerus entry run together).
QVector<QPair<QString, QString>> catalogueTexts(const QString& code)
{
    QFile file(QStringLiteral(TEST_SOURCE_DIR "/../../ts/writer_%1.ts").arg(code));
    QVector<QPair<QString, QString>> texts;
    QString source;
    QXmlStreamReader xml(file.open(QIODevice::ReadOnly) ? &file : nullptr);
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.isStartElement() && xml.name() == QLatin1String("translation")
                 && xml.attributes().value(QLatin1String("type")) != QLatin1String("unfinished"))
            texts.append({ source, xml.readElementText(QXmlStreamReader::IncludeChildElements) });
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

        // An unknown name is stored and shows the source texts.
        i18n.reTrans(QStringLiteral("Klingon"));
        QCOMPARE(done.count(), 2);
        QCOMPARE(i18n.index(), 5);
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
        QCOMPARE(names(), QStringList({ "Follow System", "Default white", "Default black", "Lady powder",
                                        "Fresh green", "Blue sky", "Electronic paper book" }));
        QCOMPARE(theme.getThemeName(QStringLiteral("电纸书")), QStringLiteral("Electronic paper book"));
        QCOMPARE(theme.getThemeName(QStringLiteral("my own")), QStringLiteral("my own"));

        QSignalSpy changed(list, &QAbstractItemModel::dataChanged);
        i18n.reTrans(QStringLiteral("Deutsch"));
        QVERIFY(changed.count() >= 1);
        QCOMPARE(changed.last().at(0).value<QModelIndex>().row(), 0);
        QCOMPARE(changed.last().at(1).value<QModelIndex>().row(), list->rowCount() - 1);
        QCOMPARE(names().at(0), QStringLiteral("System folgen"));
        QCOMPARE(names().at(3), QStringLiteral("Puderrosa"));
    }

    // Every text of every catalogue has a translation, with the same
    // placeholders as its source text.
    void cataloguesAreComplete_data()
    {
        QTest::addColumn<QString>("code");
        for (const char* code : catalogueCodes)
            QTest::newRow(code) << QString::fromLatin1(code);
    }
    void cataloguesAreComplete()
    {
        QFETCH(QString, code);
        QFile file(QStringLiteral(TEST_SOURCE_DIR "/../../ts/writer_%1.ts").arg(code));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QXmlStreamReader xml(&file);
        QStringList faults;
        QString context;
        QString source;
        int messages = 0;
        const QRegularExpression placeholder(QStringLiteral("%\\d"));
        auto placeholders = [&placeholder](const QString& text) {
            QStringList found;
            auto it = placeholder.globalMatch(text);
            while (it.hasNext())
                found << it.next().captured();
            found.sort();
            return found;
        };
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                ++messages;
                const bool unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
                const QString text = xml.readElementText();
                if (unfinished || text.isEmpty())
                    faults << QStringLiteral("no translation: [%1] %2").arg(context, source);
                else if (placeholders(text) != placeholders(source))
                    faults << QStringLiteral("placeholders differ: [%1] %2 -> %3").arg(context, source, text);
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(messages > 500);
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
