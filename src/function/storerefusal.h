#ifndef STOREREFUSAL_H
#define STOREREFUSAL_H

#include "function/networkdata.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

// Why the object store refused a request, in words a writer can act on. A
// device clock too far from the server's ("RequestTimeTooSkewed") refuses
// every signed request: it is named as such, with the device's time and the
// server's. Any other refusal names its HTTP status and the store's code.
class StoreRefusal
{
    Q_DECLARE_TR_FUNCTIONS(StoreRefusal)

public:
    // The text for an answer with an error status; empty for any other.
    static QString text(const NetworkData& answer);
    // The clock text when the answer refuses the device's clock, else empty.
    static QString clockText(const NetworkData& answer);
    // The clock text for the two times, shown in local time.
    static QString clockText(const QDateTime& device, const QDateTime& server);
};

#endif
