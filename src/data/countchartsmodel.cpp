#include "countchartsmodel.h"

CountChartsModel::CountChartsModel(QObject* parent)
    : QStandardItemModel(parent)
{
}

QHash<int, QByteArray> CountChartsModel::roleNames() const
{
    return { { DateRole, "date" }, { NumberRole, "number" }, { MaxRole, "max" } };
}

void CountChartsModel::updateMax()
{
    int max = 0;
    for (int r = 0; r < rowCount(); ++r)
        max = qMax(max, item(r)->data(NumberRole).toInt());
    for (int r = 0; r < rowCount(); ++r) {
        if (item(r)->data(MaxRole).toInt() != max || !item(r)->data(MaxRole).isValid())
            item(r)->setData(max, MaxRole);
    }
}
