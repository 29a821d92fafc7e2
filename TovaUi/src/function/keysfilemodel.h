#ifndef KEYSFILEMODEL_H
#define KEYSFILEMODEL_H

#include <QStandardItemModel>

// The list of shortcut schemes: one row per scheme file.
class KeysFileModel : public QStandardItemModel
{
    Q_OBJECT
public:
    enum Roles { NameRole = Qt::UserRole + 1001, FileRole = Qt::UserRole + 1002 };

    explicit KeysFileModel(QObject* parent = nullptr);
    QHash<int, QByteArray> roleNames() const override;
};

#endif
