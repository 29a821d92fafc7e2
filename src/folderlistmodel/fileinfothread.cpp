#include "fileinfothread.h"

#include "files/filefiltermodel.h"
#include "support/log.h"

#include <QMutexLocker>

#include <algorithm>

FileInfoThread::FileInfoThread(QObject* parent)
    : QThread(parent)
{
    connect(&watcher, &QFileSystemWatcher::directoryChanged, this, &FileInfoThread::dirChanged);
    connect(&watcher, &QFileSystemWatcher::fileChanged, this, &FileInfoThread::updateFile);
}

FileInfoThread::~FileInfoThread()
{
    {
        QMutexLocker lock(&mutex);
        abortRequested = true;
        wakeCondition.wakeAll();
    }
    wait();
}

void FileInfoThread::initiateScan()
{
    // Also marked as due: a change that arrives while the worker is scanning
    // finds no sleeper, and the worker then scans again instead of sleeping.
    rescanDue = true;
    wakeCondition.wakeAll();
}

void FileInfoThread::setPath(const QString& path)
{
    QMutexLocker lock(&mutex);
    if (!path.startsWith(QLatin1Char(':')) && !watcher.directories().contains(path))
        watcher.addPath(path);
    folderPath = path;
    initiateScan();
}

void FileInfoThread::removePath(const QString& path)
{
    QMutexLocker lock(&mutex);
    if (!path.startsWith(QLatin1Char(':')) && watcher.directories().contains(path))
        watcher.removePath(path);
    folderPath.clear();
}

void FileInfoThread::setRootPath(const QString& path)
{
    QMutexLocker lock(&mutex);
    rootPath = path;
}

void FileInfoThread::setSortFlags(QDir::SortFlags flags)
{
    QMutexLocker lock(&mutex);
    sortFlags = flags;
    reportResort = true;
    initiateScan();
}

#define PENLARK_FLAG_SETTER(name, member) \
    void FileInfoThread::name(bool value)         \
    {                                             \
        QMutexLocker lock(&mutex);                \
        member = value;                           \
        reportChanges = true;                     \
        initiateScan();                           \
    }

PENLARK_FLAG_SETTER(setShowFiles, showFiles)
PENLARK_FLAG_SETTER(setShowDirs, showDirs)
PENLARK_FLAG_SETTER(setShowDirsFirst, showDirsFirst)
PENLARK_FLAG_SETTER(setShowDotAndDotDot, showDotAndDotDot)
PENLARK_FLAG_SETTER(setShowHidden, showHidden)
PENLARK_FLAG_SETTER(setShowOnlyReadable, showOnlyReadable)
PENLARK_FLAG_SETTER(setCaseSensitive, caseSensitive)
#undef PENLARK_FLAG_SETTER

void FileInfoThread::setNameFilters(const QStringList& filters)
{
    QMutexLocker lock(&mutex);
    nameFilters = filters;
    reportChanges = true;
    initiateScan();
}

void FileInfoThread::setExcludeFiles(const QStringList& files)
{
    QMutexLocker lock(&mutex);
    excludeFiles = files;
    reportChanges = true;
    initiateScan();
}

void FileInfoThread::dirChanged(const QString& directoryPath)
{
    updateFile(directoryPath);
}

void FileInfoThread::updateFile(const QString& path)
{
    Q_UNUSED(path)
    QMutexLocker lock(&mutex);
    reportChanges = true;
    initiateScan();
}

bool FileInfoThread::loaded() const
{
    QMutexLocker lock(&mutex);
    return m_loaded;
}

void FileInfoThread::setLoaded(bool loaded)
{
    {
        QMutexLocker lock(&mutex);
        if (m_loaded == loaded)
            return;
        m_loaded = loaded;
    }
    emit loadedChanged(loaded);
}

int FileInfoThread::numberOf(const FileProperty& p) { return FileFilterModel::numberFromText(p.fileName); }

bool FileInfoThread::lessThen(const FileProperty& a, const FileProperty& b) { return numberOf(a) > numberOf(b); }

bool FileInfoThread::moreThen(const FileProperty& a, const FileProperty& b) { return numberOf(a) <= numberOf(b); }

