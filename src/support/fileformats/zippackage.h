#ifndef ZIPPACKAGE_H
#define ZIPPACKAGE_H

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;
class QZipWriter;

// Read access to the members of a ZIP package (DOCX, ODT), and writing one. Packages come
// from outside, so every offset is checked against the data, members are
// unpacked with a bound on their size (no "zip bomb" can exhaust memory)
// and their checksums are verified. An archive without a readable central
// directory counts as unreadable.
class ZipPackage
{
public:
    explicit ZipPackage(QIODevice* device);

    // True when the first four bytes are a ZIP local-file header.
    static bool canRead(QIODevice* device);

    bool isReadable() const { return m_readable; }
    // The member's bytes; empty when it is missing, too large or damaged.
    // `damaged` (when given) tells a present but unusable member from a
    // missing one.
    QByteArray fileData(const QString& name, bool* damaged = nullptr) const;
    void close();

    // Opens the package on the device and hands each named member that is
    // present, in order, to `read`, which returns an error text (empty on
    // success); stops at the first error. Returns that error, or
    // `unreadable` when the archive or one of the members cannot be
    // unpacked.
    static QString readMembers(QIODevice* device, const QStringList& names, const QString& unreadable,
                               const std::function<QString(const QByteArray&)>& read);

    // Writes the package whose members `fill` adds to the device. It is
    // built in memory first: QZipWriter closes its device when it finishes,
    // which a QSaveFile forbids. True when every step succeeded.
    static bool writePackage(QIODevice* device, const std::function<void(QZipWriter&)>& fill);

    static constexpr qint64 MaxPackageSize = 1024LL * 1024 * 1024;
    static constexpr qint64 MaxMemberSize = 256LL * 1024 * 1024;

private:
    struct Entry {
        quint16 method = 0;
        quint32 crc = 0;
        quint32 compressedSize = 0;
        quint32 size = 0;
        quint32 localOffset = 0;
    };

    bool readDirectory();
    QByteArray unpack(const QString& name) const;

    QByteArray m_data;
    QHash<QString, Entry> m_entries;
    bool m_readable = false;
};

#endif
