#include "transfercheck.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QRegularExpression>

namespace {
QString text(const char* source)
{
    return QCoreApplication::translate("TransferCheck", source);
}

TransferCheck::Result result(TransferCheck::Outcome outcome, const char* reason)
{
    TransferCheck::Result r;
    r.outcome = outcome;
    if (outcome != TransferCheck::Verified)
        r.reason = text(reason);
    return r;
}

// The lower-case hexadecimal digits of a Content-MD5 header (Base64 of the
// 16 digest bytes), or empty when it is not one.
QString md5OfHeader(const QString& header)
{
    const QByteArray digest = QByteArray::fromBase64(header.trimmed().toLatin1());
    return digest.size() == 16 ? QString::fromLatin1(digest.toHex()) : QString();
}
} // namespace

QString TransferCheck::md5Hex(const QByteArray& bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
}

QString TransferCheck::md5OfETag(const QString& etag)
{
    static const QRegularExpression plain(QStringLiteral("^\"?([0-9A-Fa-f]{32})\"?$"));
    const QRegularExpressionMatch m = plain.match(etag.trimmed());
    return m.hasMatch() ? m.captured(1).toLower() : QString();
}

TransferCheck::Result TransferCheck::download(const NetworkData& answer, const QString& listedETag)
{
    if (answer.contentLength >= 0 && answer.contentLength != answer.data.size())
        return result(WrongLength, QT_TRANSLATE_NOOP("TransferCheck", "收到的内容长度不对"));
    QString expected = md5OfHeader(answer.contentMd5);
    if (expected.isEmpty())
        expected = md5OfETag(answer.eTag.isEmpty() ? listedETag : answer.eTag);
    if (expected.isEmpty())
        return result(Unverifiable, QT_TRANSLATE_NOOP("TransferCheck", "无法校验收到的内容"));
    if (md5Hex(answer.data) != expected)
        return result(WrongDigest, QT_TRANSLATE_NOOP("TransferCheck", "收到的内容与校验值不符"));
    return result(Verified, nullptr);
}

TransferCheck::Result TransferCheck::upload(const NetworkData& answer, const QByteArray& sent)
{
    const QString confirmed = md5OfETag(answer.eTag);
    if (confirmed.isEmpty())
        return result(Unverifiable, QT_TRANSLATE_NOOP("TransferCheck", "云端没有确认收到的内容"));
    if (confirmed != md5Hex(sent))
        return result(WrongDigest, QT_TRANSLATE_NOOP("TransferCheck", "云端收到的内容与发送的不符"));
    return result(Verified, nullptr);
}
