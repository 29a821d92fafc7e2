#ifndef LUMOTHEME_H
#define LUMOTHEME_H

#include <QObject>

// The current theme's colours for the QML scene ("g_theme").
class LumoTheme : public QObject
{
    Q_OBJECT

public:
    explicit LumoTheme(QObject* parent = nullptr);

signals:

private:
};

#endif
