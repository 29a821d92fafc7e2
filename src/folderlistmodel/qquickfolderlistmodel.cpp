#include "qquickfolderlistmodel.h"

#include "files/librarypath.h"
#include "files/lumofilesystemmodel.h"
#include "folderlistmodel/fileinfothread.h"
#include "TovaUi/function/message.h"
#include "support/filenamecodec.h"
#include "support/log.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QQmlFile>

class QQuickFolderListModelPrivate
{
public:
    explicit QQuickFolderListModelPrivate(QQuickFolderListModel* owner)
        : q(owner)
    {
    }

    void init();
    void updateSorting();
    // Steps of setFolder after the folder is chosen: hand an existing folder
    // to the thread (the reset ends when its listing arrives), otherwise
    // empty the list at once.
    void listFolder(const QUrl& previous);
    static QString resolvePath(const QUrl& url);
    void setFlag(bool& held, bool on, void (FileInfoThread::*setter)(bool), bool evenWhenEqual);
    void setSortSwitch(bool& held, bool on)
    {
        if (on == held)
            return;
        held = on;
        updateSorting();
    }

    QQuickFolderListModel* q;
    QUrl currentDir;
    QUrl rootDir;
    FileInfoThread fileInfoThread;
    QList<FileProperty> data;
    QHash<int, QByteArray> roleNames;
    QQuickFolderListModel::SortField sortField = QQuickFolderListModel::Name;
    QStringList nameFilters { QStringLiteral("*") };
    QQuickFolderListModel::Status status = QQuickFolderListModel::Null;
    bool sortReversed = false;
    bool showFiles = true;
    bool showDirs = true;
    bool showDirsFirst = false;
    bool showDotAndDotDot = false;
    bool showOnlyReadable = false;
    bool showHidden = false;
    bool caseSensitive = true;
    bool sortCaseSensitive = true;
    QStringList excludeFiles;
    // A reset begun by setFolder or setNameFilters and not yet ended.
    bool resetting = false;
};

void QQuickFolderListModelPrivate::init()
{
    qRegisterMetaType<QList<FileProperty>>("QList<FileProperty>");
    qRegisterMetaType<QQuickFolderListModel::Status>("QQuickFolderListModel::Status");
    roleNames = {
        { QQuickFolderListModel::FileNameRole, "fileName" },
        { QQuickFolderListModel::FilePathRole, "filePath" },
        { QQuickFolderListModel::FileBaseNameRole, "fileBaseName" },
        { QQuickFolderListModel::FileSuffixRole, "fileSuffix" },
        { QQuickFolderListModel::FileSizeRole, "fileSize" },
        { QQuickFolderListModel::FileLastModifiedRole, "fileModified" },
        { QQuickFolderListModel::FileLastReadRole, "fileAccessed" },
        { QQuickFolderListModel::FileIsDirRole, "fileIsDir" },
        { QQuickFolderListModel::FileUrlRole, "fileUrl" },
        { QQuickFolderListModel::FileURLRole, "fileURL" },
        { QQuickFolderListModel::FileHistoryNameRole, "fileHistoryName" },
        { QQuickFolderListModel::FileHistoryTimeRole, "fileHistoryTime" },
    };
    QObject::connect(&fileInfoThread, &FileInfoThread::directoryChanged, q, &QQuickFolderListModel::_q_directoryChanged);
    QObject::connect(&fileInfoThread, &FileInfoThread::directoryUpdated, q, &QQuickFolderListModel::_q_directoryUpdated);
    QObject::connect(&fileInfoThread, &FileInfoThread::sortFinished, q, &QQuickFolderListModel::_q_sortFinished);
    QObject::connect(&fileInfoThread, &FileInfoThread::statusChanged, q, &QQuickFolderListModel::_q_statusChanged);
    QObject::connect(&fileInfoThread, &FileInfoThread::loadedChanged, q, &QQuickFolderListModel::setLoaded);
    QObject::connect(q, &QQuickFolderListModel::rowCountChanged, q, &QQuickFolderListModel::countChanged);
}