void FileInfoThread::orderListing(QList<FileProperty>& list, QDir::SortFlags flags)
{
    // QDir::Unsorted holds the bits of Time and Size.
    if (flags & (QDir::Time | QDir::Size | QDir::Type)) {
        if (!list.isEmpty())
            logDebug(lcFiles) << "sort by time";
        return;
    }
    QVector<QPair<int, FileProperty>> keyed;
    keyed.reserve(list.size());
    for (const FileProperty& p : qAsConst(list))
        keyed.append({ numberOf(p), p });
    if (flags & QDir::Reversed) {
        // Numbers descend; equal numbers keep the listing's order.
        std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    } else {
        // Numbers ascend; equal numbers come out in the reverse of the
        // listing's order (a before b when its number is not greater).
        std::reverse(keyed.begin(), keyed.end());
        std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    }
    list.clear();
    for (const auto& entry : qAsConst(keyed))
        list.append(entry.second);
}

void FileInfoThread::changeRange(const QList<FileProperty>& previous, const QList<FileProperty>& list, int& fromIndex, int& toIndex)
{
    if (previous.isEmpty()) {
        fromIndex = 0;
        toIndex = list.size() - 1;
        return;
    }
    const int common = qMin(previous.size(), list.size());
    fromIndex = common - 1;
    for (int i = 0; i < common; ++i) {
        if (previous.at(i) != list.at(i)) {
            fromIndex = i;
            break;
        }
    }
    toIndex = qMax(previous.size(), list.size()) - 1;
}

void FileInfoThread::run()
{
    QMutexLocker lock(&mutex);
    for (;;) {
        if (abortRequested)
            return;
        if (folderPath.isEmpty() || !rescanDue) {
            emit statusChanged(folderPath.isEmpty() ? QQuickFolderListModel::Null : QQuickFolderListModel::Ready);
            wakeCondition.wait(&mutex);
            if (abortRequested)
                return;
        }
        if (!folderPath.isEmpty()) {
            emit statusChanged(QQuickFolderListModel::Loading);
            getFileInfos(lock, folderPath);
        }
    }
}

void FileInfoThread::getFileInfos(QMutexLocker& lock, const QString& path)
{
    QDir::Filters filters;
    if (caseSensitive)
        filters |= QDir::CaseSensitive;
    if (showFiles)
        filters |= QDir::Files;
    if (showDirs)
        filters |= QDir::AllDirs | QDir::Drives;
    if (!showDotAndDotDot)
        filters |= QDir::NoDot | QDir::NoDotDot;
    else if (path == rootPath)
        filters |= QDir::NoDotDot;
    if (showHidden)
        filters |= QDir::Hidden;
    if (showOnlyReadable)
        filters |= QDir::Readable;
    if (showDirsFirst)
        sortFlags |= QDir::DirsFirst;
    const QDir::SortFlags flags = sortFlags;
    const QStringList filterPatterns = nameFilters;
    const QStringList excluded = excludeFiles;
    rescanDue = false;

    // The listing runs without the lock, so the GUI thread's setters never
    // wait for a large folder; what they change marks another scan.
    lock.unlock();
    const QFileInfoList infos = QDir(path).entryInfoList(filterPatterns, filters, flags);
    QList<FileProperty> list;
    for (const QFileInfo& info : infos) {
        if (!excluded.contains(info.fileName()))
            list.append(FileProperty(info));
    }
    orderListing(list, flags);
    lock.relock();

    if (abortRequested || path != folderPath) {
        rescanDue = true;
        return;
    }
    if (reportChanges) {
        int fromIndex = 0;
        int toIndex = 0;
        if (infos.isEmpty()) {
            fromIndex = 0;
            toIndex = lastListing.size() - 1;
        } else {
            changeRange(lastListing, list, fromIndex, toIndex);
        }
        reportChanges = false;
        emit directoryUpdated(path, list, fromIndex, toIndex);
    } else if (!infos.isEmpty() && reportResort) {
        reportResort = false;
        emit sortFinished(list);
    } else {
        emit directoryChanged(path, list);
    }
    lastListing = list;
    if (!m_loaded) {
        m_loaded = true;
        emit loadedChanged(true);
    }
}
