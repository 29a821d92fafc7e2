#ifndef THEMEMODEL_H
#define THEMEMODEL_H

#include <QStandardItemModel>

// The list of colour themes: one row per theme, its values stored under the
// roles below. The name is stored as the theme list gives it and translated
// on every read, so a list built before the interface language was
// installed still shows that language; a change of language is announced
// as a change of every name.
class ThemeModel : public QStandardItemModel
{
    Q_OBJECT
public:
    enum Roles {
        NameRole = Qt::UserRole + 1001,
        HoverdColorRole,
        TitleColorRole,
        AccentColorRole,
        BackgroundColorRole,
        BaseColorRole,
        ForegroundColorRole,
        DarkHoverdColorRole,
        LightHoverdColorRole,
        SecondaryTextColorRole,
        PageColorRole,
        PageBackgroundColorRole,
        UserImagePathRole,
        BackgroundUrlRole,
        ThemeTypeRole,
        IsSystemDarkmodeRole,
        WordColorRole,
        PopupColorRole,
        FunctionAreaColorRole,
        TabColorRole,
        LeftBarColorRole,
        HighlightedColorRole,
        StatusBarColorRole,
        SelectedColorRole,
        HighlightedTextColorRole,
        PrimaryColorRole,
        LineColorRole
    };
    Q_ENUM(Roles)

    explicit ThemeModel(QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    // The display name of a theme name: the seven names of the theme list
    // translated in the "LumoTheme" context, any other text through the
    // identifier table.
    static QString displayName(const QString& name);
    // The source name of the follow-the-system theme.
    static QString followSystemName();
    // Whether `name` is one of the names of the theme list.
    static bool isThemeName(const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

#endif
