#include "files.h"

#include "data/global.h"
#include "data/settingsfile.h"
#include "files/cloudDisk/clouddisk.h"
#include "files/filefiltermodel.h"
#include "files/fileordermaplist.h"
#include "files/historyrestore.h"
#include "files/librarypath.h"
#include "files/lumofilesystemmodel.h"
#include "TovaUi/function/function.h"
#include "TovaUi/function/message.h"
#include "TovaUi/function/settingsgate.h"
#include "support/filenamecodec.h"
#include "support/log.h"
#include "support/userfile.h"
#include "TovaUi/textarea/documentfile.h"
#include "TovaUi/textarea/historysnapshots.h"
#include "TovaUi/textarea/lazytextdocument.h"
#include "TovaUi/textarea/textfileform.h"

#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QCryptographicHash>
#include <QSet>
#include <QSettings>
#include <QTextCodec>
#include <QTimer>

#include <algorithm>

namespace {
const char kRecentFilesKey[] = "Files/RecentFiles";
const char kRecentNotesKey[] = "Note/RecentFiles";
const char kNoteCurrentKey[] = "Note/CurrentFile";
const int kMaxRecentFiles = 10;

// A stored recent list: the entries that still exist, the last 10.
QStringList loadRecent(const char* key)
{
    QStringList kept;
    const QStringList stored = QSettings().value(QLatin1String(key)).toStringList();
    for (const QString& path : stored) {
        if (!path.isEmpty() && QFileInfo::exists(path))
            kept.append(path);
    }
    while (kept.size() > kMaxRecentFiles)
        kept.removeFirst();
    return kept;
}

// Moves or appends an entry to the end of a stored recent list; false when it
// already was the last one (nothing written).
bool pushRecent(const char* key, const QString& path)
{
    const SettingsGate gate;
    QSettings settings;
    QStringList list = settings.value(QLatin1String(key)).toStringList();
    if (list.contains(path)) {
        if (list.last() == path)
            return false;
        list.removeOne(path);
    }
    list.append(path);
    while (list.size() > kMaxRecentFiles)
        list.removeFirst();
    settings.setValue(QLatin1String(key), list);
    SettingsFile::commit(settings);
    return true;
}
const QString kIndexFile = QStringLiteral("index.txt");

// Every question here asks to delete: No is the answer Enter gives.
int defaultQuestion(const QString& title, const QString& text)
{
    return QMessageBox::question(nullptr, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
}

// Names in a question or a notice, so that it fits any screen: in the
// tree's order, each cut in the middle to what a line shows, the first few
// and then how many more; several begin on a line of their own.
const int kNamesShown = 5;
const int kNameChars = 60;

QString shortName(const QString& name)
{
    if (name.size() <= kNameChars)
        return name;
    QString head = name.left(kNameChars / 2);
    QString tail = name.right(kNameChars / 2);
    if (head.at(head.size() - 1).isHighSurrogate())
        head.chop(1);
    if (tail.at(0).isLowSurrogate())
        tail.remove(0, 1);
    return head + QChar(0x2026) + tail;
}

QString nameList(const QDir& base, const QStringList& paths)
{
    QStringList names;
    for (const QString& path : paths)
        names << base.relativeFilePath(path);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) { return fileordermaplist::strLogicCompare(a, b) < 0; });
    QStringList shown;
    for (int i = 0; i < names.size() && i < kNamesShown; ++i)
        shown << shortName(names.at(i));
    if (names.size() > kNamesShown)
        shown << files::tr("……以及另外 %n 个文件", nullptr, names.size() - kNamesShown);
    return (names.size() > 1 ? QStringLiteral("\n") : QString()) + shown.join(QLatin1Char('\n'));
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
    // The sync's state shows from the start, whoever starts the runs.
    connect(m_cloudDisk, &cloudDisk::updatingChanged, this, &files::setUpdating);
    connect(m_cloudDisk, &cloudDisk::cloudTipsChanged, this, &files::setCloudTips);
    qRegisterMetaType<QModelIndex>("QModelIndex");
    loadRecentFiles();
    loadRecentNotes();
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
    connect(m_model, &QAbstractItemModel::layoutChanged, this, &files::announceTreeChange, Qt::UniqueConnection);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &files::announceTreeChange, Qt::UniqueConnection);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &files::announceTreeChange, Qt::UniqueConnection);
    connect(m_model, &QAbstractItemModel::modelReset, this, &files::announceTreeChange, Qt::UniqueConnection);
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

void files::announceTreeChange()
{
    // After the view has taken the change in: it is connected later.
    if (m_treeChangePending)
        return;
    m_treeChangePending = true;
    QTimer::singleShot(0, this, [this] {
        m_treeChangePending = false;
        emit treeChanged();
    });
}

