#include "thememodel.h"

#include "function/t.h"

ThemeModel::ThemeModel(QObject* parent)
    : QStandardItemModel(parent)
{
}

QVariant ThemeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    // Each theme is one item; every column of a row answers with its values.
    const QStandardItem* row = item(index.row());
    if (!row)
        return QVariant();
    if (role == NameRole)
        return t::r(row->data(NameRole).toString());
    return row->data(role);
}

QHash<int, QByteArray> ThemeModel::roleNames() const
{
    return {
        { NameRole, "name" },
        { HoverdColorRole, "hoverdColor" },
        { TitleColorRole, "titleColor" },
        { AccentColorRole, "accentColor" },
        { BackgroundColorRole, "backgroundColor" },
        { BaseColorRole, "baseColor" },
        { ForegroundColorRole, "foregroundColor" },
        { DarkHoverdColorRole, "darkHoverdColor" },
        { LightHoverdColorRole, "lightHoverdColor" },
        { SecondaryTextColorRole, "secondaryTextColor" },
        { PageColorRole, "pageColor" },
        { PageBackgroundColorRole, "pageBackgroundColor" },
        { UserImagePathRole, "userImagePath" },
        { BackgroundUrlRole, "backgroundUrl" },
        { ThemeTypeRole, "themeType" },
        { IsSystemDarkmodeRole, "isSystemDarkmode" },
        { WordColorRole, "wordColor" },
        { PopupColorRole, "popupColor" },
        { FunctionAreaColorRole, "functionAreaColor" },
        { TabColorRole, "tabColor" },
        { LeftBarColorRole, "leftBarColor" },
        { HighlightedColorRole, "highlightedColor" },
        { StatusBarColorRole, "statusBarColor" },
        { SelectedColorRole, "selectedColor" },
        { HighlightedTextColorRole, "highlightedTextColor" },
        { PrimaryColorRole, "primaryColor" },
        { LineColorRole, "lineColor" },
    };
}
