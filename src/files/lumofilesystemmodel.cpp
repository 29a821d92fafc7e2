#include "lumofilesystemmodel.h"

#include "data/global.h"
#include "files/fileordermaplist.h"
#include "files/librarypath.h"
#include "support/filenamecodec.h"
#include "support/log.h"
#include "support/userfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>


LumoFileSystemModel::LumoFileSystemModel(QObject* parent)
    : QFileSystemModel(parent)
{
    // A folder whose listing never reports back does not hold up the rest.
    m_fetchGuard.setSingleShot(true);
    m_fetchGuard.setInterval(500);
    connect(&m_fetchGuard, &QTimer::timeout, this, [this] {
        m_fetching.clear();
        fetchNext();
    });
    connect(this, &QFileSystemModel::directoryLoaded, this, [this](const QString& path) {
        if (m_fetching.isEmpty() || path != m_fetching)
            return;
        m_fetching.clear();
        m_fetchGuard.stop();
        // Queued, so the listing just delivered is handled first.
        QTimer::singleShot(0, this, &LumoFileSystemModel::fetchNext);
    });
}

void LumoFileSystemModel::fetchMore(const QModelIndex& parent)
{
    if (!parent.isValid() || !canFetchMore(parent))
        return;
    for (const QPersistentModelIndex& pending : qAsConst(m_pendingFetches)) {
        if (pending == parent)
            return;
    }
    m_pendingFetches.enqueue(QPersistentModelIndex(parent));
    if (m_fetching.isEmpty())
        fetchNext();
}

void LumoFileSystemModel::fetchNext()
{
    while (m_fetching.isEmpty() && !m_pendingFetches.isEmpty()) {
        const QPersistentModelIndex next = m_pendingFetches.dequeue();
        if (!next.isValid() || !canFetchMore(next))
            continue;
        m_fetching = filePath(next);
        m_fetchGuard.start();
        QFileSystemModel::fetchMore(next);
    }
}

int LumoFileSystemModel::depthLevel(const QString& absolutePath)
{
    const QString root = global::documentPath();
    if (absolutePath.size() <= root.size() + 1 || !absolutePath.startsWith(root))
        return 0;
    QString shortPath = fileordermaplist::getShortPath(absolutePath);
    if (shortPath.indexOf(QLatin1Char('\\')) != 0)
        shortPath.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const int slashes = shortPath.count(QLatin1Char('/'));
    return slashes <= 2 ? slashes + 1 : 0;
}

QString LumoFileSystemModel::iconResource(bool isDir, const QString& fileName)
{
    if (isDir)
        return QStringLiteral(":/source/images/folder.png");
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QStringRef suffix = dot >= 0 ? fileName.midRef(dot + 1) : QStringRef();
    if (suffix == QLatin1String("txt"))
        return QStringLiteral(":/source/images/file-text.png");
    if (suffix == QLatin1String("md"))
        return QStringLiteral(":/source/images/file-md.png");
    return QString();
}

QVariant LumoFileSystemModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    switch (role) {
    case Qt::DecorationRole: {
        if (index.column() != 0)
            break;
        const QString resource = iconResource(isDir(index), fileName(index));
        if (resource.isEmpty())
            break;
        return QIcon(resource);
    }
    case lumoObjectNameRole:
        return fileordermaplist::getShortPath(filePath(index));
    case lumoFileTypeRole:
        return depthLevel(filePath(index));
    case Qt::DisplayRole:
    case FileNameRole:
        if (index.column() == 0)
            return FileNameCodec::shown(QFileSystemModel::data(index, Qt::DisplayRole).toString());
        break;
    default:
        break;
    }
    return QFileSystemModel::data(index, role);
}

void LumoFileSystemModel::sort(int column, Qt::SortOrder order)
{
    Q_UNUSED(column)
    Q_UNUSED(order)
}

QString LumoFileSystemModel::nameProblem(const QString& parentPath, const QString& name, const QString& currentName, bool isDir)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty() || trimmed.count(QLatin1Char('.')) == trimmed.size())
        return tr("名称不能为空");
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || name.contains(QChar(0))
        || name.contains(QLatin1String("..")))
        return tr("名称不能包含“/”、“\\”或“..”");
    // A document's name without its suffix must not be empty either.
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (!isDir && dot >= 0 && name.left(dot).trimmed().isEmpty())
        return tr("名称不能为空");
    // The trees and lists hide these entries: the document would vanish.
    if (name.startsWith(QLatin1Char('.')))
        return tr("名称不能以“.”开头");
    if (isServiceName(name, isDir))
        return tr("“%1”是程序自用的名称").arg(name);
    // What the file system takes; the writer's temporary names always fit.
    if (QFile::encodeName(name).size() > UserFile::nameLimit(parentPath))
        return tr("名称太长");
    if (name != currentName && LibraryPath::taken(QDir(parentPath).filePath(name)))
        return tr("指定名称的文件已存在");
    return QString();
}

bool LumoFileSystemModel::isServiceName(const QString& name, bool isDir)
{
    if (name == QLatin1String("index.txt") || name == QLatin1String("stateless"))
        return true;
    return isDir && (name == QLatin1String("cache") || name == QLatin1String("Library"));
}

bool LumoFileSystemModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    logDebug(lcFiles) << index << value << role;
    QString newName = value.toString();
    logDebug(lcFiles) << "newName:" << newName;
    const QFileInfo info = fileInfo(index);
    logDebug(lcFiles) << "fileInfo:" << info.absoluteFilePath();
    if (!index.isValid() || index.column() != 0 || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;

    // An empty edit would otherwise become the hidden file ".txt".
    if (newName.trimmed().isEmpty())
        return false;
    if (info.isFile()) {
        const QString suffix = QLatin1Char('.') + info.suffix();
        if (!info.suffix().isEmpty() && !newName.endsWith(suffix))
            newName += suffix;
    }
    if (newName == info.fileName())
        return true;

    // The base model shows a modal box when the rename on disk fails; refuse
    // here, quietly, everything it would fail on.
    if (!nameProblem(info.absolutePath(), newName, info.fileName(), info.isDir()).isEmpty())
        return false;
    if (!LibraryPath::contains(info.absoluteFilePath()))
        return false;
    if (!QFileInfo(info.absolutePath()).isWritable())
        return false;
    return QFileSystemModel::setData(index, newName, role);
}
