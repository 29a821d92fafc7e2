#include "throughmodel.h"

ThroughModel::ThroughModel(QObject* parent)
    : QObject(parent)
{
}