QModelIndex files::treeIndex(const QUrl& file) const
{
    const QString local = file.toLocalFile();
    if (local.isEmpty() || !m_model)
        return QModelIndex();
    const QString root = QDir::cleanPath(m_fileSystemModel->rootPath());
    QString path = QDir::cleanPath(QFileInfo(local).absoluteFilePath());
    if (QFileInfo(path).fileName() == kIndexFile)
        path = QFileInfo(path).absolutePath();
    if (!path.startsWith(root + QLatin1Char('/')) || !LibraryPath::taken(path))
        return QModelIndex();
    return m_model->mapFromSource(m_fileSystemModel->index(path));
}

QModelIndex files::indexOfFile(const QString& path) const { return m_fileSystemModel->index(path); }

bool files::IndexIsDir(const QModelIndex& index) const { return m_fileSystemModel->isDir(index); }

QString files::relativeToDocuments(const QString& root, const QString& path)
{
    QString rest = path.startsWith(root) ? path.mid(root.size()) : path;
    rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return rest.isEmpty() ? QStringLiteral("/") : rest;
}

void files::onDirectoryLoaded(const QString& path)
{
    // A folder is loaded again after every save into it: the document
    // folder is looked up once for both uses.
    const QString root = global::documentPath();
    const QString relative = relativeToDocuments(root, path);
    if (!m_loadedFolders.contains(relative))
        m_loadedFolders.append(relative);
    const QString current = m_currentFile.toLocalFile();
    if (!current.isEmpty() && QFileInfo::exists(current))
        showIndexUnder(current, root);
    setLoading(false);
}

void files::showCurrentIndex(const QString& localPath)
{
    if (localPath.isEmpty() || !QFileInfo::exists(localPath))
        return;
    showIndexUnder(localPath, global::documentPath());
}

void files::showIndexUnder(const QString& localPath, const QString& root)
{
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
    logDebug(lcFiles) << path;
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
    // A refused folder has been told and changes nothing.
    if (m_documentPath == path || !global::setDocumentPath(path))
        return;
    m_documentPath = path;
    showDocumentFolder();
    emit documentUrlChanged(m_documentUrl);
    emit documentPathChanged(m_documentPath);
}

// The tree and the folder for new documents follow a new document folder at once.
void files::showDocumentFolder()
{
    initModel();
    setCurrentPath(QUrl::fromLocalFile(global::documentPath()));
}

QUrl files::documentUrl() const { return QUrl::fromLocalFile(global::documentPath()); }

void files::setDocumentUrl(const QUrl& url)
{
    if (m_documentUrl == url || !global::setDocumentPath(url.toLocalFile()))
        return;
    m_documentUrl = url;
    showDocumentFolder();
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
    logDebug(lcFiles) << value;
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

void files::loadRecentFiles() { setRecentFiles(loadRecent(kRecentFilesKey)); }

void files::setRecentFile(const QUrl& file)
{
    if (pushRecent(kRecentFilesKey, file.toLocalFile()))
        loadRecentFiles();
}

void files::clearRecentFiles()
{
    SettingsFile::store(QLatin1String(kRecentFilesKey), QStringList());
    loadRecentFiles();
}

void files::setRecentNotes(const QStringList& list)
{
    if (m_recentNotes == list)
        return;
    m_recentNotes = list;
    emit recentNotesChanged();
}

void files::loadRecentNotes() { setRecentNotes(loadRecent(kRecentNotesKey)); }

void files::setRecentNote(const QUrl& file)
{
    if (pushRecent(kRecentNotesKey, file.toLocalFile()))
        loadRecentNotes();
}

void files::clearRecentNotes()
{
    SettingsFile::store(QLatin1String(kRecentNotesKey), QStringList());
    loadRecentNotes();
}

// ---- creating ---------------------------------------------------------------

QString files::targetOf(const QString& path)
{
    // A book's "index.txt" stands for the book: the path as written up to
    // its folder, so that nothing is cleaned away before it is resolved.
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash > 0 && path.mid(slash + 1) == kIndexFile) {
        const QString folder = LibraryPath::entry(path.left(slash));
        if (!folder.isEmpty() && folder != LibraryPath::root() && LibraryPath::contains(folder))
            return path.left(slash);
    }
    return path;
}

QString files::creationFolder()
{
    const QString folder = m_currentPath.toLocalFile();
    if (folder.isEmpty() || !QFileInfo(folder).isDir() || !LibraryPath::holds(folder))
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
    // Never over an existing entry (an unreadable file or a link is not listed).
    if (!LibraryPath::createEmptyFile(path))
        logWarning(lcFiles) << "cannot create" << path;
    doCloud(false);
    return QUrl::fromLocalFile(path);
}

