#include "update.h"

update::update(QObject* parent)
    : QObject(parent)
{
}

void update::checkNewVersion() {}
