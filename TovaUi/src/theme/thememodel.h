#ifndef THEMEMODEL_H
#define THEMEMODEL_H

#include <QStandardItemModel>

// The list of colour themes: one row per theme, its values stored under the
// roles below. The display name is translated on every read.
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
};

#endif
