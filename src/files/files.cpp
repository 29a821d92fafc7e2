#include "files.h"

#include "data/global.h"
#include "files/cloudDisk/clouddisk.h"
#include "files/filefiltermodel.h"
#include "files/lumofilesystemmodel.h"
#include "function/message.h"
#include "support/log.h"

#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>

namespace {
const char kRecentFilesKey[] = "Files/RecentFiles";
const int kMaxRecentFiles = 10;
const QString kIndexFile = QStringLiteral("index.txt");

int defaultQuestion(const QString& title, const QString& text)
{
    return QMessageBox::question(nullptr, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
}

void defaultAbout(const QString& title, const QString& text) { QMessageBox::about(nullptr, title, text); }

files::QuestionHandler& questionHandler()
{
    static files::QuestionHandler handler = defaultQuestion;
    return handler;
}

files::AboutHandler& aboutHandler()
{
    static files::AboutHandler handler = defaultAbout;
    return handler;
}

QString canonicalOrAbsolute(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

// Reveals a path in the desktop's file manager (the containing folder).
void revealInFileManager(const QString& path)
{
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    QDesktopServices::openUrl(QUrl::fromLocalFile(info.isDir() ? info.absoluteFilePath() : info.absolutePath()));
}
} // namespace

void files::setQuestionHandler(QuestionHandler handler) { questionHandler() = handler ? handler : defaultQuestion; }
void files::setAboutHandler(AboutHandler handler) { aboutHandler() = handler ? handler : defaultAbout; }

files::files(QObject* parent)
    : QObject(parent)
{
    m_fileSystemModel = new LumoFileSystemModel();
    m_model = new FileFilterModel(this);
    m_sortIcon = QString(QChar(0xE612));
    m_cloudDisk = new cloudDisk(180000);
    qRegisterMetaType<QModelIndex>("QModelIndex");
    loadRecentFiles();
    setHistoryPath(QUrl::fromLocalFile(global::historyPath()));
    setCurrentPath(QUrl::fromLocalFile(global::documentPath()));
    initModel();
}

files::~files() = default;

// ---- models -----------------------------------------------------------------

void files::initModel()
{
    const QString root = global::documentPath();
    if (m_fileSystemModel->rootPath() != root)
        m_fileSystemModel->setRootPath(root);
    connect(m_fileSystemModel, &QFileSystemModel::directoryLoaded, this, &files::onDirectoryLoaded, Qt::UniqueConnection);
    const QStringList filters { QStringLiteral("*.md"), QStringLiteral("*.txt") };
    if (m_fileSystemModel->nameFilters() != filters)
        m_fileSystemModel->setNameFilters(filters);
    m_fileSystemModel->setNameFilterDisables(false);
    m_fileSystemModel->setReadOnly(false);
    if (!m_model) {
        m_model = new FileFilterModel(this);
        emit modelChanged();
    }
    if (m_model->sourceModel() != m_fileSystemModel)
        m_model->setSourceModel(m_fileSystemModel);
    setIndex(m_model->mapFromSource(m_fileSystemModel->index(root)));
    m_model->sort(0, global::instance()->filesSortType() ? Qt::AscendingOrder : Qt::DescendingOrder);
}

QModelIndex files::index()
{
    initModel();
    return m_index;
}

void files::setIndex(const QModelIndex& index)
{
    if (m_index == index)
        return;
    m_index = index;
    emit indexChanged(index);
}

FileFilterModel* files::model()
{
    if (!m_model)
        initModel();
    return m_model;
}

void files::setModel(FileFilterModel* model)
{
    if (m_model == model)
        return;
    m_model = model;
    emit modelChanged();
}

void files::setFileSystemIndex(const QModelIndex& index)
{
    if (m_fileSystemIndex == index)
        return;
    m_fileSystemIndex = index;
    emit fileSystemIndexChanged();
}

QModelIndex files::indexOfFile(const QString& path) const { return m_fileSystemModel->index(path); }

bool files::IndexIsDir(const QModelIndex& index) const { return m_fileSystemModel->isDir(index); }

QString files::relativeToDocuments(const QString& path) const
{
    const QString root = global::documentPath();
    QString rest = path.startsWith(root) ? path.mid(root.size()) : path;
    rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return rest.isEmpty() ? QStringLiteral("/") : rest;
}

void files::onDirectoryLoaded(const QString& path)
{
    const QString relative = relativeToDocuments(path);
    if (!m_loadedFolders.contains(relative))
        m_loadedFolders.append(relative);
    showCurrentIndex(m_currentFile.toLocalFile());
    setLoading(false);
}

void files::showCurrentIndex(const QString& localPath)
{
    if (localPath.isEmpty() || !QFileInfo::exists(localPath))
        return;
    const QString root = global::documentPath();
    const QString absolute = QFileInfo(localPath).absoluteFilePath();
    if (!absolute.startsWith(root) || !m_model)
        return;
    QString relative = absolute.mid(root.size());
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!relative.startsWith(QLatin1Char('/')))
        relative.prepend(QLatin1Char('/'));

    QString walked;
    const QStringList parts = relative.split(QLatin1Char('/'));
    for (const QString& part : parts) {
        if (walked.endsWith(QLatin1Char('/')))
            walked += part;
        else
            walked += QLatin1Char('/') + part;
        const bool loaded = m_loadedFolders.contains(walked);
        if (walked == QLatin1String("/") && !loaded)
            return;
        const QString full = walked == QLatin1String("/") ? root : root + walked;
        const QModelIndex proxy = m_model->mapFromSource(m_fileSystemModel->index(full));
        if (QFileInfo(full).isFile()) {
            if (proxy.isValid())
                emit ensureVisible(proxy);
        } else {
            emit expand(proxy);
        }
        if (!loaded)
            return;
    }
}

// ---- plain properties -------------------------------------------------------

void files::setCurrentPath(const QUrl& path)
{
    if (m_currentPath == path)
        return;
    PLOG << path;
    m_currentPath = path;
    emit currentPathChanged(path);
}

void files::setCurrentFile(const QUrl& file)
{
    if (m_currentFile == file)
        return;
    m_currentFile = file;
    emit currentFileChanged(file);
    const QString local = file.toLocalFile();
    if (local.isEmpty())
        return;
    setCurrentPath(QUrl::fromLocalFile(QFileInfo(local).path()));
    showCurrentIndex(local);
    setRecentFile(file);
}

void files::setHistoryPath(const QUrl& path)
{
    if (m_historyPath == path)
        return;
    m_historyPath = path;
    emit historyPathChanged(path);
}

void files::setCloudTips(const QString& tips)
{
    if (m_cloudTips == tips)
        return;
    m_cloudTips = tips;
    emit cloudTipsChanged(tips);
}

QString files::documentPath() const { return global::documentPath(); }

void files::setDocumentPath(const QString& path)
{
    if (m_documentPath == path)
        return;
    m_documentPath = path;
    global::setDocumentPath(path);
    emit documentUrlChanged(m_documentUrl);
    emit documentPathChanged(m_documentPath);
}

QUrl files::documentUrl() const { return QUrl::fromLocalFile(global::documentPath()); }

void files::setDocumentUrl(const QUrl& url)
{
    if (m_documentUrl == url)
        return;
    m_documentUrl = url;
    global::setDocumentPath(url.toLocalFile());
    emit documentUrlChanged(url);
    emit documentPathChanged(m_documentPath);
}

void files::setUpdating(bool updating)
{
    if (m_updating == updating)
        return;
    m_updating = updating;
    emit updatingChanged(updating);
}

void files::setConflictVisible(bool value)
{
    if (m_conflictVisible == value)
        return;
    m_conflictVisible = value;
    emit conflictVisibleChanged(value);
}

void files::setLocalText(const QString& text)
{
    if (m_localText == text)
        return;
    m_localText = text;
    emit localTextChanged(text);
}

void files::setServerText(const QString& text)
{
    if (m_serverText == text)
        return;
    m_serverText = text;
    emit serverTextChanged(text);
}

void files::setCheckValue(const QString& value)
{
    if (m_checkValue == value)
        return;
    PLOG << value;
    m_checkValue = value;
    emit checkValueChanged(value);
}

void files::setSortIcon(const QString& icon)
{
    if (m_sortIcon == icon)
        return;
    m_sortIcon = icon;
    emit sortIconChanged(icon);
}

void files::setLoading(bool loading)
{
    if (m_loading == loading)
        return;
    m_loading = loading;
    emit loadingChanged(loading);
}

// ---- recent files -----------------------------------------------------------

void files::setRecentFiles(const QStringList& list)
{
    if (m_recentFiles == list)
        return;
    m_recentFiles = list;
    emit recentFilesChanged();
}

void files::loadRecentFiles()
{
    QStringList kept;
    const QStringList stored = QSettings().value(QLatin1String(kRecentFilesKey)).toStringList();
    for (const QString& path : stored) {
        if (!path.isEmpty() && QFileInfo::exists(path))
            kept.append(path);
    }
    while (kept.size() > kMaxRecentFiles)
        kept.removeFirst();
    setRecentFiles(kept);
}

void files::setRecentFile(const QUrl& file)
{
    const QString path = file.toLocalFile();
    QSettings settings;
    QStringList list = settings.value(QLatin1String(kRecentFilesKey)).toStringList();
    if (list.contains(path)) {
        if (list.last() == path)
            return;
        list.removeOne(path);
    }
    list.append(path);
    while (list.size() > kMaxRecentFiles)
        list.removeFirst();
    settings.setValue(QLatin1String(kRecentFilesKey), list);
    loadRecentFiles();
}

void files::clearRecentFiles()
{
    QSettings().setValue(QLatin1String(kRecentFilesKey), QStringList());
    loadRecentFiles();
}

// ---- creating ---------------------------------------------------------------

bool files::insideDocuments(const QString& path)
{
    const QString root = canonicalOrAbsolute(global::documentPath());
    const QFileInfo info(path);
    // The entry itself may be a link; its folder is what must be inside.
    const QString folder = canonicalOrAbsolute(info.absolutePath());
    const QString full = folder + QLatin1Char('/') + info.fileName();
    return full.startsWith(root + QLatin1Char('/')) && full.size() > root.size() + 1 && info.fileName() != QLatin1String("..")
        && info.fileName() != QLatin1String(".");
}

QString files::targetOf(const QString& path)
{
    const QFileInfo info(path);
    if (info.fileName() == kIndexFile && insideDocuments(info.absolutePath()))
        return info.absolutePath();
    return info.absoluteFilePath();
}

QString files::creationFolder()
{
    const QString folder = m_currentPath.toLocalFile();
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir()
        || (canonicalOrAbsolute(folder) != canonicalOrAbsolute(global::documentPath()) && !insideDocuments(folder)))
        setCurrentPath(QUrl::fromLocalFile(global::documentPath()));
    return m_currentPath.toLocalFile();
}

