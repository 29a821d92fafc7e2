#include "autochaptermodel.h"

AutoChapterModel::AutoChapterModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

int AutoChapterModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 0;
}

QVariant AutoChapterModel::data(const QModelIndex& index, int role) const
{
    Q_UNUSED(index)
    Q_UNUSED(role)
    return QVariant();
}

QHash<int, QByteArray> AutoChapterModel::roleNames() const
{
    return { { DisplayTextRole, "displayText" }, { LineRole, "line" }, { WordNumberRole, "wordNumber" } };
}
