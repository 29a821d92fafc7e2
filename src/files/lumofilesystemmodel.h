#ifndef LUMOFILESYSTEMMODEL_H
#define LUMOFILESYSTEMMODEL_H

#include <QFileSystemModel>
#include <QPersistentModelIndex>
#include <QQueue>
#include <QTimer>

// The file-system model under the document, notes and history trees: an icon
// per entry type, the book-path roles and a rename by editing that keeps a
// file's suffix and never raises a modal box.
class LumoFileSystemModel : public QFileSystemModel
{
    Q_OBJECT
public:
    enum LumoDataRole {
        lumoDisplayRole = Qt::UserRole + 1000,
        lumoObjectNameRole,
        lumoFileTypeRole,
    };
    Q_ENUM(LumoDataRole)

    explicit LumoFileSystemModel(QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    // Every tree orders its entries through FileFilterModel; the base model's
    // own natural-order sort of the whole loaded tree (run after every load)
    // is skipped, so a large library fills without stalling the GUI thread.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    // Folders are listed one after the other: a request made while another
    // folder is being listed waits for it, so expanding many books at once
    // leaves the GUI thread room between the folders.
    void fetchMore(const QModelIndex& parent) override;

    // Why a name cannot be given to an entry in the folder `parentPath`
    // (empty when it can): empty names and empty base names, path
    // separators, "..", hidden names (a leading "."), the names the program
    // keeps for itself, over-long names and names already taken (a dangling
    // link included). `currentName` is the entry's present name (a rename to
    // itself is allowed).
    static QString nameProblem(const QString& parentPath, const QString& name, const QString& currentName = QString(),
                               bool isDir = false);
    // Names the trees and lists hide or use for themselves: a book's
    // "index.txt", and the service folders.
    static bool isServiceName(const QString& name, bool isDir);

    // Depth of a path below the last "My Books" folder (1..3), else 0.
    static int depthLevel(const QString& absolutePath);

    // The resource path of an entry's icon (":/source/images/..."): folders,
    // ".txt" and ".md" files (suffixes compared case-sensitively); empty for
    // any other entry.
    static QString iconResource(bool isDir, const QString& fileName);

private:
    void fetchNext();

    QQueue<QPersistentModelIndex> m_pendingFetches;
    QString m_fetching;
    QTimer m_fetchGuard;
};

#endif
