#ifndef FILEINFOTHREAD_H
#define FILEINFOTHREAD_H

#include "folderlistmodel/fileproperty.h"
#include "folderlistmodel/qquickfolderlistmodel.h"

#include <QDir>
#include <QFileSystemWatcher>
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

// The worker behind one folder list model: lists one folder with the model's
// filters on a low-priority thread, drops excluded names, orders entries by
// the numbers in their names (unless sorted by time, size or type), watches
// the folder and hands each new listing, with the rows that changed, to the
// model by queued signals.
class FileInfoThread : public QThread
{
    Q_OBJECT
    Q_PROPERTY(bool loaded READ loaded WRITE setLoaded NOTIFY loadedChanged)

public:
    explicit FileInfoThread(QObject* parent = nullptr);
    // Stops the worker and waits for it; a scan in progress completes first.
    ~FileInfoThread() override;

    void setPath(const QString& path);
    void removePath(const QString& path);
    void setRootPath(const QString& path);
    void setSortFlags(QDir::SortFlags flags);
    void setNameFilters(const QStringList& filters);
    void setExcludeFiles(const QStringList& files);
    void setShowFiles(bool show);
    void setShowDirs(bool show);
    void setShowDirsFirst(bool show);
    void setShowDotAndDotDot(bool show);
    void setShowHidden(bool show);
    void setShowOnlyReadable(bool show);
    void setCaseSensitive(bool sensitive);

    bool loaded() const;

    // Number order: a before b when its number is greater (lessThen) or not
    // greater (moreThen).
    static bool lessThen(const FileProperty& a, const FileProperty& b);
    static bool moreThen(const FileProperty& a, const FileProperty& b);
    static int numberOf(const FileProperty& p);
    // Orders a listing as the scan does for the given sort flags.
    static void orderListing(QList<FileProperty>& list, QDir::SortFlags flags);
    // The rows that differ between two listings (see the scan's reports).
    static void changeRange(const QList<FileProperty>& previous, const QList<FileProperty>& list, int& fromIndex, int& toIndex);

public slots:
    void dirChanged(const QString& directoryPath);
    void updateFile(const QString& path);
    void setLoaded(bool loaded);

signals:
    void directoryChanged(const QString& directory, const QList<FileProperty>& list);
    void directoryUpdated(const QString& directory, const QList<FileProperty>& list, int fromIndex, int toIndex);
    void sortFinished(const QList<FileProperty>& list);
    void statusChanged(QQuickFolderListModel::Status status);
    void loadedChanged(bool loaded);

protected:
    void run() override;

private:
    // Wakes the worker; a change that arrives during a scan marks another scan.
    void initiateScan();
    void getFileInfos(QMutexLocker& lock, const QString& path);

    mutable QMutex mutex;
    QWaitCondition wakeCondition;
    bool abortRequested = false;
    QFileSystemWatcher watcher;
    QList<FileProperty> lastListing;
    QDir::SortFlags sortFlags = QDir::Name;
    QString folderPath;
    QString rootPath;
    QStringList nameFilters;
    QStringList excludeFiles;
    bool rescanDue = true;
    bool reportChanges = false;
    bool reportResort = false;
    bool showFiles = true;
    bool showDirs = true;
    bool showDirsFirst = false;
    bool showDotAndDotDot = false;
    bool showHidden = false;
    bool showOnlyReadable = false;
    bool caseSensitive = true;
    bool m_loaded = false;
};

#endif
