#include "lumofontmodel.h"

LumoFontModel::LumoFontModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

int LumoFontModel::rowCount(const QModelIndex& parent) const
{
    Q_UNUSED(parent)
    return 0;
}

QVariant LumoFontModel::data(const QModelIndex& index, int role) const
{
    Q_UNUSED(index)
    Q_UNUSED(role)
    return QVariant();
}
