#include "filefiltermodel.h"

#include "TovaUi/function/function.h"

#include "data/global.h"
#include "files/fileordermaplist.h"
#include "files/librarypath.h"
#include "files/lumofilesystemmodel.h"
#include "support/log.h"

#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>

FileFilterModel::FileFilterModel(QObject* parent)
    : QSortFilterProxyModel(parent)
{
    connect(global::instance(), &global::filesSortTypeChanged, this, &FileFilterModel::updateSortRole);
}

void FileFilterModel::updateSortRole()
{
    const bool type = global::instance()->filesSortType();
    logDebug(lcFiles) << "role:" << type;
    sort(0, type ? Qt::AscendingOrder : Qt::DescendingOrder);
}

QVariant FileFilterModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (role == EditingRole)
        return editingIndex.isValid() && QModelIndex(editingIndex) == index;
    if (role == FileSelectedRole)
        return true;
    return QSortFilterProxyModel::data(index, role);
}

QHash<int, QByteArray> FileFilterModel::roleNames() const
{
    QHash<int, QByteArray> names = QSortFilterProxyModel::roleNames();
    names.insert(EditingRole, QByteArrayLiteral("editing"));
    names.insert(FileSelectedRole, QByteArrayLiteral("selected"));
    return names;
}

void FileFilterModel::setEditing(const QModelIndex& index, bool isEditing)
{
    logDebug(lcFiles) << "index:" << index << "editing:" << isEditing;
    editingIndex = isEditing ? QPersistentModelIndex(index) : QPersistentModelIndex();
}

QString FileFilterModel::documentPath(const QModelIndex& index) const
{
    if (!index.isValid())
        return QString();
    QString path = data(index, FilePathRole).toString();
    if (path.isEmpty())
        return QString();
    if (QFileInfo(path).isDir())
        path += QStringLiteral("/index.txt");
    return path;
}

QUrl FileFilterModel::documentUrl(const QModelIndex& index) const
{
    const QString path = documentPath(index);
    return path.isEmpty() ? QUrl() : QUrl::fromLocalFile(path);
}

QString FileFilterModel::getFileLocalName(const QModelIndex& index)
{
    const QString path = documentPath(index);
    // Only a book's missing index is made. A row can be older than the disk
    // (another program moved its file, or the tree has not yet seen a
    // rename): its document is never made again, empty, under the old name.
    // Never over an existing entry, and never in a book that is a link to
    // a folder outside the library.
    const bool bookIndex = path != data(index, FilePathRole).toString();
    if (!path.isEmpty() && bookIndex && !LibraryPath::taken(path))
        LibraryPath::createEmptyFile(path);
    return path;
}

QString FileFilterModel::iconSource(const QString& path)
{
    if (path.isEmpty())
        return QString();
    const QFileInfo info(path);
    const QString resource = LumoFileSystemModel::iconResource(info.isDir(), info.fileName());
    return resource.isEmpty() ? QString() : QStringLiteral("qrc") + resource;
}

QUrl FileFilterModel::getFileName(const QModelIndex& index)
{
    const QString path = getFileLocalName(index);
    return path.isEmpty() ? QUrl() : QUrl::fromLocalFile(path);
}

bool FileFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
    const QString name = index.data(QFileSystemModel::FileNameRole).toString();
    const auto* fs = qobject_cast<const QFileSystemModel*>(sourceModel());
    const bool dir = fs ? fs->isDir(index) : false;
    if (dir) {
        return name != QLatin1String(".git") && name != QLatin1String("cache") && name != QLatin1String(".MetaData")
            && name != QLatin1String("Library");
    }
    return name != QLatin1String("index.txt");
}

int FileFilterModel::numberFromText(const QString& text)
{
    return function::getNumberFormString(text);
}

int FileFilterModel::numberKey(const QString& fileName)
{
    const int dot = fileName.indexOf(QLatin1Char('.'));
    return numberFromText(dot >= 0 ? fileName.left(dot) : fileName);
}

bool FileFilterModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    if (!left.isValid() || !right.isValid())
        return false;
    const auto* fs = qobject_cast<const QFileSystemModel*>(sourceModel());
    const bool leftDir = fs ? fs->isDir(left) : false;
    const bool rightDir = fs ? fs->isDir(right) : false;
    const bool ascending = sortOrder() == Qt::AscendingOrder;

    // Books stand before documents in either direction. A descending sort
    // asks lessThan(right, left), so the answer is turned with the order.
    if (leftDir != rightDir)
        return ascending ? leftDir : rightDir;

    const QString leftName = left.data(QFileSystemModel::FileNameRole).toString();
    const QString rightName = right.data(QFileSystemModel::FileNameRole).toString();
    const int leftKey = numberKey(leftName);
    const int rightKey = numberKey(rightName);
    if (leftKey != rightKey) {
        if (leftKey < 0 || rightKey < 0)
            return leftKey < 0;
        return leftKey > rightKey;
    }
    // Equal keys: natural name order, the same in both directions.
    int byName = fileordermaplist::strLogicCompare(leftName, rightName);
    if (byName == 0)
        byName = leftName.compare(rightName);
    return ascending ? byName < 0 : byName > 0;
}