QString files::newDir()
{
    const QString base = creationFolder() + QDir::separator() + tr("NewBook");
    QString path = base;
    for (int i = 1; LibraryPath::taken(path); ++i)
        path = base + QString::number(i);
    if (!LibraryPath::contains(path) || !QDir().mkpath(path))
        return path;
    const QString index = path + QStringLiteral("/index.txt");
    if (!LibraryPath::taken(index) && !LibraryPath::createEmptyFile(index))
        logWarning(lcFiles) << "creat file fail";
    return path;
}

// ---- deleting ---------------------------------------------------------------

bool files::removeTree(const QString& folder, const QString& spelled, QStringList* failed)
{
    bool ok = true;
    QDir dir(folder);
    const QFileInfoList entries = dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        const QString path = entry.absoluteFilePath();
        const QString shown = spelled + QLatin1Char('/') + entry.fileName();
        // Links are removed as links and never followed.
        if (entry.isDir() && !entry.isSymLink()) {
            if (!removeTree(path, shown, failed))
                ok = false;
            continue;
        }
        const bool removed = QFile::remove(path);
        emit closeFile(QUrl::fromLocalFile(shown));
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
    // Resolved once: the check, the history copies and the removal all act
    // on this entry. `spelled` is the same entry as the tree and the tabs
    // name it.
    const QString raw = targetOf(local);
    const QString target = LibraryPath::entry(raw);
    const QString spelled = QFileInfo(raw).absoluteFilePath();
    const QFileInfo info(target);
    if (target.isEmpty() || (!info.exists() && !info.isSymLink()))
        return;
    if (!LibraryPath::contains(target)) {
        message::show(Message::Error, tr("只能删除文档文件夹中的文件：%1").arg(target), 5000);
        return;
    }
    // The question names what goes (the document, or the book with all of
    // its documents; a linked book only loses its link), where the copies
    // are, and every file that gets none.
    const bool book = info.isDir() && !info.isSymLink();
    QStringList documents;
    const QStringList uncopied = removedFiles(target, book, &documents);
    const QDir library(LibraryPath::root());
    const QString shown = shortName(library.relativeFilePath(target));
    QString question;
    if (!book && documents.isEmpty())
        question = tr("是否要删除“%1”？删除后不能恢复。").arg(shown);
    else
        question = book ? tr("是否确认删除书“%1”及其中的全部文档？删除前的副本保存在历史记录中（工具 → 历史记录）。").arg(shown)
                        : tr("是否确认删除“%1”？删除前的副本保存在历史记录中（工具 → 历史记录）。").arg(shown);
    if (book && !uncopied.isEmpty())
        question += QStringLiteral("\n\n") + tr("以下文件不保存副本，删除后无法恢复：%1").arg(nameList(QDir(target), uncopied));
    if (questionHandler()(tr("caution"), question) != QMessageBox::Yes)
        return;
    // The copies, after the answer: an open tab's copy is its text, unsaved
    // typing included. Without all of them nothing is removed.
    const QStringList notKept = keepCopies(target, documents);
    if (!notKept.isEmpty()) {
        const QString what = nameList(library, notKept);
        message::show(Message::Error, book ? tr("无法保存历史记录，文件夹未删除：%1").arg(what) : tr("无法保存历史记录，文件未删除：%1").arg(what), 5000);
        return;
    }

    if (!book) {
        emit closeFile(QUrl::fromLocalFile(spelled));
        if (!QFile::remove(target)) {
            logWarning(lcFiles) << "remove failed" << target;
            message::show(Message::Error, tr("删除失败：%1").arg(shown), 5000);
            return;
        }
        logDebug(lcFiles) << "removed" << target;
        return;
    }
    emit closeFile(QUrl::fromLocalFile(spelled + QStringLiteral("/index.txt")));
    QStringList failed;
    if (!removeTree(target, spelled, &failed)) {
        logWarning(lcFiles) << "remove failed" << failed;
        message::show(Message::Error, tr("删除失败：%1").arg(nameList(library, failed)), 5000);
    }
}

QStringList files::removedFiles(const QString& target, bool book, QStringList* documents)
{
    QStringList removed;
    if (!book) {
        removed << target;
    } else {
        QDirIterator it(target, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            // A link is removed as a link: what it leads to stays.
            if (!QFileInfo(path).isSymLink())
                removed << path;
        }
    }
    QStringList uncopied;
    for (const QString& path : qAsConst(removed)) {
        const QFileInfo info(path);
        const QString suffix = info.suffix().toLower();
        // Only documents have a place in the history, and only one that can
        // be read whole.
        if ((suffix == QLatin1String("txt") || suffix == QLatin1String("md")) && !DocumentFile::tooLarge(info.size()))
            documents->append(path);
        else
            uncopied.append(path);
    }
    return uncopied;
}

