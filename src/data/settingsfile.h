#ifndef SETTINGSFILE_H
#define SETTINGSFILE_H

#include <QByteArray>
#include <QSettings>

class QIODevice;

// The format of the settings file: the INI text of QSettings::IniFormat,
// read and written by the program itself so that a write is checked before
// QSettings commits it. QSettings writes through a save file whose commit
// reports success after a failed flush of the buffered tail and renames a
// short file over the settings (on a nearly full disk the file became
// empty). Here the bytes are flushed and checked first; a failed write
// returns false, QSettings then drops the new file and the old one stays.
//
// The text is what Qt's INI format reads back unchanged and the reader takes
// what Qt's INI format writes, so files move freely between the two:
// sections per first key part ("General" for keys without one), keys with
// "%" escapes and "\" for "/", values with C escapes, quotes where needed,
// lists joined by ", " and "@" forms (@ByteArray, @Variant, @DateTime,
// @Rect, @Size, @Point, @Invalid, @String) for other types.
class SettingsFile
{
public:
    // Registered on the first call; the file extension stays "ini".
    static QSettings::Format format();

    static QByteArray encode(const QSettings::SettingsMap& map);
    // False when a line could not be read; every readable key is still in
    // map, and unreadable (when given) counts the lines dropped.
    static bool decode(const QByteArray& bytes, QSettings::SettingsMap& map, int* unreadable = nullptr);

    // Keeps every readable key of a damaged file (unreadable lines are
    // dropped with one notice per read), so what is written back keeps
    // them too.
    static bool read(QIODevice& device, QSettings::SettingsMap& map);
    static bool write(QIODevice& device, const QSettings::SettingsMap& map);

    // Ends a change of the program's settings: writes it now and tells a
    // failure once (until a write goes through), also one QSettings reports
    // without ever calling write(): a lock file it cannot create on a full
    // disk. The change stays pending and goes with the next write.
    static bool commit(QSettings& settings);
    // One key set and committed in the default settings.
    static bool store(const QString& key, const QVariant& value);
    // One key removed and committed in the default settings.
    static bool remove(const QString& key);
};

#endif
