#include "files.h"

#include "data/global.h"
#include "files/cloudDisk/clouddisk.h"
#include "files/filefiltermodel.h"
#include "function/function.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {
const char kRecentFilesKey[] = "Files/RecentFiles";
const int kMaxRecentFiles = 10;

// All ASCII digits of a text joined and read as a number; -1 without digits.
qint64 numberFromName(const QString& name)
{
    QString digits;
    for (const QChar c : name) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits.append(c);
    }
    bool ok = false;
    const qint64 n = digits.left(18).toLongLong(&ok);
    return ok ? n : -1;
}
} // namespace

files::files(QObject* parent)
    : QObject(parent)
{
    m_filterModel = new FileFilterModel(this);
    m_cloudDisk = new cloudDisk(180000);
    loadRecentFiles();
    m_historyPath = QUrl::fromLocalFile(global::historyPath());
    m_currentPath = QUrl::fromLocalFile(global::documentPath());
    m_documentUrl = QUrl::fromLocalFile(global::documentPath());
}

void files::setCurrentPath(const QUrl& path)
{
    if (m_currentPath == path)
        return;
    m_currentPath = path;
    emit currentPathChanged(path);
}

void files::setCurrentFile(const QUrl& file)
{
    if (m_currentFile == file)
        return;
    m_currentFile = file;
    emit currentFileChanged(file);
    if (file.isLocalFile()) {
        setCurrentPath(QUrl::fromLocalFile(QFileInfo(file.toLocalFile()).absolutePath()));
        setRecentFile(file);
    }
}

void files::setCloudTips(const QString& tips)
{
    if (m_cloudTips == tips)
        return;
    m_cloudTips = tips;
    emit cloudTipsChanged(tips);
}

void files::setDocumentUrl(const QUrl& url)
{
    if (m_documentUrl == url)
        return;
    m_documentUrl = url;
    global::setDocumentPath(url.toLocalFile());
    emit documentUrlChanged(url);
    emit documentPathChanged(url.toLocalFile());
}

void files::loadRecentFiles()
{
    m_recentFiles = QSettings().value(QLatin1String(kRecentFilesKey)).toStringList();
    emit recentFilesChanged();
}

void files::setRecentFile(const QUrl& file)
{
    const QString path = file.toLocalFile();
    if (path.isEmpty() || (!m_recentFiles.isEmpty() && m_recentFiles.last() == path))
        return;
    QStringList list = m_recentFiles;
    list.removeAll(path);
    list.append(path);
    while (list.size() > kMaxRecentFiles)
        list.removeFirst();
    QSettings().setValue(QLatin1String(kRecentFilesKey), list);
    loadRecentFiles();
}

void files::clearRecentFiles()
{
    QSettings().setValue(QLatin1String(kRecentFilesKey), QStringList());
    loadRecentFiles();
}

QUrl files::newFile()
{
    QString folder = m_currentPath.toLocalFile();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = global::documentPath();
    qint64 largest = 0;
    const QStringList names = QDir(folder).entryList({ QStringLiteral("*.md"), QStringLiteral("*.txt") }, QDir::Files);
    for (const QString& name : names)
        largest = qMax(largest, numberFromName(name));
    const QString path = folder + QLatin1Char('/') + tr("第%1章").arg(largest + 1) + QStringLiteral(".txt");
    if (QFileInfo::exists(path))
        return QUrl();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QUrl();
    file.close();
    doCloud(false);
    return QUrl::fromLocalFile(path);
}

QString files::newDir()
{
    QString folder = m_currentPath.toLocalFile();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = global::documentPath();
    const QString base = folder + QLatin1Char('/') + tr("NewBook");
    QString path = base;
    for (int i = 1; QFileInfo::exists(path); ++i)
        path = base + QString::number(i);
    if (!QDir().mkpath(path))
        return QString();
    QFile index(path + QStringLiteral("/index.txt"));
    if (index.open(QIODevice::WriteOnly))
        index.close();
    return path;
}

void files::delFile() {}

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

void files::showInFinder() {}

void files::sortFile()
{
    global::instance()->setFilesSortType(!global::instance()->filesSortType());
}

void files::setUpdating(bool updating)
{
    if (m_updating == updating)
        return;
    m_updating = updating;
    emit updatingChanged(updating);
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