QUrl files::newFile()
{
    const QString folder = creationFolder();
    int largest = 0;
    const QStringList names = QDir(folder).entryList({ QStringLiteral("*.txt"), QStringLiteral("*.md") }, QDir::Files | QDir::Readable);
    for (const QString& name : names)
        largest = qMax(largest, FileFilterModel::numberFromText(name));
    const QString path = folder + QDir::separator() + tr("第%1章").arg(largest + 1) + QStringLiteral(".txt");
    // Never opened over an existing file (an unreadable one is not listed).
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Text))
        file.close();
    else
        PLOG << "cannot create" << path << file.errorString();
    doCloud(false);
    return QUrl::fromLocalFile(path);
}

QString files::newDir()
{
    const QString base = creationFolder() + QDir::separator() + tr("NewBook");
    QString path = base;
    for (int i = 1; QFileInfo::exists(path); ++i)
        path = base + QString::number(i);
    if (!QDir().mkpath(path))
        return path;
    QFile index(path + QStringLiteral("/index.txt"));
    if (!index.exists()) {
        if (index.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Text))
            index.close();
        else
            PLOG << "creat file fail";
    }
    return path;
}

// ---- deleting ---------------------------------------------------------------

bool files::removeTree(const QString& folder, QStringList* failed)
{
    bool ok = true;
    QDir dir(folder);
    const QFileInfoList entries = dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        const QString path = entry.absoluteFilePath();
        // Links are removed as links and never followed.
        if (entry.isDir() && !entry.isSymLink()) {
            if (!removeTree(path, failed))
                ok = false;
            continue;
        }
        const bool removed = QFile::remove(path);
        emit closeFile(QUrl::fromLocalFile(path));
        if (!removed) {
            failed->append(path);
            ok = false;
        }
    }
    // Only the folder itself; the folders above it stay, even when empty.
    if (ok && !QDir().rmdir(folder)) {
        failed->append(folder);
        ok = false;
    }
    return ok;
}