QStringList files::keepCopies(const QString& target, const QStringList& documents)
{
    const QHash<QString, QString> open = settleOpenDocuments(target, true);
    QStringList notKept;
    QStringList made;
    for (const QString& path : documents) {
        const auto text = open.constFind(path);
        QString copy;
        // A link that leads nowhere holds nothing to copy.
        if (text != open.constEnd() ? !global::saveTmpFile(path, *text, &copy)
                                    : QFileInfo(path).isFile() && !global::saveTmpFile(path, QString(), &copy))
            notKept << path;
        else if (!copy.isEmpty())
            made << copy;
    }
    // A refused delete leaves the disk as it found it: the copies made for
    // it go again.
    if (!notKept.isEmpty()) {
        for (const QString& copy : qAsConst(made)) {
            if (!QFile::remove(copy))
                logWarning(lcFiles) << "a history copy of a refused delete stays:" << copy;
        }
    }
    return notKept;
}

QHash<QString, QString> files::settleOpenDocuments(const QString& target, bool wantTexts)
{
    m_changing = target;
    m_wantTexts = wantTexts;
    m_openTexts.clear();
    emit changing(QUrl::fromLocalFile(target));
    m_changing.clear();
    return std::exchange(m_openTexts, {});
}

void files::offerOpenDocument(QObject* document)
{
    auto* doc = qobject_cast<LazyTextDocument*>(document);
    if (!doc || m_changing.isEmpty() || !doc->fileName().isLocalFile())
        return;
    const QString entry = LibraryPath::entry(doc->fileName().toLocalFile());
    if (entry != m_changing && !entry.startsWith(m_changing + QLatin1Char('/')))
        return;
    doc->waitForSaves();
    if (m_wantTexts && doc->isModified())
        m_openTexts.insert(entry, doc->allText());
}

// ---- renaming ---------------------------------------------------------------

bool files::renameFile(const QString& newBaseName, const QString& oldFullName)
{
    if (newBaseName.isEmpty() || oldFullName.isEmpty())
        return false;
    const QString raw = targetOf(oldFullName);
    const QString old = LibraryPath::entry(raw);
    const QFileInfo info(old);
    if (old.isEmpty() || !info.exists() || !LibraryPath::contains(old)) {
        message::show(Message::Warn, tr("无法重命名"), 5000);
        return false;
    }
    const QString parent = info.absolutePath();
    const bool isDir = info.isDir();
    QString name = newBaseName;
    if (isDir) {
        if (name.endsWith(QLatin1String(".txt")))
            name.chop(4);
        if (name.endsWith(QLatin1String(".md")))
            name.chop(3);
    }
    // A name shown otherwise than its bytes (not UTF-8) kept as it was.
    if (info.fileName() == name || FileNameCodec::shown(info.fileName()) == name)
        return true;

    QString problem = LumoFileSystemModel::nameProblem(parent, name, info.fileName(), isDir);
    // The tree lists ".txt" and ".md" documents only.
    if (problem.isEmpty() && !isDir && !name.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive)
        && !name.endsWith(QLatin1String(".md"), Qt::CaseInsensitive))
        problem = tr("文档名须以“.txt”或“.md”结尾");
    const QString taken = isDir ? tr("无法重命名，指定名称的文件夹已存在") : tr("无法重命名，指定名称的文件已存在");
    if (!problem.isEmpty()) {
        const bool exists = !name.trimmed().isEmpty() && LibraryPath::taken(parent + QLatin1Char('/') + name);
        message::show(Message::Warn, exists ? taken : tr("无法重命名") + QStringLiteral("：") + problem, 5000);
        return false;
    }
    // Saves in flight of the documents that move land first: none of them
    // brings the old name back afterwards.
    settleOpenDocuments(old, false);
    const QString target = parent + QLatin1Char('/') + name;
    const bool renamed = isDir ? QDir(parent).rename(info.fileName(), name) : QFile::rename(old, target);
    if (!renamed) {
        message::show(Message::Warn, taken, 5000);
        return false;
    }
    const QString from = QFileInfo(raw).absoluteFilePath();
    followMove(from, QFileInfo(from).absolutePath() + QLatin1Char('/') + name);
    return true;
}

