#ifndef SETTINGSLOCK_H
#define SETTINGSLOCK_H

#include <QSettings>
#include <QString>

// Which settings file this run writes. QSettings waits without limit for its
// lock file ("Penlark.ini.lock") at every write, so a lock that another
// program keeps (a sync tool, a stuck process) would stop the program, at
// start or at any later change. settle() at start and beforeWrite() before
// every change wait a few seconds for that lock; when it is still held, the
// rest of the run reads the settings from a private copy and writes only
// there: the settings are read but not written, and the user is told. A
// settings file far larger than any the program writes is not read at all
// (QSettings would read it again at every change): the run starts from the
// defaults in a private folder, the file is kept as it is, and the user is
// told. The copy goes when the application object does.
class SettingsLock
{
public:
    // settingsFile: the real file, in its organisation's folder of the
    // user-scope path of format. True when the real file is used.
    static bool settle(const QString& settingsFile, QSettings::Format format, int waitMs);
    // Before a QSettings object that changes a key is made.
    static void beforeWrite();
    // Larger settings files are not read.
    static constexpr qint64 largestBytes = 8 * 1024 * 1024;
};

#endif
