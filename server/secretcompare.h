#ifndef SECRETCOMPARE_H
#define SECRETCOMPARE_H

#include <QByteArray>

// Compares secrets (signatures, digests) in a time that does not depend on
// where they first differ.
class SecretCompare
{
public:
    static bool equal(const QByteArray& a, const QByteArray& b);
};

#endif
