#include "i18n.h"

#include "data/settingsfile.h"
#include "support/log.h"
#include "TovaUi/tovaui.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QSettings>

namespace {
const char* const languageKey = "Language/language";

struct Language {
    const char* name;
    const char* code;
    QLocale::Language language;
};

// In list order; the position is the language's index.
const Language languages[] = {
    { "中文简体", "zh_CN", QLocale::Chinese },
    { "繁體中文", "zh_TW", QLocale::Chinese },
    { "English", "en", QLocale::English },
    { "日本語", "ja", QLocale::Japanese },
    { "한국어", "ko", QLocale::Korean },
    { "Français", "fr", QLocale::French },
    { "Español", "es", QLocale::Spanish },
    { "Portugués", "pt", QLocale::Portuguese },
    { "In Italiano", "it", QLocale::Italian },
    { "русский язык", "ru", QLocale::Russian },
    { "Deutsch", "de", QLocale::German },
    { "عربي", "ar", QLocale::Arabic },
};
const int englishIndex = 2;
} // namespace

void CountTranslator::setLocale(const QLocale& locale)
{
    m_locale = locale;
    m_locale.setNumberOptions(QLocale::OmitGroupSeparator);
}

QString CountTranslator::translate(const char* context, const char* source, const char* disambiguation,
                                   int n) const
{
    QString text = QTranslator::translate(context, source, disambiguation, n);
    if (n >= 0)
        text.replace(QLatin1String("%n"), m_locale.toString(n));
    return text;
}

I18n::I18n(QObject* app, QObject* engine)
    : QObject(nullptr)
    , m_app(qobject_cast<QCoreApplication*>(app))
    , m_engine(qobject_cast<QQmlEngine*>(engine))
{
    for (const Language& row : languages) {
        const QString name = QString::fromUtf8(row.name);
        m_languageList.append(name);
        m_catalogues.insert(name, QStringLiteral(":ts/writer_") + QLatin1String(row.code) + QStringLiteral(".qm"));
    }

    m_lang = QSettings().value(QLatin1String(languageKey), QString()).toString();
    if (m_lang == QLatin1String("zh_cn"))
        m_lang = m_languageList.at(0);
    else if (m_lang == QLatin1String("zh_tw"))
        m_lang = m_languageList.at(1);
    else if (m_lang.isEmpty())
        m_lang = getLocalLanguage();

    if (!m_languageList.contains(m_lang)) {
        m_lang = m_languageList.at(englishIndex);
        setIndex(englishIndex);
    } else {
        selectIndexOf(m_lang);
    }
    install();
}

QString I18n::getLocalLanguage()
{
    const QLocale locale;
    if (locale.language() == QLocale::Chinese) {
        if (locale.script() == QLocale::SimplifiedHanScript)
            return QString::fromUtf8(languages[0].name);
        if (locale.script() == QLocale::TraditionalHanScript)
            return QString::fromUtf8(languages[1].name);
        return QString::fromUtf8(languages[englishIndex].name);
    }
    for (const Language& row : languages)
        if (row.language == locale.language())
            return QString::fromUtf8(row.name);
    return QString::fromUtf8(languages[englishIndex].name);
}

QString I18n::catalogue(const QString& displayName)
{
    for (const Language& row : languages)
        if (displayName == QString::fromUtf8(row.name))
            return QStringLiteral(":ts/writer_") + QLatin1String(row.code) + QStringLiteral(".qm");
    return QString();
}

QString I18n::localeName() const
{
    for (const Language& row : languages)
        if (m_lang == QString::fromUtf8(row.name))
            return QLatin1String(row.code);
    return QStringLiteral("en");
}

QString I18n::figure(double value, int decimals) const
{
    return m_translator.locale().toString(value, 'f', decimals);
}

QString I18n::digits(const QString& text) const
{
    const ushort zero = m_translator.locale().zeroDigit().unicode();
    QString shown = text;
    for (QChar& ch : shown) {
        if (ch >= QLatin1Char('0') && ch <= QLatin1Char('9'))
            ch = QChar(ushort(zero + (ch.unicode() - '0')));
    }
    return shown;
}

Qt::LayoutDirection I18n::textDirection(const QString& displayName)
{
    for (const Language& row : languages)
        if (displayName == QString::fromUtf8(row.name))
            return QLocale(row.language).textDirection();
    return Qt::LeftToRight;
}

void I18n::reTrans(const QString& lang)
{
    if (lang == m_lang)
        return;
    logDebug(lcApp) << "m_lang" << m_lang;
    logDebug(lcApp) << "lang" << lang;
    SettingsFile::store(QLatin1String(languageKey), lang);
    m_lang = lang;
    selectIndexOf(lang);
    install();
    if (m_engine) {
        if (auto* engine = qobject_cast<QQmlApplicationEngine*>(m_engine)) {
            const QList<QObject*> roots = engine->rootObjects();
            if (!roots.isEmpty())
                if (auto* window = qobject_cast<QQuickWindow*>(roots.first()))
                    TovaUi::setupWindow(window);
        }
    }
    emit reTransed();
}

void I18n::selectIndexOf(const QString& lang)
{
    const int row = m_languageList.indexOf(lang);
    if (row >= 0)
        setIndex(row);
}

// Reloads the one translator with the current language's catalogue and
// retranslates the scene. An unknown name or a catalogue that fails to load
// leaves the translator empty, so the source texts show.
void I18n::install()
{
    if (m_app)
        m_app->removeTranslator(&m_translator);
    const QString file = m_catalogues.value(m_lang);
    // load() empties the translator first, so a failed load leaves it empty.
    if (!m_translator.load(file) && !file.isEmpty())
        logWarning(lcApp) << "catalogue not loaded:" << file;
    m_translator.setLocale(QLocale(localeName()));
    if (m_app)
        m_app->installTranslator(&m_translator);
    // Windows mirror their layout from this (Qt.application.layoutDirection).
    QGuiApplication::setLayoutDirection(textDirection(m_lang));
    if (m_engine)
        m_engine->retranslate();
}

void I18n::setIndex(int index)
{
    if (m_index == index)
        return;
    m_index = index;
    emit indexChanged(m_index);
}

void I18n::setLanguageList(const QStringList& languageList)
{
    if (m_languageList == languageList)
        return;
    m_languageList = languageList;
    emit languageListChanged(m_languageList);
}
