#ifndef SERVERFILESMETAREPLY_H
#define SERVERFILESMETAREPLY_H

#include "files/cloudDisk/serverfilesmeta.h"

#include <QObject>

// One-shot reply of the sync's listing step.
class ServerFilesMetaReply : public QObject
{
    Q_OBJECT

public:
    explicit ServerFilesMetaReply(QObject* parent = nullptr)
        : QObject(parent)
    {
    }

signals:
    void finished(ServerFilesMeta meta);
};

#endif
