#ifndef LUMOTHEME_H
#define LUMOTHEME_H

#include <QColor>
#include <QObject>
#include <QStandardItemModel>
#include <QVariantMap>

class QTimer;
class ThemeModel;

// The current theme's colours for the QML scene ("g_theme"). Seven themes
// come from the component library's theme list; the first follows the
// system's light or dark palette, checked every second. With a background
// image the colours turn see-through so that the image shows. The editor's
// word colour is kept per theme.
class LumoTheme : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool backgroundblur READ backgroundblur WRITE setBackgroundblur NOTIFY backgroundblurChanged)
    Q_PROPERTY(int currentTheme READ currentTheme WRITE setCurrentTheme NOTIFY currentThemeChanged)
    Q_PROPERTY(QString userImagePath READ userImagePath WRITE setUserImagePath NOTIFY userImagePathChanged)
    Q_PROPERTY(QColor hoverdColor READ hoverdColor WRITE setHoverdColor NOTIFY hoverdColorChanged)
    Q_PROPERTY(QColor titleColor READ titleColor WRITE setTitleColor NOTIFY titleColorChanged)
    Q_PROPERTY(QColor accentColor READ accentColor WRITE setAccentColor NOTIFY accentColorChanged)
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor NOTIFY backgroundColorChanged)
    Q_PROPERTY(QColor popupColor READ popupColor WRITE setPopupColor NOTIFY popupColorChanged)
    Q_PROPERTY(QColor baseColor READ baseColor WRITE setBaseColor NOTIFY baseColorChanged)
    Q_PROPERTY(QColor foregroundColor READ foregroundColor WRITE setForegroundColor NOTIFY foregroundColorChanged)
    Q_PROPERTY(QColor darkHoverdColor READ darkHoverdColor WRITE setDarkhoverdColor NOTIFY darkHoverdColorChanged)
    Q_PROPERTY(QColor lightHoverdColor READ lightHoverdColor WRITE setLightHoverdColor NOTIFY lightHoverdColorChanged)
    Q_PROPERTY(QColor primaryColor READ primaryColor WRITE setPrimaryColor NOTIFY primaryColorChanged)
    Q_PROPERTY(QColor secondaryTextColor READ secondaryTextColor WRITE setSecondaryTextColor NOTIFY secondaryTextColorChanged)
    Q_PROPERTY(QColor pageColor READ pageColor WRITE setPageColor NOTIFY pageColorChanged)
    Q_PROPERTY(QColor pageBackgroundColor READ pageBackgroundColor WRITE setPageBackgroundColor NOTIFY pageBackgroundColorChanged)
    Q_PROPERTY(QColor wordColor READ wordColor WRITE setWordColor NOTIFY wordColorChanged)
    Q_PROPERTY(QColor functionAreaColor READ functionAreaColor WRITE setFunctionAreaColor NOTIFY functionAreaColorChanged)
    Q_PROPERTY(QColor tabColor READ tabColor WRITE setTabColor NOTIFY tabColorChanged)
    Q_PROPERTY(QColor leftBarColor READ leftBarColor WRITE setLeftBarColor NOTIFY leftBarColorChanged)
    Q_PROPERTY(QColor highlightedColor READ highlightedColor WRITE setHighlightedColor NOTIFY highlightedColorChanged)
    Q_PROPERTY(QColor selectedColor READ selectedColor WRITE setSelectedColor NOTIFY selectedColorChanged)
    Q_PROPERTY(QColor statusBarColor READ statusBarColor WRITE setStatusBarColor NOTIFY statusBarColorChanged)
    Q_PROPERTY(QColor lineColor READ lineColor WRITE setLineColor NOTIFY lineColorChanged)
    Q_PROPERTY(QColor highlightedTextColor READ highlightedTextColor WRITE setHighlightedTextColor NOTIFY highlightedTextColorChanged)
    Q_PROPERTY(QString backgroundUrl READ backgroundUrl WRITE setBackgroundUrl NOTIFY backgroundUrlChanged)
    Q_PROPERTY(bool isSystemDarkmode READ isSystemDarkmode WRITE setIsSystemDarkmode NOTIFY isSystemDarkmodeChanged)
    Q_PROPERTY(int themeType READ themeType WRITE setThemeType NOTIFY themeTypeChanged)
    Q_PROPERTY(QStandardItemModel* themes READ themes WRITE setThemes NOTIFY themesChanged)

