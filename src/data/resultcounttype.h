#ifndef RESULTCOUNTTYPE_H
#define RESULTCOUNTTYPE_H

#include <QDate>
#include <QMap>
#include <QMetaType>
#include <QString>

// Per-document counts: for each document key the initial count and the
// latest count, with the day they belong to (null when unset).
struct resultCountType {
    QDate date;
    QMap<QString, int> initi;
    QMap<QString, int> now;
};

Q_DECLARE_METATYPE(resultCountType)

#endif
