#ifndef SETTINGSLOCK_H
#define SETTINGSLOCK_H

#include <QSettings>
#include <QString>

// The settings file's lock at start-up. QSettings waits without limit for
// its lock file ("Penlark.ini.lock") at every write, so a lock that another
// program keeps (a sync tool, a stuck process) would stop the program before
// its window ever shows. settle() waits a few seconds for that lock; when it
// is still held, this run reads the settings from a private copy and writes
// only there: the settings are read but not written, and the user is told.
// The copy goes when the application object does.
class SettingsLock
{
public:
    // settingsFile: the real file, in its organisation's folder of the
    // user-scope path of format. True when the real file is used.
    static bool settle(const QString& settingsFile, QSettings::Format format, int waitMs);
};

#endif