public:
    static const QString defaultThemeFile;

    explicit LumoTheme(QObject* parent = nullptr);
    // Reads the theme list from another file (tests use a broken one).
    explicit LumoTheme(const QString& themeFile, QObject* parent = nullptr);

    int currentTheme() const { return m_currentTheme; }
    bool backgroundblur() const { return m_backgroundblur; }
    QString userImagePath() const { return m_userImagePath; }
    QString backgroundUrl() const { return m_backgroundUrl; }
    bool isSystemDarkmode() const { return m_isSystemDarkmode; }
    int themeType() const { return m_themeType; }
    QStandardItemModel* themes() const { return m_themes; }
    QColor hoverdColor() const { return m_hoverdColor; }
    QColor titleColor() const { return m_titleColor; }
    QColor accentColor() const { return m_accentColor; }
    QColor backgroundColor() const { return m_backgroundColor; }
    QColor popupColor() const { return m_popupColor; }
    QColor baseColor() const { return m_baseColor; }
    QColor foregroundColor() const { return m_foregroundColor; }
    QColor darkHoverdColor() const { return m_darkHoverdColor; }
    QColor lightHoverdColor() const { return m_lightHoverdColor; }
    QColor primaryColor() const { return m_primaryColor; }
    QColor secondaryTextColor() const { return m_secondaryTextColor; }
    QColor pageColor() const { return m_pageColor; }
    QColor pageBackgroundColor() const { return m_pageBackgroundColor; }
    QColor wordColor() const { return m_wordColor; }
    QColor functionAreaColor() const { return m_functionAreaColor; }
    QColor tabColor() const { return m_tabColor; }
    QColor leftBarColor() const { return m_leftBarColor; }
    QColor highlightedColor() const { return m_highlightedColor; }
    QColor selectedColor() const { return m_selectedColor; }
    QColor statusBarColor() const { return m_statusBarColor; }
    QColor lineColor() const { return m_lineColor; }
    QColor highlightedTextColor() const { return m_highlightedTextColor; }

    void setHoverdColor(const QColor& value);
    void setTitleColor(const QColor& value);
    void setAccentColor(const QColor& value);
    void setBackgroundColor(const QColor& value);
    void setPopupColor(const QColor& value);
    void setBaseColor(const QColor& value);
    void setForegroundColor(const QColor& value);
    void setDarkhoverdColor(const QColor& value);
    void setLightHoverdColor(const QColor& value);
    void setPrimaryColor(const QColor& value);
    void setSecondaryTextColor(const QColor& value);
    void setPageColor(const QColor& value);
    void setPageBackgroundColor(const QColor& value);
    void setWordColor(const QColor& value);
    void setFunctionAreaColor(const QColor& value);
    void setTabColor(const QColor& value);
    void setLeftBarColor(const QColor& value);
    void setHighlightedColor(const QColor& value);
    void setSelectedColor(const QColor& value);
    void setStatusBarColor(const QColor& value);
    void setLineColor(const QColor& value);
    void setHighlightedTextColor(const QColor& value);
    void setIsSystemDarkmode(bool value);
    void setThemeType(int value);
    void setThemes(QStandardItemModel* value);

    // Applies a theme to the colour properties without storing a choice.
    Q_INVOKABLE void setValue(int value);
    Q_INVOKABLE QString getThemeName(const QString& name) const;
    // The colours the theme of `row` shows once applied (background, title,
    // accent, foreground), for its swatch in the theme chooser.
    Q_INVOKABLE QVariantMap swatch(int row) const;
    // `color`, or the nearest colour of its hue that reaches `minimum`
    // contrast against `background` (for text and marks drawn on a colour
    // that the theme's own text colours are not made for, such as the
    // accent).
    Q_INVOKABLE QColor readableOn(const QColor& color, const QColor& background, qreal minimum = 4.5) const;
    // Stores and applies the editor word colour of the effective theme.
    Q_INVOKABLE void saveWordColor(const QColor& color);

    // The system's dark-style test: the window colour of the application
    // palette has an HSV value between 41 and 59.
    static bool isDarkStyle();

