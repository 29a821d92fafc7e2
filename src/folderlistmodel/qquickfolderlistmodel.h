#ifndef QQUICKFOLDERLISTMODEL_H
#define QQUICKFOLDERLISTMODEL_H

#include <QAbstractListModel>
#include <QObject>
#include <QQmlParserStatus>
#include <QScopedPointer>
#include <QStringList>
#include <QUrl>

class FileProperty;
class QQuickFolderListModelPrivate;

// Folder list model for QML ("FolderListModel"): the entries of one folder,
// listed, ordered and watched by its own low-priority scanning thread, with
// the history-snapshot roles and a rename of entries.
class QQuickFolderListModel : public QAbstractListModel, public QQmlParserStatus
{
    Q_OBJECT
    Q_INTERFACES(QQmlParserStatus)

    Q_PROPERTY(QUrl folder READ folder WRITE setFolder NOTIFY folderChanged)
    Q_PROPERTY(QUrl rootFolder READ rootFolder WRITE setRootFolder)
    Q_PROPERTY(QUrl parentFolder READ parentFolder NOTIFY folderChanged)
    Q_PROPERTY(QStringList nameFilters READ nameFilters WRITE setNameFilters NOTIFY nameFiltersChanged)
    Q_PROPERTY(SortField sortField READ sortField WRITE setSortField)
    Q_PROPERTY(bool sortReversed READ sortReversed WRITE setSortReversed)
    Q_PROPERTY(bool showFiles READ showFiles WRITE setShowFiles)
    Q_PROPERTY(bool showDirs READ showDirs WRITE setShowDirs)
    Q_PROPERTY(bool showDirsFirst READ showDirsFirst WRITE setShowDirsFirst)
    Q_PROPERTY(bool showDotAndDotDot READ showDotAndDotDot WRITE setShowDotAndDotDot)
    Q_PROPERTY(bool showHidden READ showHidden WRITE setShowHidden)
    Q_PROPERTY(bool showOnlyReadable READ showOnlyReadable WRITE setShowOnlyReadable)
    Q_PROPERTY(bool caseSensitive READ caseSensitive WRITE setCaseSensitive)
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    Q_PROPERTY(Status status READ status NOTIFY statusChanged)
    Q_PROPERTY(bool sortCaseSensitive READ sortCaseSensitive WRITE setSortCaseSensitive)
    Q_PROPERTY(bool loaded READ loaded WRITE setLoaded NOTIFY loadedChanged)
    Q_PROPERTY(QStringList excludeFiles READ excludeFiles WRITE setExcludeFiles NOTIFY excludeFilesChanged)

public:
    enum Roles {
        FileNameRole = Qt::UserRole + 1,
        FilePathRole,
        FileBaseNameRole,
        FileSuffixRole,
        FileSizeRole,
        FileLastModifiedRole,
        FileLastReadRole,
        FileIsDirRole,
        FileUrlRole,
        FileURLRole,
        FileHistoryNameRole,
        FileHistoryTimeRole,
    };
    enum SortField { Unsorted, Name, Time, Size, Type };
    Q_ENUM(SortField)
    enum Status { Null, Ready, Loading };
    Q_ENUM(Status)

    explicit QQuickFolderListModel(QObject* parent = nullptr);
    ~QQuickFolderListModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;
    void classBegin() override;
    void componentComplete() override;

    QUrl folder() const;
    void setFolder(const QUrl& folder);
    QUrl rootFolder() const;
    void setRootFolder(const QUrl& path);
    QUrl parentFolder() const;
    QStringList nameFilters() const;
    void setNameFilters(const QStringList& filters);
    SortField sortField() const;
    void setSortField(SortField field);
    bool sortReversed() const;
    void setSortReversed(bool rev);
    bool showFiles() const;
    void setShowFiles(bool on);
    bool showDirs() const;
    void setShowDirs(bool on);
    bool showDirsFirst() const;
    void setShowDirsFirst(bool on);
    bool showDotAndDotDot() const;
    void setShowDotAndDotDot(bool on);
    bool showHidden() const;
    void setShowHidden(bool on);
    bool showOnlyReadable() const;
    void setShowOnlyReadable(bool on);
    bool caseSensitive() const;
    void setCaseSensitive(bool on);
    int count() const { return rowCount(); }
    Status status() const;
    bool sortCaseSensitive() const;
    void setSortCaseSensitive(bool on);
    bool loaded() const { return m_loaded; }
    QStringList excludeFiles() const;

    Q_INVOKABLE void fileRename(const QString& newName, const QString& oldName);
    Q_INVOKABLE bool isFolder(int index) const;
    Q_INVOKABLE QVariant get(int idx, const QString& property) const;
    Q_INVOKABLE int indexOf(const QUrl& file) const;

    // The two parts of a history snapshot's base name ("name---seconds").
    static QString formatHistoryName(const QString& text);
    static QString formatHistoryTime(const QString& text);

public slots:
    void setExcludeFiles(const QStringList& excludeFiles);
    void setLoaded(bool loaded);

signals:
    void folderChanged(const QUrl& folder);
    void rowCountChanged() const;
    void countChanged() const;
    void statusChanged();
    void excludeFilesChanged(const QStringList& excludeFiles);
    void loadedChanged(bool loaded);
    void nameFiltersChanged(const QStringList& nameFilters);

private slots:
    void _q_directoryChanged(const QString& directory, const QList<FileProperty>& list);
    void _q_directoryUpdated(const QString& directory, const QList<FileProperty>& list, int fromIndex, int toIndex);
    void _q_sortFinished(const QList<FileProperty>& list);
    void _q_statusChanged(QQuickFolderListModel::Status s);

private:
    int roleFromString(const QString& roleName) const;

    QScopedPointer<QQuickFolderListModelPrivate> d;
    bool m_loaded = false;
    friend class QQuickFolderListModelPrivate;
};

#endif