QString QQuickFolderListModelPrivate::resolvePath(const QUrl& url)
{
    if (url.isEmpty())
        return QString();
    const QString localPath = QQmlFile::urlToLocalFileOrQrc(url);
    if (localPath.isEmpty())
        return QString();
    return QDir::cleanPath(localPath);
}

void QQuickFolderListModelPrivate::listFolder(const QUrl& previous)
{
    const QString resolved = resolvePath(currentDir);
    if (!resolvePath(previous).isEmpty())
        fileInfoThread.removePath(resolvePath(previous));
    const QFileInfo info(resolved);
    if (!resolved.isEmpty() && info.exists() && info.isDir()) {
        fileInfoThread.setPath(resolved);
        return;
    }
    data.clear();
    if (resetting) {
        resetting = false;
        q->endResetModel();
    }
    emit q->rowCountChanged();
    q->setLoaded(true);
    if (status != QQuickFolderListModel::Null) {
        status = QQuickFolderListModel::Null;
        emit q->statusChanged();
    }
}

void QQuickFolderListModelPrivate::updateSorting()
{
    QDir::SortFlags flags;
    switch (sortField) {
    case QQuickFolderListModel::Unsorted:
        flags |= QDir::Unsorted;
        break;
    case QQuickFolderListModel::Name:
        logDebug(lcFiles) << "sort by name:";
        flags |= QDir::Name;
        break;
    case QQuickFolderListModel::Time:
        flags |= QDir::Time;
        break;
    case QQuickFolderListModel::Size:
        flags |= QDir::Size;
        break;
    case QQuickFolderListModel::Type:
        flags |= QDir::Type;
        break;
    }
    if (sortReversed)
        flags |= QDir::Reversed;
    if (!sortCaseSensitive)
        flags |= QDir::IgnoreCase;
    logDebug(lcFiles) << "sort flags:" << flags;
    fileInfoThread.setSortFlags(flags);
}

// ---- the model --------------------------------------------------------------

QQuickFolderListModel::QQuickFolderListModel(QObject* parent)
    : QAbstractListModel(parent)
    , d(new QQuickFolderListModelPrivate(this))
{
    d->init();
}

// The private part stops the scanning thread and waits for it.
QQuickFolderListModel::~QQuickFolderListModel() = default;

QModelIndex QQuickFolderListModel::index(int row, int column, const QModelIndex& parent) const
{
    if (row >= 0 && row < d->data.size() && column == 0 && !parent.isValid())
        return createIndex(row, column);
    return QModelIndex();
}

int QQuickFolderListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : d->data.size();
}

QHash<int, QByteArray> QQuickFolderListModel::roleNames() const { return d->roleNames; }

QString QQuickFolderListModel::formatHistoryName(const QString& text)
{
    const QStringList parts = text.split(QStringLiteral("---"));
    return parts.size() == 2 ? parts.at(0) : text;
}

QString QQuickFolderListModel::formatHistoryTime(const QString& text)
{
    const QStringList parts = text.split(QStringLiteral("---"));
    if (parts.size() != 2)
        return text;
    const int seconds = parts.at(1).toInt();
    return QDateTime::fromSecsSinceEpoch(seconds).toLocalTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

QVariant QQuickFolderListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= d->data.size())
        return QVariant();
    const FileProperty& p = d->data.at(index.row());
    switch (role) {
    case FileNameRole:
        return FileNameCodec::shown(p.fileName);
    case FilePathRole:
        return p.filePath;
    case FileBaseNameRole:
        return FileNameCodec::shown(p.completeBaseName);
    case FileSuffixRole:
        return p.suffix;
    case FileSizeRole:
        return p.size;
    case FileLastModifiedRole:
        return p.lastModified;
    case FileLastReadRole:
        return p.lastRead;
    case FileIsDirRole:
        return p.isDir;
    case FileUrlRole:
    case FileURLRole:
        return QUrl::fromLocalFile(p.filePath);
    case FileHistoryNameRole:
        return FileNameCodec::shown(formatHistoryName(p.completeBaseName));
    case FileHistoryTimeRole:
        return formatHistoryTime(p.completeBaseName);
    default:
        return QVariant();
    }
}

