#include "rankinghallmodel.h"

RankingHallModel::RankingHallModel(QObject* parent)
    : QStandardItemModel(parent)
{
}
