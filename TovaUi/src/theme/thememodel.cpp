#include "thememodel.h"

#include "function/t.h"

#include <QCoreApplication>
#include <QEvent>

namespace {
// The names of the theme list, in its order.
const char* const themeNames[] = {
    QT_TRANSLATE_NOOP("LumoTheme", "跟随主题"),
    QT_TRANSLATE_NOOP("LumoTheme", "默认白"),
    QT_TRANSLATE_NOOP("LumoTheme", "默认黑"),
    QT_TRANSLATE_NOOP("LumoTheme", "淑女粉"),
    QT_TRANSLATE_NOOP("LumoTheme", "清爽绿"),
    QT_TRANSLATE_NOOP("LumoTheme", "苍穹蓝"),
    QT_TRANSLATE_NOOP("LumoTheme", "电纸书"),
};
} // namespace

ThemeModel::ThemeModel(QObject* parent)
    : QStandardItemModel(parent)
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
}

QString ThemeModel::followSystemName()
{
    return QString::fromUtf8(themeNames[0]);
}

bool ThemeModel::isThemeName(const QString& name)
{
    for (const char* known : themeNames) {
        if (name == QString::fromUtf8(known))
            return true;
    }
    return false;
}

QString ThemeModel::displayName(const QString& name)
{
    for (const char* known : themeNames) {
        if (name == QString::fromUtf8(known))
            return QCoreApplication::translate("LumoTheme", known);
    }
    return t::r(name);
}

bool ThemeModel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && watched == QCoreApplication::instance() && rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0), { NameRole });
    return QStandardItemModel::eventFilter(watched, event);
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
        return displayName(row->data(NameRole).toString());
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
