#include "zippackage.h"

#include <private/qzipreader_p.h>

#include <QIODevice>

ZipPackage::ZipPackage(QIODevice* device)
{
    if (!device || !device->isReadable() || device->isSequential())
        return;
    m_reader.reset(new QZipReader(device));
    // QZipReader reports no error for a missing central directory; it just
    // lists nothing. A package always has members, so an empty list means
    // a damaged or truncated archive.
    m_readable = m_reader->status() == QZipReader::NoError && m_reader->count() > 0;
}

ZipPackage::~ZipPackage() = default;

bool ZipPackage::isReadable() const
{
    return m_readable;
}

QByteArray ZipPackage::fileData(const QString& name) const
{
    if (!m_readable)
        return QByteArray();
    const QVector<QZipReader::FileInfo> entries = m_reader->fileInfoList();
    for (const QZipReader::FileInfo& entry : entries) {
        if (entry.filePath != name)
            continue;
        if (!entry.isFile || entry.size < 0 || entry.size > MaxMemberSize)
            return QByteArray();
        QByteArray data = m_reader->fileData(name);
        if (data.size() > MaxMemberSize)
            return QByteArray();
        return data;
    }
    return QByteArray();
}

void ZipPackage::close()
{
    // QZipReader::close() would close the caller's device as well; the
    // device belongs to the caller, so only the package is let go.
    m_reader.reset();
    m_readable = false;
}
