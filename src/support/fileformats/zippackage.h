#ifndef ZIPPACKAGE_H
#define ZIPPACKAGE_H

#include <QByteArray>
#include <QHash>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

#include <zlib.h>

class QZipWriter;

// One member of a ZIP package, unpacked as it is read: only a small buffer
// is held, however large the member, so a member that unpacks to hundreds
// of megabytes costs no memory of that size. The member's declared size and
// checksum are checked as the data goes by; a member that unpacks to more
// (or less) than it declares, or whose checksum fails, stops with a read
// error and reports itself damaged.
class ZipMemberDevice : public QIODevice
{
public:
    ~ZipMemberDevice() override;

    bool isSequential() const override { return true; }
    bool isDamaged() const { return m_damaged; }
    // Reads what is left, so that the size and checksum are checked also
    // when the reader stopped early. True when the member is sound.
    bool verify();

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    friend class ZipPackage;
    ZipMemberDevice(const QByteArray& package, qint64 start, quint16 method, quint32 compressedSize, quint32 size,
                    quint32 crc);
    qint64 damaged();
    qint64 finish();

    QByteArray m_package;
    qint64 m_start = 0;
    quint16 m_method = 0;
    quint32 m_compressedSize = 0;
    quint32 m_size = 0;
    quint32 m_crc = 0;
    quint64 m_produced = 0;
    uLong m_runningCrc = 0;
    z_stream m_stream {};
    bool m_inflating = false;
    bool m_ended = false;
    bool m_damaged = false;
};

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
    // The member opened for reading; null when it is missing, or when it
    // cannot be unpacked at all (`damaged` then tells the two apart).
    std::unique_ptr<ZipMemberDevice> openMember(const QString& name, bool* damaged = nullptr) const;
    // The member's bytes; empty when it is missing, too large or damaged.
    // `damaged` (when given) tells a present but unusable member from a
    // missing one.
    QByteArray fileData(const QString& name, bool* damaged = nullptr) const;
    void close();

    // Opens the package on the device and hands each named member that is
    // present and not empty, in order, to `read`, which returns an error
    // text (empty on success); stops at the first error. Returns that
    // error, or `unreadable` when the archive or one of the members cannot
    // be unpacked (what `read` took in before the damage showed stays).
    static QString readMembers(QIODevice* device, const QStringList& names, const QString& unreadable,
                               const std::function<QString(QIODevice*)>& read);

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

    QByteArray m_data;
    QHash<QString, Entry> m_entries;
    bool m_readable = false;
};

#endif
