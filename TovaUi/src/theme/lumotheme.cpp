#include "lumotheme.h"

#include "function/function.h"
#include "function/settingsgate.h"

#include "support/log.h"
#include "theme/colorcontrast.h"
#include "theme/thememodel.h"
#include "theme/themecolours.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPalette>
#include <QSettings>
#include <QTimer>
#include <QUrl>

const QString LumoTheme::defaultThemeFile = QStringLiteral(":/TovaUi/themes/theme.json");

namespace {
const QString styleKey = QStringLiteral("Theme/style");
const QString blurKey = QStringLiteral("Theme/blur");
const QString imagePathKey = QStringLiteral("Theme/ImagePath");
const QString fontColorKey = QStringLiteral("Edit/FontColor");

// Used when the theme list cannot be read: the follow-the-system theme and
// the two themes it stands for, so a chosen theme always has a row to fall
// back on.
const char builtinThemes[] = R"({"themes": [
 {"name": "跟随主题", "functionAreaColor": "#F3F3F3", "tabColor": "#ffffff", "leftBarColor": "#E9EBEC",
  "highlightedColor": "#50acf3", "statusBarColor": "#E9EBEC", "selectedColor": "#68AAED",
  "highlightedTextColor": "black", "titleColor": "#DEE1E6", "accentColor": "#50acf3", "hoverdColor": "#A8A8A8",
  "primaryColor": "#E9EBEC", "backgroundColor": "#FAFAFA", "popupColor": "#ffffff", "foregroundColor": "#000000",
  "backgroundUrl": "", "pageColor": "white", "wordColor": "black", "themeType": 0},
 {"name": "默认白", "functionAreaColor": "#F3F3F3", "tabColor": "#ffffff", "leftBarColor": "#E9EBEC",
  "highlightedColor": "#50acf3", "statusBarColor": "#E9EBEC", "selectedColor": "#68AAED",
  "highlightedTextColor": "black", "titleColor": "#DEE1E6", "accentColor": "#50acf3", "hoverdColor": "#A8A8A8",
  "primaryColor": "#E9EBEC", "backgroundColor": "#FAFAFA", "popupColor": "#ffffff", "foregroundColor": "#000000",
  "backgroundUrl": "", "pageColor": "white", "wordColor": "black", "themeType": 0},
 {"name": "默认黑", "functionAreaColor": "#252525", "tabColor": "#1E1E1E", "leftBarColor": "#333333",
  "highlightedColor": "#50acf3", "statusBarColor": "#252525", "selectedColor": "#476288",
  "highlightedTextColor": "white", "titleColor": "#3C3C3C", "accentColor": "#50acf3", "hoverdColor": "#2A2D2E",
  "primaryColor": "#141414", "backgroundColor": "#1E1E1E", "popupColor": "#1e1e1e", "foregroundColor": "#B2B2B2",
  "backgroundUrl": "", "pageColor": "#191919", "wordColor": "white", "themeType": 1}
]})";

// The "themes" array of a theme list; false when the text does not parse or
// holds no themes.
bool parseThemes(const QByteArray& bytes, QJsonArray* themes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return false;
    *themes = document.object().value(QStringLiteral("themes")).toArray();
    return !themes->isEmpty();
}

QString darkerName(const QString& colorName, int factor)
{
    return QColor(colorName).darker(factor).name();
}
} // namespace

#define LUMO_COLOR_SETTER(Setter, member, signal) \
    void LumoTheme::Setter(const QColor& value)   \
    {                                             \
        if (member == value)                      \
            return;                               \
        member = value;                           \
        emit signal(member);                      \
    }

