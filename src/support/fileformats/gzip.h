#ifndef GZIP_H
#define GZIP_H

#include <QByteArray>
#include <QString>

// Compresses the file in place (gzip, best compression). The file is
// replaced atomically; returns false and leaves it unchanged on any failure.
bool gzip(const QString& path);

// The decompressed content of a gzip file; a file that is not gzip data
// comes back as it is. Empty when the file cannot be opened, is damaged
// or would decompress to more than maxSize bytes.
QByteArray gunzip(const QString& path, qint64 maxSize = 256 * 1024 * 1024);

#endif
