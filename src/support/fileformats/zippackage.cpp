#include "zippackage.h"

#include <private/qzipwriter_p.h>

#include <QBuffer>
#include <QIODevice>
#include <QtEndian>

#include <zlib.h>

namespace {

const quint32 LocalHeaderSignature = 0x04034B50u;
const quint32 CentralHeaderSignature = 0x02014B50u;
const quint32 EndOfDirectorySignature = 0x06054B50u;

quint16 read16(const QByteArray& data, qint64 at)
{
    return qFromLittleEndian<quint16>(data.constData() + at);
}

quint32 read32(const QByteArray& data, qint64 at)
{
    return qFromLittleEndian<quint32>(data.constData() + at);
}

bool fits(const QByteArray& data, qint64 at, qint64 length)
{
    return at >= 0 && length >= 0 && at + length <= data.size();
}

}

ZipPackage::ZipPackage(QIODevice* device)
{
    if (!device || !device->isReadable() || device->isSequential())
        return;
    if (device->size() > MaxPackageSize)
        return;
    const qint64 position = device->pos();
    if (!device->seek(0))
        return;
    m_data = device->readAll();
    device->seek(position);
    m_readable = readDirectory();
    if (!m_readable)
        m_data.clear();
}

bool ZipPackage::canRead(QIODevice* device)
{
    const QByteArray head = device ? device->peek(4) : QByteArray();
    return head.size() == 4 && read32(head, 0) == LocalHeaderSignature;
}

bool ZipPackage::readDirectory()
{
    // The end-of-directory record is the last 22 bytes plus a comment of
    // at most 65535 bytes.
    qint64 end = -1;
    for (qint64 at = m_data.size() - 22; at >= 0 && at >= m_data.size() - 22 - 65535; --at) {
        if (read32(m_data, at) == EndOfDirectorySignature) {
            end = at;
            break;
        }
    }
    if (end < 0)
        return false;
    const quint16 count = read16(m_data, end + 10);
    const qint64 directorySize = read32(m_data, end + 12);
    qint64 at = read32(m_data, end + 16);
    if (!fits(m_data, at, directorySize))
        return false;
    for (int i = 0; i < count; ++i) {
        if (!fits(m_data, at, 46) || read32(m_data, at) != CentralHeaderSignature)
            return false;
        Entry entry;
        const quint16 flags = read16(m_data, at + 8);
        entry.method = read16(m_data, at + 10);
        entry.crc = read32(m_data, at + 16);
        entry.compressedSize = read32(m_data, at + 20);
        entry.size = read32(m_data, at + 24);
        const quint16 nameLength = read16(m_data, at + 28);
        const quint16 extraLength = read16(m_data, at + 30);
        const quint16 commentLength = read16(m_data, at + 32);
        entry.localOffset = read32(m_data, at + 42);
        if (!fits(m_data, at + 46, nameLength))
            return false;
        const QByteArray rawName = m_data.mid(int(at + 46), nameLength);
        const QString name = (flags & 0x0800) ? QString::fromUtf8(rawName) : QString::fromLatin1(rawName);
        if (!m_entries.contains(name))
            m_entries.insert(name, entry);
        at += 46 + nameLength + extraLength + commentLength;
    }
    return !m_entries.isEmpty();
}

QByteArray ZipPackage::fileData(const QString& name, bool* damaged) const
{
    const bool present = m_readable && m_entries.contains(name);
    const QByteArray data = present ? unpack(name) : QByteArray();
    if (damaged)
        *damaged = present && data.isEmpty() && m_entries.value(name).size != 0;
    return data;
}

QByteArray ZipPackage::unpack(const QString& name) const
{
    const auto found = m_entries.constFind(name);
    const Entry& entry = *found;
    if (entry.size > MaxMemberSize)
        return QByteArray();
    const qint64 local = entry.localOffset;
    if (!fits(m_data, local, 30) || read32(m_data, local) != LocalHeaderSignature)
        return QByteArray();
    const qint64 start = local + 30 + read16(m_data, local + 26) + read16(m_data, local + 28);
    if (!fits(m_data, start, entry.compressedSize))
        return QByteArray();

    QByteArray result;
    if (entry.method == 0) {
        if (entry.compressedSize != entry.size)
            return QByteArray();
        result = m_data.mid(int(start), int(entry.size));
    } else if (entry.method == 8) {
        z_stream stream {};
        if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
            return QByteArray();
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(m_data.constData() + start));
        stream.avail_in = entry.compressedSize;
        // The output may not grow past the declared size: a member whose
        // data unpacks to more than it claims is damaged (or hostile).
        result.resize(int(entry.size));
        stream.next_out = reinterpret_cast<Bytef*>(result.data());
        stream.avail_out = entry.size;
        int status = inflate(&stream, Z_FINISH);
        if (status == Z_BUF_ERROR && stream.avail_out == 0 && stream.avail_in > 0) {
            // Output full but input left: only acceptable if nothing more
            // would come out.
            char probe;
            stream.next_out = reinterpret_cast<Bytef*>(&probe);
            stream.avail_out = 1;
            status = inflate(&stream, Z_FINISH);
            if (stream.avail_out == 0)
                status = Z_DATA_ERROR;
        }
        const uLong produced = stream.total_out;
        inflateEnd(&stream);
        if (status != Z_STREAM_END || produced != entry.size)
            return QByteArray();
    } else {
        return QByteArray();
    }
    if (crc32(0L, reinterpret_cast<const Bytef*>(result.constData()), uInt(result.size())) != entry.crc)
        return QByteArray();
    return result;
}

void ZipPackage::close()
{
    m_data.clear();
    m_entries.clear();
    m_readable = false;
}

QString ZipPackage::readMembers(QIODevice* device, const QStringList& names, const QString& unreadable,
                                const std::function<QString(const QByteArray&)>& read)
{
    ZipPackage package(device);
    if (!package.isReadable())
        return unreadable;
    for (const QString& name : names) {
        bool damaged = false;
        const QByteArray data = package.fileData(name, &damaged);
        // A member that is there but cannot be unpacked is a damaged
        // package, not a missing part.
        if (damaged)
            return unreadable;
        if (data.isEmpty())
            continue;
        const QString error = read(data);
        if (!error.isEmpty())
            return error;
    }
    return QString();
}

bool ZipPackage::writePackage(QIODevice* device, const std::function<void(QZipWriter&)>& fill)
{
    QByteArray package;
    QBuffer buffer(&package);
    buffer.open(QIODevice::WriteOnly);
    QZipWriter zip(&buffer);
    if (zip.status() != QZipWriter::NoError)
        return false;
    fill(zip);
    zip.close();
    if (zip.status() != QZipWriter::NoError)
        return false;
    return device->write(package) == package.size();
}
