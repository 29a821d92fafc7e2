#include "keysfilemodel.h"

KeysFileModel::KeysFileModel(QObject* parent)
    : QStandardItemModel(parent)
{
}

QHash<int, QByteArray> KeysFileModel::roleNames() const
{
    return { { NameRole, "name" }, { FileRole, "file" } };
}
