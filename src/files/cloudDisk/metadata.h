#ifndef METADATA_H
#define METADATA_H

#include <QMetaType>
#include <QString>

// What a run must do with one document.
enum class SyncAction {
    None = 0, // in step; never queued
    Upload = 1, // send the local state: a text, or a local deletion
    Download = 2, // take the server's state: a text, or a deletion made elsewhere
    Conflict = 4, // changed on both sides: fetch the server's text beside the local one
};

// The sync record of one document: what a run must do with it, its path
// relative to the document folder, the server object's ETag and the MD5 of
// the local bytes, and the account whose objects those are (empty in
// sidecars written before sidecars named their account).
class MetaData
{
public:
    SyncAction status = SyncAction::None;
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
