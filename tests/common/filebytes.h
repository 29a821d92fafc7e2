#ifndef FILEBYTES_H
#define FILEBYTES_H

// Whole files read and prepared by the tests themselves, past the program's
// own writer, so that what a writer left on disk is seen as it is.

#include <QByteArray>
#include <QFile>
#include <QString>

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline bool putFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

#endif
