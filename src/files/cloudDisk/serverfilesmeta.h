#ifndef SERVERFILESMETA_H
#define SERVERFILESMETA_H

#include "files/cloudDisk/transferresult.h"

#include <QList>
#include <QMetaType>
#include <QString>

// One listed object as the sync sees it: relative path and ETag.
struct serverMeta
{
    QString sortPath;
    QString eTag;
};

// One local document found by the scan.
struct localMeta
{
    QString sortPath;
};

// The result of listing the account's objects, with the account listed.
class ServerFilesMeta
{
public:
    TransferResult result;
    QList<serverMeta> files;
    QString account;
};

Q_DECLARE_METATYPE(ServerFilesMeta)

#endif
