#ifndef METADATA_H
#define METADATA_H

#include <QMetaType>
#include <QString>

// The sync record of one document: what a run must do with it (1 upload,
// 2 download, 4 conflict, 0 nothing), its path relative to the document
// folder, the server object's ETag and the MD5 of the local bytes, and the
// account whose objects those are (empty in sidecars written before
// sidecars named their account).
class MetaData
{
public:
    int status = 0;
    QString sortPath = QStringLiteral("");
    QString Etag = QStringLiteral("");
    QString Md5 = QStringLiteral("");
    QString account = QStringLiteral("");
    // In a queued record: the MD5 of the local file when the run compared
    // it ("" when there was none). A transfer that would replace or remove
    // the local file first checks that it is still that file.
    QString localMd5 = QStringLiteral("");
};

Q_DECLARE_METATYPE(MetaData)

#endif
