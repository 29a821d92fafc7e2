#include "resultcountreply.h"

resultCountReply::resultCountReply(QObject* parent)
    : QObject(parent)
{
}
