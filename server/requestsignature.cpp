#include "requestsignature.h"

#include <QCryptographicHash>
#include <QMap>
#include <QMessageAuthenticationCode>

namespace {
QByteArray header(const RequestSignature::Headers& headers, const QByteArray& name)
{
    for (const auto& h : headers) {
        if (h.first.toLower() == name)
            return h.second;
    }
    return QByteArray();
}
} // namespace

QByteArray RequestSignature::stringToSign(const QByteArray& verb, const Headers& headers, const QByteArray& resource)
{
    QMap<QByteArray, QByteArray> oss;
    for (const auto& h : headers) {
        const QByteArray name = h.first.trimmed().toLower();
        if (!name.startsWith("x-oss-"))
            continue;
        // A header sent twice signs as one line with both values.
        QByteArray& value = oss[name];
        value += (value.isEmpty() ? QByteArray() : QByteArray(",")) + h.second.trimmed();
    }
    QByteArray text = verb + '\n' + header(headers, "content-md5") + '\n' + header(headers, "content-type") + '\n'
        + header(headers, "date") + '\n';
    for (auto it = oss.constBegin(); it != oss.constEnd(); ++it)
        text += it.key() + ':' + it.value() + '\n';
    return text + resource;
}

QByteArray RequestSignature::sign(const QByteArray& secret, const QByteArray& stringToSign)
{
    return QMessageAuthenticationCode::hash(stringToSign, secret, QCryptographicHash::Sha1).toBase64();
}

bool RequestSignature::parseAuthorization(const QByteArray& header, QByteArray* keyId, QByteArray* signature)
{
    if (!header.startsWith("OSS "))
        return false;
    const QByteArray rest = header.mid(4).trimmed();
    const int colon = rest.lastIndexOf(':');
    if (colon <= 0 || colon == rest.size() - 1)
        return false;
    *keyId = rest.left(colon);
    *signature = rest.mid(colon + 1);
    return true;
}