void files::followMove(const QString& from, const QString& to)
{
    auto follow = [&](const QString& path) -> QString {
        if (path.isEmpty())
            return QString();
        const QString clean = QDir::cleanPath(path);
        if (clean == from)
            return to;
        if (clean.startsWith(from + QLatin1Char('/')))
            return to + clean.mid(from.size());
        return QString();
    };
    bool changed = false;
    {
        const SettingsGate gate;
        QSettings settings;
        QStringList recent = settings.value(QLatin1String(kRecentFilesKey)).toStringList();
        for (QString& entry : recent) {
            const QString now = follow(entry);
            if (!now.isEmpty()) {
                entry = now;
                changed = true;
            }
        }
        if (changed) {
            settings.setValue(QLatin1String(kRecentFilesKey), recent);
            SettingsFile::commit(settings);
        }
    }
    if (changed)
        loadRecentFiles();
    // Open tabs follow first, so nothing is saved under the old name.
    emit moved(QUrl::fromLocalFile(from), QUrl::fromLocalFile(to));
    const QString current = follow(m_currentFile.toLocalFile());
    if (!current.isEmpty())
        setCurrentFile(QUrl::fromLocalFile(current));
    const QString folder = follow(m_currentPath.toLocalFile());
    if (!folder.isEmpty())
        setCurrentPath(QUrl::fromLocalFile(folder));
}

// ---- notes -----------------------------------------------------------------

QUrl files::noteRootUrl() const { return QUrl::fromLocalFile(global::notesPath()); }

QUrl files::notesPath() const { return QUrl::fromLocalFile(global::notesPath()); }

namespace {
QStringList noteNames()
{
    return QDir(global::notesPath()).entryList({ QStringLiteral("*.txt"), QStringLiteral("*.md") }, QDir::Files | QDir::Readable);
}
} // namespace

QUrl files::newNoteFile()
{
    int largest = 0;
    for (const QString& name : noteNames())
        largest = qMax(largest, FileFilterModel::numberFromText(name));
    const QString path = global::notesPath() + QDir::separator() + tr("新笔记 %1").arg(largest + 1) + QStringLiteral(".txt");
    LibraryPath::createEmptyFile(path);
    return QUrl::fromLocalFile(path);
}

QUrl files::noteCurrentFile()
{
    const QStringList notes = noteNames();
    if (notes.isEmpty()) {
        const QUrl note = newNoteFile();
        setNoteCurrentFile(note);
        return note;
    }
    QString path = QSettings().value(QLatin1String(kNoteCurrentKey)).toString();
    if (path.isEmpty() || !QFileInfo::exists(path))
        path = global::notesPath() + QDir::separator() + notes.first();
    return QUrl::fromLocalFile(path);
}

void files::setNoteCurrentFile(const QUrl& url)
{
    SettingsFile::store(QLatin1String(kNoteCurrentKey), url.toLocalFile());
    emit noteCurrentFileChanged(url);
}

QUrl files::deleteNoteFile()
{
    const QString current = QSettings().value(QLatin1String(kNoteCurrentKey)).toString();
    const QString name = QFileInfo(current).fileName();
    if (questionHandler()(tr("Notes"), tr("是否要删除“%1”？删除后不能恢复。").arg(shortName(name))) != QMessageBox::Yes)
        return QUrl();
    const QString folder = global::notesPath();
    QString next;
    for (const QString& entry : QDir(folder).entryList({ QStringLiteral("*.txt"), QStringLiteral("*.md") })) {
        if (entry != name) {
            next = folder + QDir::separator() + entry;
            break;
        }
    }
    if (next.isEmpty()) {
        next = folder + QDir::separator() + tr("新笔记 %1").arg(FileFilterModel::numberFromText(name) + 1) + QStringLiteral(".txt");
        LibraryPath::createEmptyFile(next);
    }
    setNoteCurrentFile(QUrl::fromLocalFile(next));
    // Only a note inside the notes folder is ever removed; its editor tab
    // closes first, so nothing writes it back.
    if (current.isEmpty() || QFileInfo(current).absolutePath() != QFileInfo(folder).absoluteFilePath())
        return QUrl();
    emit closeFile(QUrl::fromLocalFile(current));
    if (!QFile::remove(current))
        return QUrl();
    return QUrl::fromLocalFile(next);
}

FileFilterModel* files::notesModel()
{
    if (m_notesModel)
        return m_notesModel;
    auto* fs = new LumoFileSystemModel();
    fs->setRootPath(global::notesPath());
    fs->setNameFilters({ QStringLiteral("*.txt"), QStringLiteral("*.md") });
    fs->setNameFilterDisables(false);
    fs->setReadOnly(false);
    m_notesModel = new FileFilterModel();
    m_notesModel->setSourceModel(fs);
    const QModelIndex root = m_notesModel->mapFromSource(fs->index(global::notesPath()));
    if (root != m_notesIndex) {
        m_notesIndex = root;
        emit notesIndexChanged(root);
    }
    m_notesModel->sort(0, global::instance()->filesSortType() ? Qt::AscendingOrder : Qt::DescendingOrder);
    return m_notesModel;
}

