#ifndef FILEFILTERMODEL_H
#define FILEFILTERMODEL_H

#include <QObject>
#include <QPersistentModelIndex>
#include <QSortFilterProxyModel>
#include <QUrl>

// Sorting and filtering proxy over a file-system model for the QML document
// trees: hides the service folders and the books' "index.txt", orders each
// folder by the numbers in the names in the global sort direction, remembers
// the entry being renamed and turns an index into the document it stands for
// (a book stands for its "index.txt").
class FileFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    enum Roles {
        FilePathRole = Qt::UserRole + 1,
        SizeRole = Qt::UserRole + 4,
        DisplayableFilePermissionsRole,
        LastModifiedRole,
        UrlStringRole,
        TestRole,
        EditingRole = 436,
        FileSelectedRole = 437,
    };
    Q_ENUM(Roles)

    explicit FileFilterModel(QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    Q_INVOKABLE void setEditing(const QModelIndex& index, bool isEditing);
    // The document a row stands for; a book's missing "index.txt" is made
    // (a document that is gone never is).
    Q_INVOKABLE QString getFileLocalName(const QModelIndex& index);
    Q_INVOKABLE QUrl getFileName(const QModelIndex& index);
    // The document a row stands for (a book its "index.txt"), as
    // getFileName gives it but without creating anything.
    Q_INVOKABLE QUrl documentUrl(const QModelIndex& index) const;
    // The image URL ("qrc:/source/images/...") of the icon of the entry at a
    // local path, for QML delegates, which cannot show the decoration role's
    // QIcon; empty when the entry has none.
    Q_INVOKABLE static QString iconSource(const QString& path);

    // All ASCII digits of a text joined and read as a number: -1 without
    // digits, 0 when they do not fit an int.
    static int numberFromText(const QString& text);
    // The number order key of a name: numberFromText of its base name (up to
    // the first ".").
    static int numberKey(const QString& fileName);

public slots:
    void updateSortRole();

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    QString documentPath(const QModelIndex& index) const;

    QPersistentModelIndex editingIndex;
};

#endif
