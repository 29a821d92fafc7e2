#include "filefiltermodel.h"

#include "data/global.h"

FileFilterModel::FileFilterModel(QObject* parent)
    : QSortFilterProxyModel(parent)
{
    connect(global::instance(), &global::filesSortTypeChanged, this, [this] {
        sort(0, global::instance()->filesSortType() ? Qt::AscendingOrder : Qt::DescendingOrder);
    });
}
