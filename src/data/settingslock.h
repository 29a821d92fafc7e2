#ifndef SETTINGSLOCK_H
#define SETTINGSLOCK_H

#include <QSettings>
#include <QString>

#include <memory>

// Which settings file this run writes, and its lock. QSettings waits without
// limit for its lock file at every write, so a lock that another program
// keeps (a sync tool, a stuck process) would stop the program, at start or
// at any later change, Ctrl+Q included. So QSettings reaches the real file
// through a link in a private folder, where its own lock is never contested,
// and beforeWrite() takes the real lock instead, waiting a few seconds at
// most, and holds it across the write. When it stays held, the rest of the
// run reads the settings from a private copy and writes only there, and the
// user is told. A settings file far larger than any the program writes is
// not read at all (QSettings would read it again at every change): the run
// starts from the defaults in the private folder, the file is kept as it is,
// and the user is told. The link is checked before every write and made
// again when a temporary-folder cleaner has removed or replaced it; a write
// it cannot be made again for is told as not saved. The folder goes when
// the application object does.
class SettingsLock
{
public:
    // settingsFile: the real file, in its organisation's folder of the
    // user-scope path of format. True when the real file is used.
    static bool settle(const QString& settingsFile, QSettings::Format format, int waitMs);
    // Before a QSettings object that changes a key is made: the real lock,
    // held until the result goes (nothing when the run writes elsewhere).
    static std::shared_ptr<void> beforeWrite();
    // The settings file a name QSettings reports stands for: the real file
    // for the private link (whether the link is there or not), unless the
    // run writes a private copy.
    static QString realName(const QString& name);
    // Larger settings files are not read.
    static constexpr qint64 largestBytes = 8 * 1024 * 1024;
};

#endif