void QQuickFolderListModel::classBegin() {}

void QQuickFolderListModel::componentComplete()
{
    const QString path = QQuickFolderListModelPrivate::resolvePath(d->currentDir);
    if (path.isEmpty() || !QFileInfo(path).isDir())
        setFolder(QUrl::fromLocalFile(QDir::currentPath()));
    if (!d->fileInfoThread.isRunning())
        d->fileInfoThread.start(QThread::LowPriority);
}

QUrl QQuickFolderListModel::folder() const { return d->currentDir; }

void QQuickFolderListModel::setFolder(const QUrl& folder)
{
    if (folder == d->currentDir)
        return;
    if (!d->resetting) {
        beginResetModel();
        d->resetting = true;
    }
    const QUrl previous = d->currentDir;
    d->currentDir = folder;
    d->listFolder(previous);
    // The folder did change: bindings on it follow at once.
    emit folderChanged(folder);
}

QUrl QQuickFolderListModel::rootFolder() const { return d->rootDir; }

void QQuickFolderListModel::setRootFolder(const QUrl& path)
{
    if (path.isEmpty())
        return;
    const QString resolved = QQuickFolderListModelPrivate::resolvePath(path);
    if (QFileInfo(resolved).isDir()) {
        d->fileInfoThread.setRootPath(resolved);
        d->rootDir = path;
    }
}

QUrl QQuickFolderListModel::parentFolder() const
{
    const QString local = d->currentDir.toLocalFile();
    if (!local.isEmpty()) {
        QDir dir(local);
        if (dir.isRoot() || !dir.cdUp())
            return QUrl();
        return QUrl::fromLocalFile(dir.path());
    }
    const QString path = d->currentDir.path();
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash <= 0)
        return QUrl();
    return QUrl::fromLocalFile(path.left(slash));
}

QStringList QQuickFolderListModel::nameFilters() const { return d->nameFilters; }

void QQuickFolderListModel::setNameFilters(const QStringList& filters)
{
    if (filters == d->nameFilters)
        return;
    d->fileInfoThread.setNameFilters(filters);
    d->nameFilters = filters;
    if (!d->resetting) {
        beginResetModel();
        d->resetting = true;
    }
    d->listFolder(QUrl());
    emit nameFiltersChanged(filters);
}

QQuickFolderListModel::SortField QQuickFolderListModel::sortField() const { return d->sortField; }

void QQuickFolderListModel::setSortField(SortField field)
{
    logDebug(lcFiles) << "SortField:" << field;
    if (field == d->sortField)
        return;
    d->sortField = field;
    d->updateSorting();
}

bool QQuickFolderListModel::sortReversed() const { return d->sortReversed; }

void QQuickFolderListModel::setSortReversed(bool rev) { d->setSortSwitch(d->sortReversed, rev); }

bool QQuickFolderListModel::sortCaseSensitive() const { return d->sortCaseSensitive; }

void QQuickFolderListModel::setSortCaseSensitive(bool on) { d->setSortSwitch(d->sortCaseSensitive, on); }

// The show flags go to the thread, which applies them at its next scan. Some
// are handed over even when unchanged (that brings a rescan).
void QQuickFolderListModelPrivate::setFlag(bool& held, bool on, void (FileInfoThread::*setter)(bool), bool evenWhenEqual)
{
    if (on == held && !evenWhenEqual)
        return;
    (fileInfoThread.*setter)(on);
    held = on;
}

