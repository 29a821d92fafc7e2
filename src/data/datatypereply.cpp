#include "datatypereply.h"

#include "data/datatypeclass.h"

DataTypeReply::DataTypeReply(QObject* parent)
    : QObject(parent)
{
}
