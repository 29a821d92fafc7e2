#include "objectkey.h"

#include <QList>

QString ObjectKey::problem(const QByteArray& key)
{
    if (key.isEmpty())
        return QStringLiteral("The object key is empty.");
    if (key.size() > maxBytes)
        return QStringLiteral("The object key is longer than %1 bytes.").arg(maxBytes);
    if (QString::fromUtf8(key).toUtf8() != key)
        return QStringLiteral("The object key is not UTF-8.");
    for (const char c : key) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7f)
            return QStringLiteral("The object key holds a control character.");
    }
    for (const QByteArray& segment : key.split('/')) {
        if (segment.isEmpty())
            return QStringLiteral("The object key has an empty segment.");
        if (segment == "." || segment == "..")
            return QStringLiteral("The object key has a \".\" or \"..\" segment.");
    }
    return QString();
}