void files::setNotesModel(FileFilterModel* model)
{
    if (m_notesModel == model)
        return;
    m_notesModel = model;
    emit notesModelChanged(model);
}

void files::setNotesIndex(const QModelIndex& index)
{
    if (m_notesIndex == index)
        return;
    m_notesIndex = index;
    emit notesIndexChanged(index);
}

// ---- history ----------------------------------------------------------------

FileFilterModel* files::historyModel()
{
    if (m_historyModel)
        return m_historyModel;
    if (!m_historyFileSystemModel) {
        m_historyFileSystemModel = new LumoFileSystemModel();
        m_historyFileSystemModel->setRootPath(global::historyPath());
        m_historyFileSystemModel->setNameFilters({ QStringLiteral("*.txt"), QStringLiteral("*.md") });
    }
    m_historyModel = new FileFilterModel(this);
    m_historyModel->setSourceModel(m_historyFileSystemModel);
    emit historyIndexChanged();
    m_historyModel->sort(0, global::instance()->filesSortType() ? Qt::AscendingOrder : Qt::DescendingOrder);
    return m_historyModel;
}

void files::setHistoryModel(FileFilterModel* model)
{
    if (m_historyModel == model)
        return;
    logDebug(lcFiles) << model;
    m_historyModel = model;
    emit historyModelChanged(m_historyModel);
}

QModelIndex files::historyIndex()
{
    logDebug(lcFiles) << "history index";
    FileFilterModel* model = historyModel();
    return model->mapFromSource(m_historyFileSystemModel->index(m_historyFileSystemModel->rootPath()));
}

void files::showFileHistory(const QString& url) { logDebug(lcFiles) << url; }

QStringList files::historyFilters(const QUrl& document) { return HistoryRestore::filters(document); }

QUrl files::keptCopiesPath() const
{
    const QString folder = HistorySnapshots::fallbackFolder();
    return folder.isEmpty() ? QUrl() : QUrl::fromLocalFile(folder);
}

QUrl files::historyDocument(const QUrl& copy, const QUrl& preferred)
{
    QString reason;
    const QUrl document = HistoryRestore::documentOf(copy, preferred, &reason);
    if (document.isEmpty())
        message::show(Message::Error, tr("未恢复：") + reason, 5000);
    return document;
}

QVariant files::historyText(const QUrl& copy)
{
    QString reason;
    const QString text = HistoryRestore::text(copy, &reason);
    if (!text.isNull())
        return text;
    message::show(Message::Error, tr("无法读取历史记录：%1").arg(copy.toLocalFile()) + QStringLiteral(" (") + reason + QLatin1Char(')'), 5000);
    return QVariant();
}

QString files::historyPreview(const QUrl& copy)
{
    QString reason;
    return TextFileForm::shown(HistoryRestore::text(copy, &reason));
}

bool files::restoreHistory(const QUrl& snapshot, const QUrl& document)
{
    QString notice;
    if (document.isLocalFile() && HistoryRestore::restoreInto(snapshot, document.toLocalFile(), &notice))
        return true;
    message::show(Message::Error, notice.isEmpty() ? tr("恢复失败：%1").arg(document.toString()) : notice, 5000);
    return false;
}

// ---- import and export ------------------------------------------------------

void files::getAllFiles(const QString& path, QStringList& out)
{
    QSet<QString> visited;
    std::function<void(const QString&)> walk = [&](const QString& folder) {
        const QFileInfo info(folder);
        if (!info.isDir())
            return;
        const QString canonical = info.canonicalFilePath();
        if (visited.contains(canonical))
            return;
        visited.insert(canonical);
        const QDir dir(folder);
        for (const QString& sub : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort))
            walk(folder + QLatin1Char('/') + sub);
        for (const QString& name : dir.entryList({ QStringLiteral("*.txt"), QStringLiteral("*.md") }, QDir::Files, QDir::NoSort))
            out.append(folder + QLatin1Char('/') + name);
    };
    walk(path);
}

QStringList files::getFileListByPath(const QString& folder, const QStringList& nameFilters)
{
    return function::getFileListByPath(QUrl::fromLocalFile(folder), nameFilters);
}

