#ifndef QQUICKFOLDERLISTMODEL_H
#define QQUICKFOLDERLISTMODEL_H

#include <QAbstractListModel>
#include <QObject>
#include <QStringList>
#include <QUrl>

// Folder list model for QML ("FolderListModel"): the documents of one folder,
// scanned off the GUI thread.
class QQuickFolderListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(QUrl folder READ folder WRITE setFolder NOTIFY folderChanged)
    Q_PROPERTY(QStringList nameFilters READ nameFilters WRITE setNameFilters NOTIFY nameFiltersChanged)

public:
    explicit QQuickFolderListModel(QObject* parent = nullptr);
    QUrl folder() const { return m_folder; }
    void setFolder(const QUrl& value);
    QStringList nameFilters() const { return m_nameFilters; }
    void setNameFilters(const QStringList& value);
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

signals:
    void folderChanged(const QUrl& folder);
    void nameFiltersChanged(const QStringList& nameFilters);

private:
    QUrl m_folder;
    QStringList m_nameFilters;
};

#endif
