#include "avatarstore.h"

#include "atomicfile.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>

#include <mutex>
#include <QRegularExpression>

bool AvatarStore::open(const QString& folder, QString* error)
{
    m_folder = folder;
    if (!QDir().mkpath(folder + QStringLiteral("/tmp"))) {
        *error = QStringLiteral("cannot create ") + folder;
        return false;
    }
    return true;
}

QString AvatarStore::save(const QByteArray& upload, QString* problem) const
{
    if (upload.isEmpty()) {
        *problem = QStringLiteral("the file is empty");
        return QString();
    }
    if (upload.size() > maxUpload) {
        *problem = QStringLiteral("the file is larger than 2 MB");
        return QString();
    }
    QBuffer buffer;
    buffer.setData(upload);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > 8192 || size.height() > 8192) {
        *problem = QStringLiteral("the data is not a picture of a usable size");
        return QString();
    }
    // One picture is decoded at a time: a large one takes far more memory
    // than its upload, and parallel uploads would add up.
    static std::mutex decoding;
    std::unique_lock<std::mutex> lock(decoding);
    QImage image = reader.read();
    lock.unlock();
    if (image.isNull()) {
        *problem = QStringLiteral("the data is not a picture");
        return QString();
    }
    if (image.width() > maxSide || image.height() > maxSide)
        image = image.scaled(maxSide, maxSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QByteArray png;
    QBuffer out(&png);
    out.open(QIODevice::WriteOnly);
    if (!image.save(&out, "PNG")) {
        *problem = QStringLiteral("the picture could not be converted");
        return QString();
    }
    const QString name = QString::fromLatin1(QCryptographicHash::hash(png, QCryptographicHash::Md5).toHex()) + QStringLiteral(".png");
    if (!AtomicFile::write(m_folder + QLatin1Char('/') + name, m_folder + QStringLiteral("/tmp"), { png }, problem))
        return QString();
    return name;
}

QByteArray AvatarStore::read(const QString& name) const
{
    static const QRegularExpression valid(QStringLiteral("^[0-9a-f]{32}\\.png$"));
    if (!valid.match(name).hasMatch())
        return QByteArray();
    QFile file(m_folder + QLatin1Char('/') + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
