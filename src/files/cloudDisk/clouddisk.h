#ifndef CLOUDDISK_H
#define CLOUDDISK_H

#include "files/cloudDisk/metadata.h"
#include "files/cloudDisk/serverfilesmeta.h"
#include "support/userfile.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <QVariantMap>

class ServerFilesMetaReply;
class UserDatas;

// Two-way sync of the document folder with the objects under
// "data/<login>/" in the bucket. A run lists the objects, compares them on a
// worker thread with the local documents and their ".meta" sidecars, then
// works through the queued uploads, downloads and conflicts one at a time.
// Conflicts keep the server version beside the document as "<name>.server"
// until the user chooses on the conflict page.
//
// A folder last synced by another account is not synced: when a sidecar
// names another account, or the sidecars name none and the signed-in
// account's cloud holds too few of the versions they record
// (AnalysisSyncWorker::folderOwner), the run stops before any transfer and
// the writer is asked (folderQuestion) to merge the folder into the
// signed-in account or to choose another document folder. Each account's
// sidecars are left as they are until then; merging removes the other
// accounts' sidecars, so that the folder's documents meet the signed-in
// account's as new ones: nothing is removed, equal texts settle, differing
// ones become conflicts.
//
// A run belongs to the account and the document folder it started with.
// Signing out, a change of account or folder, switching sync off and
// quitting stop it: the queue is dropped and answers still under way change
// nothing. A transfer that fails below HTTP (no answer in time, a dropped
// connection, a body that does not verify, no credentials) ends the run
// too; what is left is tried again by the next run. Any other failed
// transfer (refused by the server, a full disk) lets the queue go on; the
// run then ends as not complete, naming each such document and why, and
// its sidecar stays as it was, so the next run transfers it again.
class cloudDisk : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString cloudTips READ cloudTips WRITE setCloudTips NOTIFY cloudTipsChanged)
    Q_PROPERTY(bool updating READ updating WRITE setUpdating NOTIFY updatingChanged)
    Q_PROPERTY(QStringList conflictFileList READ conflictFileList WRITE setConflictFileList NOTIFY conflictFileListChanged)
    Q_PROPERTY(bool folderQuestion READ folderQuestion NOTIFY folderQuestionChanged)
    Q_PROPERTY(QString folderAccount READ folderAccount NOTIFY folderQuestionChanged)

public:
    // The writer's choice for a document changed on both sides.
    enum ConflictChoice { KeepLocal = 0, KeepServer = 1, KeepBoth = 2 };
    Q_ENUM(ConflictChoice)
    // Who starts a run: the writer (a cloud button or menu entry), or the
    // program (the timer, a sign-in, a new document, the closed conflict
    // page, quitting).
    enum Origin { Writer, Program };
    Q_ENUM(Origin)

    explicit cloudDisk(int period = 180000, QObject* parent = nullptr);
    cloudDisk(const QString&, const QString&, int interval);
    ~cloudDisk() override;

    bool updating() const { return m_updating; }
    QString cloudTips() const { return m_cloudTips; }
    QStringList conflictFileList() const { return m_conflictFileList; }
    // The folder question waits for the writer; folderAccount is the
    // account the folder's sidecars name ("" when they name none). It is
    // dropped on sign-out, on a change of account and by a start in
    // another document folder.
    bool folderQuestion() const { return !m_question.login.isEmpty(); }
    QString folderAccount() const { return m_question.otherAccount; }

    // ---- records, sidecars and paths (no object state; the worker uses them) ----
    static const QStringList& cloudFilters();
    static MetaData getMetaData(const QString& rel);
    static bool setMetaData(const MetaData& record);
    // setMetaData with the writer's result and reason.
    static UserFile::Result writeMetaData(const MetaData& record);
    static QString Md5(const QString& rel);
    static QList<localMeta> localFiles();
    static QStringList findFiles(QString folder, const QStringList& patterns);
    static QString serverPath(const QString& rel);
    static QString localPath(const QString& rel);
    static QString metaFilePath(const QString& rel);
    // Every sidecar of the document folder with a record, by relative path.
    static QMap<QString, MetaData> sidecars();
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

    Q_INVOKABLE bool solveConflict(const QString& sortPath, ConflictChoice keep);
    void solveConflict() {}
    // The two sides of a conflict for the conflict page: "localText",
    // "serverText", "localDate", "serverDate" (the versions' times: the
    // local file's, the cloud object's), "localOffset" and "serverOffset"
    // (where the first line that differs starts in each text).
    Q_INVOKABLE QVariantMap conflictSides(const QString& sortPath) const;

    TransferReply* upload(const MetaData& record);
    TransferReply* download(const MetaData& record);
    TransferReply* conflict(const MetaData& record);
    bool autoMergeData(const QString& sortPath);

    // The one way to start a sync, for every button, menu entry and the
    // program alike. The open documents are saved first. A writer's start
    // then shows what stands in the way instead of running: the sign-in
    // page when nobody is signed in, the folder question while it stands,
    // the conflict page while conflicts wait; otherwise it runs with
    // notices. The program's start runs quietly (doUpdate(false)).
    Q_INVOKABLE void sync(Origin origin);
    // The writer's answer to the folder question: the folder's documents
    // go into the signed-in account. The sidecars of other accounts (and
    // those naming none) are removed and a run starts. False, with a notice,
    // when a sidecar could not be removed; the question then stands.
    Q_INVOKABLE bool mergeFolder();

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
    void folderQuestionChanged();
    // The folder question is to be shown: it has just arisen, or a writer's
    // start met it.
    void showFolderQuestion();

private:
    // What a run is bound to; id 0 is no run.
    struct Run
    {
        quint64 id = 0;
        QString login;
        QString folder;
    };

    // Reads a whole file; false when it exists but cannot be read.
    static bool readAll(const QString& path, QByteArray& bytes);
    // A history snapshot of a document before the sync replaces or removes it.
    static bool snapshot(const QString& path);
    static UserDatas* account();

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
    // Ends the run: drops the queue and ignores answers still under way.
    void endRun();
    // Writes a transfer's outcome; the record's account is the run's.
    UserFile::Result record(const QString& path, const QString& etag, const QString& md5);
    void accountChanged();
    // Drops the conflicts waiting for the user, with their server copies:
    // they belong to the account that fetched them.
    void dropConflicts();
    // A document changed on both sides waits for the writer; etag is the
    // cloud version's.
    void listConflict(MetaData record, const QString& etag);
    void setQuestion(const QString& login, const QString& folder, const QString& otherAccount);
    // The question stands for the signed-in account and the current folder.
    bool questionStands() const;

    QTimer m_timer;
    QString m_cloudTips;
    bool m_updating = false;
    QStringList m_conflictFileList;
    QList<MetaData> m_conflicts;
    QList<MetaData> m_queue;
    bool m_showMessage = false;
    struct Question
    {
        QString login; // asked of this account
        QString folder; // about this document folder
        QString otherAccount;
    };
    Question m_question;
    Run m_run;
    quint64 m_lastRunId = 0;
    QString m_abortReason;
    // The documents this run could not transfer, with the reason for each.
    QList<QPair<QString, QString>> m_failures;
};

#endif
