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

ZipMemberDevice::ZipMemberDevice(const QByteArray& package, qint64 start, quint16 method, quint32 compressedSize,
                                 quint32 size, quint32 crc)
    : m_package(package)
    , m_start(start)
    , m_method(method)
    , m_compressedSize(compressedSize)
    , m_size(size)
    , m_crc(crc)
    , m_runningCrc(crc32(0L, nullptr, 0))
{
    if (m_method == 8) {
        m_inflating = inflateInit2(&m_stream, -MAX_WBITS) == Z_OK;
        m_stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(m_package.constData() + m_start));
        m_stream.avail_in = m_compressedSize;
    }
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

ZipMemberDevice::~ZipMemberDevice()
{
    if (m_inflating)
        inflateEnd(&m_stream);
}

qint64 ZipMemberDevice::damaged()
{
    m_damaged = true;
    m_ended = true;
    setErrorString(QStringLiteral("damaged member"));
    return -1;
}

// The whole member went by: it must be exactly as long as declared and
// carry the declared checksum.
qint64 ZipMemberDevice::finish()
{
    m_ended = true;
    if (m_produced != m_size || m_runningCrc != m_crc)
        return damaged();
    return 0;
}

qint64 ZipMemberDevice::readData(char* data, qint64 maxSize)
{
    if (m_damaged)
        return -1;
    if (m_ended || maxSize <= 0)
        return 0;
    const quint64 left = m_size - m_produced;
    qint64 produced = 0;
    if (m_method == 0) {
        if (left == 0)
            return finish();
        produced = qint64(qMin<quint64>(left, quint64(maxSize)));
        memcpy(data, m_package.constData() + m_start + qint64(m_produced), size_t(produced));
    } else if (m_method == 8 && m_inflating) {
        if (left == 0) {
            // Output complete: only the end of the stream may follow.
            char probe;
            int status = Z_OK;
            while (status == Z_OK) {
                m_stream.next_out = reinterpret_cast<Bytef*>(&probe);
                m_stream.avail_out = 1;
                const uInt before = m_stream.avail_in;
                status = inflate(&m_stream, Z_SYNC_FLUSH);
                if (m_stream.avail_out == 0 || (status == Z_OK && m_stream.avail_in == before))
                    return damaged();
            }
            if (status != Z_STREAM_END)
                return damaged();
            return finish();
        }
        const uInt room = uInt(qMin<quint64>(qMin<quint64>(left, quint64(maxSize)), 1u << 30));
        int status = Z_OK;
        // A call may only read block headers and give nothing yet.
        while (produced == 0 && status == Z_OK) {
            m_stream.next_out = reinterpret_cast<Bytef*>(data);
            m_stream.avail_out = room;
            const uInt before = m_stream.avail_in;
            status = inflate(&m_stream, Z_SYNC_FLUSH);
            produced = qint64(room - m_stream.avail_out);
            if (produced == 0 && status == Z_OK && m_stream.avail_in == before)
                return damaged();
        }
        if (status == Z_STREAM_END) {
            m_runningCrc = crc32(m_runningCrc, reinterpret_cast<const Bytef*>(data), uInt(produced));
            m_produced += quint64(produced);
            if (m_produced != m_size || m_runningCrc != m_crc)
                return damaged();
            m_ended = true;
            return produced;
        }
        if (status != Z_OK)
            return damaged();
    } else {
        return damaged();
    }
    m_runningCrc = crc32(m_runningCrc, reinterpret_cast<const Bytef*>(data), uInt(produced));
    m_produced += quint64(produced);
    return produced;
}

bool ZipMemberDevice::verify()
{
    char scratch[16384];
    while (!m_ended && !m_damaged) {
        if (read(scratch, sizeof scratch) < 0)
            break;
    }
    return !m_damaged;
}

std::unique_ptr<ZipMemberDevice> ZipPackage::openMember(const QString& name, bool* damaged) const
{
    if (damaged)
        *damaged = false;
    const auto found = m_readable ? m_entries.constFind(name) : m_entries.constEnd();
    if (found == m_entries.constEnd())
        return nullptr;
    const Entry& entry = *found;
    const qint64 local = entry.localOffset;
    bool usable = entry.size <= MaxMemberSize && (entry.method == 0 || entry.method == 8)
        && fits(m_data, local, 30) && read32(m_data, local) == LocalHeaderSignature;
    qint64 start = 0;
    if (usable) {
        start = local + 30 + read16(m_data, local + 26) + read16(m_data, local + 28);
        usable = fits(m_data, start, entry.compressedSize) && (entry.method != 0 || entry.compressedSize == entry.size);
    }
    if (!usable) {
        if (damaged)
            *damaged = true;
        return nullptr;
    }
    return std::unique_ptr<ZipMemberDevice>(
        new ZipMemberDevice(m_data, start, entry.method, entry.compressedSize, entry.size, entry.crc));
}

QByteArray ZipPackage::fileData(const QString& name, bool* damaged) const
{
    bool unusable = false;
    std::unique_ptr<ZipMemberDevice> member = openMember(name, &unusable);
    QByteArray data;
    if (member) {
        data = member->readAll();
        if (!member->verify()) {
            data.clear();
            unusable = true;
        }
    }
    if (damaged)
        *damaged = unusable;
    return data;
}

void ZipPackage::close()
{
    m_data.clear();
    m_entries.clear();
    m_readable = false;
}

QString ZipPackage::readMembers(QIODevice* device, const QStringList& names, const QString& unreadable,
                                const std::function<QString(QIODevice*)>& read)
{
    ZipPackage package(device);
    if (!package.isReadable())
        return unreadable;
    for (const QString& name : names) {
        bool damaged = false;
        std::unique_ptr<ZipMemberDevice> member = package.openMember(name, &damaged);
        // A member that is there but cannot be unpacked is a damaged
        // package, not a missing part.
        if (damaged)
            return unreadable;
        if (!member || package.m_entries.value(name).size == 0)
            continue;
        const QString error = read(member.get());
        if (!member->verify())
            return unreadable;
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
