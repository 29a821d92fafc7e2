#ifndef ZIPPACKAGE_H
#define ZIPPACKAGE_H

#include <QByteArray>
#include <QScopedPointer>
#include <QString>

class QIODevice;
class QZipReader;

// Read access to the members of a ZIP package on an open device. Packages
// come from outside, so members whose declared size is beyond a sane limit
// are not unpacked, and an archive without a readable directory counts as
// unreadable.
class ZipPackage
{
public:
    explicit ZipPackage(QIODevice* device);
    ~ZipPackage();

    bool isReadable() const;
    // The member's bytes; empty when it is missing, too large or damaged.
    QByteArray fileData(const QString& name) const;
    void close();

    static constexpr qint64 MaxMemberSize = 256 * 1024 * 1024;

private:
    QScopedPointer<QZipReader> m_reader;
    bool m_readable = false;
};

#endif