bool QQuickFolderListModel::showFiles() const { return d->showFiles; }
void QQuickFolderListModel::setShowFiles(bool on) { d->setFlag(d->showFiles, on, &FileInfoThread::setShowFiles, true); }
bool QQuickFolderListModel::showDirs() const { return d->showDirs; }
void QQuickFolderListModel::setShowDirs(bool on) { d->setFlag(d->showDirs, on, &FileInfoThread::setShowDirs, true); }
bool QQuickFolderListModel::showDirsFirst() const { return d->showDirsFirst; }
void QQuickFolderListModel::setShowDirsFirst(bool on) { d->setFlag(d->showDirsFirst, on, &FileInfoThread::setShowDirsFirst, true); }
bool QQuickFolderListModel::showDotAndDotDot() const { return d->showDotAndDotDot; }
void QQuickFolderListModel::setShowDotAndDotDot(bool on) { d->setFlag(d->showDotAndDotDot, on, &FileInfoThread::setShowDotAndDotDot, false); }
bool QQuickFolderListModel::showHidden() const { return d->showHidden; }
void QQuickFolderListModel::setShowHidden(bool on) { d->setFlag(d->showHidden, on, &FileInfoThread::setShowHidden, false); }
bool QQuickFolderListModel::showOnlyReadable() const { return d->showOnlyReadable; }
void QQuickFolderListModel::setShowOnlyReadable(bool on) { d->setFlag(d->showOnlyReadable, on, &FileInfoThread::setShowOnlyReadable, false); }
bool QQuickFolderListModel::caseSensitive() const { return d->caseSensitive; }
void QQuickFolderListModel::setCaseSensitive(bool on) { d->setFlag(d->caseSensitive, on, &FileInfoThread::setCaseSensitive, false); }

QQuickFolderListModel::Status QQuickFolderListModel::status() const { return d->status; }

QStringList QQuickFolderListModel::excludeFiles() const { return d->excludeFiles; }

void QQuickFolderListModel::setExcludeFiles(const QStringList& excludeFiles)
{
    if (excludeFiles == d->excludeFiles)
        return;
    d->fileInfoThread.setExcludeFiles(excludeFiles);
    d->excludeFiles = excludeFiles;
}

void QQuickFolderListModel::setLoaded(bool loaded)
{
    if (m_loaded == loaded)
        return;
    m_loaded = loaded;
    emit loadedChanged(loaded);
}

// ---- reports of the scanning thread ----------------------------------------

void QQuickFolderListModel::_q_directoryChanged(const QString& directory, const QList<FileProperty>& list)
{
    // A listing of a folder left meanwhile is of no use.
    if (directory != QQuickFolderListModelPrivate::resolvePath(d->currentDir))
        return;
    if (!d->resetting)
        beginResetModel();
    d->resetting = false;
    d->data = list;
    endResetModel();
    emit rowCountChanged();
    emit folderChanged(d->currentDir);
}

void QQuickFolderListModel::_q_directoryUpdated(const QString& directory, const QList<FileProperty>& list, int fromIndex, int toIndex)
{
    if (directory != QQuickFolderListModelPrivate::resolvePath(d->currentDir))
        return;
    if (d->resetting) {
        // The first listing after setFolder may come as an update: it ends
        // the reset that setFolder began.
        _q_directoryChanged(directory, list);
        return;
    }
    if (list.size() == d->data.size()) {
        d->data = list;
        if (!list.isEmpty()) {
            const int from = qBound(0, fromIndex, list.size() - 1);
            const int to = qBound(from, toIndex, list.size() - 1);
            emit dataChanged(index(from, 0), index(to, 0));
        }
        return;
    }
    if (!d->data.isEmpty()) {
        beginRemoveRows(QModelIndex(), 0, d->data.size() - 1);
        d->data.clear();
        endRemoveRows();
    }
    if (!list.isEmpty()) {
        beginInsertRows(QModelIndex(), 0, list.size() - 1);
        d->data = list;
        endInsertRows();
    }
    emit rowCountChanged();
}

void QQuickFolderListModel::_q_sortFinished(const QList<FileProperty>& list)
{
    if (d->resetting) {
        _q_directoryChanged(QQuickFolderListModelPrivate::resolvePath(d->currentDir), list);
        return;
    }
    const int before = d->data.size();
    if (!d->data.isEmpty()) {
        beginRemoveRows(QModelIndex(), 0, d->data.size() - 1);
        d->data.clear();
        endRemoveRows();
    }
    if (!list.isEmpty()) {
        beginInsertRows(QModelIndex(), 0, list.size() - 1);
        d->data = list;
        endInsertRows();
    }
    if (before != d->data.size())
        emit rowCountChanged();
}

