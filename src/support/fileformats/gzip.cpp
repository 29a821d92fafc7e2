#include "gzip.h"

#include <QFile>
#include "support/userfile.h"

#include <zlib.h>

bool gzip(const QString& path)
{
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = input.readAll();
    input.close();

    z_stream stream {};
    // 15 window bits plus 16 selects the gzip wrapper.
    if (deflateInit2(&stream, 9, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return false;
    QByteArray output;
    output.resize(int(deflateBound(&stream, uLong(content.size()))));
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(content.constData()));
    stream.avail_in = uInt(content.size());
    stream.next_out = reinterpret_cast<Bytef*>(output.data());
    stream.avail_out = uInt(output.size());
    const int result = deflate(&stream, Z_FINISH);
    const uLong written = stream.total_out;
    deflateEnd(&stream);
    if (result != Z_STREAM_END)
        return false;
    output.resize(int(written));

    return bool(UserFile::write(path, output, UserFile::NoOptions));
}

QByteArray gunzip(const QString& path, qint64 maxSize)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    gzFile stream = gzopen(QFile::encodeName(path).constData(), "rb");
    if (!stream)
        return QByteArray();
    QByteArray result;
    QByteArray chunk(262144, Qt::Uninitialized);
    for (;;) {
        const int read = gzread(stream, chunk.data(), unsigned(chunk.size()));
        if (read <= 0)
            break;
        if (result.size() + qint64(read) > maxSize) {
            result.clear();
            break;
        }
        result.append(chunk.constData(), read);
    }
    gzclose(stream);
    return result;
}