LUMO_COLOR_SETTER(setHoverdColor, m_hoverdColor, hoverdColorChanged)
LUMO_COLOR_SETTER(setTitleColor, m_titleColor, titleColorChanged)
LUMO_COLOR_SETTER(setAccentColor, m_accentColor, accentColorChanged)
LUMO_COLOR_SETTER(setBackgroundColor, m_backgroundColor, backgroundColorChanged)
LUMO_COLOR_SETTER(setPopupColor, m_popupColor, popupColorChanged)
LUMO_COLOR_SETTER(setBaseColor, m_baseColor, baseColorChanged)
LUMO_COLOR_SETTER(setForegroundColor, m_foregroundColor, foregroundColorChanged)
LUMO_COLOR_SETTER(setDarkhoverdColor, m_darkHoverdColor, darkHoverdColorChanged)
LUMO_COLOR_SETTER(setLightHoverdColor, m_lightHoverdColor, lightHoverdColorChanged)
LUMO_COLOR_SETTER(setPrimaryColor, m_primaryColor, primaryColorChanged)
LUMO_COLOR_SETTER(setSecondaryTextColor, m_secondaryTextColor, secondaryTextColorChanged)
LUMO_COLOR_SETTER(setPageColor, m_pageColor, pageColorChanged)
LUMO_COLOR_SETTER(setPageBackgroundColor, m_pageBackgroundColor, pageBackgroundColorChanged)
LUMO_COLOR_SETTER(setWordColor, m_wordColor, wordColorChanged)
LUMO_COLOR_SETTER(setFunctionAreaColor, m_functionAreaColor, functionAreaColorChanged)
LUMO_COLOR_SETTER(setTabColor, m_tabColor, tabColorChanged)
LUMO_COLOR_SETTER(setLeftBarColor, m_leftBarColor, leftBarColorChanged)
LUMO_COLOR_SETTER(setHighlightedColor, m_highlightedColor, highlightedColorChanged)
LUMO_COLOR_SETTER(setSelectedColor, m_selectedColor, selectedColorChanged)
LUMO_COLOR_SETTER(setStatusBarColor, m_statusBarColor, statusBarColorChanged)
LUMO_COLOR_SETTER(setLineColor, m_lineColor, lineColorChanged)
LUMO_COLOR_SETTER(setHighlightedTextColor, m_highlightedTextColor, highlightedTextColorChanged)

#undef LUMO_COLOR_SETTER

LumoTheme::LumoTheme(QObject* parent)
    : LumoTheme(defaultThemeFile, parent)
{
}

LumoTheme::LumoTheme(const QString& themeFile, QObject* parent)
    : QObject(parent)
    , m_themeFile(themeFile)
    , m_hoverdColor(QStringLiteral("#DCDCDC"))
    , m_titleColor(QStringLiteral("#dcdcdc"))
    , m_accentColor(QStringLiteral("#FF5252"))
    , m_backgroundColor(Qt::white)
    , m_popupColor(Qt::white)
    , m_baseColor(Qt::white)
    , m_foregroundColor(Qt::black)
    , m_pageColor(Qt::white)
    , m_pageBackgroundColor(Qt::transparent)
{
    m_darkHoverdColor = m_hoverdColor.darker(104);
    m_lightHoverdColor = m_hoverdColor.lighter(96);
    m_secondaryTextColor = m_foregroundColor.lighter(120);
    m_themes = new ThemeModel(this);

    loadThemes();
    setIsSystemDarkmode(isDarkStyle());

    QSettings settings;
    m_backgroundblur = settings.value(blurKey, false).toBool();
    m_currentTheme = settings.value(styleKey, 0).toInt();
    // A stored choice outside the list falls back to the first theme.
    if (m_currentTheme < 0 || m_currentTheme >= m_themes->rowCount()) {
        logWarning(lcUi) << "stored theme" << m_currentTheme << "is not in the list, using the first theme";
        m_currentTheme = 0;
    }
    m_userImagePath = settings.value(imagePathKey).toString();

    resetTheme();

    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &LumoTheme::checktheme);
    m_timer->start(1000);

    connect(this, &LumoTheme::userImagePathChanged, this, &LumoTheme::resetTheme);

    const QString wordColor = settings.value(fontColorKey + QString::number(m_currentTheme)).toString();
    if (!wordColor.isEmpty())
        setWordColor(QColor(wordColor));
}

bool LumoTheme::isDarkStyle()
{
    return function::isDarkStyle();
}

