#ifndef LUMOFILESYSTEMMODEL_H
#define LUMOFILESYSTEMMODEL_H

#include <QFileSystemModel>

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

    // Why a name cannot be given to an entry in the folder `parentPath`
    // (empty when it can): empty or dot-only names, path separators, "..",
    // over-long names and names already taken. `currentName` is the entry's
    // present name (a rename to itself is allowed).
    static QString nameProblem(const QString& parentPath, const QString& name, const QString& currentName = QString());

    // Depth of a path below the last "My Books" folder (1..3), else 0.
    static int depthLevel(const QString& absolutePath);
};

#endif
