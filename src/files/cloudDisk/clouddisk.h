#ifndef CLOUDDISK_H
#define CLOUDDISK_H

#include "files/cloudDisk/metadata.h"
#include "files/cloudDisk/serverfilesmeta.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QUrl>

class BoolReply;
class NetworkData;
class ServerFilesMetaReply;

// Two-way sync of the document folder with the objects under
// "data/<login>/" in the bucket. A run lists the objects, compares them on a
// worker thread with the local documents and their ".meta" sidecars, then
// works through the queued uploads, downloads and conflicts one at a time.
// Conflicts keep the server version beside the document as "<name>.server"
// until the user chooses on the conflict page.
//
// A run belongs to the account and the document folder it started with.
// Signing out, a change of account or folder, switching sync off and
// quitting stop it: the queue is dropped and answers still under way change
// nothing. A transfer that fails below HTTP (no answer in time, a dropped
// connection, a body that does not verify, no credentials) ends the run
// too; what is left is tried again by the next run.
class cloudDisk : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString cloudTips READ cloudTips WRITE setCloudTips NOTIFY cloudTipsChanged)
    Q_PROPERTY(bool updating READ updating WRITE setUpdating NOTIFY updatingChanged)
    Q_PROPERTY(QStringList conflictFileList READ conflictFileList WRITE setConflictFileList NOTIFY conflictFileListChanged)

public:
    explicit cloudDisk(int period = 180000, QObject* parent = nullptr);
    cloudDisk(const QString&, const QString&, int interval);
    ~cloudDisk() override;

    bool updating() const { return m_updating; }
    QString cloudTips() const { return m_cloudTips; }
    QStringList conflictFileList() const { return m_conflictFileList; }

    // ---- records, sidecars and paths (no object state; the worker uses them) ----
    static const QStringList& cloudFilters();
    static MetaData getMetaData(const QString& rel);
    static bool setMetaData(const MetaData& record);
    static QString Md5(const QString& rel);
    static QList<localMeta> localFiles();
    static QStringList findFiles(QString folder, const QStringList& patterns);
    static QString serverPath(const QString& rel);
    static QString localPath(const QString& rel);
    static QString metaFilePath(const QString& rel);
    // The relative path of a listed key, or a null string when the key is
    // not one the sync may turn into a local file (outside the account's
    // prefix, "..", empty or hidden bookkeeping folders, foreign types).
    static QString relativeKey(const QString& key, const QString& prefix);
    static QString conflictFileName(const QString& path);
    Q_INVOKABLE QUrl getLocalFullPath(const QString& rel) const;
    Q_INVOKABLE QUrl getServerFullPath(const QString& rel) const;

    // The word-mark merge of two mark files; the merged JSON text, empty
    // when they cannot be merged. Stands in for MarkModel::mergeJsonFiles
    // until the word-mark model provides it.
    static QString mergeMarkFiles(const QString& localFile, const QString& serverCopy);

    Q_INVOKABLE bool solveConflict(const QString& sortPath, int keep);
    void solveConflict() {}

    BoolReply* upload(const MetaData& record);
    BoolReply* download(const MetaData& record);
    BoolReply* conflict(const MetaData& record);
    bool autoMergeData(const QString& sortPath);

public slots:
    void doUpdate(bool showMessage = false);
    void setCloudTips(const QString& value);
    void setUpdating(bool value);
    void setConflictFileList(const QStringList& value);
    void showError(const QString& text);
    void checkSync();
    void addSyncMeta(MetaData record);
    // Ends the active run at once (nothing more is sent or written for it)
    // with tips as its progress text.
    void stop(const QString& tips);

signals:
    void cloudTipsChanged(QString cloudTips);
    void updatingChanged(bool updating);
    void conflictFileListChanged(QStringList conflictFileList);

private:
    // What a run is bound to; id 0 is no run.
    struct Run
    {
        quint64 id = 0;
        QString login;
        QString folder;
    };

    ServerFilesMetaReply* serverFiles();
    void analysisSyncMeta(const ServerFilesMeta& meta);
    void removeEmptyFolders(const QString& folder);
    // A failed step: the progress text with the path, and the notice.
    void report(const QString& tips, const QString& notice, const QString& path);
    // Why the active run may not go on (signed out, another account or
    // folder, sync switched off); empty while it may.
    QString invalidReason() const;
    // True while the answer of a step of run id may still change files.
    bool current(quint64 id) const;
    // A failed exchange of a step: one that failed below HTTP or could get
    // no credentials ends the run after this step.
    void noteFailure(const NetworkData& answer, const QString& path);
    // Ends the run: drops the queue and ignores answers still under way.
    void endRun();
    // Writes a transfer's outcome; the record's account is the run's.
    bool record(const QString& path, const QString& etag, const QString& md5);
    void accountChanged();

    QTimer m_timer;
    QString m_cloudTips;
    bool m_updating = false;
    QStringList m_conflictFileList;
    QList<MetaData> m_conflicts;
    QList<MetaData> m_queue;
    bool m_showMessage = false;
    Run m_run;
    quint64 m_lastRunId = 0;
    QString m_abortReason;
};

#endif
