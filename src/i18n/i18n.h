#ifndef I18N_H
#define I18N_H

#include <QLocale>
#include <QMap>
#include <QObject>
#include <QStringList>
#include <QTranslator>

class QCoreApplication;
class QQmlEngine;

// The catalogue's translator: a count (%n) is written in the interface
// language's digits, as the pages write their other figures.
class CountTranslator : public QTranslator
{
public:
    void setLocale(const QLocale& locale);
    QLocale locale() const { return m_locale; }
    QString translate(const char* context, const char* source, const char* disambiguation = nullptr,
                      int n = -1) const override;

private:
    QLocale m_locale = QLocale::c();
};

// Interface languages: installs the stored language (else the system's) at
// start-up and switches language while the program runs, retranslating the
// QML scene at once. QML sees it as "i18n".
class I18n : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList languageList READ languageList WRITE setLanguageList NOTIFY languageListChanged)
    Q_PROPERTY(int index READ index WRITE setIndex NOTIFY indexChanged)
    // The interface language's locale name ("de", "ar", "zh_CN"), for the
    // figures the pages show: Qt.locale(i18n.localeName).
    Q_PROPERTY(QString localeName READ localeName NOTIFY reTransed)

public:
    // app: the application object; engine: the QML engine to retranslate
    // (either may be null in tests).
    explicit I18n(QObject* app, QObject* engine);

    QStringList languageList() const { return m_languageList; }
    int index() const { return m_index; }
    QString language() const { return m_lang; }
    QString localeName() const;

    Q_INVOKABLE void reTrans(const QString& lang);
    // A figure in the interface language's digits, as counts (%n) are shown.
    Q_INVOKABLE QString figure(double value, int decimals = 0) const;
    // A shown text with its digits 0 to 9 in the interface language's digit
    // form, so that a sentence's figures match the page's others.
    Q_INVOKABLE QString digits(const QString& text) const;

    // The display name for the system locale; English for every language
    // that has no catalogue.
    static QString getLocalLanguage();
    // The catalogue resource of a display name, empty for an unknown name.
    static QString catalogue(const QString& displayName);
    // The writing direction of a display name's language; left to right
    // for an unknown name.
    static Qt::LayoutDirection textDirection(const QString& displayName);

public slots:
    void setIndex(int index);
    void setLanguageList(const QStringList& languageList);

signals:
    void languageListChanged(const QStringList& languageList);
    void indexChanged(int index);
    void reTransed();

private:
    void selectIndexOf(const QString& lang);
    void install();

    QString m_lang;
    QMap<QString, QString> m_catalogues;
    CountTranslator m_translator;
    QStringList m_languageList;
    QCoreApplication* m_app = nullptr;
    QQmlEngine* m_engine = nullptr;
    int m_index = 0;
};

#endif
