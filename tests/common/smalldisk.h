#ifndef SMALLDISK_H
#define SMALLDISK_H

// Real disk faults for tests, as root (CI runs as root): a tmpfs of a few
// hundred KiB mounted by the test and filled to the last block, a read-only
// bind mount of a folder, and an immutable file (chattr +i). Each undoes
// itself when it goes out of scope.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <sys/mount.h>
#include <sys/statvfs.h>

class SmallDisk
{
public:
    explicit SmallDisk(int kib = 256)
    {
        m_dir.setAutoRemove(true);
        const QByteArray options = "size=" + QByteArray::number(kib) + "k";
        m_mounted = m_dir.isValid()
            && ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, options.constData()) == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    bool isMounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }

    // Takes every free block with a filler file: afterwards not one more
    // byte can be written.
    bool fill()
    {
        QFile filler(m_dir.path() + QStringLiteral("/.filler"));
        if (!filler.open(QIODevice::Append | QIODevice::Unbuffered))
            return false;
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) { }
        while (filler.write(block.left(1)) == 1) { }
        return freeBytes() == 0;
    }
    // Gives the space back.
    void release() { QFile::remove(m_dir.path() + QStringLiteral("/.filler")); }

    qint64 freeBytes() const
    {
        struct statvfs s;
        if (::statvfs(QFile::encodeName(m_dir.path()).constData(), &s) != 0)
            return -1;
        return qint64(s.f_bavail) * qint64(s.f_frsize);
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

// A folder made read-only for everyone, root included, by a read-only bind
// mount over itself.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString& folder)
        : m_path(QFile::encodeName(folder))
    {
        m_mounted = ::mount(m_path.constData(), m_path.constData(), nullptr, MS_BIND, nullptr) == 0;
        if (m_mounted && ::mount(nullptr, m_path.constData(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
            ::umount2(m_path.constData(), MNT_DETACH);
            m_mounted = false;
        }
    }
    ~ReadOnlyFolder()
    {
        if (m_mounted)
            ::umount2(m_path.constData(), MNT_DETACH);
    }
    bool isActive() const { return m_mounted; }

private:
    QByteArray m_path;
    bool m_mounted = false;
};

// A file (or folder) that nobody, root included, may change: chattr +i.
// Needs a filesystem that keeps the attribute (not tmpfs).
class ImmutableFile
{
public:
    explicit ImmutableFile(const QString& path)
        : m_path(path)
    {
        m_active = QProcess::execute(QStringLiteral("chattr"), { QStringLiteral("+i"), m_path }) == 0;
    }
    ~ImmutableFile()
    {
        if (m_active)
            QProcess::execute(QStringLiteral("chattr"), { QStringLiteral("-i"), m_path });
    }
    bool isActive() const { return m_active; }

private:
    QString m_path;
    bool m_active = false;
};

#endif
