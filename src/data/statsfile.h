#ifndef STATSFILE_H
#define STATSFILE_H

#include "support/userfile.h"

#include <QByteArray>
#include <QString>

// File operations of the statistics files: whole-file atomic writes and
// setting a damaged file aside so that it is never overwritten.
class StatsFile
{
public:
    // Writes the bytes through a save file: the previous file stays intact
    // until the new one is complete. Creates the folder when missing.
    // Fails (with the reason, leaving the old file) when anything fails.
    static UserFile::Result write(const QString& path, const QByteArray& bytes);

    // Renames a damaged file to "<name>.corrupt" (or ".corrupt.N" when that
    // exists). Returns the new path, or an empty text when it could not be
    // renamed.
    static QString setAside(const QString& path);
};

#endif
