#include "oss.h"

oss::oss(QObject* parent)
    : QObject(parent)
{
}