void QQuickFolderListModel::_q_statusChanged(QQuickFolderListModel::Status s)
{
    if (d->status == s)
        return;
    d->status = s;
    emit statusChanged();
}

// ---- reading and renaming ---------------------------------------------------

int QQuickFolderListModel::roleFromString(const QString& roleName) const
{
    for (auto it = d->roleNames.cbegin(); it != d->roleNames.cend(); ++it) {
        if (QString::fromLatin1(it.value()) == roleName)
            return it.key();
    }
    return -1;
}

QVariant QQuickFolderListModel::get(int idx, const QString& property) const
{
    const int role = roleFromString(property);
    if (role >= 0 && idx >= 0)
        return data(index(idx, 0), role);
    return QVariant();
}

bool QQuickFolderListModel::isFolder(int index) const
{
    if (index < 0 || index >= d->data.size())
        return false;
    return d->data.at(index).isDir;
}

int QQuickFolderListModel::indexOf(const QUrl& file) const
{
    const QFileInfo info(file.toLocalFile());
    for (int i = 0; i < d->data.size(); ++i) {
        if (d->data.at(i).fileName == info.fileName() && d->data.at(i).isDir == info.isDir())
            return i;
    }
    return -1;
}

void QQuickFolderListModel::fileRename(const QString& newName, const QString& oldName)
{
    QDir::Filters filters;
    if (d->caseSensitive)
        filters |= QDir::CaseSensitive;
    if (d->showFiles)
        filters |= QDir::Files;
    if (d->showDirs)
        filters |= QDir::AllDirs | QDir::Drives;
    if (!d->showDotAndDotDot)
        filters |= QDir::NoDot | QDir::NoDotDot;
    if (d->showHidden)
        filters |= QDir::Hidden;
    if (d->showOnlyReadable)
        filters |= QDir::Readable;
    const QDir::SortFlags sort = d->showDirsFirst ? QDir::DirsFirst : QDir::NoSort;
    const QString folder = QQuickFolderListModelPrivate::resolvePath(d->currentDir);
    const QFileInfoList entries = QDir(folder).entryInfoList(d->nameFilters, filters, sort);
    const QString failure = tr("重命名失败，请检查是否有重名或者文件夹是否有写权限");
    for (const QFileInfo& info : entries) {
        if (info.fileName() != oldName || info.fileName() == QLatin1String(".") || info.fileName() == QLatin1String(".."))
            continue;
        logDebug(lcFiles) << info.fileName() << info.completeBaseName() << info.absolutePath() << info.filePath() << newName << oldName;
        QString name = newName;
        if (info.isFile() && !name.endsWith(info.suffix()))
            name += QLatin1Char('.') + info.suffix();
        // Names that would leave the folder, hide the entry or replace
        // another entry are refused before anything is renamed, and so is
        // an entry that is not in the library.
        const QString problem = LumoFileSystemModel::nameProblem(info.absolutePath(), name, QString(), info.isDir());
        if (!problem.isEmpty() || !LibraryPath::contains(info.absoluteFilePath())) {
            logDebug(lcFiles) << "重命名失败" << problem;
            message::show(Message::Warn, failure, 5000, problem);
            return;
        }
        bool ok = false;
        if (info.isFile()) {
            ok = QFile::rename(info.filePath(), info.absolutePath() + QLatin1Char('/') + name);
        } else if (info.isDir()) {
            QDir parent(info.filePath());
            ok = parent.cdUp() && parent.rename(info.filePath(), parent.path() + QLatin1Char('/') + name);
        } else {
            return;
        }
        if (!ok) {
            logDebug(lcFiles) << "重命名失败";
            message::show(Message::Warn, failure, 5000);
        }
        return;
    }
}
