#ifndef FILES_H
#define FILES_H

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QUrl>

class cloudDisk;
class FileFilterModel;

// The document tree object behind the file pages ("files"): current folder and
// file, recent files, document creation and deletion, imports and the relay to
// the document sync engine.
class files : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QUrl currentPath READ currentPath WRITE setCurrentPath NOTIFY currentPathChanged)
    Q_PROPERTY(QUrl currentFile READ currentFile WRITE setCurrentFile NOTIFY currentFileChanged)
    Q_PROPERTY(QUrl historyPath READ historyPath NOTIFY historyPathChanged)
    Q_PROPERTY(QString cloudTips READ cloudTips WRITE setCloudTips NOTIFY cloudTipsChanged)
    Q_PROPERTY(QUrl documentUrl READ documentUrl WRITE setDocumentUrl NOTIFY documentUrlChanged)
    Q_PROPERTY(QStringList recentFiles READ recentFiles NOTIFY recentFilesChanged)
    Q_PROPERTY(bool updating READ updating NOTIFY updatingChanged)

public:
    explicit files(QObject* parent = nullptr);

    cloudDisk* fileCloudDisk() const { return m_cloudDisk; }
    FileFilterModel* filterModel() const { return m_filterModel; }

    QUrl currentPath() const { return m_currentPath; }
    void setCurrentPath(const QUrl& path);
    QUrl currentFile() const { return m_currentFile; }
    void setCurrentFile(const QUrl& file);
    QUrl historyPath() const { return m_historyPath; }
    QString cloudTips() const { return m_cloudTips; }
    void setCloudTips(const QString& tips);
    QUrl documentUrl() const { return m_documentUrl; }
    void setDocumentUrl(const QUrl& url);
    QStringList recentFiles() const { return m_recentFiles; }
    bool updating() const { return m_updating; }

    Q_INVOKABLE void setRecentFile(const QUrl& file);
    Q_INVOKABLE void clearRecentFiles();
    Q_INVOKABLE QUrl newFile();
    Q_INVOKABLE QString newDir();
    Q_INVOKABLE void delFile();
    Q_INVOKABLE void importFiles(const QList<QUrl>& files, const QUrl& localUrl);
    Q_INVOKABLE void importDir(const QUrl& url, const QUrl& localPath);
    Q_INVOKABLE void showInFinder();
    Q_INVOKABLE void sortFile();

public slots:
    void doCloud(bool showError);
    void doCloud() { doCloud(false); }

signals:
    void currentPathChanged(const QUrl& currentPath);
    void currentFileChanged(const QUrl& currentFile);
    void historyPathChanged(const QUrl& historyPath);
    void cloudTipsChanged(const QString& cloudTips);
    void documentUrlChanged(const QUrl& documentUrl);
    void documentPathChanged(const QString& documentPath);
    void recentFilesChanged();
    void updatingChanged(bool updating);
    void closeFile(const QUrl& file);

private:
    void loadRecentFiles();
    void setUpdating(bool updating);

    cloudDisk* m_cloudDisk = nullptr;
    FileFilterModel* m_filterModel = nullptr;
    bool m_relaying = false;
    QUrl m_currentPath;
    QUrl m_currentFile;
    QUrl m_historyPath;
    QString m_cloudTips;
    QUrl m_documentUrl;
    QStringList m_recentFiles;
    bool m_updating = false;
};

#endif
