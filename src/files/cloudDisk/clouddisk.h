#ifndef CLOUDDISK_H
#define CLOUDDISK_H

#include <QObject>
#include <QStringList>
#include <QTimer>

// Document sync engine: compares local documents with the server copies and
// transfers them. Until the object-storage client exists a run compares
// nothing and ends at once, with the same notices and state changes as a
// run that found nothing to transfer.
class cloudDisk : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool updating READ updating NOTIFY updatingChanged)
    Q_PROPERTY(QString cloudTips READ cloudTips NOTIFY cloudTipsChanged)
    Q_PROPERTY(QStringList conflictFileList READ conflictFileList NOTIFY conflictFileListChanged)

public:
    explicit cloudDisk(int period = 180000, QObject* parent = nullptr);
    bool updating() const { return m_updating; }
    void setUpdating(bool value);
    QString cloudTips() const { return m_cloudTips; }
    void setCloudTips(const QString& value);
    QStringList conflictFileList() const { return m_conflictFileList; }
    void setConflictFileList(const QStringList& value);

public slots:
    void doUpdate(bool showError = false);

signals:
    void updatingChanged(bool updating);
    void cloudTipsChanged(const QString& cloudTips);
    void conflictFileListChanged(const QStringList& conflictFileList);

private:
    void finishRun(bool showError);

    bool m_updating = false;
    QString m_cloudTips;
    QStringList m_conflictFileList;
    QTimer m_timer;
};

#endif