void files::delFile()
{
    const QString local = m_currentFile.toLocalFile();
    if (local.isEmpty()) {
        aboutHandler()(tr("Tips"), tr("没有选中的文件"));
        return;
    }
    // A copy of the file goes into the history folder first, whatever the
    // answer below.
    const bool kept = !QFileInfo(local).isFile() || global::saveTmpFile(local, QString());

    const QString target = targetOf(local);
    const QFileInfo info(target);
    if (!info.exists() && !info.isSymLink())
        return;
    if (!insideDocuments(target)) {
        message::show(Message::Error, tr("只能删除文档文件夹中的文件：%1").arg(target), 5000);
        return;
    }
    if (questionHandler()(tr("caution"), tr("Do you confirm deletion? Deleted files will not be recovered.")) != QMessageBox::Yes)
        return;

    if (!info.isDir() || info.isSymLink()) {
        if (!kept) {
            message::show(Message::Error, tr("无法保存历史记录，文件未删除：%1").arg(target), 5000);
            return;
        }
        emit closeFile(QUrl::fromLocalFile(target));
        if (!QFile::remove(target)) {
            PLOG << "remove failed" << target;
            message::show(Message::Error, tr("删除失败：%1").arg(target), 5000);
            return;
        }
        PLOG << "removed" << target;
        return;
    }

    // A book: every document in it gets a history copy before anything goes.
    QStringList notKept;
    QDirIterator it(target, { QStringLiteral("*.txt"), QStringLiteral("*.md") }, QDir::Files | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path == local || QFileInfo(path).isSymLink())
            continue;
        if (!global::saveTmpFile(path, QString()))
            notKept.append(path);
    }
    if (!kept)
        notKept.prepend(local);
    if (!notKept.isEmpty()) {
        message::show(Message::Error, tr("无法保存历史记录，文件夹未删除：%1").arg(notKept.join(QStringLiteral(", "))), 5000);
        return;
    }
    emit closeFile(QUrl::fromLocalFile(target + QStringLiteral("/index.txt")));
    QStringList failed;
    if (!removeTree(target, &failed)) {
        PLOG << "remove failed" << failed;
        message::show(Message::Error, tr("删除失败：%1").arg(failed.join(QStringLiteral(", "))), 5000);
    }
}

