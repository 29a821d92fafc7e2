#include "qquickfolderlistmodel.h"

QQuickFolderListModel::QQuickFolderListModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

void QQuickFolderListModel::setFolder(const QUrl& value)
{
    if (m_folder == value)
        return;
    m_folder = value;
    emit folderChanged(value);
}

void QQuickFolderListModel::setNameFilters(const QStringList& value)
{
    if (m_nameFilters == value)
        return;
    m_nameFilters = value;
    emit nameFiltersChanged(value);
}

int QQuickFolderListModel::rowCount(const QModelIndex& parent) const
{
    Q_UNUSED(parent)
    return 0;
}

QVariant QQuickFolderListModel::data(const QModelIndex& index, int role) const
{
    Q_UNUSED(index)
    Q_UNUSED(role)
    return QVariant();
}
