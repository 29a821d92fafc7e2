#ifndef OBJECTKEY_H
#define OBJECTKEY_H

#include <QByteArray>
#include <QString>

// The keys the storage accepts from clients: UTF-8 text of 1 to 1023
// bytes, no control characters, "/"-separated segments none of which is
// empty, "." or "..". (Clients turn keys into paths on their disks.)
class ObjectKey
{
public:
    // Empty when the key is acceptable, else the reason.
    static QString problem(const QByteArray& key);

    static const int maxBytes = 1023;
};

#endif
