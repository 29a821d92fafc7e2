#include "keymodel.h"

KeyModel::KeyModel(QObject* parent)
    : QStandardItemModel(parent)
{
}

QHash<int, QByteArray> KeyModel::roleNames() const
{
    return { { NameRole, "name" }, { KeyRole, "key" }, { ValueRole, "value" } };
}