void LumoTheme::loadThemes()
{
    m_themes->clear();

    QFile file(m_themeFile);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    QJsonArray records;
    if (!parseThemes(bytes, &records)) {
        logWarning(lcUi) << "loadThemes" << ":" << "json error!";
        parseThemes(QByteArray(builtinThemes), &records);
    }

    const bool dark = isDarkStyle();
    for (int i = 0; i < records.size(); ++i) {
        QJsonObject record = records.at(i).toObject();
        if (i == 0 && records.size() > 2)
            record = records.at(dark ? 2 : 1).toObject();
        auto text = [&record](const char* key) { return record.value(QLatin1String(key)).toString(); };

        auto* item = new QStandardItem();
        // The name is translated when it is read (see ThemeModel).
        item->setData(i == 0 ? ThemeModel::followSystemName() : text("name"), ThemeModel::NameRole);
        item->setData(text("titleColor"), ThemeModel::TitleColorRole);
        item->setData(text("wordColor"), ThemeModel::WordColorRole);
        item->setData(text("accentColor"), ThemeModel::AccentColorRole);
        item->setData(text("hoverdColor"), ThemeModel::HoverdColorRole);
        item->setData(text("backgroundColor"), ThemeModel::BackgroundColorRole);
        item->setData(text("foregroundColor"), ThemeModel::ForegroundColorRole);
        item->setData(record.value(QStringLiteral("themeType")).toInt(0), ThemeModel::ThemeTypeRole);
        item->setData(text("pageColor"), ThemeModel::PageColorRole);
        item->setData(text("popupColor"), ThemeModel::PopupColorRole);
        item->setData(text("primaryColor"), ThemeModel::PrimaryColorRole);
        item->setData(text("functionAreaColor"), ThemeModel::FunctionAreaColorRole);
        item->setData(text("tabColor"), ThemeModel::TabColorRole);
        item->setData(text("leftBarColor"), ThemeModel::LeftBarColorRole);
        item->setData(text("highlightedColor"), ThemeModel::HighlightedColorRole);
        item->setData(text("statusBarColor"), ThemeModel::StatusBarColorRole);
        item->setData(text("selectedColor"), ThemeModel::SelectedColorRole);
        item->setData(text("highlightedTextColor"), ThemeModel::HighlightedTextColorRole);
        item->setData(darkerName(text("hoverdColor"), 110), ThemeModel::DarkHoverdColorRole);
        item->setData(darkerName(text("hoverdColor"), 96), ThemeModel::LightHoverdColorRole);
        item->setData(darkerName(text("foregroundColor"), 120), ThemeModel::SecondaryTextColorRole);
        item->setData(QStringLiteral("white"), ThemeModel::BaseColorRole);
        item->setData(QStringLiteral("transparent"), ThemeModel::PageBackgroundColorRole);
        item->setData(QString(), ThemeModel::UserImagePathRole);
        item->setData(QString(), ThemeModel::BackgroundUrlRole);
        m_themes->appendRow(item);
    }
    emit themesChanged(m_themes);
}

int LumoTheme::effectiveIndex(int value) const
{
    if (value == 0)
        return m_isSystemDarkmode ? 2 : 1;
    return value;
}

void LumoTheme::setValue(int value)
{
    if (value < 0)
        return;
    // An index outside the list falls back to the first theme.
    if (value >= m_themes->rowCount())
        value = 0;
    const int index = effectiveIndex(value);
    const QStandardItem* record = m_themes->item(index < m_themes->rowCount() ? index : 0);
    if (!record)
        return;

    setBackgroundUrl(record->data(ThemeModel::BackgroundUrlRole).toString());
    const ThemeColours c = ThemeColours::of(*record, index, hasImage(m_backgroundUrl));
    setLightHoverdColor(c.lightHoverd);
    setTitleColor(c.title);
    setBackgroundColor(c.background);
    setBaseColor(c.base);
    setHoverdColor(c.hoverd);
    setPageBackgroundColor(c.pageBackground);
    setPageColor(c.page);
    setPopupColor(c.popup);
    setFunctionAreaColor(c.functionArea);
    setTabColor(c.tab);
    setLeftBarColor(c.leftBar);
    setHighlightedColor(c.highlighted);
    setStatusBarColor(c.statusBar);
    setSelectedColor(c.selected);
    setPrimaryColor(c.primary);
    setDarkhoverdColor(c.darkHoverd);
    setLineColor(c.line);
    setSecondaryTextColor(c.secondaryText);
    setAccentColor(c.accent);
    setForegroundColor(c.foreground);
    setThemeType(record->data(ThemeModel::ThemeTypeRole).toInt());
    setHighlightedTextColor(c.highlightedText);

    const QString stored = QSettings().value(fontColorKey + QString::number(index)).toString();
    setWordColor(stored.isEmpty() ? QColor(record->data(ThemeModel::WordColorRole).toString()) : QColor(stored));
}

