#include "breply.h"

bReply::bReply(QObject* parent)
    : QObject(parent)
{
}
