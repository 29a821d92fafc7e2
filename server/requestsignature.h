#ifndef REQUESTSIGNATURE_H
#define REQUESTSIGNATURE_H

#include <QByteArray>
#include <QList>
#include <QPair>

// The object-storage header signature (version 1), built from the request
// as it was received: the verb, the Content-MD5, Content-Type and Date
// headers exactly as sent (empty lines when absent), every "x-oss-" header
// (names in lower case, sorted, "name:value" lines) and the canonical
// resource "/<bucket>/<key>". Nothing is assumed about what a client
// leaves out: whatever it sent is what it must have signed.
class RequestSignature
{
public:
    using Headers = QList<QPair<QByteArray, QByteArray>>;

    static QByteArray stringToSign(const QByteArray& verb, const Headers& headers, const QByteArray& resource);
    // Base64 of HMAC-SHA1 of the text with the secret.
    static QByteArray sign(const QByteArray& secret, const QByteArray& stringToSign);
    // Splits "OSS <key id>:<signature>"; false for anything else.
    static bool parseAuthorization(const QByteArray& header, QByteArray* keyId, QByteArray* signature);
};

#endif
