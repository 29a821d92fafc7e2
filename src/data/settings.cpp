#include "settings.h"

#include "data/global.h"
#include "data/sensitivewords.h"
#include "data/settingsfile.h"
#include "data/serviceconfig.h"
#include "TovaUi/function/function.h"
#include "TovaUi/function/osinfo.h"
#include "support/log.h"
#include "users/userdatas.h"
#include "users/users.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {
// Display names of the interface languages and their codes.
const struct {
    const char* name;
    const char* code;
} kLanguages[] = {
    { "中文简体", "zh_CN" },   { "繁體中文", "zh_TW" }, { "English", "en" },       { "日本語", "ja" },
    { "한국어", "ko" },        { "Français", "fr" },    { "Español", "es" },       { "Portugués", "pt" },
    { "In Italiano", "it" },   { "русский язык", "ru" }, { "Deutsch", "de" },       { "عربي", "ar" },
};

const int kDefaultWidth = 920;
const int kDefaultHeight = 600;
// The main window's minimum size.
const int kMinimumWidth = 300;
const int kMinimumHeight = 200;

// A stored number the program cannot work with (a damaged or hand-edited
// file) falls back to its default; NaN included.
template <typename T>
void fitRange(T& value, T fallback, double lowest, double highest)
{
    if (!(double(value) >= lowest && double(value) <= highest))
        value = fallback;
}

void store(const char* key, const QVariant& value) { SettingsFile::store(QLatin1String(key), value); }

// Compares with the held value; on a change writes the key and stores the
// value. Returns whether it changed.
template <typename T>
bool storeChange(T& member, const T& value, const char* key)
{
    if (member == value)
        return false;
    store(key, QVariant::fromValue(value));
    member = value;
    return true;
}

QString boolText(bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); }
} // namespace

// The same with the floating-point tolerance.
bool Settings::storeFuzzyChange(double& member, double value, const char* key)
{
    if (fuzzyEqual(member, value))
        return false;
    store(key, value);
    member = value;
    return true;
}

// ---- generated setters --------------------------------------------------------

#define PENLARK_SETTINGS_EMIT_A(signal, value) emit signal(value);
#define PENLARK_SETTINGS_EMIT_N(signal, value) emit signal();
#define PENLARK_SETTINGS_EMIT_P(signal, value) emit signal(value);

