#ifndef SETTINGS_H
#define SETTINGS_H

#include <QObject>
#include <QUrl>

// The configuration object over the INI file, exposed to QML as "csettings".
// Each stored property writes its key at once and emits its change signal only
// on a change.
class Settings : public QObject
{
    Q_OBJECT

public:
    explicit Settings(QObject* parent = nullptr);
    Q_INVOKABLE void saveCursorPosition(const QUrl& file, int position);

signals:
    void showLogin();

private:
};

#endif
