#ifndef ATOMICFILE_H
#define ATOMICFILE_H

#include <QByteArray>
#include <QList>
#include <QString>

// Replaces a file of the server's own (objects, avatars) so that readers
// see the old bytes or the new ones, never a part: the parts are written to
// a new file in temporaryFolder (on the same filesystem), synced, checked
// for size and renamed over path; then the folder is synced.
class AtomicFile
{
public:
    static bool write(const QString& path, const QString& temporaryFolder, const QList<QByteArray>& parts,
                      QString* error);
};

#endif