// ---- renaming ---------------------------------------------------------------

bool files::renameFile(const QString& newBaseName, const QString& oldFullName)
{
    if (newBaseName.isEmpty() || oldFullName.isEmpty())
        return false;
    const QString old = targetOf(oldFullName);
    const QFileInfo info(old);
    if (!info.exists() || !insideDocuments(old)) {
        message::show(Message::Warn, tr("无法重命名"), 5000);
        return false;
    }
    const QString parent = info.absolutePath();

    if (info.isFile()) {
        if (info.fileName() == newBaseName)
            return true;
        const QString problem = LumoFileSystemModel::nameProblem(parent, newBaseName, info.fileName());
        if (!problem.isEmpty()) {
            const bool taken = QFileInfo::exists(parent + QLatin1Char('/') + newBaseName);
            message::show(Message::Warn, taken ? tr("无法重命名，指定名称的文件已存在") : tr("无法重命名") + QStringLiteral("：") + problem, 5000);
            return false;
        }
        if (!QFile::rename(old, parent + QDir::separator() + newBaseName)) {
            message::show(Message::Warn, tr("无法重命名，指定名称的文件已存在"), 5000);
            return false;
        }
        return true;
    }

    if (info.isDir()) {
        QString name = newBaseName;
        if (name.endsWith(QLatin1String(".txt")))
            name.chop(4);
        if (name.endsWith(QLatin1String(".md")))
            name.chop(3);
        if (info.fileName() == name)
            return true;
        QDir parentDir(parent);
        if (!parentDir.exists()) {
            message::show(Message::Warn, tr("无法重命名"), 5000);
            return false;
        }
        const QString problem = LumoFileSystemModel::nameProblem(parent, name, info.fileName());
        if (!problem.isEmpty()) {
            const bool taken = !name.trimmed().isEmpty() && QFileInfo::exists(parent + QLatin1Char('/') + name);
            message::show(Message::Warn, taken ? tr("无法重命名，指定名称的文件夹已存在") : tr("无法重命名") + QStringLiteral("：") + problem, 5000);
            return false;
        }
        if (!parentDir.rename(info.fileName(), name)) {
            message::show(Message::Warn, tr("无法重命名，指定名称的文件夹已存在"), 5000);
            return false;
        }
        return true;
    }
    message::show(Message::Warn, tr("无法重命名"), 5000);
    return false;
}

// ---- import (the stand-in keeps its interface until the import lands) -------

void files::importFiles(const QList<QUrl>& files, const QUrl& localUrl)
{
    Q_UNUSED(files)
    Q_UNUSED(localUrl)
}

void files::importDir(const QUrl& url, const QUrl& localPath)
{
    Q_UNUSED(url)
    Q_UNUSED(localPath)
}

// ---- other commands ---------------------------------------------------------

void files::sortFile()
{
    global* g = global::instance();
    g->setFilesSortType(!g->filesSortType());
    setSortIcon(QString(QChar(g->filesSortType() ? 0xE612 : 0xE613)));
}

void files::showInFinder()
{
    const QString path = m_currentFile.toLocalFile();
    PLOG << path;
    revealInFileManager(path);
}

void files::doCloud(bool showError)
{
    if (!m_relaying) {
        m_relaying = true;
        connect(m_cloudDisk, &cloudDisk::updatingChanged, this, &files::setUpdating);
        connect(m_cloudDisk, &cloudDisk::cloudTipsChanged, this, &files::setCloudTips);
    }
    m_cloudDisk->doUpdate(showError);
}