public slots:
    void setCurrentTheme(int value);
    void resetTheme();
    void checktheme();
    void setUserImagePath(const QString& path);
    void setBackgroundUrl(const QString& url);
    void setBackgroundblur(bool value);

signals:
    void currentThemeChanged(int currentTheme);
    void hoverdColorChanged(QColor hoverdColor);
    void titleColorChanged(QColor titleColor);
    void baseColorChanged(QColor baseColor);
    void backgroundColorChanged(QColor backgroundColor);
    void foregroundColorChanged(QColor foregroundColor);
    void darkHoverdColorChanged(QColor darkHoverdColor);
    void lightHoverdColorChanged(QColor lightHoverdColor);
    void secondaryTextColorChanged(QColor secondaryTextColor);
    void pageColorChanged(QColor pageColor);
    void pageBackgroundColorChanged(QColor pageBackgroundColor);
    void userImagePathChanged(QString userImagePath);
    void backgroundUrlChanged(QString backgroundUrl);
    void accentColorChanged(QColor accentColor);
    void isSystemDarkmodeChanged(bool isSystemDarkmode);
    void wordColorChanged(QColor wordColor);
    void themeTypeChanged(int themeType);
    void themesChanged(QStandardItemModel* themes);
    void popupColorChanged(QColor popupColor);
    void backgroundblurChanged(bool backgroundblur);
    void functionAreaColorChanged(QColor functionAreaColor);
    void tabColorChanged(QColor tabColor);
    void leftBarColorChanged(QColor leftBarColor);
    void highlightedColorChanged(QColor highlightedColor);
    void selectedColorChanged(QColor selectedColor);
    void statusBarColorChanged(QColor statusBarColor);
    void highlightedTextColorChanged(QColor highlightedTextColor);
    void primaryColorChanged(QColor primaryColor);
    void lineColorChanged(QColor lineColor);

private:
    void loadThemes();
    int effectiveIndex(int value) const;
    // A background image shows: the theme's own, or the user's.
    bool hasImage(const QString& backgroundUrl) const;

    QString m_themeFile;
    int m_currentTheme = -1;
    bool m_backgroundblur = false;
    QString m_userImagePath;
    QString m_backgroundUrl;
    bool m_isSystemDarkmode = false;
    int m_themeType = -1;
    QStandardItemModel* m_themes = nullptr;
    QTimer* m_timer = nullptr;
    QColor m_hoverdColor;
    QColor m_titleColor;
    QColor m_accentColor;
    QColor m_backgroundColor;
    QColor m_popupColor;
    QColor m_baseColor;
    QColor m_foregroundColor;
    QColor m_darkHoverdColor;
    QColor m_lightHoverdColor;
    QColor m_primaryColor;
    QColor m_secondaryTextColor;
    QColor m_pageColor;
    QColor m_pageBackgroundColor;
    QColor m_wordColor;
    QColor m_functionAreaColor;
    QColor m_tabColor;
    QColor m_leftBarColor;
    QColor m_highlightedColor;
    QColor m_selectedColor;
    QColor m_statusBarColor;
    QColor m_lineColor;
    QColor m_highlightedTextColor;
};

#endif
