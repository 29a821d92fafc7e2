#include "settings.h"

#include <QSettings>

Settings::Settings(QObject* parent)
    : QObject(parent)
{
}

void Settings::saveCursorPosition(const QUrl& file, int position)
{
    QSettings s;
    QVariantMap map = s.value(QStringLiteral("Edit/CursorPostion")).toMap();
    map.insert(file.toString(), position);
    s.setValue(QStringLiteral("Edit/CursorPostion"), map);
}
