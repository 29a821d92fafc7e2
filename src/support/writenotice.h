#ifndef WRITENOTICE_H
#define WRITENOTICE_H

#include "support/userfile.h"

#include <QString>

#include <functional>

// Tells the user, through the one notice channel, that a user file could not
// be written: the caller's words for what failed, the file, and the system's
// reason (UserFile::Result::error). The old file is always still there.
// The channel belongs to the interface, which installs itself as the
// presenter of these notices; until it has, a notice is only logged.
//
// A write the user asked for is reported every time it fails (show). Writers
// that try again by themselves (statistics, timed snapshots, caches, the
// settings file) report a file once for each kind of failure (their words)
// until a write of it succeeds again (once, then passed), so a full disk
// does not bury the window in notices;
// their notice comes from the event loop, so one from start-up still shows.
class WriteNotice
{
public:
    // Shows one notice; called on the GUI thread.
    using Presenter = std::function<void(const QString& notice)>;
    static void setPresenter(Presenter presenter);

    static QString text(const QString& what, const QString& path, const QString& reason);
    static void show(const QString& what, const QString& path, const QString& reason);
    static void once(const QString& what, const QString& path, const QString& reason);
    static void passed(const QString& path);
    // once() or passed() as the write went; true when it was written.
    static bool track(const QString& what, const QString& path, const UserFile::Result& written);
};

#endif
