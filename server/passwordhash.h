#ifndef PASSWORDHASH_H
#define PASSWORDHASH_H

#include <QByteArray>
#include <QString>

// Salted PBKDF2-HMAC-SHA256 password records, stored as one text:
// "pbkdf2-sha256$<iterations>$<salt base64>$<digest base64>". The
// iteration count travels in the record, so it can be raised later without
// breaking the records already stored.
class PasswordHash
{
public:
    static QString make(const QString& password, int iterations = defaultIterations);
    // Constant-time comparison; false for a record in any other form.
    static bool verify(const QString& password, const QString& record);

    static const int defaultIterations = 50000;
};

#endif