#define PENLARK_SETTINGS_SETTER_P(Type, name, setter, signal, sig, key) \
    void Settings::setter(Type value)                                    \
    {                                                                    \
        if (storeChange(m_##name, value, key))                           \
            PENLARK_SETTINGS_EMIT_##sig(signal, value)                   \
    }
#define PENLARK_SETTINGS_SETTER_F(Type, name, setter, signal, sig, key) \
    void Settings::setter(Type value)                                    \
    {                                                                    \
        if (storeFuzzyChange(m_##name, value, key))                      \
            PENLARK_SETTINGS_EMIT_##sig(signal, value)                   \
    }
#define PENLARK_SETTINGS_SETTER_M(Type, name, setter, signal, sig, key) \
    void Settings::setter(Type value)                                    \
    {                                                                    \
        if (m_##name == value)                                           \
            return;                                                      \
        m_##name = value;                                                \
        PENLARK_SETTINGS_EMIT_##sig(signal, value)                       \
    }
#define PENLARK_SETTINGS_SETTER_C(Type, name, setter, signal, sig, key)

#define PENLARK_SETTINGS_DEFINE(Type, name, setter, signal, sig, key, def, read, write) \
    PENLARK_SETTINGS_SETTER_##write(Type, name, setter, signal, sig, key)

PENLARK_SETTINGS_TABLE(PENLARK_SETTINGS_DEFINE)

// ---- construction -------------------------------------------------------------

// The ranges of the stored numbers: what the preferences offer, or for plain
// counts what makes sense (a snapshot every minute at most often, a cursor
// never before the text). The window rectangle is fitted by its own code;
// any masking level or way is harmless (unknown ones mask nothing).
// clang-format off
#define PENLARK_SETTINGS_RANGES(X) \
    X(typewriterFocusedText, 0, 2) \
    X(typewriterFixedRolling, 0, 4) \
    X(pageWidth, 200, 1200) \
    X(pageWidthChineseCharacters, 10, 200) \
    X(pageWidthType, 0, 1) \
    X(pageSideMargin, 0, 1000) \
    X(pageLineSpacing, 0, 3) \
    X(pageParagraphSpacing, 0, 3) \
    X(pageTextIndent, 0, 8) \
    X(cursorLine, 0, INT_MAX) \
    X(cursorPosition, 0, INT_MAX) \
    X(searchMode, 0, 2) \
    X(editFontSize, 1, 400) \
    X(wordCountFontSize, 8, 72) \
    X(historyTime, 1, 1440) \
    X(royalties, 0, INT_MAX) \
    X(TitleMultiple, 0.8, 3.0) \
    X(mainVisibility, 1, 5)
// clang-format on
#define PENLARK_SETTINGS_FIT(name, lowest, highest) fitRange(m_##name, name##Default(), lowest, highest);

#define PENLARK_SETTINGS_READ_R(Type, name, key) m_##name = s.value(QLatin1String(key), name##Default()).value<Type>();
#define PENLARK_SETTINGS_READ_C(Type, name, key)
#define PENLARK_SETTINGS_READ_M(Type, name, key) m_##name = name##Default();
#define PENLARK_SETTINGS_READ(Type, name, setter, signal, sig, key, def, read, write) \
    PENLARK_SETTINGS_READ_##read(Type, name, key)

Settings::Settings(QObject* parent)
    : QObject(parent)
{
    // The settings' format and place are the application object's.
    global::instance();
    QSettings s;
    logDebug(lcApp) << "settings path:" << s.fileName();

    // Plain keys in table order; the rest below.
    PENLARK_SETTINGS_TABLE(PENLARK_SETTINGS_READ)

    for (const QString& key : global::instance()->autoChapterKeys()) {
        if (!key.trimmed().isEmpty())
            m_autoChapterKeys += key + QLatin1Char('\n');
    }

    const QVariant pageStyle = s.value(QStringLiteral("Edit/WidthModel"), 1);
    const QString pageStyleText = pageStyle.toString();
    if (pageStyleText == QLatin1String("true") || pageStyleText == QLatin1String("false"))
        m_isPageStyle = pageStyleText == QLatin1String("true");
    else
        m_isPageStyle = pageStyle.toInt() != 0;

    m_pageTextIndent = s.value(QStringLiteral("Edit/TextIndent"), 0).toInt();

    if (m_minimalistModel)
        m_layoutLefttoRight = true;
    checkMainRect();

    m_mainVisibility = s.value(QStringLiteral("Window/visibility"), mainVisibilityDefault()).toInt();
    if (m_mainVisibility == 0 || m_mainVisibility == 3)
        m_mainVisibility = 2;
    PENLARK_SETTINGS_RANGES(PENLARK_SETTINGS_FIT)

    m_language = s.value(QStringLiteral("language/language"), languageDefault()).toString();
    if (m_language == QLatin1String("zn_cn"))
        m_language = QStringLiteral("zh_CN");
    else if (m_language == QLatin1String("zh_tw"))
        m_language = QStringLiteral("zh_TW");
    updateLangKey(m_language);

    m_editFontName = s.value(QStringLiteral("Edit/Font"), editFontNameDefault()).toString();
    logDebug(lcApp) << "fontName: " << m_editFontName;
    m_editFont = QFont();
    m_editFont.setFamily(m_editFontName);
    if (m_editFontSize > 0)
        m_editFont.setPointSizeF(m_editFontSize);

    reloadSensitiveWords();
    readFileDialogPath();
}

QString Settings::localLanguage()
{
    const QLocale locale;
    switch (locale.language()) {
    case QLocale::Chinese:
        if (locale.script() == QLocale::SimplifiedHanScript)
            return QStringLiteral("中文简体");
        if (locale.script() == QLocale::TraditionalHanScript)
            return QStringLiteral("繁體中文");
        return QStringLiteral("English");
    case QLocale::Japanese: return QStringLiteral("日本語");
    case QLocale::Korean: return QStringLiteral("한국어");
    case QLocale::French: return QStringLiteral("Français");
    case QLocale::Spanish: return QStringLiteral("Español");
    case QLocale::Portuguese: return QStringLiteral("Portugués");
    case QLocale::Italian: return QStringLiteral("In Italiano");
    case QLocale::Russian: return QStringLiteral("русский язык");
    case QLocale::German: return QStringLiteral("Deutsch");
    case QLocale::Arabic: return QStringLiteral("عربي");
    default: return QStringLiteral("English");
    }
}

QString Settings::defaultEditFontName() { return QApplication::font("QMenu").family(); }

QString Settings::documentsLocation() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }

void Settings::readFileDialogPath()
{
    if (!function::isPc()) {
        m_fileDialogPath = documentsLocation();
        return;
    }
    QSettings s;
    m_fileDialogPath = s.value(QStringLiteral("fileDialog/path"), fileDialogPathDefault()).toString();
    const QUrl url(m_fileDialogPath, QUrl::TolerantMode);
    if (url.isLocalFile()) {
        const QFileInfo folder(url.toLocalFile());
        if (!folder.isDir() || !folder.isReadable()) {
            m_fileDialogPath = documentsLocation();
            SettingsFile::store(QStringLiteral("fileDialog/path"), QString());
        }
    }
}

// ---- window rectangle -----------------------------------------------------------

QRect Settings::fitWindowRect(const QList<QRect>& screens, int width, int height, const QVariant& x, const QVariant& y)
{
    // A size that is no size (a damaged file) is the default one; one below
    // the window's minimum is raised to it, each side alone.
    if (width <= 0 || height <= 0) {
        width = kDefaultWidth;
        height = kDefaultHeight;
    }
    width = qMax(width, kMinimumWidth);
    height = qMax(height, kMinimumHeight);
    if (screens.isEmpty())
        return QRect(x.isValid() ? x.toInt() : 0, y.isValid() ? y.toInt() : 0, width, height);
    int totalW = 0;
    int totalH = 0;
    for (const QRect& screen : screens) {
        totalW += screen.width();
        totalH += screen.height();
    }
    const QRect current = screens.first();
    if (width > current.width() || height > current.height()) {
        width = kDefaultWidth;
        height = kDefaultHeight;
    }
    // The default size itself shrinks to a small screen (at 200 % a
    // 1280 x 800 screen is 640 x 400): the title and its buttons stay on it.
    width = qMax(kMinimumWidth, qMin(width, current.width()));
    height = qMax(kMinimumHeight, qMin(height, current.height()));
    const int cx = (current.width() - width) / 2;
    const int cy = (current.height() - height) / 2;
    int left = x.isValid() ? x.toInt() : cx;
    int top = y.isValid() ? y.toInt() : cy;
    const int w3 = width / 3;
    const int h3 = height / 3;
    if (left < -2 * w3)
        left = cx;
    if (top < 15)
        top = cy;
    if (left > totalW - w3)
        left = cx;
    if (top > totalH - h3)
        top = cy;
    return QRect(left, top, width, height);
}

void Settings::checkMainRect()
{
    QSettings s;
    QList<QRect> screens;
    for (QScreen* screen : QGuiApplication::screens())
        screens.append(screen->geometry());
    // The current screen is osInfo's (the first of the list).
    if (!screens.isEmpty())
        screens.first() = osInfo::screenRect();
    const QRect rect = fitWindowRect(screens, s.value(QStringLiteral("Window/width"), mainWidthDefault()).toInt(),
                                     s.value(QStringLiteral("Window/hight"), mainHeightDefault()).toInt(),
                                     s.value(QStringLiteral("Window/x")), s.value(QStringLiteral("Window/y")));
    m_mainX = rect.x();
    m_mainY = rect.y();
    m_mainWidth = rect.width();
    m_mainHeight = rect.height();
    m_tmpMainX = m_mainX;
    m_tmpMainY = m_mainY;
    m_tmpMainWidth = m_mainWidth;
    m_tmpMainHeight = m_mainHeight;
}

// ---- language -------------------------------------------------------------------

QString Settings::languageCode(const QString& displayName)
{
    for (const auto& row : kLanguages) {
        if (displayName == QString::fromUtf8(row.name))
            return QString::fromLatin1(row.code);
    }
    return QStringLiteral("en");
}

void Settings::updateLangKey(QString language)
{
    // Older files hold codes instead of display names, in either case.
    if (language.compare(QLatin1String("zh_cn"), Qt::CaseInsensitive) == 0)
        language = QStringLiteral("中文简体");
    else if (language.compare(QLatin1String("zh_tw"), Qt::CaseInsensitive) == 0)
        language = QStringLiteral("繁體中文");
    const QString code = languageCode(language);
    if (m_langKey == code)
        return;
    m_langKey = code;
    emit langKeyChanged();
}

void Settings::setLanguage(QString value)
{
    if (!storeChange(m_language, value, "language/language"))
        return;
    updateLangKey(value);
    emit languageChanged(value);
}

// ---- setters with their own rules ---------------------------------------------

bool Settings::fuzzyEqual(double a, double b)
{
    return std::fabs(a - b) * 1000000000000.0 <= std::min(std::fabs(a), std::fabs(b));
}

void Settings::setAutoChapterKeys(QString value)
{
    if (m_autoChapterKeys == value)
        return;
    logDebug(lcApp) << "auto chapter keys;" << value;
    m_autoChapterKeys = value;
    // One pattern per line, each followed by ";". Blank lines are left out:
    // an empty pattern would end the chapter-title test before the patterns
    // after it.
    QString stored;
    for (const QString& line : value.split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            stored += line + QLatin1Char(';');
    }
    store("Chapter/AutoChapterKeys", stored);

    global::instance()->reloadSetting();
    emit autoChapterKeysChanged(value);
}

// The counting threads and the statistics read these through global's
// copies, which follow at once.
void Settings::setIsWordCountChart(bool value)
{
    if (!storeChange(m_isWordCountChart, value, "WordCount/Chart"))
        return;
    global::instance()->reloadSetting();
    emit isWordCountChartChanged(value);
}

void Settings::setIsWordCountWordResult(bool value)
{
    if (!storeChange(m_isWordCountWordResult, value, "WordCount/WordResult"))
        return;
    global::instance()->reloadSetting();
    emit isWordCountWordResultChanged(value);
}

void Settings::setIsPageStyle(bool value)
{
    if (m_isPageStyle == value)
        return;
    store("Edit/WidthModel", value ? 1 : 0);
    logDebug(lcApp) << "m_isPageStyle:" << boolText(value);
    m_isPageStyle = value;
    emit isPageStyleChanged(value);
}

void Settings::setPageWidthChineseCharacters(int value)
{
    logDebug(lcApp) << "set characters:" << value;
    if (storeChange(m_pageWidthChineseCharacters, value, "Edit/WidthChineseCharacters"))
        emit pageWidthChineseCharactersChanged(value);
}

void Settings::setPageLineSpacing(double value)
{
    logDebug(lcApp) << "Floating point comparison needs context sanity check";
    if (storeFuzzyChange(m_pageLineSpacing, value, "Edit/LineSpacing"))
        emit pageLineSpacingChanged(value);
}

void Settings::setPageParagraphSpacing(double value)
{
    logDebug(lcApp) << "Floating point comparison needs context sanity check";
    if (storeFuzzyChange(m_pageParagraphSpacing, value, "Edit/ParagraphSpacing"))
        emit pageParagraphSpacingChanged(value);
}

void Settings::setMinimalistModel(bool value)
{
    if (!storeChange(m_minimalistModel, value, "App/minimalistModel"))
        return;
    if (value && !m_layoutLefttoRight)
        setLayoutLefttoRight(true);
    setIsHideToolBar(value);
    logDebug(lcApp) << "m_minimalistModel:" << boolText(value);
    emit minimalistModelChanged();
}

void Settings::setMainvisibility(int value)
{
    // Hidden and minimised are never restored at start-up; values that are
    // no visibility at all are not stored.
    if (value >= 1 && value <= 5 && value != 3 && storeChange(m_mainVisibility, value, "Window/visibility"))
        emit mainvisibilityChanged(value);
}

void Settings::setRoyalties(int value)
{
    if (value < 0)
        value = 0;
    if (storeChange(m_royalties, value, "Count/Royalty"))
        emit royaltiesChanged();
}

void Settings::setFileDialogPath(QString value)
{
    if (m_fileDialogPath == value)
        return;
    m_fileDialogPath = value;
    if (function::isPc())
        store("fileDialog/path", value);
    emit fileDialogPathChanged();
}

void Settings::setEditFont(const QFont& font)
{
    if (m_editFont == font)
        return;
    logDebug(lcApp) << "fontSize:" << font.pointSizeF();
    m_editFont = font;
    emit editFontChanged(font);
}

void Settings::setEditFontName(QString value)
{
    if (value.isEmpty() || m_editFontName == value)
        return;
    store("Edit/Font", value);
    QFont font = m_editFont;
    font.setFamily(value);
    setEditFont(font);
    m_editFontName = value;
    emit editFontNameChanged(value);
}

void Settings::setEditFontSize(double value)
{
    if (m_editFontSize == value)
        return;
    store("Edit/FontSize", value);
    QFont font = m_editFont;
    if (value > 0)
        font.setPointSizeF(value);
    setEditFont(font);
    m_editFontSize = value;
    logDebug(lcApp) << "editFontSize:" << m_editFont.pointSizeF();
    emit editFontSizeChanged(value);
}

// ---- daily sign-in, room passwords, cursor, server --------------------------------

bool Settings::isDailyLogined() const
{
    return !function::isToday(QSettings().value(QStringLiteral("Setting/dailyLoginTime"), 0).toInt());
}

void Settings::setIsDailyLogined(bool value)
{
    if (value)
        store("Setting/dailyLoginTime", qint64(QDateTime::currentSecsSinceEpoch()));
    emit isDailyLoginedChanged();
}

QStringList Settings::autoChapterKeysList() const { return global::instance()->autoChapterKeys(); }

namespace {
// The settings key of a room's password for the signed-in account; empty
// with nobody signed in. Passwords kept for the whole computer by earlier
// versions ("RoomPassword/<room>") are never read: any account could enter
// with them.
QString roomPasswordKey(const QString& roomKey)
{
    const UserDatas* user = Users::instance()->getUserData();
    if (!user->logined() || user->login().isEmpty())
        return QString();
    return QStringLiteral("RoomPasswordOf/") + QString::fromLatin1(QUrl::toPercentEncoding(user->login())) + QLatin1Char('/')
        + roomKey;
}
const char* const roomAccountKey = "Server/roomAccount";
} // namespace

void Settings::setRoomPassword(const QString& roomKey, const QString& roomPassword)
{
    const QString key = roomPasswordKey(roomKey);
    if (!key.isEmpty())
        SettingsFile::store(key, roomPassword);
}

QString Settings::roomPassword(const QString& roomKey) const
{
    const QString key = roomPasswordKey(roomKey);
    return key.isEmpty() ? QString() : QSettings().value(key, QString()).toString();
}

QString Settings::enteredRoom(const QString& login) const
{
    // A room kept by an earlier version names no account: nobody re-enters it.
    if (login.isEmpty() || QSettings().value(QLatin1String(roomAccountKey)).toString() != login)
        return QString();
    return roomName();
}

void Settings::setEnteredRoom(const QString& roomKey, const QString& login)
{
    if (QSettings().value(QLatin1String(roomAccountKey)).toString() != login)
        SettingsFile::store(QLatin1String(roomAccountKey), login);
    setRoomName(roomKey);
}

void Settings::saveCursorPosition(int postion)
{
    if (postion != m_cursorPosition)
        store("Edit/CursorPostion", postion);
}

void Settings::saveCursorPosition(const QUrl& file, int position)
{
    Q_UNUSED(file)
    saveCursorPosition(position);
}

QString Settings::homeHost() const { return ServiceConfig::accountServer(); }
QString Settings::apiV1Host() const { return homeHost() + QStringLiteral("/api/v1"); }
QString Settings::apiV2Host() const { return homeHost() + QStringLiteral("/api/v2"); }

// ---- sensitive words ------------------------------------------------------------

void Settings::reloadSensitiveWords()
{
    QSettings s;
    m_subtleType = s.value(QStringLiteral("Subtle/Type"), subtleTypeDefault()).toInt();
    m_subtleLevel = s.value(QStringLiteral("Subtle/Level"), subtleLevelDefault()).toInt();
    m_subtleAutoMark = s.value(QStringLiteral("Subtle/AutoMark"), subtleAutoMarkDefault()).toBool();
    const QStringList stored = s.value(QStringLiteral("Subtle/Keys"), subtleUserKeyStringDefault()).toStringList();

    // The word box shows the stored words one per line; a first word is
    // shown even when empty, so a fresh box holds one empty line.
    QString userPart;
    QString keyString;
    QStringList words;
    for (const QString& word : stored) {
        if (userPart.isEmpty()) {
            userPart = word;
        } else if (word.isEmpty()) {
            continue;
        }
        keyString += word + QStringLiteral("\r\n");
        if (!word.isEmpty())
            words.append(word);
    }
    m_subtleUserKeyString = keyString;
    setSensitiveWords(SensitiveWords::buildPattern(m_subtleLevel, words));
}

void Settings::setSubtleType(int value)
{
    if (!storeChange(m_subtleType, value, "Subtle/Type"))
        return;
    reloadSensitiveWords();
    emit subtleTypeChanged(m_subtleType);
}

void Settings::setSubtleLevel(int value)
{
    if (!storeChange(m_subtleLevel, value, "Subtle/Level"))
        return;
    reloadSensitiveWords();
    emit subtleLevelChanged(m_subtleLevel);
}

void Settings::setSubtleAutoMark(bool value)
{
    if (!storeChange(m_subtleAutoMark, value, "Subtle/AutoMark"))
        return;
    reloadSensitiveWords();
    emit subtleAutoMarkChanged(m_subtleAutoMark);
}

void Settings::setSubtleUserKeyString(QString value)
{
    if (m_subtleUserKeyString == value)
        return;
    // An empty list would be written as "@Invalid()"; the empty text reads
    // back the same way (one empty word, as in a fresh file).
    const QStringList words = SensitiveWords::userWordsFromText(value);
    store("Subtle/Keys", words.isEmpty() ? QVariant(QString()) : QVariant(words));
    m_subtleUserKeyString = value;
    emit subtleUserKeyStringChanged(value);
    reloadSensitiveWords();
}