namespace {
// "二" .. "九十九": the count in a free name has no digit, so the number
// order (the tree's, the export's, new chapters') reads the chapter's own
// number and keeps the copy beside its original.
QString chineseCount(int n)
{
    static const QString digits = QStringLiteral("零一二三四五六七八九");
    if (n < 10)
        return digits.at(n);
    QString text = (n >= 20 ? QString(digits.at(n / 10)) : QString()) + QStringLiteral("十");
    if (n % 10)
        text += digits.at(n % 10);
    return text;
}

// A free name beside a taken one: "第1章 (导入).txt", "第1章 (导入二).txt", ...
// Empty when one of them already holds the same bytes (`sameFound` set) or
// all are taken.
QString freeImportName(const QString& taken, const QString& sourceMd5, bool* sameFound)
{
    const QFileInfo info(taken);
    const QString stem = info.absolutePath() + QLatin1Char('/') + info.completeBaseName();
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    for (int i = 1; i < 100; ++i) {
        const QString mark = i == 1 ? files::tr("导入") : files::tr("导入") + chineseCount(i);
        const QString candidate = stem + QStringLiteral(" (") + mark + QLatin1Char(')') + suffix;
        if (!LibraryPath::taken(candidate))
            return candidate;
        if (!sourceMd5.isEmpty() && QFileInfo(candidate).isFile() && function::fileMd5(candidate) == sourceMd5) {
            *sameFound = true;
            return QString();
        }
    }
    return QString();
}
} // namespace

files::ImportResult files::importOne(const QString& source, const QString& destination, QString* written, QString* error)
{
    // Never outside the library, also not through a linked folder on the way.
    if (!LibraryPath::contains(destination)) {
        *error = tr("不在文件目录内");
        return ImportResult::Failed;
    }
    QString target = destination;
    if (LibraryPath::taken(destination)) {
        const QString sourceMd5 = function::fileMd5(source);
        if (!sourceMd5.isEmpty() && QFileInfo(destination).isFile() && sourceMd5 == function::fileMd5(destination))
            return ImportResult::Same;
        bool same = false;
        target = freeImportName(destination, sourceMd5, &same);
        if (same)
            return ImportResult::Same;
        if (target.isEmpty()) {
            *error = tr("没有空闲的文件名");
            return ImportResult::Failed;
        }
    }
    const UserFile::Result copied = UserFile::copy(source, target, UserFile::NewFileOnly | UserFile::CreateFolder);
    if (!copied) {
        *error = copied.error;
        return ImportResult::Failed;
    }
    *written = target;
    return ImportResult::Copied;
}

void files::reportImport(int copied, const QStringList& same, const QStringList& failed, const QString& target, bool notes)
{
    QString name = QDir::fromNativeSeparators(target).section(QLatin1Char('/'), -1);
    if (name.isEmpty() || name == QLatin1String("Penlark") || (notes && name == QLatin1String(".Notes")))
        name = tr("根目录");
    message::show(Message::Tips, tr("已将 %n 个文件导入到 %1", nullptr, copied).arg(name), 5000);
    if (!same.isEmpty())
        message::show(Message::Note, tr("已存在相同内容，未导入：%1").arg(same.join(QStringLiteral(", "))), 5000);
    if (!failed.isEmpty())
        message::show(Message::Error, tr("未能导入：%1").arg(failed.join(QStringLiteral(", "))), 5000);
}

void files::importFolder(const QUrl& url, const QUrl& localPath, bool notes)
{
    const QString source = QFileInfo(url.toLocalFile()).absoluteFilePath();
    QString target = localPath.isEmpty() ? (notes ? global::notesPath() : global::documentPath()) : localPath.toLocalFile();
    if (url.toLocalFile().isEmpty() || !QFileInfo(source).isDir()) {
        message::show(Message::Error, tr("Directory not exists"), 5000);
        return;
    }
    if (!LibraryPath::holds(target)) {
        message::show(Message::Error, tr("目标文件夹不在文件目录下, 默认导入到文件目录下"), 5000);
        target = global::documentPath();
    }
    const QString resolvedSource = LibraryPath::resolved(source);
    const QString resolvedTarget = LibraryPath::resolved(target);
    if (!notes && resolvedSource == resolvedTarget) {
        message::show(Message::Error, tr("您要导入的文件夹与目标文件夹相同,不用导入这个文件夹"), 5000);
        return;
    }
    QStringList candidates;
    getAllFiles(source, candidates);
    static const QStringList skipped { QStringLiteral(".note"), QStringLiteral(".history"), QStringLiteral("临时文件"),
                                       QStringLiteral(".MetaData"), QStringLiteral(".notes"), QStringLiteral(".History") };
    int copied = 0;
    QStringList same;
    QStringList failed;
    for (const QString& path : qAsConst(candidates)) {
        if (std::any_of(skipped.begin(), skipped.end(), [&](const QString& s) { return path.contains(s); }))
            continue;
        const QString relative = path.mid(source.size() + 1);
        // Never copy a file into itself (the target inside the source).
        if (resolvedTarget.startsWith(resolvedSource + QLatin1Char('/'))
            && LibraryPath::resolved(path).startsWith(resolvedTarget + QLatin1Char('/')))
            continue;
        // Failures are told once, all together, by reportImport.
        if (!QFileInfo::exists(path)) {
            failed.append(relative + QStringLiteral(" (") + tr("File not exists") + QLatin1Char(')'));
            continue;
        }
        QString written;
        QString error;
        switch (importOne(path, target + QLatin1Char('/') + relative, &written, &error)) {
        case ImportResult::Copied:
            ++copied;
            break;
        case ImportResult::Same:
            same.append(relative);
            break;
        case ImportResult::Failed:
            failed.append(relative + QStringLiteral(" (") + error + QLatin1Char(')'));
            break;
        }
    }
    reportImport(copied, same, failed, target, notes);
}

