#ifndef RESULTCOUNTTYPE_H
#define RESULTCOUNTTYPE_H

#include <QDate>
#include <QMap>
#include <QMetaType>
#include <QString>

// Per-document counts: for each document key the initial count and the
// latest count, with the day they belong to (null when unset). A table
// downloaded from the server carries in code what the download found: 200
// when the server's table was read, 404 when it has none, anything else
// when nothing is known about it (0 for a table made here).
struct resultCountType {
    QDate date;
    QMap<QString, int> initi;
    QMap<QString, int> now;
    int code = 0;
};

Q_DECLARE_METATYPE(resultCountType)

#endif
