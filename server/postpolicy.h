#ifndef POSTPOLICY_H
#define POSTPOLICY_H

#include <QByteArray>
#include <QString>

// The policy document of form uploads: Base64 of a JSON object with an
// "expiration" date and "conditions". The server writes policies that
// allow keys under one folder and bodies up to a size, and signs them with
// the credential's secret (see RequestSignature::sign).
class PostPolicy
{
public:
    static QByteArray make(const QByteArray& dir, qint64 expires, qint64 maxSize);
    // Whether the policy admits an upload of size bytes to key at the
    // time now; problem says why not. Conditions it does not know refuse.
    static bool admits(const QByteArray& policy, const QByteArray& key, qint64 size, qint64 now, QString* problem);
};

#endif