bool LumoTheme::hasImage(const QString& backgroundUrl) const
{
    return function::isFileExist(QUrl(backgroundUrl)) || function::isFileExist(QUrl(m_userImagePath));
}

QVariantMap LumoTheme::swatch(int row) const
{
    const int index = effectiveIndex(row);
    const QStandardItem* record = m_themes->item(index);
    if (!record)
        return {};
    const ThemeColours c = ThemeColours::of(*record, index, hasImage(record->data(ThemeModel::BackgroundUrlRole).toString()));
    return { { QStringLiteral("background"), c.base }, { QStringLiteral("title"), c.title },
             { QStringLiteral("accent"), c.accent }, { QStringLiteral("foreground"), c.foreground } };
}

void LumoTheme::setCurrentTheme(int value)
{
    if (value == -1 || value == m_currentTheme)
        return;
    if (value < 0 || value >= m_themes->rowCount()) {
        logWarning(lcUi) << "theme" << value << "is not in the list";
        return;
    }
    const SettingsGate gate;
    QSettings().setValue(styleKey, value);
    setValue(value);
    m_currentTheme = value;
    emit currentThemeChanged(value);
}

void LumoTheme::resetTheme()
{
    setValue(m_currentTheme);
}

void LumoTheme::checktheme()
{
    const bool dark = isDarkStyle();
    if (m_isSystemDarkmode == dark)
        return;
    setIsSystemDarkmode(dark);
    loadThemes();
    setValue(m_currentTheme);
}

QString LumoTheme::getThemeName(const QString& name) const
{
    return ThemeModel::isThemeName(name) ? ThemeModel::displayName(name) : name;
}

QColor LumoTheme::readableOn(const QColor& color, const QColor& background, qreal minimum) const
{
    return ColorContrast::readable(color, { background }, minimum, m_baseColor);
}

void LumoTheme::saveWordColor(const QColor& color)
{
    if (color == m_wordColor)
        return;
    const int index = effectiveIndex(m_currentTheme);
    if (index >= 0 && index < m_themes->rowCount()) {
        const SettingsGate gate;
        QSettings().setValue(fontColorKey + QString::number(index), color.name());
    }
    setWordColor(color);
}

void LumoTheme::setUserImagePath(const QString& path)
{
    if (m_userImagePath == path)
        return;
    const SettingsGate gate;
    QSettings().setValue(imagePathKey, path);
    m_userImagePath = path;
    resetTheme();
    emit userImagePathChanged(path);
}

void LumoTheme::setBackgroundUrl(const QString& url)
{
    if (m_backgroundUrl == url)
        return;
    m_backgroundUrl = url;
    emit backgroundUrlChanged(url);
}

void LumoTheme::setBackgroundblur(bool value)
{
    if (m_backgroundblur == value)
        return;
    const SettingsGate gate;
    QSettings().setValue(blurKey, value);
    m_backgroundblur = value;
    emit backgroundblurChanged(value);
}

void LumoTheme::setIsSystemDarkmode(bool value)
{
    if (m_isSystemDarkmode == value)
        return;
    m_isSystemDarkmode = value;
    emit isSystemDarkmodeChanged(value);
}

void LumoTheme::setThemeType(int value)
{
    if (m_themeType == value)
        return;
    m_themeType = value;
    emit themeTypeChanged(value);
}

void LumoTheme::setThemes(QStandardItemModel* value)
{
    // The theme object always keeps a list to apply themes from.
    if (!value || m_themes == value)
        return;
    m_themes = value;
    emit themesChanged(value);
}