void files::importFileList(const QList<QUrl>& list, const QUrl& localUrl, bool notes)
{
    QString target = localUrl.isEmpty() ? (notes ? global::notesPath() : global::documentPath()) : localUrl.toLocalFile();
    if (!LibraryPath::holds(target)) {
        message::show(Message::Error, tr("目标文件夹不在文件目录下, 默认导入到文件目录下"), 5000);
        target = global::documentPath();
    }
    int copied = 0;
    QStringList same;
    QStringList failed;
    for (const QUrl& url : list) {
        const QString source = url.toLocalFile();
        const QString name = QFileInfo(source).fileName();
        QString written;
        QString error = tr("File not exists");
        switch (QFileInfo(source).isFile() ? importOne(source, target + QLatin1Char('/') + name, &written, &error) : ImportResult::Failed) {
        case ImportResult::Copied:
            ++copied;
            break;
        case ImportResult::Same:
            same.append(name);
            break;
        case ImportResult::Failed:
            // Told once, all together, by reportImport.
            failed.append(name + QStringLiteral(" (") + error + QLatin1Char(')'));
            break;
        }
    }
    reportImport(copied, same, failed, target, notes);
}

void files::importDir(const QUrl& url, const QUrl& localPath) { importFolder(url, localPath, false); }
void files::importNotesDir(const QUrl& url, const QUrl& localPath) { importFolder(url, localPath, true); }
void files::importFiles(const QList<QUrl>& list, const QUrl& localUrl) { importFileList(list, localUrl, false); }
void files::importNotesFiles(const QList<QUrl>& list, const QUrl& localUrl) { importFileList(list, localUrl, true); }

void files::exportThisBook(const QUrl& path, const QUrl& filename)
{
    const QString book = path.toLocalFile();
    const QString target = filename.toLocalFile();
    if (book.isEmpty())
        return;
    const QStringList documents = getFileListByPath(book, { QStringLiteral("*.txt"), QStringLiteral("*.md") });
    // The export never replaces one of the book's own documents, nor any
    // file of the library.
    const QString targetPath = LibraryPath::resolved(target);
    for (const QString& relative : documents) {
        if (LibraryPath::resolved(book + QLatin1Char('/') + relative) == targetPath) {
            message::show(Message::Error, tr("不能导出到书中的文档：%1").arg(target), 5000);
            return;
        }
    }
    if (LibraryPath::contains(target) && LibraryPath::taken(target)) {
        message::show(Message::Error, tr("不能覆盖文档库中已有的文件：%1").arg(target), 5000);
        return;
    }
    QString text;
    for (const QString& relative : documents) {
        QFile in(book + QLatin1Char('/') + relative);
        if (!in.open(QIODevice::ReadOnly))
            continue;
        text += QFileInfo(relative).baseName() + QStringLiteral("\r\n") + function::decodeText(in.readAll()) + QStringLiteral("\r\n");
    }
    QTextCodec* codec = QTextCodec::codecForLocale();
    const QByteArray bytes = codec ? codec->fromUnicode(text) : text.toUtf8();
    const UserFile::Result written = UserFile::write(target, bytes, UserFile::NoOptions);
    if (!written)
        message::show(Message::Error, tr("导出失败：%1").arg(target) + QStringLiteral(" (") + written.error + QLatin1Char(')'), 5000);
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
    logDebug(lcFiles) << path;
    revealInFileManager(path);
}

void files::doCloud(bool showError)
{
    m_cloudDisk->sync(showError ? cloudDisk::Writer : cloudDisk::Program);
}
