#include "roommodel.h"

RoomModel::RoomModel(QObject* parent)
    : QStandardItemModel(parent)
{
}
